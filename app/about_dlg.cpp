#include "app/about_dlg.h"

#include "app/epigraph.h"
#include "engine/cue.h"
#include "platform/dialog_frame.h"
#include "platform/dialog_units.h"
#include "platform/resources.h"
#include "platform/tr_text.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace {

QLabel* Static(QWidget* parent, const QString& text, const QRect& rect) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(rect);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A text longer than the English one widens its label, as far as the box's
// right margin at `right`, from where it grows to the left.
void FitWidth(QLabel* label, int right) {
    const int width = std::max(label->width(), label->sizeHint().width());
    label->setGeometry(std::min(label->x(), right - width), label->y(), width, label->height());
}

} // namespace

// The cue sounds while the box opens; the epigraph is taken at once, so the
// next opening shows the next one.
CAboutDlg::CAboutDlg(CCuePlayer& cues, QWidget* parent) : QDialog(parent) {
    PlayCue(cues, Cue::AboutOpened);
    m_epigraph.clear();
    m_epigraph = TakeNextEpigraph();
    BuildControls();
    m_epigraphLabel->setText(TrCore("strings", m_epigraph));
}

// Template 129, in dialog units of its 8-point sans face.
void CAboutDlg::BuildControls() {
    setWindowTitle(tr("About Marbix"));
    SetDialogFrame(this, true);
    setFont(SansDialogFont(8));
    const CDialogUnits du(font());
    setFixedSize(du.X(224), du.Y(85));

    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap::fromImage(LoadPicture(PictureId::kIcon)));
    icon->move(du.X(10), du.Y(15));
    icon->adjustSize();

    Static(this, tr("Marbix  -  (Windows) version 1.2"), du.Rect(40, 10, 119, 8));
    Static(this, tr("by the Marbix developers, 2025"), du.Rect(40, 25, 119, 8));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(du.Rect(165, 10, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    m_epigraphLabel = Static(this, QStringLiteral("...\n..."), du.Rect(50, 55, 160, 18));
    m_epigraphLabel->setObjectName(QStringLiteral("epigraph"));

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    frame->setGeometry(du.Rect(40, 50, 175, 25));
    frame->lower();

    FitWidth(Static(this, tr("( to be continued ... )"), du.Rect(140, 35, 70, 8)), du.X(215));
    ok->setFocus();
}
