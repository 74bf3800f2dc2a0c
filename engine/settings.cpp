#include "engine/settings.h"

int g_classical = 0;
int g_soundOn = 0;
int g_saveOnExit = 0;
int g_roundBalls = 0;
const void* g_soundModule = nullptr;
