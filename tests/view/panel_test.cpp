// The score panel and the name dialog as the player sees and answers them;
// what they show and accept is the score keeper's and the dialog logic's.
#include "view_fixture.h"

#include <QListWidget>
#include <QPushButton>

namespace {

QComboBox& NameBox(QWidget& dialog) {
    return *dialog.findChild<QComboBox*>("name");
}

// Keys go where the dialog's focus is, as the player's do.
void Type(QWidget& dialog, const QString& text) {
    NameBox(dialog).lineEdit()->selectAll();
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Delete);
    QTest::keyClicks(dialog.focusWidget(), text);
}

class PanelTest : public ViewTest {
protected:
    // Ends a game of 42 points while answer handles the name dialog.
    void EndGame(const std::function<void(QWidget&)>& answer) {
        m_frame->Game().Score().ResetScore();
        m_frame->Game().Score().AddScore(42);
        WhenModal(answer);
        m_frame->Game().Score().EndGame();
        QCoreApplication::processEvents(); // a box looked for but never shown fails here
    }

    std::unique_ptr<CMainFrame> m_frame = MakeFrame();
};

} // namespace

// A full hall of fame with five-digit scores, each line whole in the
// fixed-pitch face, the panel at the right edge of the window, and the fields
// and the live line below the twenty following the game.
TEST_F(PanelTest, ShowsTheHallWholeAndFollowsTheGame) {
    StoreHall(FullHall(12345));
    m_frame = MakeFrame();
    CScoreBar& bar = m_frame->m_wndScoreBar;
    EXPECT_EQ(QFontInfo(bar.font()).family(), "Liberation Mono");
    EXPECT_LE(bar.m_list->sizeHintForColumn(0), bar.m_list->viewport()->width());
    EXPECT_EQ(bar.mapTo(m_frame.get(), QPoint(bar.width(), 0)).x(), m_frame->width());

    auto shown = [&] {
        const QListWidgetItem* live = bar.m_list->currentItem();
        return bar.m_scoreEdit->text() + "|" + bar.m_timeEdit->text() + "|" +
               (live && live->isSelected() ? live->text() : QString());
    };
    EXPECT_EQ(shown(), "0|0|");
    for (int classical : {1, 0}) {
        g_classical = classical;
        ASSERT_TRUE(m_frame->Dispatch(ID_GAME_START));
        EXPECT_EQ(bar.m_timeEdit->isEnabled() + bar.m_timeLabel->isEnabled(), 2 * !classical);
        if (classical) {
            ASSERT_TRUE(m_frame->Dispatch(ID_GAME_STOP));
        }
    }
    EXPECT_EQ(shown(), "0|30|21  <<<--- you --->>> 0");
    EXPECT_TRUE(m_frame->m_clockTimer.IsRunning(CScoreKeeper::kClockTimer));
    m_frame->Game().Score().AddScore(10);
    m_frame->Game().Score().OnTimer(CScoreKeeper::kClockTimer);
    EXPECT_EQ(shown(), "10|29|21  <<<--- you --->>> 10");
}

// Three games end: Escape keeps the last name; on OK or Enter sixteen
// characters bring the warning and the dialog stays as it was, fifteen are
// stored exactly; a result that cannot be stored is told in a box.
TEST_F(PanelTest, TheNameDialogAnswersThePlayersKeys) {
    g_lastName = "BO";
    EndGame([&](QWidget& dialog) {
        QComboBox& combo = NameBox(dialog);
        EXPECT_EQ(QStringList({combo.itemText(0), combo.itemText(1), combo.currentText()}),
                  QStringList({"", "-unknown-", "BO"}));
        EXPECT_EQ(combo.lineEdit()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        EXPECT_EQ(dialog.focusWidget(), &combo);
        EXPECT_EQ(combo.lineEdit()->selectedText(), "BO");
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(StoredHall()[0].first, "BO");

    bool again = false;
    EndGame([&](QWidget& dialog) {
        Type(dialog, "abcdefghijklmnop");
        ExpectBox("Marbix", QMessageBox::Warning, {"Please enter no more than 15 characters."},
                  [&](QWidget&) {
                      WhenModal([&](QWidget& modal) {
                          again = &modal == &dialog &&
                                  NameBox(dialog).currentText() == "abcdefghijklmnop" &&
                                  dialog.focusWidget() == &NameBox(dialog);
                          Type(dialog, "Ace of diamonds");
                          QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
                      });
                  });
        QTest::mouseClick(dialog.findChild<QPushButton*>("ok"), Qt::LeftButton);
    });
    EXPECT_TRUE(again) << "not back in the dialog with the field as it was";
    EXPECT_EQ(StoredHall()[0], (Table::value_type{"Ace of diamonds", 42}));

    std::filesystem::remove(m_file);
    std::filesystem::create_directory(m_file);
    EndGame([&](QWidget& dialog) {
        ExpectBox("Marbix", QMessageBox::Warning,
                  {QString::fromStdString("Your result could not be saved in the hall of fame: " +
                                          m_file + ": Is a directory")});
        Type(dialog, "Pat");
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(m_boxes, 2);
}
