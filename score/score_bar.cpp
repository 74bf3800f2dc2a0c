#include "score/score_bar.h"

#include "platform/bitmap_button.h"
#include "platform/dialog_units.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace {

QLineEdit* NumberField(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setTextMargins(0, 0, 1, 0);
    return edit;
}

} // namespace

CScoreBar::CScoreBar(QWidget* parent)
    : QWidget(parent), m_list(new CHiscoreListBox(this)), m_scoreEdit(NumberField(this, "score")),
      m_timeEdit(NumberField(this, "time")), m_timeLabel(new QLabel(tr("Time :"), this)) {
    setObjectName(QStringLiteral("scoreBar"));
}

bool CScoreBar::Create(QWidget* parent) {
    if (parent) setParent(parent);
    m_nameWindow.SetOwner(parent ? parent->window() : nullptr);

    setFont(FixedDialogFont(9));
    const CDialogUnits du(font());
    setFixedSize(du.X(142), du.Y(167));

    // Template order is also the stacking order: the group boxes lie on top
    // of nothing but the panel, so they are raised below the fields.
    auto* scoreBox = new QGroupBox(this);
    scoreBox->setGeometry(du.Rect(5, 5, 130, 27));
    auto* listBox = new QGroupBox(tr("The best players known :"), this);
    listBox->setGeometry(du.Rect(5, 36, 130, 74));
    scoreBox->lower();
    listBox->lower();

    m_list->setGeometry(du.Rect(10, 46, 120, 59));
    m_scoreEdit->setGeometry(du.Rect(42, 15, 33, 12));
    auto* scoreLabel = new QLabel(tr("Score :"), this);
    scoreLabel->setGeometry(du.Rect(10, 15, 30, 10));
    m_timeLabel->setObjectName(QStringLiteral("timeLabel"));
    PlaceTimeFields(du);

    auto* decoration = new QLabel(this);
    decoration->setObjectName(QStringLiteral("decoration"));
    decoration->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    decoration->setPixmap(CachedPicture(kDecorationPicture));
    const QSize picture = decoration->pixmap().deviceIndependentSize().toSize();
    const int frame = 2 * decoration->frameWidth();
    decoration->setGeometry(du.X(38), du.Y(115), picture.width() + frame, picture.height() + frame);

    m_scoreEdit->setAccessibleName(tr("Score"));
    m_timeEdit->setAccessibleName(tr("Time left for this move"));
    m_list->setAccessibleName(tr("The best players known"));
    return true;
}

// A translation longer than the clock's label takes up to two units of the
// gap before it and moves the field to the right by the rest, keeping a unit
// between the text and the field. In English nothing moves.
void CScoreBar::PlaceTimeFields(const CDialogUnits& du) {
    QRect label = du.Rect(80, 15, 25, 10), field = du.Rect(105, 15, 25, 12);
    const int text = m_timeLabel->sizeHint().width();
    if (text > label.width()) {
        const int excess = text + du.X(1) - label.width();
        const int before = std::min(excess, du.X(2));
        label.adjust(-before, 0, excess - before, 0);
        field.translate(excess - before, 0);
    }
    m_timeLabel->setGeometry(label);
    m_timeEdit->setGeometry(field);
}

void CScoreBar::EnableClockFields(bool enable) {
    m_timeEdit->setEnabled(enable);
    m_timeLabel->setEnabled(enable);
}

void CScoreBar::Refresh(unsigned score, unsigned secondsLeft) {
    m_scoreEdit->setText(QString::number(score));
    m_timeEdit->setText(QString::number(secondsLeft));
}
