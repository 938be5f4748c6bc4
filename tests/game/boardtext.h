#pragma once

// Boards written as pictures, so that a test reads like the position it sets
// up: rows of ten, spaces ignored, missing cells are water.
//   .  water   o  miss   #  deck   X  hit deck   *  sunk deck   +  shown deck

#include "game/player.h"

#include <QString>

inline const QString CellSymbols = QStringLiteral(".o#X*+");

inline QString Cells(const QString& text)
{
    return QString(text).remove(' ').leftJustified(BOARD_CELLS, '.');
}

// The picture padded to a full board, rows separated by one space.
inline QString Board(const QString& text)
{
    QString cells = Cells(text);
    for (int row = BOARD_SIZE - 1; row > 0; --row)
        cells.insert(row * BOARD_SIZE, ' ');
    return cells;
}

inline QString PictureOf(const signed char grid[BOARD_CELLS])
{
    QString cells;
    for (int i = 0; i < BOARD_CELLS; ++i)
        cells += grid[i] >= 0 && grid[i] < CellSymbols.size() ? CellSymbols[grid[i]] : QChar('?');
    return Board(cells);
}

// Writes the picture into the fleet grid only; the caller decides whether
// the board is then shown (SyncView) or hidden (HideFleet).
inline void LoadFleet(CPlayer& player, const QString& text)
{
    const QString cells = Cells(text);
    player.ClearGrids();
    for (int i = 0; i < BOARD_CELLS; ++i)
        player.m_fleet[i] = static_cast<signed char>(CellSymbols.indexOf(cells[i]));
}

// Ships afloat by length 1 to 4, written "4321".
inline void LoadCounts(CPlayer& player, const QString& counts)
{
    for (int i = 0; i < SHIP_KINDS; ++i)
        player.m_shipsLeft[i] = static_cast<signed char>(counts[i].digitValue());
}

inline QString CountsOf(const CPlayer& player)
{
    QString text;
    for (signed char count : player.m_shipsLeft)
        text += QString::number(count);
    return text;
}
