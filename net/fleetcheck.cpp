#include "net/fleetcheck.h"

namespace {
constexpr int SIZE = 10;
constexpr int LONGEST = 4;
constexpr unsigned char WATER = 0;
constexpr unsigned char DECK = 2;

bool IsDeck(const unsigned char cells[100], int row, int col)
{
    return row >= 0 && row < SIZE && col >= 0 && col < SIZE && cells[row * SIZE + col] == DECK;
}

// Decks meeting at a corner belong to two ships that touch, or to one bent
// ship; either breaks the rules. Without such corners every group of decks
// joined by their sides is a straight line.
bool AnyCornerContact(const unsigned char cells[100])
{
    for (int row = 0; row < SIZE - 1; ++row)
        for (int col = 0; col < SIZE; ++col) {
            if (!IsDeck(cells, row, col))
                continue;
            if (IsDeck(cells, row + 1, col - 1) || IsDeck(cells, row + 1, col + 1))
                return true;
        }
    return false;
}

int RunLength(const unsigned char cells[100], int row, int col, int dRow, int dCol)
{
    int length = 0;
    while (IsDeck(cells, row + length * dRow, col + length * dCol))
        ++length;
    return length;
}
} // namespace

bool IsValidFleet(const unsigned char cells[100])
{
    for (int i = 0; i < SIZE * SIZE; ++i)
        if (cells[i] != WATER && cells[i] != DECK)
            return false;
    if (AnyCornerContact(cells))
        return false;

    int ships[LONGEST + 1] = {};
    for (int row = 0; row < SIZE; ++row)
        for (int col = 0; col < SIZE; ++col) {
            // A ship is counted at its first deck: none above it, none to its left.
            if (!IsDeck(cells, row, col) || IsDeck(cells, row - 1, col) || IsDeck(cells, row, col - 1))
                continue;
            const int across = RunLength(cells, row, col, 0, 1);
            const int down = RunLength(cells, row, col, 1, 0);
            const int length = across > down ? across : down;
            if (length > LONGEST)
                return false;
            ++ships[length];
        }
    for (int length = 1; length <= LONGEST; ++length)
        if (ships[length] != LONGEST + 1 - length)
            return false;
    return true;
}
