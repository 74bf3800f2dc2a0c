// The score panel docked at the right edge: the score, the move clock and the
// hall of fame. The numbers and the clock are CScoreKeeper's; this widget
// shows them and runs the clock on a real one-second timer.
#pragma once

#include "platform/timer_host.h"
#include "score/hiscore_list_box.h"
#include "score/name_dlg_window.h"
#include "score/score_keeper.h"

#include <QWidget>

class QLabel;
class QLineEdit;

class CScoreBar : public QWidget, public CScoreKeeper {
    Q_OBJECT
public:
    static constexpr int kDecorationPicture = 176;

    explicit CScoreBar(QWidget* parent = nullptr);

    // Lays out the panel, loads the hall of fame and shows 0 and 0.
    bool Create(QWidget* parent, CFieldGame* fieldWnd);

    // The move-clock field 1001 and its caption 1027, by style.
    void EnableClockFields(bool enable);

    CHiscoreListBox* m_list;
    QLineEdit* m_scoreEdit;
    QLineEdit* m_timeEdit;
    QLabel* m_timeLabel;
    CNameDlgWindow m_nameWindow;
    CQtTimerHost m_timerHost;

protected:
    void Refresh() override;
};
