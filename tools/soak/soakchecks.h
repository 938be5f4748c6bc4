#pragma once

#include <array>
#include <string>
#include <vector>

class CRecordTable;

// One row of the table of records as the player reads it.
struct SoakRecord {
    std::string name;
    int wins = 0;
    int losses = 0;
    int score = 0;
    bool operator==(const SoakRecord& o) const
    {
        return name == o.name && wins == o.wins && losses == o.losses && score == o.score;
    }
};
using SoakRecords = std::vector<SoakRecord>;

// A fleet judged from its grid alone, knowing nothing of how the game
// placed it: decks (codes from CELL_SHIP up) touching in any of the eight
// directions are one ship.
struct FleetVerdict {
    std::string fault;                 // empty for a legal fleet
    std::array<int, 4> afloat{};       // ships with an unhit deck, by length - 1
    int AfloatTotal() const { return afloat[0] + afloat[1] + afloat[2] + afloat[3]; }
};
FleetVerdict JudgeFleet(const signed char (&grid)[100]);

SoakRecords RowsOf(const CRecordTable& table);

// Empty when `after` is `before` with the named player's row moved by
// exactly one win or one loss and the level's points, every other row
// untouched and the rows in order of score.
std::string RecordChangeFault(const SoakRecords& before, const SoakRecords& after, const std::string& name,
                              bool won, int level);

// The table as it stands in the text of an INI profile file.
SoakRecords RecordsInIni(const std::string& text);
