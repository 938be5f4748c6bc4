#include "ui/celltable.h"

#include "game/player.h"
#include "game/spokentext.h"

QAccessibleInterface* CCellTable::cellAt(int row, int column) const
{
    if (row < 0 || row >= BOARD_SIZE || column < 0 || column >= BOARD_SIZE)
        return nullptr;
    return Cell(row * BOARD_SIZE + column);
}

QString CCellTable::columnDescription(int column) const
{
    return column < 0 || column >= BOARD_SIZE ? QString() : QString::fromStdString(ColumnName(column));
}

int CCellTable::columnCount() const
{
    return BOARD_SIZE;
}

QString CCellTable::rowDescription(int row) const
{
    return row < 0 || row >= BOARD_SIZE ? QString() : QString::number(row + 1);
}

int CCellTable::rowCount() const
{
    return BOARD_SIZE;
}

int CTableCell::columnIndex() const
{
    return m_nIndex % BOARD_SIZE;
}

int CTableCell::rowIndex() const
{
    return m_nIndex / BOARD_SIZE;
}

CCellIds::~CCellIds()
{
    for (QAccessible::Id id : m_ids) {
        if (id && QAccessible::accessibleInterface(id))
            QAccessible::deleteAccessibleInterface(id);
    }
}

int CCellIds::IndexOf(const QAccessibleInterface* cell) const
{
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(cell));
    for (int i = 0; i < BOARD_CELLS; ++i) {
        if (m_ids[i] == id)
            return i;
    }
    return -1;
}
