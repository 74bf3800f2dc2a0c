// The review sheet: every picture, enlarged four times, labelled with its
// identifier.
#pragma once

#include <QImage>
#include <map>

QImage DrawSheet(const std::map<int, QImage>& pictures);
