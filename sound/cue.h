// PlayCue moved to the engine layer; this name stays for the sound service
// and the windows until they include engine/cue.h themselves.
#pragma once

#include "engine/cue.h"
