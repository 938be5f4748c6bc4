#include "game/spokentext.h"

#include "game/texts.h"

namespace {

const char* const CONTEXT = "SpokenText";

const char* const PHRASES[] = {
    QT_TRANSLATE_NOOP("SpokenText", "Your turn"),
    QT_TRANSLATE_NOOP("SpokenText", "You win!"),
    QT_TRANSLATE_NOOP("SpokenText", "You lose!"),
    QT_TRANSLATE_NOOP("SpokenText", "Battlefield"),
    QT_TRANSLATE_NOOP("SpokenText", "Your fleet"),
    QT_TRANSLATE_NOOP("SpokenText", "Tab: next ship, arrows: move it, R or Space: turn it"),
    //: The player's own board, as the opponent's shots at it are reported.
    QT_TRANSLATE_NOOP("SpokenText", "your board"),
};

const char* const STATE_WORDS[] = {
    //: A cell of a board.
    QT_TRANSLATE_NOOP("SpokenText", "not shot"),    // CELL_WATER
    //: A cell of a board.
    QT_TRANSLATE_NOOP("SpokenText", "miss"),        // CELL_MISS
    //: A cell of a board.
    QT_TRANSLATE_NOOP("SpokenText", "your deck"),   // CELL_SHIP: only its owner ever sees one
    //: A cell of a board.
    QT_TRANSLATE_NOOP("SpokenText", "hit"),         // CELL_HIT
    //: A cell of a board.
    QT_TRANSLATE_NOOP("SpokenText", "sunk"),        // CELL_SUNK
    //: A cell of a board: a deck shown after a lost game.
    QT_TRANSLATE_NOOP("SpokenText", "afloat"),      // CELL_SHOWN
};

// Ships by length, in the order of the table below a board: one deck first.
const char* const SHIP_KINDS_SAID[SHIP_KINDS] = {
    //: Ships afloat: the count of ships of one deck follows.
    QT_TRANSLATE_NOOP("SpokenText", "one-deck"),
    //: Ships afloat: the count of ships of two decks follows.
    QT_TRANSLATE_NOOP("SpokenText", "two-deck"),
    //: Ships afloat: the count of ships of three decks follows.
    QT_TRANSLATE_NOOP("SpokenText", "three-deck"),
    //: Ships afloat: the count of ships of four decks follows.
    QT_TRANSLATE_NOOP("SpokenText", "four-deck"),
};

std::string Say(const char* source)
{
    return GameText(CONTEXT, source);
}

// "1 deck", "3 decks" (a ship has at most four).
std::string Decks(int count)
{
    return GameText(CONTEXT, QT_TRANSLATE_N_NOOP("SpokenText", "%n deck(s)"), count);
}

// The n-th character of a UTF-8 text, empty past its end.
std::string NthCharacter(const std::string& text, int n)
{
    size_t at = 0;
    for (int i = 0; at < text.size(); ++i) {
        size_t next = at + 1;
        while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80)
            ++next;
        if (i == n)
            return text.substr(at, next - at);
        at = next;
    }
    return {};
}

// The first "%1" of a text replaced.
std::string Filled(std::string text, const std::string& value)
{
    const size_t at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, value);
    return text;
}

signed char ViewAt(const CPlayer& board, int row, int col)
{
    if (row < 0 || row >= BOARD_SIZE || col < 0 || col >= BOARD_SIZE)
        return CELL_WATER;
    return board.m_view[row * BOARD_SIZE + col];
}

// Sunk decks in a line through the cell; ships never touch, so the longer
// of the two lines is the whole ship.
int SunkLength(const CPlayer& board, int row, int col)
{
    int across = 1;
    int down = 1;
    for (int c = col - 1; ViewAt(board, row, c) == CELL_SUNK; --c)
        ++across;
    for (int c = col + 1; ViewAt(board, row, c) == CELL_SUNK; ++c)
        ++across;
    for (int r = row - 1; ViewAt(board, r, col) == CELL_SUNK; --r)
        ++down;
    for (int r = row + 1; ViewAt(board, r, col) == CELL_SUNK; ++r)
        ++down;
    return across > down ? across : down;
}

} // namespace

std::string Phrase(SpokenPhrase phrase)
{
    return Say(PHRASES[phrase]);
}

std::string ColumnName(int col)
{
    //: The ten column letters of a board, left to right, one character each.
    const std::string letters = Say(QT_TRANSLATE_NOOP("SpokenText", "ABCDEFGHIJ"));
    const std::string letter = NthCharacter(letters, col);
    // A catalogue short of letters still names every column.
    return letter.empty() ? std::string(1, static_cast<char>('A' + col)) : letter;
}

std::string CellName(int row, int col)
{
    return ColumnName(col) + std::to_string(row + 1);
}

std::string CellStateWord(const CPlayer& board, int row, int col)
{
    const signed char code = ViewAt(board, row, col);
    if (code < CELL_WATER || code > CELL_SHOWN)
        return Say(STATE_WORDS[CELL_WATER]);
    return Say(STATE_WORDS[int(code)]);
}

std::string ShotReport(const CPlayer& target, int row, int col)
{
    std::string report = CellName(row, col) + ": " + CellStateWord(target, row, col);
    if (ViewAt(target, row, col) == CELL_SUNK)
        report += ", " + Decks(SunkLength(target, row, col));
    return report;
}

std::string ShipsAfloatText(const CPlayer& player)
{
    // Both tables are read alike, so each says whose ships it counts.
    std::string text = player.m_bHuman ? Say(QT_TRANSLATE_NOOP("SpokenText", "Your ships afloat"))
                                       : Say(QT_TRANSLATE_NOOP("SpokenText", "Enemy ships afloat"));
    for (int k = 0; k < SHIP_KINDS; ++k) {
        text += k == 0 ? " — " : ", ";
        text += Say(SHIP_KINDS_SAID[k]) + ": " + std::to_string(int(player.m_shipsLeft[k]));
    }
    return text;
}

std::string PlacedShipText(int length, int firstRow, int firstCol, int lastRow, int lastCol,
                           bool touching)
{
    std::string text = Decks(length) + ": " + CellName(firstRow, firstCol);
    //: Between the first and the last cell of a ship: A1 to A4.
    if (length > 1)
        text += Say(QT_TRANSLATE_NOOP("SpokenText", " to ")) + CellName(lastRow, lastCol);
    if (touching)
        text += Say(QT_TRANSLATE_NOOP("SpokenText", " (ships touch: OK is refused)"));
    return text;
}

std::string PlacementCellText(int decks, int ships)
{
    //: A cell of the placement board with no ship on it.
    if (ships == 0)
        return Say(QT_TRANSLATE_NOOP("SpokenText", "water"));
    //: A cell of the placement board where two ships lie on each other.
    if (ships > 1)
        return Say(QT_TRANSLATE_NOOP("SpokenText", "ships overlap"));
    //: A cell of the placement board; %1 is the ship's length: "3 decks".
    return Filled(Say(QT_TRANSLATE_NOOP("SpokenText", "ship of %1")), Decks(decks));
}
