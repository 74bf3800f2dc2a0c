// The main window's own parts: menu, keys, toolbar and status bar showing the
// rules' states, the boxes, the placement, start-up and shut-down.
#include "app/game_app.h"
#include "app/rules_text.h"
#include "platform/string_table.h"
#include "view_fixture.h"

#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {

// The commands in menu order, for the states below.
const unsigned kIds[] = {ID_GAME_START,        ID_GAME_STOP,        ID_GAME_UNDO,
                         ID_GAME_SKIP,         ID_GAME_PAUSE,       ID_APP_EXIT,
                         ID_OPTIONS_CLASSICAL, ID_OPTIONS_ADVANCED, ID_OPTIONS_NONROUND,
                         ID_OPTIONS_SOUND,     ID_OPTIONS_SAVE,     ID_HELP_HOWTOPLAY,
                         ID_APP_ABOUT};

class FrameTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        m_frame = MakeFrame();
        m_frame->Game().Field().SetSeed(4242);
    }
    void TearDown() override {
        m_frame.reset();
        ViewTest::TearDown();
    }

    QString ProfileText() const {
        QFile file(QString::fromStdString(ProfilePath()));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    // Keys reach the active window, as the player's do.
    void Activate() {
        if (m_frame->isActiveWindow()) return;
        m_frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
    }
    void Key(Qt::Key key) {
        Activate();
        QTest::keyClick(m_frame.get(), key);
    }

    std::string Board() const {
        std::string board;
        for (const CCellButton& cell : m_frame->m_wndField.m_cellButtons)
            board += std::to_string(cell.m_colour) + std::to_string(cell.m_state) + ' ';
        return board;
    }
    // Clicks a ball and then an empty cell beside it in its column.
    bool MakeMove() {
        auto& cells = m_frame->m_wndField.m_cellButtons;
        for (int i = 0; i < 81; ++i) {
            if (cells[i].m_colour == 0 || cells[i].m_state == Preview) continue;
            for (int to : {i + 1, i - 1}) {
                if (to < 0 || IndexCol(to) != IndexCol(i) || cells[to].m_colour != 0) continue;
                QTest::mouseClick(&cells[i], Qt::LeftButton);
                QTest::mouseClick(&cells[to], Qt::LeftButton);
                return true;
            }
        }
        return false;
    }

    // The enabled states of kIds as '1' and '0', then the check marks of the
    // five options.
    std::string States() const {
        std::string enabled, checked;
        for (unsigned id : kIds) {
            QAction* action = m_frame->Action(id);
            enabled += action->isEnabled() ? '1' : '0';
            if (action->isCheckable()) checked += action->isChecked() ? '1' : '0';
        }
        return enabled + ' ' + checked;
    }

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
    const QImage strip = LoadPicture(PictureId::kToolbar).convertToFormat(QImage::Format_ARGB32);
    for (int i = 0; i < 5; ++i) {
        QAction* button = places[placeOf[i]];
        EXPECT_EQ(button, m_frame->Action(kIds[i])) << i;
        const QImage face = button->icon().pixmap(QSize(81, 29)).toImage();
        EXPECT_EQ(face.convertToFormat(QImage::Format_ARGB32), strip.copy(81 * i, 0, 81, 29)) << i;
    }

    // A highlighted command's prompt, the first line of its string, covers the idle text.
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

// The rules themselves are the frame logic's; here the menu and the keys
// show and obey them as the game goes.
TEST_F(FrameTest, MenuStatesFollowTheGameAndRefusedCommandsDoNothing) {
    // Order: Start Stop Undo Skip Pause Exit Classical Advanced Non-round
    // Sound Save HowToPlay About; marks: Classical Advanced Non-round Sound Save.
    EXPECT_EQ(States(), "1000011111111 01011");
    Key(Qt::Key_F2);
    EXPECT_EQ(States(), "0101110001111 01011");
    const std::string dealt = Board();
    // A stale menu item that still looks enabled is refused all the same.
    m_frame->Action(ID_GAME_START)->setEnabled(true);
    m_frame->Action(ID_GAME_START)->trigger();
    EXPECT_EQ(Board(), dealt);
    ASSERT_TRUE(MakeMove());
    EXPECT_EQ(States(), "0111110001111 01011");
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Board(), dealt);
    m_frame->Action(ID_OPTIONS_SOUND)->trigger();
    Key(Qt::Key_F3);
    EXPECT_EQ(States(), "1000011111111 01001");
}

TEST_F(FrameTest, PlayingTimePane) {
    QLabel* pane = m_frame->PlayTimePane();
    EXPECT_EQ(pane->text(), QStringLiteral("You have been playing for : 0 h 00 m 00 s"));
    // A real second passes on the frame's own timer and shows; the text's
    // form for longer games is the frame logic's.
    Key(Qt::Key_F2);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return pane->text() == QStringLiteral("You have been playing for : 0 h 00 m 01 s"); },
        2500));
}

TEST_F(FrameTest, PauseBoxAndAMinimisedWindowHoldTheMoveClock) {
    Key(Qt::Key_F2);
    bool shown = false;
    WhenModal([&](QWidget& box) {
        auto* message = qobject_cast<QMessageBox*>(&box);
        ASSERT_TRUE(message);
        EXPECT_EQ(message->windowTitle() + "|" + message->text(),
                  "Marbix - paused|Press OK to continue the game");
        EXPECT_EQ(message->icon(), QMessageBox::Information);
        shown = m_frame->Game().Score().Hold().IsHeld();
        box.close();
    });
    m_frame->Action(ID_GAME_PAUSE)->trigger();
    EXPECT_TRUE(shown) << "no box, or the clock ran behind it";
    EXPECT_EQ(m_frame->Game().Score().Hold().IsHeld(), false);
    m_frame->showMinimized();
    EXPECT_EQ(m_frame->Game().Score().Hold().IsHeld(), true);
    m_frame->showNormal();
    EXPECT_EQ(m_frame->Game().Score().Hold().IsHeld(), false);
}

TEST_F(FrameTest, HowToPlayAndAboutBoxes) {
    int boxes = 0;
    WhenModal([&](QWidget& box) {
        auto* message = qobject_cast<QMessageBox*>(&box);
        ASSERT_TRUE(message);
        EXPECT_EQ(message->windowTitle(), QStringLiteral("How to play Marbix"));
        EXPECT_EQ(message->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(message->text(), QString::fromStdString(g_rulesText));
        // Every line shows as written, none wrapped.
        auto* label = message->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_TRUE(label);
        for (const QString& line : message->text().split(QLatin1Char('\n')))
            EXPECT_LE(label->fontMetrics().horizontalAdvance(line), label->contentsRect().width())
                << line.toStdString();
        ++boxes;
        box.close();
    });
    m_frame->Action(ID_HELP_HOWTOPLAY)->trigger();
    EXPECT_NE(g_rulesText.find("path of horzontal and/or"), std::string::npos);

    // F1: the cue and the next epigraph.
    Activate();
    WhenModal([&](QWidget& box) {
        EXPECT_EQ(box.windowTitle(), QStringLiteral("About Marbix"));
        QStringList texts;
        for (QLabel* l : box.findChildren<QLabel*>()) texts << l->text();
        EXPECT_TRUE(texts.contains("Marbix  -  (Windows) version 1.2"));
        EXPECT_TRUE(texts.contains("( to be continued ... )"));
        auto* epigraph = box.findChild<QLabel*>(QStringLiteral("epigraph"));
        ASSERT_TRUE(epigraph);
        EXPECT_EQ(epigraph->text(), QString::fromStdString(LoadString(StringId::kFirstEpigraph)));
        ++boxes;
        box.close();
    });
    Key(Qt::Key_F1);
    EXPECT_EQ(boxes, 2);
    EXPECT_EQ(m_cues.Count(138), 1);
}

TEST_F(FrameTest, AMinimisedOrMaximisedWindowSavesTheDefaultRectangle) {
    for (bool minimised : {false, true}) {
        QFile::remove(QString::fromStdString(ProfilePath()));
        CMainFrame frame(Profile());
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
}

// Start-up and shut-down as the program runs them, with no profile at first.
TEST_F(FrameTest, FirstStartWithoutAProfileAndWhatExitWrites) {
    m_frame.reset();
    g_classical = g_soundOn = g_saveOnExit = g_roundBalls = 0;
    {
        CGameApp app(Profile());
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
