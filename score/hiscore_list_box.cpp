#include "score/hiscore_list_box.h"

#include <QScrollBar>

CHiscoreListBox::CHiscoreListBox(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("hiscores"));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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
