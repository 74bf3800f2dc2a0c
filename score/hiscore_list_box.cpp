#include "score/hiscore_list_box.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

// The lines are columns filled out with blanks: each is drawn from the line's
// left edge, without the margins and the eliding of a plain list. A line too
// long for the list, a score of six digits or more, is drawn narrowed to fit:
// every digit stays readable.
class CWholeLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Kept free at the right, so that the last digit's edge is not lost to
    // the list's border.
    static constexpr int kRightGap = 2;

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
        const int width = item.fontMetrics.horizontalAdvance(text);
        // The line's rectangle may run past the view's visible part.
        const auto* list = qobject_cast<const QAbstractScrollArea*>(view);
        const int right = std::min(item.rect.right() + 1, list ? list->viewport()->width() : 0);
        const int room = right - item.rect.left() - kRightGap;
        QRect line = item.rect;
        painter->save();
        if (width > room && room > 0) {
            painter->translate(line.left(), 0);
            painter->scale(qreal(room) / width, 1);
            line.moveLeft(0);
            line.setWidth(width);
        }
        painter->drawText(line, Qt::AlignLeft | Qt::AlignVCenter, text);
        painter->restore();
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
