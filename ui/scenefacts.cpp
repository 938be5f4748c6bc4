#include "ui/scenefacts.h"

#include "ui/scenegeometry.h"

#include <algorithm>
#include <cstring>

namespace {

// A cell's picture and the grid lines around it.
QRect CellArea(const CRect& board, int cell)
{
    return QRect(board.left + CELL_PITCH * (cell % BOARD_SIZE), board.top + CELL_PITCH * (cell / BOARD_SIZE),
                 CELL_PITCH + 1, CELL_PITCH + 1);
}

// The cursor's frame reaches a pixel past the grid lines around its cell
// and two inside the next cell.
QRect CursorArea(const CRect& board, const CCellCursor& cursor)
{
    if (!cursor.m_bShown)
        return {};
    return QRect(board.left + CELL_PITCH * cursor.m_nCol - 1, board.top + CELL_PITCH * cursor.m_nRow - 1,
                 CELL_PITCH + 3, CELL_PITCH + 3);
}

// The column of numbers beside the ship icons, with room for a glyph and
// its shadow wider than the column the drawing wipes.
QRect CountArea(const CRect& board)
{
    return QRect(board.left + 120, board.bottom + 40, 60, 140);
}

bool SameFrame(const SSceneFacts& a, const SSceneFacts& b)
{
    const auto sameSide = [](const SSceneFacts::SSide& x, const SSceneFacts::SSide& y) {
        return x.m_strName == y.m_strName && x.m_nWins == y.m_nWins && x.m_rcBoard == y.m_rcBoard;
    };
    return a.m_bDrawn && b.m_bDrawn && a.m_shows.m_eContent == b.m_shows.m_eContent && a.m_bNetwork == b.m_bNetwork
           && a.m_bShowShipCount == b.m_bShowShipCount && a.m_strLanguage == b.m_strLanguage
           && a.m_margin == b.m_margin && sameSide(a.m_two, b.m_two) && sameSide(a.m_one, b.m_one);
}

void AddSide(QRegion& parts, const SSceneFacts::SSide& before, const SSceneFacts::SSide& after)
{
    for (int cell = 0; cell < BOARD_CELLS; ++cell) {
        if (before.m_view[cell] != after.m_view[cell])
            parts += CellArea(after.m_rcBoard, cell);
    }
    if (std::memcmp(before.m_shipsLeft, after.m_shipsLeft, sizeof after.m_shipsLeft) != 0)
        parts += CountArea(after.m_rcBoard);
}

} // namespace

SSceneFacts::SSide SSceneFacts::Side(const CPlayer& player)
{
    SSide side;
    std::copy(player.m_view, player.m_view + BOARD_CELLS, side.m_view);
    std::copy(player.m_shipsLeft, player.m_shipsLeft + SHIP_KINDS, side.m_shipsLeft);
    side.m_strName = player.m_strName;
    side.m_nWins = player.m_nWins;
    side.m_rcBoard = player.m_rcBoard;
    return side;
}

QRegion ChangedParts(const SSceneFacts& before, const SSceneFacts& after)
{
    if (!SameFrame(before, after))
        return QRect(0, 0, MAIN_CLIENT_WIDTH, MAIN_CLIENT_HEIGHT);
    // Nothing but the frame's background stands in it without the boards.
    if (!after.m_shows.HasBoards())
        return {};
    QRegion parts;
    AddSide(parts, before.m_two, after.m_two);
    AddSide(parts, before.m_one, after.m_one);
    const CCellCursor& was = before.m_shows.m_cursor;
    const CCellCursor& is = after.m_shows.m_cursor;
    if (was != is) {
        parts += CursorArea(before.m_two.m_rcBoard, was);
        parts += CursorArea(after.m_two.m_rcBoard, is);
    }
    return parts;
}
