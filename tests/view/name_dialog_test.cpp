// The name dialog at the end of a game, driven as a player would: it opens
// modally, and a timer started before finds it, looks at it and answers.
#include "view_fixture.h"

#include <QPushButton>

// Keys go where the dialog's focus is, as the player's do.
static void Type(QWidget& dialog, const QString& text) {
    NameBox(dialog).lineEdit()->selectAll();
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Delete);
    QTest::keyClicks(dialog.focusWidget(), text);
}

class NameDialogTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        // In the file, where the end of the game reads the table again.
        Profile().Edit([](CProfileFile& file) {
            int i = 0;
            for (const char* name : {"Ace", "bolt", "Ace", "ace", "Zed"}) {
                file.WriteInt("HISCORES", "SCORE" + std::to_string(i), 100 - 10 * i);
                file.WriteString("HISCORES", "PLAYER" + std::to_string(i++), name);
            }
        });
        m_frame = MakeFrame();
        m_frame->Game().Score().ResetScore();
        m_frame->Game().Score().AddScore(42);
    }

    // Ends a game with 42 points while `answer` handles the dialog.
    void EndGame(std::function<void(QWidget&)> answer) {
        WhenModal(std::move(answer));
        m_frame->Game().Score().EndGame();
    }

    std::unique_ptr<CMainFrame> m_frame;
};

TEST_F(NameDialogTest, OffersEachNameOnceSortedWithTheLastNamePrefilled) {
    g_lastName = "BO";
    QStringList items;
    EndGame([&](QWidget& dialog) {
        QComboBox& combo = NameBox(dialog);
        for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
        EXPECT_EQ(combo.currentText(), "bolt");
        EXPECT_EQ(dialog.windowTitle(), "Marbix registration");
        EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
        auto* ok = dialog.findChild<QPushButton*>("ok");
        EXPECT_FALSE(ok->isDefault() || ok->autoDefault());
        EXPECT_EQ(combo.lineEdit()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        EXPECT_EQ(dialog.focusWidget(), &combo);
        EXPECT_EQ(combo.lineEdit()->selectedText(), combo.lineEdit()->text());
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    // Vacant slots give one empty item.
    EXPECT_EQ(items, QStringList({"", "-unknown-", "Ace", "ace", "bolt", "Zed"}));
    // Escape keeps the last name as it was, not the item the field showed.
    EXPECT_EQ(g_lastName, "BO");
    EXPECT_EQ(Profile().Read().GetString("HISCORES", "PLAYER5"), "BO");
}

// The OK button and the Enter key: sixteen characters bring the warning and
// the dialog stays; fifteen are taken and stored exactly.
TEST_F(NameDialogTest, SixteenCharactersBringTheWarningFifteenAreKeptExactly) {
    bool warned = false;
    EndGame([&](QWidget& dialog) {
        Type(dialog, "abcdefghijklmnop");
        WhenModal([&](QWidget& modal) {
            auto* box = qobject_cast<QMessageBox*>(&modal);
            ASSERT_NE(box, nullptr) << "no message box";
            EXPECT_EQ(box->text(), "Please enter no more than 15 characters.");
            EXPECT_EQ(box->icon(), QMessageBox::Warning);
            box->accept();
            WhenModal([&](QWidget& again) {
                ASSERT_EQ(&again, &dialog);
                warned = true;
                EXPECT_EQ(NameBox(dialog).currentText(), "abcdefghijklmnop");
                EXPECT_EQ(dialog.focusWidget(), &NameBox(dialog));
                Type(dialog, "ace of diamonds"); // differs from "Ace" in case only
                QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
            });
        });
        QTest::mouseClick(dialog.findChild<QPushButton*>("ok"), Qt::LeftButton);
    });
    EXPECT_TRUE(warned);
    for (const std::string& name : {g_lastName, m_frame->Game().Hall().Name(5),
                                    Profile().Read().GetString("HISCORES", "PLAYER5")})
        EXPECT_EQ(name, "ace of diamonds");
    EXPECT_EQ(Profile().Read().GetInt("HISCORES", "SCORE5", 0), 42u);
}

TEST_F(NameDialogTest, AResultThatCannotBeSavedIsToldInAMessageBox) {
    std::filesystem::permissions(ProfilePath(), std::filesystem::perms::owner_read);
    QString told;
    EndGame([&](QWidget& dialog) {
        WhenModal([&](QWidget& modal) {
            auto* box = qobject_cast<QMessageBox*>(&modal);
            ASSERT_NE(box, nullptr) << "no message box";
            told = box->text();
            EXPECT_EQ(box->icon(), QMessageBox::Warning);
            box->accept();
        });
        Type(dialog, "Pat");
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(told.toStdString(), "Your result could not be saved in the hall of fame: " +
                                      ProfilePath() + ": Permission denied");
    EXPECT_EQ(std::pair(m_frame->m_wndScoreBar.m_list->count(),
                        Profile().Read().GetString("HISCORES", "PLAYER5")),
              std::pair(5, std::string()));
}
