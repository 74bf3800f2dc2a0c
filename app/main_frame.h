// The main window: menu, keys and toolbar built from the command table, the
// status bar with its prompts and the playing-time pane, the score panel
// docked at the right and the board window in the rest. The game with the
// flags, rules and handlers is a CGame made from these widgets; this window
// shows it and forwards to it.
#pragma once

#include "app/game.h"
#include "app/hall_watching.h"
#include "app/placement.h"
#include "platform/timer_host.h"
#include "score/score_bar.h"
#include "view/field_wnd.h"

#include <QMainWindow>
#include <map>
#include <memory>

class QAction;
class QLabel;
class QToolBar;

class CMainFrame : public QMainWindow, public CFrameDisplay {
    Q_OBJECT
public:
    static constexpr int kFieldId = kFieldWndId;
    static constexpr int kToolbarPicture = PictureId::kToolbar;
    static constexpr int kIconPicture = PictureId::kIcon;

    // The window keeps its placement, and the game its hall of fame, in profile;
    // the games played are recorded in gamesFolder (none: not on disk).
    explicit CMainFrame(CProfile profile, std::string gamesFolder = std::string());
    ~CMainFrame() override;

    // Builds the children and the game; false when one of them could not be made.
    bool LoadFrame();

    // The game, once LoadFrame has made it.
    CGame& Game() { return *m_game; }
    // Watching recorded games on the board.
    CHallWatching& Watching() { return *m_watching; }
    // Restores the saved placement and shows the window.
    void ActivateFrame();

    // Carries out a command if its rule allows it now, whichever way it came,
    // then brings the shown states up to date.
    bool Dispatch(unsigned id);
    // Shows every command's enabled and check state and the playing time.
    void RefreshCommandUi();

    // The game's cues go to player from now on, such as the sound service once
    // it is loaded; null silences them, as they are at first.
    void SendCuesTo(CCuePlayer* player) { m_cues.ForwardTo(player); }

    // Writes the placement the first time it is called, while saving is on.
    void SaveWindowPlacement();

    // Zooms the board one step in (direction > 0) or out, or back to 1× (0),
    // skipping steps that would not fit on the screen or that have no
    // pictures drawn for this screen's scale.
    void StepZoom(int direction);
    // Whether the frame, grown as the board at zoom needs, fits on its
    // screen, and the board's pictures are drawn for that zoom there.
    bool BoardFits(int zoom) const;

    QAction* Action(unsigned id) const;
    QLabel* PlayTimePane() const { return m_playTimePane; }
    QToolBar* ToolBar() const { return m_wndToolBar; }

    CScoreBar m_wndScoreBar;
    CFieldWnd m_wndField;
    CQtTimerHost m_timerHost;  // the playing time
    CQtTimerHost m_clockTimer; // the move clock

    void EnableClockFields(bool enable) override;
    void RunPauseBox() override;
    void OnHowToPlay() override;
    void OnAppAbout() override;
    void OnAppExit() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMenu();
    bool BuildToolBar();
    void BuildStatusBar();
    void BuildScorePanel();
    void BuildZoomKeys();
    void FitFrameToSaved();
    void FitFrameSoon();
    QRect OuterFrame() const;
    void ForgetStaleHover();

    CProfile m_profile;
    std::string m_gamesFolder;
    CCueForwarder m_cues;
    std::unique_ptr<CGame> m_game;
    CHallWatching* m_watching = nullptr;
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

// The playing time as the pane shows it: hours in at least two places, then
// minutes and seconds in two.
QString PlayTimeShown(unsigned seconds);
