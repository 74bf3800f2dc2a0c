// Every shipped language in the windows of fixed size: each label's text fits
// the label, line by line across and all its lines down, in the dialogs' face
// of that language, and the label lies within its window. Every catalogue
// found beside the program is tried, and English without one, so a new
// catalogue is checked as soon as it is built.
#include "app/about_dlg.h"
#include "app/epigraph.h"
#include "app/main_frame.h"
#include "cue_recorder.h"
#include "platform/dialog_units.h"
#include "platform/string_table.h"
#include "score/hiscore_list.h"
#include "score/name_dlg.h"
#include "score/name_dlg_window.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>

// Test names and messages show a catalogue by its path.
void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}

namespace {

// What is cut of label's text: each line too wide, "N lines" when they are
// too many for its height, "outside" when the label passes its window's edge,
// "under" a neighbour that lies partly over it.
QStringList Cut(const QLabel& label) {
    if (label.wordWrap() || label.text().isEmpty() || !label.isVisibleTo(label.window())) return {};
    QStringList cut;
    const QRect room = label.contentsRect();
    const QFontMetrics metrics = label.fontMetrics();
    QStringList lines = label.text().split(QLatin1Char('\n'));
    while (lines.size() > 1 && lines.back().isEmpty()) lines.removeLast(); // nothing to show
    for (const QString& line : lines)
        if (metrics.horizontalAdvance(line) > room.width()) cut << line;
    if (metrics.height() + (lines.size() - 1) * metrics.lineSpacing() > room.height())
        cut << QStringLiteral("%1 lines").arg(lines.size());
    const QRect placed(label.mapTo(label.window(), QPoint(0, 0)), label.size());
    if (!label.window()->rect().contains(placed)) cut << QStringLiteral("outside");
    // A neighbour partly over it in a pane of fixed size; a frame around it
    // is no neighbour.
    const QWidget& pane = *label.parentWidget();
    if (pane.minimumSize() != pane.maximumSize()) return cut;
    for (const QObject* other : pane.children()) {
        const auto* widget = qobject_cast<const QWidget*>(other);
        if (!widget || widget == &label || widget->isHidden()) continue;
        const QRect there = widget->geometry();
        if (there.intersects(label.geometry()) && !there.contains(label.geometry()))
            cut << QStringLiteral("under ") + widget->metaObject()->className();
    }
    return cut;
}

// Every label of window with text cut, a line "what is cut" each.
std::string CutLabels(const QWidget& window) {
    QString found;
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (const QStringList cut = Cut(*label); !cut.isEmpty())
            found += cut.join(QStringLiteral(" | ")) + QLatin1Char('\n');
    return found.toStdString();
}

class TextFitTest : public testing::TestWithParam<QString> {
protected:
    // The catalogue and the dialogs' face of its language, as the program
    // takes them at start.
    void SetUp() override {
        const QString name = QFileInfo(GetParam()).completeBaseName().section(QLatin1Char('_'), 1);
        ChooseSansDialogFace(QLocale(name.isEmpty() ? QStringLiteral("en") : name));
        if (GetParam().isEmpty()) return;
        ASSERT_TRUE(m_translator.load(GetParam())) << GetParam().toStdString();
        QCoreApplication::installTranslator(&m_translator);
    }
    void TearDown() override { QCoreApplication::removeTranslator(&m_translator); }

    QTranslator m_translator;
};

// The catalogues built beside the program, and "" for English.
std::vector<QString> Languages() {
    std::vector<QString> languages{QString()};
    const QDir folder(QStringLiteral(MARBIX_CATALOGUES));
    for (const QString& name : folder.entryList({QStringLiteral("marbix_*.qm")}, QDir::Files))
        languages.push_back(folder.filePath(name));
    return languages;
}

std::string Name(const testing::TestParamInfo<QString>& info) {
    return info.param.isEmpty() ? "en" : QFileInfo(info.param).baseName().mid(7).toStdString();
}

} // namespace

// The main window's panel and status bar, the About box with every epigraph
// and the name dialog.
TEST_P(TextFitTest, EveryWindowOfFixedSizeShowsEveryTextWhole) {
    CMainFrame frame{CProfile()};
    ASSERT_TRUE(frame.LoadFrame());
    frame.show();
    EXPECT_EQ(CutLabels(frame), "");
    for (g_nextEpigraph = kFirstEpigraph; !LoadString(g_nextEpigraph).empty();) {
        const int id = g_nextEpigraph;
        CCueRecorder cues;
        CAboutDlg about(cues);
        about.show();
        EXPECT_EQ(CutLabels(about), "") << "with epigraph " << id;
    }
    CHiscoreList list;
    CNameDlgWindow window(&frame);
    CNameDlg dialog(&list, &window);
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QDialog* shown = window.Current();
        ASSERT_TRUE(shown);
        seen = true;
        EXPECT_EQ(CutLabels(*shown), "");
        shown->reject();
    });
    dialog.DoModal();
    EXPECT_TRUE(seen);
}

INSTANTIATE_TEST_SUITE_P(Shipped, TextFitTest, testing::ValuesIn(Languages()), Name);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
