#include "view/board_accessible.h"

#include "engine/settings.h"
#include "view/field_wnd.h"

#include <QAccessibleWidget>
#include <QCoreApplication>

namespace {

const char* const kColourNames[] = {
    nullptr,
    QT_TRANSLATE_NOOP("CCellAccessible", "dark red"),
    QT_TRANSLATE_NOOP("CCellAccessible", "magenta"),
    QT_TRANSLATE_NOOP("CCellAccessible", "red"),
    QT_TRANSLATE_NOOP("CCellAccessible", "yellow"),
    QT_TRANSLATE_NOOP("CCellAccessible", "green"),
    QT_TRANSLATE_NOOP("CCellAccessible", "cyan"),
    QT_TRANSLATE_NOOP("CCellAccessible", "blue"),
};

int ColumnOf(const CCellButton& cell) {
    return CommandCol(cell.m_id);
}
int RowOf(const CCellButton& cell) {
    return CommandRow(cell.m_id);
}

// What the cell shows: an announced ball stays a secret in Classical style.
QString Contents(int colour, int state) {
    if (colour < 1 || colour > 7 || (state == Preview && g_classical))
        return QCoreApplication::translate("CCellAccessible", "empty");
    const QString name = QCoreApplication::translate("CCellAccessible", kColourNames[colour]);
    if (state == Preview)
        return QCoreApplication::translate("CCellAccessible", "announced %1 ball").arg(name);
    if (state == Selected)
        return QCoreApplication::translate("CCellAccessible", "selected %1 ball").arg(name);
    return QCoreApplication::translate("CCellAccessible", "%1 ball").arg(name);
}

CFieldWnd* BoardOf(const CCellButton* cell) {
    return qobject_cast<CFieldWnd*>(cell->parentWidget());
}

class CCellAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface {
public:
    explicit CCellAccessible(CCellButton* cell) : QAccessibleWidget(cell, QAccessible::Cell) {}

    CCellButton* Cell() const { return static_cast<CCellButton*>(widget()); }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? CellAccessibleName(*Cell()) : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = isSelected();
        s.focusable = true;
        const CFieldWnd* board = BoardOf(Cell());
        s.focused = Cell()->CursorMark() && board && board->hasFocus();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && Cell()->isVisible()) Cell()->click();
    }

    bool isSelected() const override {
        return Cell()->m_colour != 0 && Cell()->m_state == Selected;
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return ColumnOf(*Cell()); }
    int rowIndex() const override { return RowOf(*Cell()); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override {
        return QAccessible::queryAccessibleInterface(BoardOf(Cell()));
    }
};

// The cells in reading order, row by row, are the table's only children.
class CBoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit CBoardAccessible(CFieldWnd* board)
        : QAccessibleWidget(board, QAccessible::Table,
                            QCoreApplication::translate("CCellAccessible", "Board")) {}

    CFieldWnd* Board() const { return static_cast<CFieldWnd*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    int childCount() const override { return kBoardCells; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= kBoardCells) return nullptr;
        return QAccessible::queryAccessibleInterface(
            &Board()->m_cellButtons[CellIndex(index % kSide, index / kSide)]);
    }
    int indexOfChild(const QAccessibleInterface* iface) const override {
        const auto* cell = iface ? qobject_cast<const CCellButton*>(iface->object()) : nullptr;
        if (!cell || cell->parentWidget() != Board()) return -1;
        return cell->m_id - kFirstCellId; // children run row by row, as the identifiers
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row > 8 || column < 0 || column > 8) return nullptr;
        return child(CellCommandId(column, row) - kFirstCellId);
    }
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (int i = 0; i < kBoardCells; ++i) {
            QAccessibleInterface* cell = child(i);
            if (cell && cell->state().selected) cells.append(cell);
        }
        return cells;
    }
    int columnCount() const override { return 9; }
    int rowCount() const override { return 9; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // The selection is the game's: assistive technology cannot set it.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}
};

QAccessibleInterface* BoardFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("CFieldWnd"))
        return new CBoardAccessible(static_cast<CFieldWnd*>(object));
    if (className == QLatin1String("CCellButton"))
        return new CCellAccessible(static_cast<CCellButton*>(object));
    return nullptr;
}

} // namespace

void InstallBoardAccessibility() {
    QAccessible::installFactory(BoardFactory);
}

QString CellAccessibleName(const CCellButton& cell) {
    return QCoreApplication::translate("CCellAccessible", "Column %1, row %2: %3")
        .arg(ColumnOf(cell) + 1)
        .arg(RowOf(cell) + 1)
        .arg(Contents(cell.m_colour, cell.m_state));
}

void NotifyCellChanged(CCellButton* cell) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent name(cell, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent state(cell, changed);
    QAccessible::updateAccessibility(&state);
}
