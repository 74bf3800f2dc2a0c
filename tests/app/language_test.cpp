// The main window in the language of the system locale, as ctest sets it:
// each shipped language from its catalogue, with the words drawn into its
// pictures, English and any locale without a catalogue exactly as written,
// right-to-left locales mirrored but for the board. The catalogues are found
// the way an installed program finds them.
#include "app/language.h"
#include "app/main_frame.h"
#include "engine/identifiers.h"
#include "platform/dialog_units.h"
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
// telling that a result could not be saved, by the catalogue's language;
// English for a locale without one.
QStringList ExpectedFor(const QString& language) {
    static const std::map<QString, QStringList> shown{
        {"de",
         {"&Spiel|&Optionen|&Hilfe", "Marbix für immer ...", "Spielzeit: 0 h 00 min 00 s", "Zeit:",
          "Ihr Ergebnis konnte nicht in der Bestenliste gespeichert werden: /p: Read-only"}},
        {"fr",
         {"&Partie|&Options|&Aide", "Marbix pour toujours ...", "Temps de jeu : 0 h 00 min 00 s",
          "Temps :", "Votre résultat n'a pas pu être enregistré dans le palmarès : /p: Read-only"}},
        {"es",
         {"&Partida|&Opciones|A&yuda", "Marbix para siempre ...",
          "Tiempo de juego: 0 h 00 min 00 s",
          "Reloj:", "No se pudo guardar tu resultado en el cuadro de honor: /p: Read-only"}},
        {"pt_BR",
         {"&Jogo|&Opções|Aj&uda", "Marbix para sempre ...", "Tempo de jogo: 0 h 00 min 00 s",
          "Tempo:", "Não foi possível salvar seu resultado no quadro de honra: /p: Read-only"}},
        {"it",
         {"&Partita|&Opzioni|&Aiuto", "Marbix per sempre ...", "Tempo di gioco: 0 h 00 min 00 s",
          "Tempo:",
          "Non è stato possibile salvare il tuo risultato tra i migliori: /p: Read-only"}},
        {"nl",
         {"&Spel|&Opties|&Help", "Marbix voor altijd ...", "Speeltijd: 0 u 00 min 00 s",
          "Tijd:", "Je resultaat kon niet op de erelijst worden opgeslagen: /p: Read-only"}},
        {"pl",
         {"&Gra|&Opcje|Pomo&c", "Marbix na zawsze ...", "Czas gry: 0 h 00 min 00 s",
          "Czas:", "Nie udało się zapisać wyniku na liście najlepszych: /p: Read-only"}},
        {"cs",
         {"&Hra|&Možnosti|&Nápověda", "Marbix navždy ...", "Čas hry: 0 h 00 min 00 s",
          "Čas:", "Tvůj výsledek se nepodařilo zapsat do síně slávy: /p: Read-only"}},
        {"ru",
         {"&Игра|&Параметры|&Справка", "Marbix навсегда ...", "Время игры: 0 ч 00 мин 00 с",
          "Время:", "Не удалось сохранить ваш результат в таблице рекордов: /p: Read-only"}},
        {"uk",
         {"&Гра|&Параметри|&Довідка", "Marbix назавжди ...", "Час гри: 0 год 00 хв 00 с",
          "Час:", "Не вдалося зберегти ваш результат у таблиці рекордів: /p: Read-only"}},
        {"ja",
         {"ゲーム(&G)|オプション(&O)|ヘルプ(&H)", "Marbix よ永遠に ...",
          "プレイ時間： 0時間00分00秒", "時間：",
          "成績をハイスコアに保存できませんでした：/p: Read-only"}},
        {"zh_CN",
         {"游戏(&G)|选项(&O)|帮助(&H)", "Marbix 永远 ...", "游戏时间： 0 时 00 分 00 秒", "时间：",
          "无法将你的成绩保存到排行榜：/p: Read-only"}},
    };
    const auto it = shown.find(language);
    return it != shown.end() ? it->second
                             : QStringList{"&Game|&Options|&Help", "Marbix forever ...",
                                           "You have been playing for : 0 h 00 m 00 s", "Time :",
                                           QString("Your result could not be saved in the "
                                                   "hall of fame: /p: Read-only")};
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
    EXPECT_EQ((QStringList{menus.join(QLatin1Char('|')), frame.windowTitle(),
                           frame.PlayTimePane()->text(), frame.m_wndScoreBar.m_timeLabel->text(),
                           SaveFailureShown(frame)}),
              ExpectedFor(language));
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
// pictures, which differ from the English ones, or the English pictures for a
// locale without a catalogue.
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
