// The settings moved to the engine layer; this name stays for the windows
// until they include engine/settings.h themselves.
#pragma once

#include "engine/settings.h"
