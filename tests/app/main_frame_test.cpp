// The main window on the offscreen platform: its menu, keys, toolbar and
// status bar, every command's rule in each state, the boxes, the placement,
// start-up and shut-down.
#include "app/epigraph.h"
#include "app/game_app.h"
#include "app/main_frame.h"
#include "app/rules_text.h"
#include "engine/cue.h"
#include "engine/settings.h"
#include "platform/profile.h"
#include "platform/resources.h"
#include "platform/string_table.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct CCueRecorder : CCuePlayer {
    void PlaySound(unsigned id, bool) override { m_ids.push_back(id); }
    int Count(unsigned id) const {
        return static_cast<int>(std::count(m_ids.begin(), m_ids.end(), id));
    }
    std::vector<unsigned> m_ids;
};

// The commands in menu order, for the rule tables below.
const unsigned kIds[] = {ID_GAME_START,        ID_GAME_STOP,        ID_GAME_UNDO,
                         ID_GAME_SKIP,         ID_GAME_PAUSE,       ID_APP_EXIT,
                         ID_OPTIONS_CLASSICAL, ID_OPTIONS_ADVANCED, ID_OPTIONS_NONROUND,
                         ID_OPTIONS_SOUND,     ID_OPTIONS_SAVE,     ID_HELP_HOWTOPLAY,
                         ID_APP_ABOUT};

class FrameTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        SetProfilePath(Profile().toStdString());
        g_classical = 0;
        g_soundOn = g_saveOnExit = g_roundBalls = 1;
        g_nextEpigraph = kFirstEpigraph;
        SetCuePlayer(&m_cues);
        m_frame = std::make_unique<CMainFrame>();
        ASSERT_TRUE(m_frame->LoadFrame());
        m_frame->Game().Field().SetSeed(4242);
    }
    void TearDown() override {
        m_frame.reset();
        SetCuePlayer(nullptr);
        SetProfilePath("");
    }

    QString Profile() const { return m_dir.filePath(QStringLiteral("marbix.INI")); }
    QString ProfileText() const {
        QFile file(Profile());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    void WriteProfile(const char* text) {
        QFile file(Profile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    void Show() {
        m_frame->resize(900, 650);
        m_frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_frame.get()));
    }
    // Keys reach the active window, as the player's do.
    void Key(Qt::Key key) {
        if (!m_frame->isActiveWindow()) {
            m_frame->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
        }
        QTest::keyClick(m_frame.get(), key);
    }

    // Every cell as colour and state.
    std::string Board() const {
        std::string board;
        for (const CCellButton& cell : m_frame->m_wndField.m_cellButtons)
            board += std::to_string(cell.m_colour) + std::to_string(cell.m_state) + ' ';
        return board;
    }
    // Clicks a ball and then an empty cell below or above it: a move that needs no path.
    bool MakeMove() {
        auto& cells = m_frame->m_wndField.m_cellButtons;
        for (int i = 0; i < 81; ++i) {
            if (cells[i].m_colour == 0 || cells[i].m_state == Preview) continue;
            for (int to : {i + 1, i - 1}) {
                if (to / 9 != i / 9 || to < 0 || cells[to].m_colour != 0) continue;
                QTest::mouseClick(&cells[i], Qt::LeftButton);
                QTest::mouseClick(&cells[to], Qt::LeftButton);
                return true;
            }
        }
        return false;
    }

    // The enabled states of kIds as '1' and '0', and the check marks of the
    // five options.
    std::string Enabled() const {
        std::string states;
        for (unsigned id : kIds) states += m_frame->Action(id)->isEnabled() ? '1' : '0';
        return states;
    }
    std::string Checked() const {
        std::string marks;
        for (unsigned id : kIds) {
            QAction* action = m_frame->Action(id);
            if (action->isCheckable()) marks += action->isChecked() ? '1' : '0';
        }
        return marks;
    }

    // Runs trigger, which opens a modal box; inspect sees the box, which is
    // then closed.
    void WithModal(const std::function<void()>& trigger,
                   const std::function<void(QWidget*)>& inspect) {
        bool seen = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (QWidget* box = QApplication::activeModalWidget(); box && !seen) {
                seen = true;
                inspect(box);
                box->close();
            }
        });
        poll.start(5);
        trigger();
        EXPECT_TRUE(seen);
    }

    QTemporaryDir m_dir;
    CCueRecorder m_cues;
    std::unique_ptr<CMainFrame> m_frame;
};

} // namespace

TEST_F(FrameTest, MenuToolbarAndPromptsAreBuiltFromTheTable) {
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("Marbix forever ..."));
    QStringList menus;
    for (QAction* popup : m_frame->menuBar()->actions()) {
        QStringList items{popup->text() + QLatin1Char(':')};
        for (QAction* item : popup->menu()->actions())
            items << (item->isSeparator() ? QStringLiteral("-") : item->text());
        menus << items.join(QLatin1Char('|'));
    }
    EXPECT_EQ(menus, (QStringList{
                         "&Game:|Start\tF2|Stop\tF3|-|Undo\tBckSpc|Skip|Pause|-|Exit",
                         "&Options:|Classical style|&Advanced style|-|Non-round balls|-|&Sound|-|"
                         "Save &options on exit",
                         "&Help:|How to play|-|About Marbix...\tF1",
                     }));

    // Seven places; each button's picture is its slice of the strip, in order.
    const QList<QAction*> places = m_frame->ToolBar()->actions();
    ASSERT_EQ(places.size(), 7);
    const int placeOf[] = {0, 1, 3, 4, 6};
    const unsigned buttons[] = {ID_GAME_START, ID_GAME_STOP, ID_GAME_UNDO, ID_GAME_SKIP,
                                ID_GAME_PAUSE};
    const QImage strip = LoadPicture(171).convertToFormat(QImage::Format_ARGB32);
    for (int i = 0; i < 5; ++i) {
        QAction* button = places[placeOf[i]];
        EXPECT_EQ(button, m_frame->Action(buttons[i])) << i;
        const QImage face = button->icon().pixmap(QSize(81, 29)).toImage();
        EXPECT_EQ(face.convertToFormat(QImage::Format_ARGB32), strip.copy(81 * i, 0, 81, 29)) << i;
    }

    // A highlighted command's prompt, the first line of its string, covers the idle text.
    Show();
    auto* idle = m_frame->statusBar()->findChild<QLabel*>(QStringLiteral("messagePane"));
    ASSERT_TRUE(idle);
    EXPECT_EQ(idle->text(), QStringLiteral("Don't worry, be happy !!!"));
    m_frame->Action(ID_OPTIONS_NONROUND)->showStatusText(m_frame.get());
    EXPECT_EQ(m_frame->statusBar()->currentMessage(),
              QStringLiteral("\"Balls\" can be of different shape - for B/W monitors"));
    EXPECT_FALSE(idle->isVisible());
    m_frame->statusBar()->clearMessage();
    EXPECT_TRUE(idle->isVisible());
}

TEST_F(FrameTest, EveryRuleInEveryState) {
    Show();
    // Order: Start Stop Undo Skip Pause Exit Classical Advanced Non-round
    // Sound Save HowToPlay About; marks: Classical Advanced Non-round Sound Save.
    EXPECT_EQ(Enabled(), "1000011111111");
    EXPECT_EQ(Checked(), "01011");

    Key(Qt::Key_F2);
    EXPECT_EQ(Enabled(), "0101110001111");
    ASSERT_TRUE(MakeMove());
    ASSERT_EQ(m_frame->Game().Frame().CanUndo(), 1);
    EXPECT_EQ(Enabled(), "0111110001111");
    EXPECT_EQ(Checked(), "01011");

    // Sound and saving switch during a game; any nonzero value shows the mark.
    m_frame->Action(ID_OPTIONS_SOUND)->trigger();
    m_frame->Action(ID_OPTIONS_SAVE)->trigger();
    EXPECT_EQ(std::pair(g_soundOn, g_saveOnExit), std::pair(0, 0));
    EXPECT_EQ(Checked(), "01000");
    g_roundBalls = 7;
    Key(Qt::Key_F3);
    EXPECT_EQ(Enabled(), "1000011111111");
    EXPECT_EQ(Checked(), "01000");

    // Classical: Undo, Skip and Pause stay off while a game runs.
    m_frame->Action(ID_OPTIONS_CLASSICAL)->trigger();
    m_frame->Action(ID_OPTIONS_NONROUND)->trigger();
    EXPECT_EQ(std::pair(g_classical, g_roundBalls), std::pair(1, 0));
    EXPECT_EQ(Checked(), "10100");
    Key(Qt::Key_F2);
    ASSERT_TRUE(MakeMove());
    EXPECT_EQ(m_frame->Game().Frame().CanUndo(), 1);
    EXPECT_EQ(Enabled(), "0100010001111");
    EXPECT_EQ(Checked(), "10100");
}

TEST_F(FrameTest, DisabledCommandsAreNotCarriedOutByKeyOrMenu) {
    Show();
    Key(Qt::Key_F2);
    ASSERT_EQ(m_frame->Game().Frame().Running(), 1);
    const std::string board = Board();
    m_frame->Game().Frame().OnTimer(CFrameLogic::kPlayTimer); // one second played
    Key(Qt::Key_F2);
    // A stale menu item that still looks enabled is tested all the same.
    m_frame->Action(ID_GAME_START)->setEnabled(true);
    m_frame->Action(ID_GAME_START)->trigger();
    EXPECT_EQ(std::pair(m_frame->Game().Frame().PlaySeconds(), Board()), std::pair(1u, board));
    EXPECT_FALSE(m_frame->Action(ID_GAME_START)->isEnabled());

    // Backspace after an Undo: the second one does nothing.
    ASSERT_TRUE(MakeMove());
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Board(), board);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(m_cues.Count(151), 1);

    // Game over leaves the playing-time timer running; F3 then is off.
    m_frame->Game().Field().StopGame();
    ASSERT_TRUE(m_frame->m_timerHost.IsRunning(CFrameLogic::kPlayTimer));
    const int stops = m_cues.Count(137);
    Key(Qt::Key_F3);
    m_frame->Action(ID_GAME_STOP)->setEnabled(true);
    m_frame->Action(ID_GAME_STOP)->trigger();
    EXPECT_TRUE(m_frame->m_timerHost.IsRunning(CFrameLogic::kPlayTimer));
    EXPECT_EQ(m_cues.Count(137), stops);

    // Backspace in Classical style.
    g_classical = 1;
    Key(Qt::Key_F2);
    ASSERT_TRUE(MakeMove());
    ASSERT_EQ(m_frame->Game().Frame().CanUndo(), 1);
    const std::string moved = Board();
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Board(), moved);
    EXPECT_EQ(m_cues.Count(151), 1);
}

TEST_F(FrameTest, PlayingTimePane) {
    Show();
    QLabel* pane = m_frame->PlayTimePane();
    EXPECT_EQ(pane->text(), QStringLiteral("You have been playing for : 0 h 00 m 00 s"));

    Key(Qt::Key_F2);
    CFrameLogic& frame = m_frame->Game().Frame();
    for (int i = 0; i < 3725; ++i) frame.OnTimer(CFrameLogic::kPlayTimer);
    m_frame->RefreshCommandUi();
    EXPECT_EQ(pane->text(), QStringLiteral("You have been playing for : 1 h 02 m 05 s"));
    for (int i = 3725; i < 360000; ++i) frame.OnTimer(CFrameLogic::kPlayTimer);
    m_frame->RefreshCommandUi();
    EXPECT_EQ(pane->text(), QStringLiteral("You have been playing for :100 h 00 m 00 s"));

    // A real second passes on the frame's own timer.
    Key(Qt::Key_F3);
    Key(Qt::Key_F2);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return pane->text() == QStringLiteral("You have been playing for : 0 h 00 m 01 s"); },
        2500));
}

TEST_F(FrameTest, PauseHoldsTheMoveClockBehindItsBox) {
    Show();
    Key(Qt::Key_F2);
    WithModal([&] { m_frame->Action(ID_GAME_PAUSE)->trigger(); },
              [&](QWidget* box) {
                  auto* message = qobject_cast<QMessageBox*>(box);
                  ASSERT_TRUE(message);
                  EXPECT_EQ(message->windowTitle() + "|" + message->text(),
                            "Marbix - paused|Press OK to continue the game");
                  EXPECT_EQ(message->icon(), QMessageBox::Information);
                  EXPECT_EQ(m_frame->Game().Score().Hold().IsHeld(), true);
              });
    EXPECT_EQ(m_frame->Game().Score().Hold().IsHeld(), false);

    // A minimised window holds the move clock too.
    m_frame->showMinimized();
    EXPECT_EQ(m_frame->Game().Score().Hold().IsHeld(), true);
    m_frame->showNormal();
    EXPECT_EQ(m_frame->Game().Score().Hold().IsHeld(), false);
}

TEST_F(FrameTest, HowToPlayAndAboutBoxes) {
    Show();
    WithModal([&] { m_frame->Action(ID_HELP_HOWTOPLAY)->trigger(); },
              [&](QWidget* box) {
                  auto* message = qobject_cast<QMessageBox*>(box);
                  ASSERT_TRUE(message);
                  EXPECT_EQ(message->windowTitle(), QStringLiteral("How to play Marbix"));
                  EXPECT_EQ(message->icon(), QMessageBox::NoIcon);
                  EXPECT_EQ(message->text(), QString::fromStdString(g_rulesText));
                  // Every line shows as written, none wrapped.
                  auto* label = message->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
                  ASSERT_TRUE(label);
                  for (const QString& line : message->text().split(QLatin1Char('\n')))
                      EXPECT_LE(label->fontMetrics().horizontalAdvance(line),
                                label->contentsRect().width())
                          << line.toStdString();
              });
    EXPECT_NE(g_rulesText.find("path of horzontal and/or"), std::string::npos);

    // F1 twice: the cue each time, the epigraphs in turn.
    QStringList epigraphs;
    for (int i = 0; i < 2; ++i) {
        WithModal([&] { Key(Qt::Key_F1); },
                  [&](QWidget* box) {
                      EXPECT_EQ(box->windowTitle(), QStringLiteral("About Marbix"));
                      auto* label = box->findChild<QLabel*>(QStringLiteral("epigraph"));
                      ASSERT_TRUE(label);
                      epigraphs << label->text();
                      QStringList texts;
                      for (QLabel* l : box->findChildren<QLabel*>()) texts << l->text();
                      EXPECT_TRUE(texts.contains("Marbix  -  (Windows) version 1.2"));
                      EXPECT_TRUE(texts.contains("( to be continued ... )"));
                  });
    }
    EXPECT_EQ(epigraphs, (QStringList{QString::fromStdString(LoadString(2000)),
                                      QString::fromStdString(LoadString(2001))}));
    EXPECT_EQ(m_cues.Count(138), 2);
    g_soundOn = 0;
    WithModal([&] { Key(Qt::Key_F1); }, [](QWidget*) {});
    EXPECT_EQ(m_cues.Count(138), 2);
}

TEST_F(FrameTest, PlacementSavedForMaximisedAndMinimisedWindows) {
    // A normal window's own placement is read back on the real screen.
    for (bool minimised : {false, true}) {
        QFile::remove(Profile());
        CMainFrame frame;
        ASSERT_TRUE(frame.LoadFrame());
        frame.setGeometry(200, 100, 700, 600);
        if (minimised)
            frame.showMinimized();
        else
            frame.showMaximized();
        frame.close();
        EXPECT_EQ(ProfileText(), "[WINDOW]\nX=0\nY=0\nWIDTH=500\nHEIGHT=500\nSTATE=1\n")
            << minimised;
    }

    // Saving off: nothing is written.
    QFile::remove(Profile());
    CMainFrame frame;
    ASSERT_TRUE(frame.LoadFrame());
    frame.Action(ID_OPTIONS_SAVE)->trigger();
    frame.show();
    frame.close();
    EXPECT_FALSE(QFile::exists(Profile()));
}

// Start-up and shut-down as the program runs them, with no profile at first.
TEST_F(FrameTest, FirstStartWithoutAProfileAndWhatExitWrites) {
    m_frame.reset();
    g_classical = g_soundOn = g_saveOnExit = g_roundBalls = 0;
    {
        CGameApp app;
        app.m_startSoundService = false;
        ASSERT_TRUE(app.InitInstance());
        CMainFrame* frame = app.m_pMainWnd;
        ASSERT_TRUE(frame);
        EXPECT_TRUE(frame->isMaximized());
        EXPECT_EQ((std::vector{g_classical, g_soundOn, g_saveOnExit, g_roundBalls}),
                  (std::vector{0, 1, 1, 1}));

        // A game running at exit is dropped without an entry: no HISCORES below.
        frame->Dispatch(ID_GAME_START);
        frame->Game().Score().AddScore(10);
        frame->Dispatch(ID_OPTIONS_SOUND);
        EXPECT_EQ(app.ExitInstance(3), 3);
    }
    EXPECT_EQ(ProfileText(),
              "[WINDOW]\nX=0\nY=0\nWIDTH=500\nHEIGHT=500\nSTATE=1\n"
              "[SETTINGS]\nCLASSICAL=0\nSOUND_ON=0\nSAVE_ON_EXIT=1\nROUND_BALLS=1\n");
}
