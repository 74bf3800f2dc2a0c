// The main window in the language of the system locale, as ctest sets it:
// German and French from their catalogues, English and any locale without a
// catalogue exactly as written, right-to-left locales mirrored but for the
// board. The catalogues are found the way an installed program finds them.
#include "app/language.h"
#include "app/main_frame.h"
#include "score/name_dlg_window.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The menus, the title, the playing-time pane, the clock's label and the box
// telling that a result could not be saved.
QStringList ExpectedFor(QLocale::Language language) {
    switch (language) {
    case QLocale::German:
        return {"&Spiel|&Optionen|&Hilfe", "Marbix für immer ...", "Spielzeit: 0 h 00 min 00 s",
                "Zeit:",
                "Ihr Ergebnis konnte nicht in der Bestenliste gespeichert werden: /p: Read-only"};
    case QLocale::French:
        return {"&Partie|&Options|&Aide", "Marbix pour toujours ...",
                "Temps de jeu : 0 h 00 min 00 s", "Temps :",
                "Votre résultat n'a pas pu être enregistré dans le palmarès : /p: Read-only"};
    default:
        return {"&Game|&Options|&Help", "Marbix forever ...",
                "You have been playing for : 0 h 00 m 00 s",
                "Time :", "Your result could not be saved in the hall of fame: /p: Read-only"};
    }
}

// The text of the box shown when the result could not be saved.
QString SaveFailureShown(QWidget& owner) {
    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->close();
        }
    });
    CNameDlgWindow(&owner).ShowSaveFailure("/p: Read-only");
    return shown;
}

} // namespace

TEST(LanguageTest, TheWindowSpeaksTheLocalesLanguage) {
    const QLocale locale = QLocale::system();
    ASSERT_EQ(locale.name(), qEnvironmentVariable("LANG").section(QLatin1Char('.'), 0, 0));
    const bool shipped =
        locale.language() == QLocale::German || locale.language() == QLocale::French;
    EXPECT_EQ(InstallLanguage(), shipped) << locale.name().toStdString();
    CMainFrame frame{CProfile()};
    ASSERT_TRUE(frame.LoadFrame());

    QStringList menus;
    for (QAction* popup : frame.menuBar()->actions()) menus << popup->text();
    EXPECT_EQ((QStringList{menus.join(QLatin1Char('|')), frame.windowTitle(),
                           frame.PlayTimePane()->text(), frame.m_wndScoreBar.m_timeLabel->text(),
                           SaveFailureShown(frame)}),
              ExpectedFor(locale.language()));
    // Mirrored but for the board.
    EXPECT_EQ(std::pair(frame.layoutDirection(), frame.m_wndField.layoutDirection()),
              std::pair(locale.language() == QLocale::Hebrew ? Qt::RightToLeft : Qt::LeftToRight,
                        Qt::LeftToRight));
}

int main(int argc, char** argv) {
    // An installed program finds its catalogues in a data folder.
    QTemporaryDir data;
    QDir(data.path()).mkdir(QStringLiteral("marbix"));
    QFile::link(QStringLiteral(MARBIX_CATALOGUES),
                data.filePath(QStringLiteral("marbix/translations")));
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
