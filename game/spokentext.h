#pragma once

#include "game/player.h"

#include <string>

// What the game says to a screen reader, in the player's language (the
// catalogue's context "SpokenText"), as UTF-8. Cells are named the way
// players call them out: the column letter (A-J, or А-К without Й in
// Russian) and the row 1-10.

enum SpokenPhrase {
    SAY_YOUR_TURN,
    SAY_YOU_WIN,
    SAY_YOU_LOSE,
    SAY_BATTLEFIELD,      // the area that holds both boards
    SAY_YOUR_FLEET,       // the placement board
    SAY_PLACEMENT_KEYS,   // how the placement board is worked from the keyboard
    SAY_YOUR_BOARD,       // the player's own board, shot at by the opponent
};

std::string Phrase(SpokenPhrase phrase);

// "E"
std::string ColumnName(int col);
// "E5"
std::string CellName(int row, int col);
// What the owner of a board may know of one of its cells: "not shot",
// "miss", "hit", "sunk", "your deck"; "afloat" for a deck shown after a loss.
std::string CellStateWord(const CPlayer& board, int row, int col);
// The result of the shot that has just hit the cell: "E5: miss", "E5: hit",
// "E5: sunk, 3 decks".
std::string ShotReport(const CPlayer& target, int row, int col);
// The table below a board: whose ships, and how many of each length are
// still afloat.
std::string ShipsAfloatText(const CPlayer& player);
// A ship being arranged, from its first deck to its last: "3 decks: B2 to B4";
// touching adds that OK is refused while ships touch or overlap.
std::string PlacedShipText(int length, int firstRow, int firstCol, int lastRow, int lastCol,
                           bool touching);
// A cell of the placement board: "water", "ship of 3 decks", or "ships
// overlap" when more than one ship has a deck there.
std::string PlacementCellText(int decks, int ships);
