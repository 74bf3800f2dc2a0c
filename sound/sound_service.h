// The sound service as the program sees it. It lives in a plugin of its own,
// marbix-sound.so, loaded once the window is on screen: the sound libraries
// it pulls in cost more at start-up than everything else together.
#pragma once

#include "sound/cue.h"

#include <QByteArray>
#include <QStringList>
#include <memory>

using CWaveLoaderFn = QByteArray (*)(unsigned id, bool fromModule);

class CSoundService : public CCuePlayer {
public:
    // Reads every cue ahead of its first use and wakes the sound device.
    virtual void Preload(bool withModule) = 0;
};

// The plugin's one entry point.
extern "C" CSoundService* MarbixCreateSoundService(CWaveLoaderFn loader);

// Loads the plugin from beside the executable, else from the plugin folder
// of an installed program (lib/marbix beside its bin), and starts the service on loader; null when
// it cannot be had, and the program then plays nothing.
std::unique_ptr<CSoundService> LoadSoundService(CWaveLoaderFn loader);

// The same from the first of these folders that holds a working plugin.
std::unique_ptr<CSoundService> LoadSoundServiceFrom(const QStringList& dirs, CWaveLoaderFn loader);
