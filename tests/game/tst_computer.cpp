// The computer opponent: where it aims at each level, that it sees only what
// a human would see, and that whole games keep the rules.

#include "boardtext.h"

#include "game/gamerand.h"
#include "game/globals.h"
#include "store/settings.h"

#include <QtTest>

#include <algorithm>

namespace {

// A board of misses with water left only at the given cells.
QString WaterOnlyAt(std::initializer_list<int> cells)
{
    QString board(BOARD_CELLS, 'o');
    for (int cell : cells)
        board[cell] = '.';
    return board;
}

// The cell the computer fires at after seeding the generator: the deck it
// hit, else the water it missed; -1 when nothing changed, -2 for no shot.
int FiredAt(CPlayer& board, unsigned int seed)
{
    const CPlayer before = board;
    GameSrand(seed);
    if (!board.ComputerShot())
        return -2;
    int miss = -1;
    for (int i = 0; i < BOARD_CELLS; ++i) {
        if (before.m_fleet[i] == CELL_SHIP && board.m_fleet[i] != CELL_SHIP)
            return i;
        if (before.m_fleet[i] == CELL_WATER && board.m_fleet[i] == CELL_MISS)
            miss = i;
    }
    return miss;
}

// The first drawn cell (row first) that is neither a miss nor a hit deck.
int FirstRandomTarget(const CPlayer& board, unsigned int seed)
{
    GameSrand(seed);
    for (;;) {
        const int row = GameRand() % 10, col = GameRand() % 10;
        if (board.GetCell(row, col) != CELL_MISS && board.GetCell(row, col) != CELL_HIT)
            return row * 10 + col;
    }
}

// Water touching a sunk deck, or diagonal to a hit deck, should have been marked.
bool WaterLeftUnmarked(const CPlayer& board)
{
    for (int i = 0; i < BOARD_CELLS; ++i) {
        for (int r = i / 10 - 1; r <= i / 10 + 1; ++r) {
            for (int c = i % 10 - 1; c <= i % 10 + 1; ++c) {
                const bool diagonal = r != i / 10 && c != i % 10;
                const bool marked = board.m_fleet[i] == CELL_SUNK || (board.m_fleet[i] == CELL_HIT && diagonal);
                if (marked && r >= 0 && r < 10 && c >= 0 && c < 10 && board.m_fleet[r * 10 + c] == CELL_WATER)
                    return true;
            }
        }
    }
    return false;
}

bool MayBecome(signed char before, signed char after)
{
    return after == before || (before == CELL_WATER && after == CELL_MISS)
           || (before == CELL_SHIP && (after == CELL_HIT || after == CELL_SUNK))
           || (before == CELL_HIT && after == CELL_SUNK);
}

}  // namespace

class TestComputer : public QObject {
    Q_OBJECT

private slots:
    void computerChoosesItsTarget_data()
    {
        // counts: ships afloat by length 1-4; target: row * 10 + column, -1
        // for the random draw, -2 for no shot at all.
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("counts");
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("target");
        const QString wounded = "...o.o.... ....X#.... ...o.o";
        QTest::newRow("easy ignores a wounded ship") << 1 << "4321" << wounded << -1;
        QTest::newRow("normal probes above a wounded ship first") << 2 << "4321" << wounded << 4;
        QTest::newRow("normal probes left before below") << 2 << "4321" << ".....X.... ....o.o" << 4;
        QTest::newRow("normal probes below when above and left are off the board") << 2 << "4321" << "X#........ .o" << 10;
        QTest::newRow("normal probes right once below is a miss") << 2 << "4321" << "X#........ oo" << 1;
        QTest::newRow("normal passes a boxed-in hit deck and takes a deck for water") << 2 << "4321" << "....oXo... ....oXo... ....o#o" << 25;
        QTest::newRow("normal does not hunt") << 2 << "2001" << "" << -1;
        QTest::newRow("hard hunts the four-decker at the second cell of row 0") << 3 << "2001" << "" << 1;
        QTest::newRow("hard skips places a miss blocks") << 3 << "2001" << "..o" << 4;
        QTest::newRow("hard skips places a sunk ship blocks") << 3 << "0200" << "**o....... ooo" << 4;
        QTest::newRow("hard finds a place across at the last columns") << 3 << "0100" << WaterOnlyAt({98, 99}) << 99;
        QTest::newRow("hard finds a place down at the last rows") << 3 << "0100" << WaterOnlyAt({89, 99}) << 99;
        QTest::newRow("hard prefers a place across to one down") << 3 << "0100" << WaterOnlyAt({20, 30, 53, 54}) << 54;
        QTest::newRow("hard orders places down by their first row") << 3 << "0100" << WaterOnlyAt({7, 17, 31, 41}) << 17;
        QTest::newRow("hard shoots at random while a three-decker is afloat too") << 3 << "2011" << "" << -1;
        QTest::newRow("hard never hunts single decks") << 3 << "2000" << "" << -1;
        QTest::newRow("hard finishes a wounded ship before hunting") << 3 << "2001" << "....oXo" << 15;
        QTest::newRow("nothing left to aim at is refused, not drawn for ever") << 1 << "1000" << QString(100, 'o') << -2;
    }
    void computerChoosesItsTarget()
    {
        QFETCH(int, level);
        QFETCH(QString, board);
        QFETCH(int, target);
        Level = level;
        CPlayer human(true);
        LoadFleet(human, board);
        human.SyncView();
        QFETCH(QString, counts);
        LoadCounts(human, counts);
        // Seed 1 draws row 1, column 7 first: a column drawn first would show.
        QCOMPARE(FiredAt(human, 1), target == -1 ? FirstRandomTarget(human, 1) : target);
    }

    void everyLevelFinishesEveryGameByTheRules_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("easy") << 1;
        QTest::newRow("normal") << 2;
        QTest::newRow("hard") << 3;
    }
    void everyLevelFinishesEveryGameByTheRules()
    {
        QFETCH(int, level);
        Level = level;
        CPlayer human(true), blind(true);
        for (unsigned int seed = 0; seed < 300; ++seed) {
            GameSrand(seed);
            human.PlaceFleetRandom();
            human.SyncView();
            for (int shots = 0; !human.AllSunk(); ++shots) {
                const QString where = QStringLiteral("seed %1, shot %2").arg(seed).arg(shots);
                QVERIFY2(shots < 5000, qPrintable(where + ": the game does not end"));
                // The same knowledge without the decks not yet hit must draw the same shot.
                blind = human;
                std::replace(blind.m_fleet, blind.m_fleet + BOARD_CELLS, CELL_SHIP, CELL_WATER);
                const CPlayer before = human;
                const int seen = FiredAt(blind, seed + 7919u * shots);
                QVERIFY2(FiredAt(human, seed + 7919u * shots) == seen, qPrintable(where + ": aimed by unseen decks"));
                // Cell codes only grow, ships-left counts only fall.
                for (int i = 0; i < BOARD_CELLS; ++i)
                    QVERIFY2(MayBecome(before.m_fleet[i], human.m_fleet[i]), qPrintable(where));
                for (int k = 0; k < SHIP_KINDS; ++k)
                    QVERIFY2(human.m_shipsLeft[k] >= 0 && human.m_shipsLeft[k] <= before.m_shipsLeft[k], qPrintable(where));
                QVERIFY2(!WaterLeftUnmarked(human), qPrintable(where + ": water left unmarked"));
            }
            QCOMPARE(CountsOf(human), QString("0000"));
            QCOMPARE(std::count(human.m_fleet, human.m_fleet + BOARD_CELLS, CELL_SUNK), 20L);
        }
    }
};

QTEST_APPLESS_MAIN(TestComputer)
#include "tst_computer.moc"
