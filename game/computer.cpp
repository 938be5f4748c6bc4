#include "game/player.h"

#include "game/gamerand.h"
#include "store/settings.h"

namespace {

// A cell the computer may still aim at: neither a known miss nor a hit deck.
// Water and an undiscovered deck look alike to it.
bool IsFree(signed char code)
{
    return code != CELL_MISS && code != CELL_HIT;
}

bool MayHoldShip(signed char code)
{
    return code == CELL_WATER || code == CELL_SHIP;
}

bool OnBoard(int row, int col)
{
    return row >= 0 && row < BOARD_SIZE && col >= 0 && col < BOARD_SIZE;
}

bool HasFreeCell(const CPlayer& board)
{
    for (signed char code : board.m_fleet) {
        if (IsFree(code))
            return true;
    }
    return false;
}

// Above, left, below, right: the order in which a wounded ship is probed.
const int ProbeRow[4] = {-1, 0, 1, 0};
const int ProbeCol[4] = {0, -1, 0, 1};

}  // namespace

bool CPlayer::ComputerShot()
{
    if (Level > 1) {
        for (int row = 0; row < BOARD_SIZE; ++row) {
            for (int col = 0; col < BOARD_SIZE; ++col) {
                if (GetCell(row, col) != CELL_HIT)
                    continue;
                for (int k = 0; k < 4; ++k) {
                    const int r = row + ProbeRow[k];
                    const int c = col + ProbeCol[k];
                    if (OnBoard(r, c) && IsFree(GetCell(r, c)))
                        return Shoot(r, c);
                }
            }
        }
    }

    if (Level == 3) {
        for (int length = 2; length <= SHIP_KINDS; ++length) {
            if (!OnlyLengthLeft(length))
                continue;
            int row = 0;
            int col = 0;
            if (FindRun(length, 0, 1, row, col))
                return Shoot(row, col + 1);
            if (FindRun(length, 1, 0, row, col))
                return Shoot(row + 1, col);
        }
    }

    // Callers stop once the fleet is sunk; a board with nothing left to aim
    // at would otherwise keep the draws going for ever.
    if (!HasFreeCell(*this))
        return false;
    for (;;) {
        const int row = GameRand() % 10;
        const int col = GameRand() % 10;
        if (Shoot(row, col))
            return true;
    }
}

bool CPlayer::OnlyLengthLeft(int length) const
{
    for (int other = 2; other <= SHIP_KINDS; ++other) {
        if (other != length && m_shipsLeft[other - 1] != 0)
            return false;
    }
    return m_shipsLeft[length - 1] != 0;
}

// The first run of `length` cells, row by row, that may still hold a ship,
// lying along (dRow, dCol): (0, 1) across a row, (1, 0) down a column.
bool CPlayer::FindRun(int length, int dRow, int dCol, int& row, int& col) const
{
    for (int r = 0; r + (length - 1) * dRow < BOARD_SIZE; ++r) {
        for (int c = 0; c + (length - 1) * dCol < BOARD_SIZE; ++c) {
            int run = 0;
            while (run < length && MayHoldShip(GetCell(r + run * dRow, c + run * dCol)))
                ++run;
            if (run == length) {
                row = r;
                col = c;
                return true;
            }
        }
    }
    return false;
}
