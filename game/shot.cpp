#include "game/player.h"

#include "game/globals.h"
#include "game/shothook.h"
#include "game/sound.h"
#include "store/settings.h"

namespace {

bool IsDeck(signed char code)
{
    return code >= CELL_SHIP;
}

// Counts the decks from (row, col) onward in steps of (dRow, dCol), the
// starting cell included; last receives the final deck's coordinates.
int CountDecks(const CPlayer& player, int row, int col, int dRow, int dCol, int& lastRow,
               int& lastCol)
{
    int count = 0;
    lastRow = row - dRow;
    lastCol = col - dCol;
    while (IsDeck(player.GetCell(row, col))) {
        lastRow = row;
        lastCol = col;
        ++count;
        row += dRow;
        col += dCol;
    }
    return count;
}

}  // namespace

bool CPlayer::Shoot(int row, int col)
{
    return Shoot(row, col, Tradition != 0);
}

bool CPlayer::Shoot(int row, int col, bool tradition)
{
    // Callers pass board cells; anything else is refused rather than
    // written past the grid.
    if (row < 0 || row >= BOARD_SIZE || col < 0 || col >= BOARD_SIZE)
        return false;
    signed char& cell = m_fleet[row * BOARD_SIZE + col];
    const bool audible = Sound && !m_bHuman;
    bool changed = true;

    switch (cell) {
    case CELL_MISS:
    case CELL_HIT:
        return false;

    case CELL_WATER:
        cell = CELL_MISS;
        MyTurn = !MyTurn;
        if (audible)
            PlayGameSound(SOUND_MISS);
        break;

    case CELL_SHIP:
        cell = CELL_HIT;
        CheckSunk(row, col);
        // The traditional rule: a hit earns the shooter another shot.
        if (!tradition)
            MyTurn = !MyTurn;
        if (audible)
            PlayGameSound(SOUND_HIT);
        break;

    default:
        // A sunk or shown deck: the shot is used up but changes nothing.
        changed = false;
        break;
    }
    SyncView();
    if (changed)
        ReportShot(*this, row, col);
    return true;
}

bool CPlayer::ShootAtPoint(int x, int y)
{
    int col = x;
    int row = y;
    if (!PointToCell(col, row))
        return false;
    return Shoot(row, col);
}

void CPlayer::CheckSunk(int row, int col)
{
    bool touchesDeck = false;
    for (int dr = -1; dr <= 1; ++dr) {
        for (int dc = -1; dc <= 1; ++dc) {
            if ((dr != 0 || dc != 0) && IsDeck(GetCell(row + dr, col + dc)))
                touchesDeck = true;
        }
    }
    if (!touchesDeck) {
        MarkAround(row, col);
        ShipSunk(1);
        return;
    }

    int topRow = row;
    int leftCol = col;
    int unused = 0;
    const int vertical = CountDecks(*this, row, col, -1, 0, topRow, unused)
                         + CountDecks(*this, row + 1, col, 1, 0, unused, unused);
    const int horizontal = CountDecks(*this, row, col, 0, -1, unused, leftCol)
                           + CountDecks(*this, row, col + 1, 0, 1, unused, unused);

    // Legal fleets never tie here (the hit cell counts in both runs, and a
    // ship runs one way only); should one, the column wins.
    const bool isVertical = horizontal <= vertical;
    const int length = isVertical ? vertical : horizontal;
    const int dRow = isVertical ? 1 : 0;
    const int dCol = isVertical ? 0 : 1;
    const int firstRow = isVertical ? topRow : row;
    const int firstCol = isVertical ? col : leftCol;

    for (int i = 0; i < length; ++i) {
        if (GetCell(firstRow + i * dRow, firstCol + i * dCol) == CELL_SHIP) {
            // Still afloat: only the diagonal cells are certainly empty.
            MarkMiss(row - 1, col - 1);
            MarkMiss(row - 1, col + 1);
            MarkMiss(row + 1, col - 1);
            MarkMiss(row + 1, col + 1);
            return;
        }
    }

    ShipSunk(length);
    for (int i = 0; i < length; ++i)
        MarkAround(firstRow + i * dRow, firstCol + i * dCol);
}

void CPlayer::MarkMiss(int row, int col)
{
    // Off the board GetCell answers water and SetCell ignores the write.
    if (GetCell(row, col) == CELL_WATER)
        SetCell(row, col, CELL_MISS);
}

void CPlayer::MarkAround(int row, int col)
{
    for (int r = row - 1; r <= row + 1; ++r) {
        for (int c = col - 1; c <= col + 1; ++c)
            MarkMiss(r, c);
    }
    SetCell(row, col, CELL_SUNK);
}

void CPlayer::ShipSunk(int length)
{
    // Only a malformed imported fleet could hold a longer run; its count
    // has no slot, so the sinking goes uncounted rather than corrupt memory.
    if (length < 1 || length > SHIP_KINDS)
        return;
    // The frame is drawn afresh after every shot, counts included.
    --m_shipsLeft[length - 1];
}
