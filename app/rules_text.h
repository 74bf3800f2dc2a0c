// The rules shown by How to play: ten lines joined by line feeds.
#pragma once

#include <string>

extern const std::string g_rulesText;
