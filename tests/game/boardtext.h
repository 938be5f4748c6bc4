#pragma once

// Boards written as pictures, so that a test reads like the position it sets
// up: ten rows of ten characters, whitespace ignored.
//   .  water        o  miss        #  deck
//   X  hit deck     *  sunk deck   +  shown deck

#include "game/player.h"

#include <QString>

inline signed char CodeOfChar(QChar ch)
{
    switch (ch.toLatin1()) {
    case 'o': return CELL_MISS;
    case '#': return CELL_SHIP;
    case 'X': return CELL_HIT;
    case '*': return CELL_SUNK;
    case '+': return CELL_SHOWN;
    default: return CELL_WATER;
    }
}

inline QString CompactBoard(const QString& text)
{
    QString cells;
    for (QChar ch : text) {
        if (!ch.isSpace())
            cells += ch;
    }
    return cells;
}

inline QString OpenSea()
{
    return QString(BOARD_CELLS, '.');
}

// Writes the picture into the fleet grid only; the caller decides whether
// the board is then shown (SyncView) or hidden (HideFleet).
inline void LoadFleet(CPlayer& player, const QString& text)
{
    const QString cells = CompactBoard(text);
    Q_ASSERT(cells.size() == BOARD_CELLS);
    player.ClearGrids();
    for (int i = 0; i < BOARD_CELLS; ++i)
        player.m_fleet[i] = CodeOfChar(cells[i]);
}

inline QString PictureOf(const signed char grid[BOARD_CELLS])
{
    static const char symbols[] = ".o#X*+";
    QString text;
    for (int i = 0; i < BOARD_CELLS; ++i) {
        const int code = grid[i];
        text += (code >= 0 && code <= 5) ? QChar(symbols[code]) : QChar('?');
        if (i % BOARD_SIZE == BOARD_SIZE - 1 && i != BOARD_CELLS - 1)
            text += ' ';
    }
    return text;
}

inline QString NormalisedPicture(const QString& text)
{
    const QString cells = CompactBoard(text);
    QString out;
    for (int i = 0; i < cells.size(); ++i) {
        out += cells[i];
        if (i % BOARD_SIZE == BOARD_SIZE - 1 && i != cells.size() - 1)
            out += ' ';
    }
    return out;
}

// "4321" style counts of ships afloat, lengths 1 to 4.
inline void LoadCounts(CPlayer& player, const char* counts)
{
    for (int i = 0; i < SHIP_KINDS; ++i)
        player.m_shipsLeft[i] = static_cast<signed char>(counts[i] - '0');
}

inline QString CountsOf(const CPlayer& player)
{
    QString text;
    for (int i = 0; i < SHIP_KINDS; ++i)
        text += QChar('0' + player.m_shipsLeft[i]);
    return text;
}
