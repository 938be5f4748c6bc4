#include "ui/placeaccess.h"

#include "game/spokentext.h"
#include "ui/accessfactory.h"
#include "ui/celltable.h"
#include "ui/paintedpart.h"
#include "game/shiplayout.h"
#include "ui/placeboard.h"

#include <QAccessibleWidget>

namespace {

const CPlaceBoard* BoardOf(const QWidget* widget)
{
    return qobject_cast<const CPlaceBoard*>(widget);
}

// One cell: its name ("E5") and, as its description, what lies on it.
class CPlaceCellAccess : public CPaintedPart, public CTableCell {
public:
    CPlaceCellAccess(QWidget* board, QAccessible::Id tableId, int index)
        : CPaintedPart(board), CTableCell(index), m_tableId(tableId)
    {
    }

    QAccessibleInterface* parent() const override { return QAccessible::accessibleInterface(m_tableId); }
    QAccessibleInterface* table() const override { return parent(); }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        const int row = rowIndex();
        const int col = columnIndex();
        if (t == QAccessible::Name)
            return QString::fromStdString(CellName(row, col));
        const CPlaceBoard* board = BoardOf(m_view);
        if (t != QAccessible::Description || !board)
            return {};
        const CShipLayout& layout = board->Layout();
        const int ship = layout.ShipAt(row, col);
        const int decks = ship < 0 ? 0 : layout.m_ships[ship].m_nLength;
        return QString::fromStdString(PlacementCellText(decks, PlaceGrid[m_nIndex]));
    }
    QRect rect() const override
    {
        const CPlaceBoard* board = BoardOf(m_view);
        if (!board)
            return {};
        const QRect cell = board->CellRect(rowIndex(), columnIndex());
        return QRect(board->mapToGlobal(cell.topLeft()), cell.size());
    }

private:
    QAccessible::Id m_tableId;
};

// The board widget: the table of the cells. Its name and description (the
// keys that work it) are the widget's own.
class CPlaceBoardAccess : public QAccessibleWidget, public CCellTable {
public:
    explicit CPlaceBoardAccess(QWidget* board) : QAccessibleWidget(board, QAccessible::Table) {}

    QAccessibleInterface* Cell(int index) const override { return child(index); }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    int childCount() const override { return BOARD_CELLS; }
    QAccessibleInterface* child(int index) const override
    {
        const QAccessible::Id self = QAccessible::uniqueId(const_cast<CPlaceBoardAccess*>(this));
        return m_cells.Get(index, [this, self](int i) { return new CPlaceCellAccess(widget(), self, i); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override { return m_cells.IndexOf(child); }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const CPlaceBoard* board = BoardOf(widget());
        int row, col;
        if (!board)
            return nullptr;
        if (!board->CellAt(board->mapFromGlobal(QPointF(x, y)), row, col))
            return nullptr;
        return child(row * BOARD_SIZE + col);
    }

private:
    CCellIds m_cells;
};

} // namespace

void InstallPlaceBoardAccess()
{
    InstallAccessFactory<CPlaceBoard, CPlaceBoardAccess>();
}
