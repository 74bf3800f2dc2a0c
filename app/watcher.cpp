#include "app/watcher.h"

#include <QKeyEvent>

#include "record/record_file.h"
#include "score/score_bar.h"
#include "view/field_wnd.h"

// The board's looks, but a game that ends keeps its balls in view: the
// watching ends on the board the game ended on.
class CWatcher::CLook : public CBoardLook {
public:
    explicit CLook(CBoardLook& board) : m_board(board) {}
    void BeginPlayingLook() override { m_board.BeginPlayingLook(); }
    void RevealCell(int index) override { m_board.RevealCell(index); }
    void EndPlayingLook() override { m_board.EndPlayingLook(); }

private:
    CBoardLook& m_board;
};

CWatcher::CWatcher(CFieldWnd& field, CScoreBar& panel, CCuePlayer* cues,
                   std::function<void(const QString&)> show)
    : m_field(field), m_panel(panel), m_cues(cues), m_show(std::move(show)),
      m_look(std::make_unique<CLook>(field)) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CWatcher::PlayNext);
}

CWatcher::~CWatcher() = default;

void CWatcher::Watch(const CGameRecord& record) {
    End();
    m_record = record;
    CGameParts parts;
    parts.cells = m_field.Cells();
    parts.clockTimers = &m_clockTimers;
    parts.playTimers = &m_playTimers;
    parts.look = m_look.get();
    parts.scoreDisplay = &m_panel;
    parts.cues = m_cues;
    m_game = std::make_unique<CGame>(parts);
    m_replay = std::make_unique<CReplay>(*m_game, m_record);
    m_pace = CPlaybackPace();
    m_replay->Restart();
    ScheduleNext();
    ShowState();
}

bool CWatcher::WatchFile(const QString& path) {
    CGameRecord record;
    std::string error;
    if (!ReadRecordFile(path.toStdString(), record, error)) {
        End();
        m_show(tr("This file cannot be watched: %1").arg(QString::fromStdString(error)));
        return false;
    }
    Watch(record);
    return true;
}

void CWatcher::End() {
    m_timer.stop();
    if (!m_replay) return;
    m_replay.reset();
    m_game.reset();
    m_show(QString());
}

bool CWatcher::OnKey(int key) {
    if (!m_replay) return false;
    switch (key) {
    case Qt::Key_Escape:
        End();
        return true;
    case Qt::Key_Space:
        m_pace.TogglePause();
        break;
    case Qt::Key_Right:
        m_replay->StepForward();
        break;
    case Qt::Key_Left:
        m_replay->StepBack();
        break;
    case Qt::Key_Plus:
        m_pace.Faster();
        break;
    case Qt::Key_Minus:
        m_pace.Slower();
        break;
    default:
        return false;
    }
    ScheduleNext();
    ShowState();
    return true;
}

void CWatcher::PlayNext() {
    if (!m_replay) return;
    m_replay->StepForward();
    ScheduleNext();
    ShowState();
}

void CWatcher::ScheduleNext() {
    m_timer.stop();
    const long long delay = m_pace.DelayBefore(m_record, m_replay->Position());
    if (delay >= 0 && !m_replay->AtEnd()) m_timer.start(static_cast<int>(delay));
}

QString CWatcher::Who() const {
    return m_record.name.empty() ? tr("an unnamed player") : QString::fromStdString(m_record.name);
}

void CWatcher::ShowState() {
    const QString points = QString::number(m_record.score);
    if (m_replay->AtEnd() && !m_replay->Reproduces()) {
        m_show(tr("This game does not reproduce its recorded score of %1 points. Escape or Start "
                  "ends the watching.")
                   .arg(points));
    } else if (m_replay->AtEnd()) {
        m_show(tr("End of the game of %1, %2 points. Left steps back, Escape or Start ends the "
                  "watching.")
                   .arg(Who(), points));
    } else if (m_pace.Paused()) {
        m_show(tr("Paused: the game of %1, %2 points. Space goes on, Left and Right step, Escape "
                  "or Start ends the watching.")
                   .arg(Who(), points));
    } else {
        m_show(tr("Watching the game of %1, %2 points, at %3 %. Space pauses, Left and Right "
                  "step, + and - change the speed, Escape or Start ends the watching.")
                   .arg(Who(), points)
                   .arg(m_pace.SpeedPercent()));
    }
}
