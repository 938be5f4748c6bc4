#include "game/player.h"

#include "game/gamerand.h"

namespace {

// Ships afloat at the start of a game, by length - 1.
const signed char FleetCounts[SHIP_KINDS] = {4, 3, 2, 1};

// True when every on-board cell of the rectangle from (top, left) to
// (bottom, right) is open water; off-board cells count as empty.
bool AreaEmpty(const CPlayer& player, int top, int left, int bottom, int right)
{
    for (int row = top; row <= bottom; ++row) {
        for (int col = left; col <= right; ++col) {
            if (player.GetCell(row, col) != CELL_WATER)
                return false;
        }
    }
    return true;
}

bool ShipFits(const CPlayer& player, int row, int col, int length, bool vertical)
{
    if (vertical)
        return AreaEmpty(player, row - 1, col - 1, row + length, col + 1);
    return AreaEmpty(player, row - 1, col - 1, row + 1, col + length);
}

void PlaceShip(CPlayer& player, int length)
{
    const bool vertical = GameRand() % 2 == 1;
    int row = 0;
    int col = 0;
    do {
        // The row is always drawn before the column.
        if (vertical) {
            row = GameRand() % (11 - length);
            col = GameRand() % 10;
        } else {
            row = GameRand() % 10;
            col = GameRand() % (11 - length);
        }
    } while (!ShipFits(player, row, col, length, vertical));

    for (int i = 0; i < length; ++i) {
        if (vertical)
            player.SetCell(row + i, col, CELL_SHIP);
        else
            player.SetCell(row, col + i, CELL_SHIP);
    }
}

void PlaceSingleDeck(CPlayer& player)
{
    int row = 0;
    int col = 0;
    do {
        row = GameRand() % 10;
        col = GameRand() % 10;
    } while (!AreaEmpty(player, row - 1, col - 1, row + 1, col + 1));
    player.SetCell(row, col, CELL_SHIP);
}

}  // namespace

void CPlayer::PlaceFleetRandom()
{
    ClearGrids();
    for (int i = 0; i < SHIP_KINDS; ++i)
        m_shipsLeft[i] = FleetCounts[i];

    // Longest first: the big ships need the most room.
    for (int length = SHIP_KINDS; length >= 2; --length) {
        for (int n = 0; n < FleetCounts[length - 1]; ++n)
            PlaceShip(*this, length);
    }
    for (int n = 0; n < FleetCounts[0]; ++n)
        PlaceSingleDeck(*this);

    if (!m_bHuman)
        HideFleet();
}
