// The score panel docked at the right edge: the score, the move clock and the
// hall of fame. The numbers and the clock are CScoreKeeper's; this widget
// shows them.
#pragma once

#include "engine/identifiers.h"
#include "score/hiscore_list_box.h"
#include "score/name_dlg_window.h"
#include "score/score_keeper.h"

#include <QWidget>

class CDialogUnits;
class QLabel;
class QLineEdit;

class CScoreBar : public QWidget, public CScoreDisplay {
    Q_OBJECT
public:
    static constexpr int kDecorationPicture = PictureId::kDecoration;

    explicit CScoreBar(QWidget* parent = nullptr);

    // Lays out the panel; the game fills it.
    bool Create(QWidget* parent);

    // The move-clock field 1001 and its caption 1027, by style.
    void EnableClockFields(bool enable);

    CHiscoreListBox* m_list;
    QLineEdit* m_scoreEdit;
    QLineEdit* m_timeEdit;
    QLabel* m_timeLabel;
    CNameDlgWindow m_nameWindow;

    void Refresh(unsigned score, unsigned secondsLeft) override;

private:
    void PlaceTimeFields(const CDialogUnits& du);
};
