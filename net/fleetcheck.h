#pragma once

#include <cstddef>

// True when the hundred cell codes (row-major) hold exactly the fleet of the
// game: only water (0) and decks (2), ten straight ships (four of one deck,
// three of two, two of three, one of four) that touch nowhere, not even at
// a corner. A partner's fleet is taken only when it passes.
bool IsValidFleet(const unsigned char cells[100]);
