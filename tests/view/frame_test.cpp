// The main window: what it builds from the command table, and the keys, a
// cell and the menu reaching the game, whose rules are tested in the core.
#include "app/rules_text.h"
#include "platform/string_table.h"
#include "view_fixture.h"

#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {

class FrameTest : public ViewTest {
protected:
    // Keys reach the active window, as the player's do. Activating it runs
    // the event loop, so it comes before a box is looked for.
    void Activate() {
        if (m_frame->isActiveWindow()) return;
        m_frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
    }
    void Key(Qt::Key key) {
        Activate();
        QTest::keyClick(m_frame.get(), key);
    }

    // The menu items' enabled states in menu order as '1' and '0', then the
    // check marks of the options.
    std::string States() const {
        std::string enabled, checked;
        for (QAction* popup : m_frame->menuBar()->actions()) {
            for (QAction* item : popup->menu()->actions()) {
                if (item->isSeparator()) continue;
                enabled += item->isEnabled() ? '1' : '0';
                if (item->isCheckable()) checked += item->isChecked() ? '1' : '0';
            }
        }
        return enabled + ' ' + checked;
    }

    std::unique_ptr<CMainFrame> m_frame = MakeFrame();
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

    // The toolbar's buttons by name; their pictures are seen on the real screen.
    QStringList buttons;
    for (QAction* place : m_frame->ToolBar()->actions())
        buttons << (place->isSeparator()
                        ? QStringLiteral("-")
                        : m_frame->ToolBar()->widgetForAction(place)->accessibleName());
    EXPECT_EQ(buttons.join(QLatin1Char('|')), "Start|Stop|-|Undo|Skip|-|Pause");

    // A highlighted command's prompt, the first line of its string, covers the idle text.
    auto* idle = m_frame->statusBar()->findChild<QLabel*>(QStringLiteral("messagePane"));
    EXPECT_EQ(idle->text(), QStringLiteral("Don't worry, be happy !!!"));
    m_frame->Action(ID_OPTIONS_NONROUND)->showStatusText(m_frame.get());
    EXPECT_EQ(m_frame->statusBar()->currentMessage(),
              QStringLiteral("\"Balls\" can be of different shape - for B/W monitors"));
    EXPECT_FALSE(idle->isVisible());
}

// A game played through every key, a cell and the menu: each reaches its
// command, and the menu, the playing time and the boxes show the result.
TEST_F(FrameTest, KeysACellAndTheMenuReachTheGame) {
    // Start Stop Undo Skip Pause Exit Classical Advanced Non-round Sound Save
    // HowToPlay About; marks: Classical Advanced Non-round Sound Save.
    EXPECT_EQ(States(), "1000011111111 01011");
    QLabel* pane = m_frame->PlayTimePane();
    EXPECT_EQ(pane->text(), QStringLiteral("You have been playing for : 0 h 00 m 00 s"));
    m_frame->Game().Field().SetSeed(4242);
    Key(Qt::Key_F2);
    EXPECT_EQ(States(), "0101110001111 01011");
    // A real second passes on the frame's own timer and shows.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return pane->text() == QStringLiteral("You have been playing for : 0 h 00 m 01 s"); },
        2500));
    for (auto [seconds, text] : {std::pair{3725u, ": 1 h 02 m 05 s"},
                                 {360059u, ":100 h 00 m 59 s"},
                                 {0xFFFFFFFFu, ":1193046 h 28 m 15 s"}})
        EXPECT_EQ(PlayTimeShown(seconds), QStringLiteral("You have been playing for ") + text);
    // A stale menu item that still looks enabled is refused all the same.
    const QImage dealt = Grabbed(m_frame->m_wndField);
    m_frame->Action(ID_GAME_START)->setEnabled(true);
    m_frame->Action(ID_GAME_START)->trigger();
    EXPECT_EQ(Grabbed(m_frame->m_wndField), dealt);
    Key(Qt::Key_F4);
    EXPECT_EQ(m_cues.Count(unsigned(Cue::Skip)), 1);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Grabbed(m_frame->m_wndField), dealt);
    CCellButton& ball = *std::find_if(m_frame->m_wndField.m_cellButtons.begin(),
                                      m_frame->m_wndField.m_cellButtons.end(), HoldsBall);
    QTest::mouseClick(&ball, Qt::LeftButton);
    EXPECT_EQ(ball.m_state, Selected);

    // The pause box holds the move clock; so does a minimised window.
    bool held = false;
    ExpectBox("Marbix - paused", QMessageBox::Information, {"Press OK to continue the game"},
              [&](QWidget&) { held = m_frame->Game().Score().Hold().IsHeld(); });
    Key(Qt::Key_F5);
    EXPECT_TRUE(m_boxes == 1 && held) << "no box, or the clock ran behind it";
    EXPECT_FALSE(m_frame->Game().Score().Hold().IsHeld());
    m_frame->showMinimized();
    EXPECT_TRUE(m_frame->Game().Score().Hold().IsHeld());
    m_frame->showNormal();
    EXPECT_FALSE(m_frame->Game().Score().Hold().IsHeld());

    // The rules, every line unwrapped; F1: the cue and the next epigraph.
    ExpectBox("How to play Marbix", QMessageBox::NoIcon, {QString::fromStdString(g_rulesText)},
              [](QWidget& box) {
                  auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
                  for (const QString& line : label->text().split(QLatin1Char('\n')))
                      EXPECT_LE(label->fontMetrics().horizontalAdvance(line),
                                label->contentsRect().width())
                          << line.toStdString();
              });
    m_frame->Action(ID_HELP_HOWTOPLAY)->trigger();
    Activate();
    ExpectBox("About Marbix", QMessageBox::NoIcon,
              {"Marbix  -  (Windows) version 1.2", "( to be continued ... )",
               QString::fromStdString(LoadString(StringId::kFirstEpigraph))});
    Key(Qt::Key_F1);
    EXPECT_EQ(std::pair(m_boxes, m_cues.Count(unsigned(Cue::AboutOpened))), std::pair(3, 1));

    m_frame->Action(ID_OPTIONS_SOUND)->trigger();
    Key(Qt::Key_F3);
    EXPECT_EQ(States(), "1000011111111 01001");

    // Closed minimised (maximised: on the real screen), it saves the default
    // rectangle; a game running at the end is dropped without an entry.
    Key(Qt::Key_F2);
    m_frame->Game().Score().AddScore(10);
    m_frame->showMinimized();
    m_frame->close();
    m_frame.reset();
    EXPECT_EQ(Contents(), "[WINDOW]\nX=0\nY=0\nWIDTH=500\nHEIGHT=500\nSTATE=1\n");
}
