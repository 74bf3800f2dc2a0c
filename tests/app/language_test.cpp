// The main window in the language of the system locale, as ctest sets it:
// each shipped language from its catalogue, with the words drawn into its
// pictures, English and any locale without a catalogue exactly as written,
// right-to-left locales mirrored but for the board. The catalogues are found
// the way an installed program finds them.
#include "app/language.h"
#include "app/main_frame.h"
#include "engine/identifiers.h"
#include "platform/dialog_units.h"
#include "platform/resources.h"
#include "score/name_dlg_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <map>

namespace {

// The menus, the title, the playing-time pane, the clock's label and the box
// telling that a result could not be saved, as written.
const QStringList kEnglish{
    "&Game|&Options|&Help", "Marbix forever ...", "You have been playing for : 0 h 00 m 00 s",
    "Time :", "Your result could not be saved in the hall of fame: /p: Read-only"};

// The title in the catalogue's language, which tells one catalogue from
// another; what each catalogue holds is the catalogue test's.
QString TitleFor(const QString& language) {
    static const std::map<QString, QString> titles{
        {"de", "Marbix für immer ..."},    {"fr", "Marbix pour toujours ..."},
        {"es", "Marbix para siempre ..."}, {"pt_BR", "Marbix para sempre ..."},
        {"it", "Marbix per sempre ..."},   {"nl", "Marbix voor altijd ..."},
        {"pl", "Marbix na zawsze ..."},    {"cs", "Marbix navždy ..."},
        {"ru", "Marbix навсегда ..."},     {"uk", "Marbix назавжди ..."},
        {"ja", "Marbix よ永遠に……"},       {"zh_CN", "Marbix 永远……"}};
    const auto it = titles.find(language);
    return it != titles.end() ? it->second : kEnglish[1];
}

// The catalogue a locale's player reads: pt_BR and zh_CN by country, the
// others by language alone.
QString CatalogueLanguage(const QLocale& locale) {
    QString name = locale.name();
    if (name == "pt_BR" || name == "zh_CN") return name;
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    static const QStringList shipped{"de", "fr", "es", "it", "nl", "pl", "cs", "ru", "uk", "ja"};
    return shipped.contains(language) ? language : QString();
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
    const QString language = CatalogueLanguage(locale);
    EXPECT_EQ(InstallLanguage(), !language.isEmpty()) << locale.name().toStdString();
    CMainFrame frame{CProfile()};
    ASSERT_TRUE(frame.LoadFrame());

    QStringList menus;
    for (QAction* popup : frame.menuBar()->actions()) menus << popup->text();
    const QStringList shown{menus.join(QLatin1Char('|')), frame.windowTitle(),
                            frame.PlayTimePane()->text(), frame.m_wndScoreBar.m_timeLabel->text(),
                            SaveFailureShown(frame)};
    EXPECT_EQ(shown[1], TitleFor(language));
    // Every one of them translated from the locale's catalogue, or English as written.
    for (qsizetype i = 0; i < shown.size() && !language.isEmpty(); ++i)
        EXPECT_NE(shown[i], kEnglish[i]);
    if (language.isEmpty()) {
        EXPECT_EQ(shown, kEnglish);
    }
    EXPECT_TRUE(shown[4].endsWith(QStringLiteral("/p: Read-only"))) << shown[4].toStdString();
    // The pane's first text is the clock at zero: it does not jump at the first second.
    EXPECT_EQ(PlayTimeShown(0), frame.PlayTimePane()->text());
    // The dialogs' face itself has the glyphs of the language's own name.
    const QRawFont face = QRawFont::fromFont(SansDialogFont(8));
    for (const uint c : locale.nativeLanguageName().toUcs4())
        EXPECT_TRUE(QChar::isSpace(c) || face.supportsCharacter(c))
            << face.familyName().toStdString();
    // Mirrored but for the board.
    EXPECT_EQ(std::pair(frame.layoutDirection(), frame.m_wndField.layoutDirection()),
              std::pair(locale.language() == QLocale::Hebrew ? Qt::RightToLeft : Qt::LeftToRight,
                        Qt::LeftToRight));
}

// The Undo button's word and the paused board's are the language's own: its
// pictures, which differ from the English ones, at every scale, or the
// English pictures for a locale without a catalogue.
TEST(LanguageTest, TheToolbarAndThePausedBoardSpeakTheLocalesLanguage) {
    const QString language = CatalogueLanguage(QLocale::system());
    InstallLanguage();
    CMainFrame frame{CProfile()};
    ASSERT_TRUE(frame.LoadFrame());
    const QString folder = language.isEmpty() ? QString() : language + QLatin1Char('/');
    auto picture = [](const QString& path) {
        return QImage(QStringLiteral(":/res/bmp/") + path).convertToFormat(QImage::Format_RGB32);
    };
    const QRect undo(2 * 81, 0, 81, 29); // the third of the strip's five buttons
    const QImage shownUndo = frame.Action(ID_GAME_UNDO)
                                 ->icon()
                                 .pixmap(undo.size())
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shownUndo, picture(folder + QStringLiteral("171.png")).copy(undo));
    frame.m_wndField.ShowPaused();
    EXPECT_EQ(
        frame.m_wndField.m_background.Picture().toImage().convertToFormat(QImage::Format_RGB32),
        picture(folder + QStringLiteral("182.png")));
    // Zoomed to 3× on this screen of single density: the language's picture
    // drawn at triple size pixel for pixel, not its double one enlarged.
    frame.m_wndField.SetZoom(30);
    const QImage tripled =
        frame.m_wndField.m_background.Picture().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(tripled, picture(folder + QStringLiteral("182@3x.png")));
    // Every density and zoom of the paused board; a picture the language
    // lacks, and any of a language without pictures, is the English one.
    const auto loaded = [](int id, int scale) {
        return LoadPicture(id, scale).convertToFormat(QImage::Format_RGB32);
    };
    for (int k = 2; k <= 6; ++k)
        EXPECT_EQ(loaded(182, k), picture(folder + QStringLiteral("182@%1x.png").arg(k))) << k;
    EXPECT_EQ(LoadPicture(182, 2).devicePixelRatio(), 2.0);
    EXPECT_EQ(loaded(183, 2), picture(QStringLiteral("183@2x.png")));
    SetPictureLanguage(QStringLiteral("xx"));
    EXPECT_EQ(loaded(182, 2), picture(QStringLiteral("182@2x.png")));
    if (!language.isEmpty()) {
        EXPECT_NE(tripled, picture(QStringLiteral("182@3x.png")));
        EXPECT_NE(shownUndo, picture(QStringLiteral("171.png")).copy(undo));
        EXPECT_NE(picture(folder + QStringLiteral("182.png")), picture(QStringLiteral("182.png")));
    }
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
