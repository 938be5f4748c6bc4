#include "game/spokentext.h"

#include "store/settings.h"

namespace {

struct Words {
    const char* english;
    const char* russian;
};

const Words PHRASES[] = {
    {"Your turn", "Ваш ход"},
    {"You win!", "Вы победили!"},
    {"You lose!", "Вы проиграли!"},
    {"Battlefield", "Поле боя"},
    {"Your fleet", "Ваш флот"},
    {"Tab: next ship, arrows: move it, R or Space: turn it",
     "Tab: следующий корабль, стрелки: двигать, R или пробел: повернуть"},
    {"your board", "ваше поле"},
};

// Russian players skip Й, so the tenth column is К.
const char* const RUSSIAN_COLUMNS[BOARD_SIZE] = {"А", "Б", "В", "Г", "Д", "Е", "Ж", "З", "И", "К"};

const Words STATE_WORDS[] = {
    {"not shot", "не обстреляна"},   // CELL_WATER
    {"miss", "мимо"},                // CELL_MISS
    {"your deck", "ваша палуба"},    // CELL_SHIP: only its owner ever sees one
    {"hit", "ранен"},                // CELL_HIT
    {"sunk", "убит"},                // CELL_SUNK
    {"afloat", "уцелел"},            // CELL_SHOWN
};

// Ships by length, in the order of the table below a board: one deck first.
const Words SHIP_KINDS_SAID[SHIP_KINDS] = {
    {"one-deck", "однопалубных"},
    {"two-deck", "двухпалубных"},
    {"three-deck", "трёхпалубных"},
    {"four-deck", "четырёхпалубных"},
};

std::string Say(const Words& words)
{
    return English ? words.english : words.russian;
}

// "1 deck", "3 decks"; "1 палуба", "3 палубы" (a ship has at most four).
std::string Decks(int count)
{
    const std::string n = std::to_string(count);
    if (English)
        return n + (count == 1 ? " deck" : " decks");
    return n + (count == 1 ? " палуба" : " палубы");
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

const char* Phrase(SpokenPhrase phrase)
{
    const Words& words = PHRASES[phrase];
    return English ? words.english : words.russian;
}

std::string ColumnName(int col)
{
    if (English)
        return std::string(1, static_cast<char>('A' + col));
    return RUSSIAN_COLUMNS[col];
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
    static const Words WHOSE[] = {{"Enemy ships afloat", "Корабли противника на плаву"},
                                  {"Your ships afloat", "Ваши корабли на плаву"}};
    std::string text = Say(WHOSE[player.m_bHuman ? 1 : 0]);
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
    if (length > 1)
        text += (English ? " to " : " – ") + CellName(lastRow, lastCol);
    if (touching)
        text += English ? " (ships touch: OK is refused)" : " (корабли касаются: OK недоступен)";
    return text;
}

std::string PlacementCellText(int decks, int ships)
{
    if (ships == 0)
        return English ? "water" : "вода";
    if (ships > 1)
        return English ? "ships overlap" : "корабли наложены";
    return (English ? "ship of " : "корабль, ") + Decks(decks);
}
