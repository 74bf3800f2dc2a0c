// The main window: menu, keys and toolbar built from the command table, the
// status bar with its prompts and the playing-time pane, the score panel
// docked at the right and the board window in the rest. The flags, rules and
// handlers are CFrameLogic's; this window shows them and forwards to them.
#pragma once

#include "app/frame_logic.h"
#include "app/placement.h"
#include "platform/timer_host.h"
#include "score/score_bar.h"
#include "view/field_wnd.h"

#include <QMainWindow>
#include <map>

class QAction;
class QLabel;
class QToolBar;

class CMainFrame : public QMainWindow, public CFrameLogic {
    Q_OBJECT
public:
    static constexpr int kFieldId = 131;
    static constexpr int kToolbarPicture = 171;
    static constexpr int kIconPicture = 128;

    CMainFrame();
    ~CMainFrame() override;

    // Builds the children; false when one of them could not be made.
    bool LoadFrame();
    // Restores the saved placement and shows the window.
    void ActivateFrame();

    // Carries out a command if its rule allows it now, whichever way it came,
    // then brings the shown states up to date.
    bool Dispatch(unsigned id);
    // Shows every command's enabled and check state and the playing time.
    void RefreshCommandUi();

    // Writes the placement the first time it is called, while saving is on.
    void SaveWindowPlacement();

    QAction* Action(unsigned id) const;
    QLabel* PlayTimePane() const { return m_playTimePane; }
    QToolBar* ToolBar() const { return m_wndToolBar; }

    CScoreBar m_wndScoreBar;
    CFieldWnd m_wndField;
    CQtTimerHost m_timerHost;

protected:
    void EnableClockFields(bool enable) override;
    void RunPauseBox() override;
    void OnHowToPlay() override;
    void OnAppAbout() override;
    void OnAppExit() override;

    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenu();
    bool BuildToolBar();
    void BuildStatusBar();
    void BuildScorePanel();
    void FitFrameToSaved();
    void FitFrameSoon();
    QRect OuterFrame() const;
    void ForgetStaleHover();

    std::map<unsigned, QAction*> m_actions;
    QToolBar* m_wndToolBar = nullptr;
    QLabel* m_idlePane = nullptr;
    QLabel* m_playTimePane = nullptr;
    CPlacement m_placement;    // as read at start
    CWindowRect m_wantedFrame; // outer size still to be reached once the frame is known
    bool m_sizePending = false;
    int m_placeTries = 0;
    bool m_placementSaved = false;
};
