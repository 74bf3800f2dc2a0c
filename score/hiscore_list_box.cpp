#include "score/hiscore_list_box.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

// The lines are columns filled out with blanks: each is drawn from the line's
// left edge, without the margins and the eliding of a plain list, so that a
// five-digit score shows whole.
class CWholeLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem item(option);
        initStyleOption(&item, index);
        const QString text = item.text;
        item.text.clear();
        const QWidget* view = option.widget;
        view->style()->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);
        const bool selected = item.state & QStyle::State_Selected;
        painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(item.rect, Qt::AlignLeft | Qt::AlignVCenter, text);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QString text = index.data(Qt::DisplayRole).toString();
        return {option.fontMetrics.horizontalAdvance(text), option.fontMetrics.height()};
    }
};

} // namespace

CHiscoreListBox::CHiscoreListBox(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("hiscores"));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new CWholeLineDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFocusPolicy(Qt::NoFocus);
    setUniformItemSizes(true);
    setSortingEnabled(false);
    // The scroll bar is always there, and disabled while every line fits.
    QScrollBar* bar = verticalScrollBar();
    connect(bar, &QScrollBar::rangeChanged, bar,
            [bar](int min, int max) { bar->setEnabled(max > min); });
    bar->setEnabled(false);
}

void CHiscoreListBox::OnSetRedraw(bool on) {
    setUpdatesEnabled(on);
}

void CHiscoreListBox::OnCleared() {
    clear();
}

void CHiscoreListBox::OnLineAppended(const std::string& line) {
    addItem(QString::fromStdString(line));
}

void CHiscoreListBox::OnSelected(int line) {
    if (line < 0 || line >= count()) {
        setCurrentRow(-1);
        clearSelection();
        return;
    }
    setCurrentRow(line);
    scrollToItem(item(line));
}

void CHiscoreListBox::OnRepaint() {
    viewport()->repaint();
}
