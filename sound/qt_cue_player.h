// The platform's sound service: cues played through Qt Multimedia.
#pragma once

#include "platform/resources.h"
#include "sound/cue.h"
#include "sound/wave_file.h"

#include <QHash>
#include <functional>
#include <memory>

class QThread;
class CSoundOutput;
struct CSoundStats;

// Plays one cue at a time on a sound thread of its own: PlaySound only looks
// the sound up and hands it over, so the caller never waits for the sound
// device. A new cue stops the sounding one at once; a cue without a playable
// sound changes nothing. Without a sound server everything stays silent.
class CQtCuePlayer : public CCuePlayer {
public:
    // Where the WAVE files come from: id and source, as LoadWave takes them.
    using CWaveLoader = std::function<QByteArray(unsigned id, bool fromModule)>;

    explicit CQtCuePlayer(CWaveLoader loader = LoadWave);
    ~CQtCuePlayer() override;
    CQtCuePlayer(const CQtCuePlayer&) = delete;
    CQtCuePlayer& operator=(const CQtCuePlayer&) = delete;

    void PlaySound(unsigned id, bool fromModule) override;

    // Reads every cue of the program (and of the sound module when one is
    // loaded) and wakes the sound device, so no cue is late on first use.
    void Preload(bool withModule = g_soundModule != nullptr);

    // Cues handed to the sound thread with a playable sound.
    int HandedOverCount() const;
    // Cues that the sound device started playing.
    int StartedCount() const;
    // From PlaySound to the device playing, for the latest started cue.
    qint64 LastStartLatencyUs() const;

private:
    std::shared_ptr<const CWaveSound> Lookup(unsigned id, bool fromModule);

    CWaveLoader m_loader;
    // Parsed sounds by source and name; a null entry is a sound we cannot play.
    QHash<quint32, std::shared_ptr<const CWaveSound>> m_cache;
    std::shared_ptr<CSoundStats> m_stats;
    QThread* m_thread;
    CSoundOutput* m_output; // lives on m_thread
};
