// The watching of a recorded game on the board of the main window: a game of
// its own over the same cells and score display, played by the replay at the
// pace of the record. Nothing is stored, no move clock runs and the hall of
// fame is left alone. Space pauses and goes on, Left and Right step, + and -
// change the speed, Escape ends; the message pane says whose game it is.
#pragma once

#include <functional>
#include <memory>

#include <QObject>
#include <QString>
#include <QTimer>

#include "app/replay.h"
#include "record/playback_pace.h"

class CFieldWnd;
class CScoreBar;

class CWatcher : public QObject {
    Q_OBJECT
public:
    // The field, panel and cue sink stay the caller's; show puts a text in
    // the message pane, and an empty text gives the pane back.
    CWatcher(CFieldWnd& field, CScoreBar& panel, CCuePlayer* cues,
             std::function<void(const QString&)> show);
    ~CWatcher() override;

    // Starts watching the record from its first action.
    void Watch(const CGameRecord& record);
    // Reads the file and watches it; false (and the pane says why) when it
    // cannot be read.
    bool WatchFile(const QString& path);
    // Ends the watching; the board keeps what it shows.
    void End();
    bool Watching() const { return m_replay != nullptr; }

    // One key while watching; false when it is not one of the watching's.
    bool OnKey(int key);

    const CPlaybackPace& Pace() const { return m_pace; }
    const CReplay* Replay() const { return m_replay.get(); }

private:
    class CLook;
    void PlayNext();
    void ScheduleNext();
    void ShowState();
    QString Who() const;

    CFieldWnd& m_field;
    CScoreBar& m_panel;
    CCuePlayer* m_cues;
    std::function<void(const QString&)> m_show;
    std::unique_ptr<CLook> m_look;
    CManualTimers m_clockTimers;
    CManualTimers m_playTimers;
    std::unique_ptr<CGame> m_game;
    CGameRecord m_record;
    std::unique_ptr<CReplay> m_replay;
    CPlaybackPace m_pace;
    QTimer m_timer;
};
