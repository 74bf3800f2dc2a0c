// The name dialog at the end of a game, driven as a player would: it opens
// modally, and a timer started before finds it, looks at it and answers.
#include "view_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace {

QDialog* OpenNameDialog() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    return dialog && dialog->findChild<QComboBox*>("name") ? dialog : nullptr;
}

// Runs `answer` on the dialog once it is open.
void WhenDialogOpens(std::function<void(QDialog&)> answer) {
    QTimer::singleShot(0, [answer] {
        QDialog* dialog = OpenNameDialog();
        ASSERT_NE(dialog, nullptr) << "no name dialog open";
        answer(*dialog);
    });
}

QComboBox& Combo(QDialog& dialog) {
    return *dialog.findChild<QComboBox*>("name");
}

// Keys go where the dialog's focus is, as the player's do.
void Type(QDialog& dialog, const QString& text) {
    Combo(dialog).lineEdit()->selectAll();
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Delete);
    QTest::keyClicks(dialog.focusWidget(), text);
}

} // namespace

class NameDialogTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        m_host = MakeHost();
        CHiscoreList& list = *m_host->m_wndScoreBar.m_list;
        const char* names[] = {"Ace", "bolt", "Ace", "ace", "Zed"};
        for (int i = 0; i < 5; ++i) {
            list.m_names[i] = names[i];
            list.m_scores[i] = 100u - 10u * static_cast<unsigned>(i);
        }
        m_host->m_wndScoreBar.m_score = 42;
        list.InsertEntry(g_youMarker, 42, true);
    }

    // Ends a game with 42 points while `answer` handles the dialog.
    void EndGame(std::function<void(QDialog&)> answer) {
        WhenDialogOpens(std::move(answer));
        m_host->m_wndScoreBar.EndGame();
    }

    std::unique_ptr<CHostWindow> m_host;
};

TEST_F(NameDialogTest, OffersEachNameOnceSortedWithTheLastNamePrefilled) {
    g_lastName = "BO";
    QStringList items;
    QString field, caption;
    Qt::WindowFlags flags;
    bool okDefault = true;
    Qt::Alignment alignment;
    EndGame([&](QDialog& dialog) {
        QComboBox& combo = Combo(dialog);
        for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
        field = combo.currentText();
        caption = dialog.windowTitle();
        flags = dialog.windowFlags();
        auto* ok = dialog.findChild<QPushButton*>("ok");
        okDefault = ok->isDefault() || ok->autoDefault();
        alignment = combo.lineEdit()->alignment();
        EXPECT_EQ(ok->text(), "&OK");
        EXPECT_EQ(dialog.focusWidget(), &combo);
        EXPECT_EQ(combo.lineEdit()->selectedText(), combo.lineEdit()->text());
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    // Vacant slots give one empty item.
    EXPECT_EQ(items, QStringList({"", "-unknown-", "Ace", "ace", "bolt", "Zed"}));
    EXPECT_EQ(field, "bolt");
    EXPECT_EQ(caption, "Marbix registration");
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(okDefault);
    EXPECT_EQ(alignment & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    // Escape keeps the last name as it was, not the item the field showed.
    EXPECT_EQ(g_lastName, "BO");
    EXPECT_EQ(GetProfileString("HISCORES", "PLAYER5"), "BO");
}

TEST_F(NameDialogTest, EscapeAtTheFirstGameEndStoresNothing) {
    EndGame([](QDialog& dialog) {
        Type(dialog, "Typed");
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(g_lastName, "");
    EXPECT_EQ(GetProfileString("HISCORES", "PLAYER0", "none"), "none");
    EXPECT_EQ(m_host->m_wndScoreBar.m_list->count(), 5);
}

TEST_F(NameDialogTest, FifteenCharactersAreTakenWithEnterAndKeptExactly) {
    EndGame([](QDialog& dialog) {
        Type(dialog, "ace of diamonds"); // 15, differs from "Ace" in case only
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(g_lastName, "ace of diamonds");
    EXPECT_EQ(m_host->m_wndScoreBar.m_hiscores->m_names[5], "ace of diamonds");
    EXPECT_EQ(GetProfileString("HISCORES", "PLAYER5"), "ace of diamonds");
    EXPECT_EQ(GetProfileInt("HISCORES", "SCORE5", 0), 42u);
}

TEST_F(NameDialogTest, EnterTakesTheNameAsTypedNotTheItemEqualButForCase) {
    EndGame([](QDialog& dialog) {
        Type(dialog, "zed");
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(GetProfileString("HISCORES", "PLAYER5"), "zed");
}

TEST_F(NameDialogTest, SixteenCharactersBringTheWarningAndTheDialogStays) {
    QString message;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool stillOpen = false;
    QString fieldAfter;
    EndGame([&](QDialog& dialog) {
        Type(dialog, "abcdefghijklmnop");
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr) << "no message box";
            message = box->text();
            icon = box->icon();
            box->accept();
            QTimer::singleShot(0, [&] {
                QDialog* again = OpenNameDialog();
                stillOpen = again == &dialog;
                ASSERT_TRUE(stillOpen);
                fieldAfter = Combo(dialog).currentText();
                EXPECT_EQ(dialog.focusWidget(), &Combo(dialog));
                Type(dialog, "Pat");
                QTest::mouseClick(dialog.findChild<QPushButton*>("ok"), Qt::LeftButton);
            });
        });
        QTest::mouseClick(dialog.findChild<QPushButton*>("ok"), Qt::LeftButton);
    });
    EXPECT_EQ(message, "Please enter no more than 15 characters.");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(fieldAfter, "abcdefghijklmnop");
    EXPECT_EQ(GetProfileString("HISCORES", "PLAYER5"), "Pat");
}

TEST_F(NameDialogTest, TypingStopsWhenTheFieldIsFull) {
    int shown = 0;
    EndGame([&](QDialog& dialog) {
        Type(dialog, QString(200, QLatin1Char('W')));
        shown = Combo(dialog).currentText().size();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_GT(shown, 5);
    EXPECT_LT(shown, 200);
}
