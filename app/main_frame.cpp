#include "app/main_frame.h"

#include "app/about_dlg.h"
#include "app/app_settings.h"
#include "app/command_table.h"
#include "app/menu_accessible.h"
#include "app/rules_text.h"
#include "app/window_game.h"
#include "app/zoom.h"
#include "platform/dialog_frame.h"
#include "platform/resources.h"
#include "platform/string_table.h"
#include "platform/tr_text.h"
#include "view/board_accessible.h"
#include "view/board_keys.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QCursor>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>
#include <vector>

namespace {

constexpr int kIdleText = StringId::kIdle;
constexpr int kPlayTimeText = StringId::kPlayTime;
constexpr int kTitleText = StringId::kTitle;
const QSize kButtonSize(81, 29);

QString Text(unsigned id) {
    return TrString(id);
}

QKeySequence KeyOf(CCommandKey key) {
    switch (key) {
    case CCommandKey::Backspace:
        return QKeySequence(Qt::Key_Backspace);
    case CCommandKey::F1:
        return QKeySequence(Qt::Key_F1);
    case CCommandKey::F2:
        return QKeySequence(Qt::Key_F2);
    case CCommandKey::F3:
        return QKeySequence(Qt::Key_F3);
    case CCommandKey::F4:
        return QKeySequence(Qt::Key_F4);
    case CCommandKey::F5:
        return QKeySequence(Qt::Key_F5);
    case CCommandKey::None:
        break;
    }
    return {};
}

// Where the window system lets a program place its own windows.
bool CanPlaceWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

CWindowRect ToRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

// The primary screen first.
std::vector<CWindowRect> Screens() {
    std::vector<CWindowRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screens.push_back(ToRect(primary->geometry()));
    for (QScreen* screen : QGuiApplication::screens())
        screens.push_back(ToRect(screen->geometry()));
    return screens;
}

} // namespace

QString PlayTimeShown(unsigned seconds) {
    const QLatin1Char zero('0');
    return CMainFrame::tr("You have been playing for :%1 h %2 m %3 s")
        .arg(seconds / 3600, 2)
        .arg(seconds / 60 % 60, 2, 10, zero)
        .arg(seconds % 60, 2, 10, zero);
}

CMainFrame::CMainFrame(CProfile profile, std::string gamesFolder)
    : m_timerHost([this](unsigned id) {
          m_game->Frame().OnTimer(id);
          RefreshCommandUi();
      }),
      m_clockTimer([this](unsigned id) { m_game->Score().OnTimer(id); }),
      m_profile(std::move(profile)), m_gamesFolder(std::move(gamesFolder)) {
    setObjectName(QStringLiteral("mainFrame"));
    // No menu of hideable bars: the toolbar and the panel are always there.
    setContextMenuPolicy(Qt::NoContextMenu);
}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::LoadFrame() {
    setWindowTitle(TrPrompt(kTitleText));
    setWindowIcon(QIcon(QPixmap::fromImage(LoadPicture(kIconPicture))));
    InstallMenuAccessibility();
    InstallBoardAccessibility();

    BuildMenu();
    BuildZoomKeys();
    if (!BuildToolBar()) return false;
    BuildStatusBar();
    BuildScorePanel();
    m_game = MakeWindowGame(this, kFieldId, m_wndField, m_wndScoreBar, m_clockTimer, m_timerHost,
                            *this, m_profile, &m_cues, m_gamesFolder);
    if (!m_game) return false;
    m_watching = new CHallWatching(this, *m_game, m_wndField, m_wndScoreBar, m_idlePane, &m_cues,
                                   m_gamesFolder);
    setAcceptDrops(true);
    qApp->installEventFilter(this); // the watching's keys, wherever the focus is
    setCentralWidget(&m_wndField);
    new CBoardKeys(&m_wndField);
    // Tab goes between the board and the hall of fame.
    m_wndScoreBar.m_list->setFocusPolicy(Qt::TabFocus);
    m_wndField.setLayoutDirection(Qt::LeftToRight); // a mirrored window keeps its board
    for (CCellButton& cell : m_wndField.m_cellButtons)
        connect(&cell, &QAbstractButton::clicked, this, [this] {
            RefreshCommandUi();
            ForgetStaleHover(); // a game may have ended in the name dialog
        });

    // What the loop finds when it falls idle (a move clock that ran out, a
    // game that ended in a dialog) is shown before it sleeps.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &CMainFrame::RefreshCommandUi);
    RefreshCommandUi();
    return true;
}

void CMainFrame::BuildMenu() {
    QMenu* menu = nullptr;
    const char* popup = nullptr;
    for (const CCommandRow& row : CommandTable()) {
        if (row.popup != popup) {
            popup = row.popup;
            menu = menuBar()->addMenu(TrCore("menu", popup));
            connect(menu, &QMenu::aboutToShow, this, &CMainFrame::RefreshCommandUi);
        }
        if (row.id == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(TrCore("menu", row.text));
        action->setStatusTip(TrPrompt(row.id));
        action->setCheckable(row.hasCheck);
        const unsigned id = row.id;
        connect(action, &QAction::triggered, this, [this, id] { Dispatch(id); });
        m_actions[id] = action;

        // Keys are tested against the rule when pressed, whatever is shown.
        if (row.key != CCommandKey::None) {
            SetAccessibleKey(action, KeyOf(row.key));
            auto* shortcut = new QShortcut(KeyOf(row.key), this);
            connect(shortcut, &QShortcut::activated, this, [this, id] { Dispatch(id); });
        }
    }
}

// Keys of their own, in no menu: the menus stay as they are.
void CMainFrame::BuildZoomKeys() {
    const std::pair<QKeySequence, int> keys[] = {{QKeySequence(Qt::CTRL | Qt::Key_Plus), 1},
                                                 {QKeySequence(Qt::CTRL | Qt::Key_Equal), 1},
                                                 {QKeySequence(Qt::CTRL | Qt::Key_Minus), -1},
                                                 {QKeySequence(Qt::CTRL | Qt::Key_0), 0}};
    for (const auto& [key, direction] : keys) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [this, d = direction] { StepZoom(d); });
    }
    connect(&m_wndField, &CFieldWnd::ZoomWheeled, this, [this](int steps) {
        for (int i = 0; i < std::abs(steps); ++i) StepZoom(steps);
    });
}

void CMainFrame::StepZoom(int direction) {
    const auto fits = [this](int zoom) { return BoardFits(zoom); };
    const int zoom = m_wndField.Zoom();
    const int next = direction > 0   ? ZoomedIn(zoom, fits)
                     : direction < 0 ? ZoomedOut(zoom, fits)
                                     : kZoomOne;
    m_wndField.SetZoom(next);
    g_zoom = next;
}

// A frame grows only where its area is smaller than the board; a maximised
// one does not grow at all. A step whose pictures would have to be enlarged
// on this screen is never taken: the board stays crisp.
bool CMainFrame::BoardFits(int zoom) const {
    if (!ZoomDrawn(qGuiApp->devicePixelRatio(), zoom)) return false;
    const QSize board = m_wndField.BoardSize(zoom);
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return board.width() <= m_wndField.width() && board.height() <= m_wndField.height();
    const QScreen* on = screen();
    if (!on) return true;
    const QSize chrome =
        isVisible() ? OuterFrame().size() - m_wndField.size() : sizeHint() - m_wndField.sizeHint();
    const QSize area = isVisible() ? m_wndField.size() : QSize();
    const QSize needed = chrome + board.expandedTo(area);
    const QSize room = on->availableGeometry().size();
    return needed.width() <= room.width() && needed.height() <= room.height();
}

bool CMainFrame::BuildToolBar() {
    const QImage strip = LoadPicture(kToolbarPicture);
    if (strip.isNull()) return false;
    m_wndToolBar = addToolBar(QStringLiteral("toolbar"));
    m_wndToolBar->setObjectName(QStringLiteral("toolbar"));
    m_wndToolBar->setMovable(false);
    m_wndToolBar->setFloatable(false);
    m_wndToolBar->setIconSize(kButtonSize);
    m_wndToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);

    int image = 0;
    for (int slot = 1; slot <= kToolbarSlots; ++slot) {
        const CCommandRow* found = nullptr;
        for (const CCommandRow& row : CommandTable())
            if (row.toolbarSlot == slot) found = &row;
        if (!found) {
            m_wndToolBar->addSeparator();
            continue;
        }
        QAction* action = m_actions.at(found->id);
        const int k = qRound(strip.devicePixelRatio()); // pixels of the strip per layout pixel
        const QRect cut(QPoint(image * kButtonSize.width(), 0) * k, kButtonSize * k);
        ++image;
        action->setIcon(QIcon(QPixmap::fromImage(strip.copy(cut))));
        action->setIconVisibleInMenu(false);
        m_wndToolBar->addAction(action);
        // The prompt shows in the status bar; there are no tool tips.
        if (QWidget* button = m_wndToolBar->widgetForAction(action)) {
            button->installEventFilter(this);
            button->setAccessibleName(action->text().section(QLatin1Char('\t'), 0, 0));
        }
    }
    return true;
}

void CMainFrame::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    m_idlePane = new QLabel(Text(kIdleText), bar);
    m_idlePane->setObjectName(QStringLiteral("messagePane"));
    bar->addWidget(m_idlePane, 1);
    m_playTimePane = new QLabel(Text(kPlayTimeText), bar);
    m_playTimePane->setObjectName(QStringLiteral("playTimePane"));
    const int margin = 2 * m_playTimePane->frameWidth() + 8;
    m_playTimePane->setFixedWidth(
        m_playTimePane->fontMetrics().horizontalAdvance(Text(kPlayTimeText)) + margin);
    bar->addPermanentWidget(m_playTimePane);
}

void CMainFrame::BuildScorePanel() {
    auto* dock = new QDockWidget(this);
    dock->setObjectName(QStringLiteral("scoreDock"));
    dock->setTitleBarWidget(new QWidget(dock));
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock->setAllowedAreas(Qt::RightDockWidgetArea);

    auto* holder = new QWidget(dock);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto* border = new QFrame(holder);
    border->setFrameShape(QFrame::VLine);
    border->setFrameShadow(QFrame::Sunken);
    row->addWidget(border);
    m_wndScoreBar.Create(holder);
    auto* column = new QVBoxLayout;
    column->addWidget(&m_wndScoreBar);
    column->addStretch(1);
    row->addLayout(column);
    dock->setWidget(holder);
    addDockWidget(Qt::RightDockWidgetArea, dock);
}

QAction* CMainFrame::Action(unsigned id) const {
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

bool CMainFrame::Dispatch(unsigned id) {
    if (id == ID_GAME_START && m_game->Frame().IsEnabled(id)) m_watching->Watcher().End();
    const bool done = m_game->Frame().OnCommand(id);
    RefreshCommandUi();
    ForgetStaleHover();
    return done;
}

// A modal box that closes tells the button then under the pointer that the
// pointer is on it, and nothing tells it when the pointer leaves: its hover
// frame, and its prompt once it is enabled, would stay. Told again here.
void CMainFrame::ForgetStaleHover() {
    const QPoint pointer = QCursor::pos();
    bool stale = false;
    for (QToolButton* button : m_wndToolBar->findChildren<QToolButton*>()) {
        if (!button->underMouse() || button->rect().contains(button->mapFromGlobal(pointer)))
            continue;
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(button, &leave);
        button->setAttribute(Qt::WA_UnderMouse, false);
        button->update();
        stale = true;
    }
    if (stale) statusBar()->clearMessage();
}

void CMainFrame::RefreshCommandUi() {
    for (const auto& [id, action] : m_actions) {
        action->setEnabled(m_game->Frame().IsEnabled(id));
        if (action->isCheckable()) action->setChecked(m_game->Frame().IsChecked(id));
    }
    if (m_playTimePane) {
        const QString time = PlayTimeShown(m_game->Frame().PlaySeconds());
        if (m_playTimePane->text() != time) m_playTimePane->setText(time);
    }
}

void CMainFrame::EnableClockFields(bool enable) {
    m_wndScoreBar.EnableClockFields(enable);
}

void CMainFrame::RunPauseBox() {
    QMessageBox box(QMessageBox::Information, tr("Marbix - paused"),
                    tr("Press OK to continue the game"), QMessageBox::Ok, this);
    SetDialogFrame(&box, true);
    box.exec();
}

void CMainFrame::OnHowToPlay() {
    QMessageBox box(QMessageBox::NoIcon, tr("How to play Marbix"), TrCore("rules", g_rulesText),
                    QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    SetDialogFrame(&box, true);
    // Every line of the rules as written: the box would wrap lines longer
    // than a part of the screen's width.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setMinimumWidth(label->fontMetrics().boundingRect(QRect(), 0, box.text()).width());
    box.exec();
}

void CMainFrame::OnAppAbout() {
    CAboutDlg dialog(m_cues, this);
    dialog.exec();
}

void CMainFrame::OnAppExit() {
    close();
}

void CMainFrame::ActivateFrame() {
    m_placement = ReadPlacement(m_profile);
    const CWindowRect rect = KeepOnScreens(m_placement.rect, Screens());

    // The saved size is the outer frame's; until the window manager's frame
    // is known the client gets it all, and is fitted once it is.
    if (CanPlaceWindows()) move(rect.left, rect.top);
    resize(rect.width, rect.height);
    m_wantedFrame = rect;
    m_sizePending = true;
    m_placeTries = 3;
    // The zoom of the last game, or the largest step below it this screen holds.
    m_wndField.SetZoom(
        FittingZoom(ReadZoom(m_profile), [this](int zoom) { return BoardFits(zoom); }));
    if (m_placement.state != 0)
        showMaximized();
    else
        show();
}

// Once the window manager's frame is known, the frame gets the saved size,
// and its corner goes to the saved place: the window was first placed by its
// client area, and the first word on the frame may be stale, so the corner is
// checked again for a short while.
void CMainFrame::FitFrameToSaved() {
    if ((!m_sizePending && m_placeTries == 0) || windowState() != Qt::WindowNoState ||
        !isVisible() || !windowHandle())
        return;
    const QRect outer = OuterFrame();
    const QRect inner = geometry();
    if (outer == inner) return;
    if (m_sizePending) {
        m_sizePending = false;
        resize(m_wantedFrame.width - (outer.width() - inner.width()),
               m_wantedFrame.height - (outer.height() - inner.height()));
    }
    const QPoint corner(m_wantedFrame.left, m_wantedFrame.top);
    if (!CanPlaceWindows() || outer.topLeft() == corner) return;
    --m_placeTries;
    windowHandle()->setFramePosition(corner);
}

// The frame as the window system has it now: the widget's own idea of the
// frame may still be the one of the maximised window.
QRect CMainFrame::OuterFrame() const {
    return windowHandle() ? windowHandle()->frameGeometry() : frameGeometry();
}

void CMainFrame::SaveWindowPlacement() {
    if (m_placementSaved) return;
    m_placementSaved = true;
    CWindowRect frame = KeepOnScreens(ToRect(OuterFrame()), Screens());
    if (!CanPlaceWindows()) {
        frame.left = m_placement.rect.left;
        frame.top = m_placement.rect.top;
    }
    const Qt::WindowStates state = windowState();
    SavePlacement(m_profile,
                  PlacementAtClose(frame, state & Qt::WindowMinimized,
                                   state & (Qt::WindowMaximized | Qt::WindowFullScreen)));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    SaveWindowPlacement();
    if (m_game) m_game->Recorder().EndUnfinishedGame();
    event->accept();
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    if (m_game) m_game->Score().Hold().HoldWhileMinimised(windowState() & Qt::WindowMinimized);
    FitFrameSoon();
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FitFrameToSaved();
}

void CMainFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    FitFrameToSaved();
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    FitFrameSoon();
}

// The window manager tells the new frame some time after a show or a restore,
// and no event follows when it does: the frame is looked at again a little
// later.
void CMainFrame::FitFrameSoon() {
    FitFrameToSaved();
    if (windowState() != Qt::WindowNoState || m_placeTries == 0) return;
    for (int ms : {100, 300}) QTimer::singleShot(ms, this, &CMainFrame::FitFrameToSaved);
    QTimer::singleShot(600, this, [this] {
        FitFrameToSaved();
        m_placeTries = 0; // from now on the frame is where the user puts it
    });
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && event->mimeData()->urls().size() == 1 &&
        event->mimeData()->urls().first().isLocalFile() && m_game->Frame().Running() == 0)
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    m_watching->Watcher().WatchFile(event->mimeData()->urls().first().toLocalFile());
    event->acceptProposedAction();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip) return true;
    if (event->type() == QEvent::KeyPress && m_watching && isActiveWindow() &&
        m_watching->Watcher().OnKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QMainWindow::eventFilter(watched, event);
}
