#pragma once

#include "game/player.h"

#include <QAccessible>

// A board as screen readers walk a table: ten rows named 1-10, ten columns
// named by their letters, and each cell knowing its row and column, so a
// reader's row and column commands work on it. Nothing is ever selected.
class CCellTable : public QAccessibleTableInterface {
public:
    // The cell of a row and column, the board's child of that index.
    virtual QAccessibleInterface* Cell(int index) const = 0;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override;
    int columnCount() const override;
    QString rowDescription(int row) const override;
    int rowCount() const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}
};

// One cell of such a board, by its index in row order.
class CTableCell : public QAccessibleTableCellInterface {
public:
    explicit CTableCell(int index) : m_nIndex(index) {}

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }

protected:
    int m_nIndex;
};

// The hundred cells of a board, made when a reader first asks for one and
// known by their ids alone: they belong to the accessibility cache, which may
// let them go at exit before the board.
class CCellIds {
public:
    CCellIds() = default;
    CCellIds(const CCellIds&) = delete;
    CCellIds& operator=(const CCellIds&) = delete;
    ~CCellIds();

    // The cell of an index, made by `make(index)` the first time.
    template <class Make>
    QAccessibleInterface* Get(int index, Make make) const
    {
        if (index < 0 || index >= BOARD_CELLS)
            return nullptr;
        if (!m_ids[index])
            m_ids[index] = QAccessible::registerAccessibleInterface(make(index));
        return QAccessible::accessibleInterface(m_ids[index]);
    }
    int IndexOf(const QAccessibleInterface* cell) const;

private:
    mutable QAccessible::Id m_ids[BOARD_CELLS] = {};
};
