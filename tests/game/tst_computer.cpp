// The computer opponent: where it aims at each level, that it sees only what
// a human would see, and that whole games keep the rules.

#include "boardtext.h"

#include "game/gamerand.h"
#include "game/globals.h"
#include "game/player.h"
#include "store/settings.h"

#include <QtTest>

#include <cstring>

namespace {

const unsigned int DrawSeed = 12345;

// The cell a shot landed on, from the board before and after it: the deck
// it hit, or else the water it turned into a miss; -1 when nothing changed.
int ShotCell(const signed char before[BOARD_CELLS], const signed char after[BOARD_CELLS])
{
    int miss = -1;
    for (int i = 0; i < BOARD_CELLS; ++i) {
        if (before[i] == CELL_SHIP && after[i] != CELL_SHIP)
            return i;
        if (before[i] == CELL_WATER && after[i] == CELL_MISS)
            miss = i;
    }
    return miss;
}

// Where the random step must land: the first drawn cell that is neither a
// miss nor a hit deck.
int FirstRandomTarget(const CPlayer& board, unsigned int seed)
{
    GameSrand(seed);
    for (;;) {
        const int row = GameRand() % 10;
        const int col = GameRand() % 10;
        const signed char code = board.GetCell(row, col);
        if (code != CELL_MISS && code != CELL_HIT)
            return row * 10 + col;
    }
}

int FiredAt(CPlayer& board, unsigned int seed)
{
    signed char before[BOARD_CELLS];
    std::memcpy(before, board.m_fleet, sizeof before);
    GameSrand(seed);
    MyTurn = 0;
    if (!board.ComputerShot())
        return -2;
    return ShotCell(before, board.m_fleet);
}

bool NextToHitDeck(const signed char grid[BOARD_CELLS], int cell)
{
    const int row = cell / 10;
    const int col = cell % 10;
    const int dr[4] = {-1, 0, 1, 0};
    const int dc[4] = {0, -1, 0, 1};
    for (int k = 0; k < 4; ++k) {
        const int r = row + dr[k];
        const int c = col + dc[k];
        if (r >= 0 && r < 10 && c >= 0 && c < 10 && grid[r * 10 + c] == CELL_HIT)
            return true;
    }
    return false;
}

// Water next to a sunk deck (any side) or diagonal to a hit deck is a fault:
// the shot rules mark it as soon as the deck is hit.
QString UnmarkedWater(const CPlayer& board)
{
    for (int i = 0; i < BOARD_CELLS; ++i) {
        const signed char code = board.m_fleet[i];
        if (code != CELL_SUNK && code != CELL_HIT)
            continue;
        for (int dr = -1; dr <= 1; ++dr) {
            for (int dc = -1; dc <= 1; ++dc) {
                const bool diagonal = dr != 0 && dc != 0;
                if ((dr == 0 && dc == 0) || (code == CELL_HIT && !diagonal))
                    continue;
                const int r = i / 10 + dr;
                const int c = i % 10 + dc;
                if (r >= 0 && r < 10 && c >= 0 && c < 10 && board.GetCell(r, c) == CELL_WATER)
                    return QStringLiteral("water at %1,%2 beside %3,%4").arg(r).arg(c).arg(i / 10).arg(i % 10);
            }
        }
    }
    return QString();
}

bool CodeMayBecome(signed char before, signed char after)
{
    switch (before) {
    case CELL_WATER: return after == CELL_WATER || after == CELL_MISS;
    case CELL_SHIP: return after == CELL_SHIP || after == CELL_HIT || after == CELL_SUNK;
    case CELL_HIT: return after == CELL_HIT || after == CELL_SUNK;
    default: return after == before;
    }
}

}  // namespace

class TestComputer : public QObject {
    Q_OBJECT

private slots:
    void init();

    void computerChoosesItsTarget_data();
    void computerChoosesItsTarget();

    void onlyOneLengthLeftIgnoresSingleDecks_data();
    void onlyOneLengthLeftIgnoresSingleDecks();

    void everyLevelFinishesEveryGameByTheRules_data();
    void everyLevelFinishesEveryGameByTheRules();

    void computerCannotSeeShipsItHasNotHit_data();
    void computerCannotSeeShipsItHasNotHit();
};

void TestComputer::init()
{
    Level = 1;
    English = 0;
    MyTurn = 0;
    Tradition = 1;
    Sound = 0;
    ShowShipCount = 1;
}

void TestComputer::computerChoosesItsTarget_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("counts");
    QTest::addColumn<QString>("board");
    // row * 10 + column; -1 for the random draw; -2 for no shot at all
    QTest::addColumn<int>("target");

    const QString wounded = ".......... .......... .......... ...o.o.... ....X#...."
                            "...o.o.... .......... .......... ......#... ..........";
    QTest::newRow("easy ignores a wounded ship") << 1 << "4321" << wounded << -1;
    QTest::newRow("normal finishes a wounded ship") << 2 << "4321" << wounded << 34;
    QTest::newRow("normal probes below when above and left are off the board")
        << 2 << "4321"
        << "X#........ .o........ .......... .......... .........."
           ".......... .......... .......... .......... .........." << 10;
    QTest::newRow("normal turns right once below is a miss")
        << 2 << "4321"
        << "X#........ oo........ .......... .......... .........."
           ".......... .......... .......... .......... .........." << 1;
    QTest::newRow("normal tries left before below")
        << 2 << "4321"
        << ".....X.... ....o.o... .......... .......... .........."
           ".......... .......... .......... .......... .........." << 4;
    QTest::newRow("normal passes a boxed-in hit deck and goes on to the next")
        << 2 << "4321"
        << ".......... .......... ....ooo... ....oXo... ....oXo..."
           "....o#o... .......... .......... .......... .........." << 55;
    QTest::newRow("normal takes an undiscovered deck for water")
        << 2 << "4321"
        << ".......... .......... .......... .......... .....#...."
           "....oXo... .......... .......... .......... .........." << 45;
    QTest::newRow("normal does not hunt") << 2 << "2001" << OpenSea() << -1;

    QTest::newRow("hard hunts the four-decker at the second cell of row 0")
        << 3 << "2001" << OpenSea() << 1;
    QTest::newRow("hard skips places a miss blocks")
        << 3 << "2001"
        << "..o....... .......... .......... .......... .........."
           ".......... .......... .......... .......... .........." << 4;
    QTest::newRow("hard skips places a sunk ship blocks")
        << 3 << "0100"
        << "**o....... ooo....... .......... .......... .........."
           ".......... .......... .......... .......... .........." << 4;
    QTest::newRow("hard shoots at random while a three-decker is afloat too")
        << 3 << "2011" << OpenSea() << -1;
    QTest::newRow("hard shoots at random with only single decks left")
        << 3 << "2000" << OpenSea() << -1;
    QTest::newRow("hard finds the only pair left, down a column")
        << 3 << "0100"
        << "oooooooooo oooooooooo oooooooooo oooooooooo oooooooooo"
           "oooooooooo oooooooooo ooooooooo# ooooooooo# oooooooooo" << 89;
    QTest::newRow("hard prefers a place across to one down")
        << 3 << "0100"
        << "oooooooooo oooooooooo .ooooooooo .ooooooooo oooooooooo"
           "ooo..ooooo oooooooooo oooooooooo oooooooooo oooooooooo" << 54;
    QTest::newRow("hard orders places down by their first row")
        << 3 << "0100"
        << "ooooooo.oo ooooooo.oo oooooooooo o.oooooooo o.oooooooo"
           "oooooooooo oooooooooo oooooooooo oooooooooo oooooooooo" << 17;
    QTest::newRow("nothing left to aim at is refused rather than drawn for ever")
        << 1 << "1000" << QString(100, 'o') << -2;
    QTest::newRow("hard finishes a wounded ship before hunting")
        << 3 << "2001"
        << ".......... .......... .......... .......... .........."
           "....oXo... .......... .......... .......... .........." << 45;
}

void TestComputer::computerChoosesItsTarget()
{
    QFETCH(int, level);
    QFETCH(QString, counts);
    QFETCH(QString, board);
    QFETCH(int, target);

    Level = level;
    CPlayer human(true);
    LoadFleet(human, board);
    human.SyncView();
    LoadCounts(human, qPrintable(counts));
    const int expected = target == -1 ? FirstRandomTarget(human, DrawSeed) : target;

    QCOMPARE(FiredAt(human, DrawSeed), expected);
}

void TestComputer::onlyOneLengthLeftIgnoresSingleDecks_data()
{
    QTest::addColumn<QString>("counts");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("only");

    QTest::newRow("the four-decker alone") << "0001" << 4 << true;
    QTest::newRow("single decks do not count") << "4001" << 4 << true;
    QTest::newRow("a three-decker as well") << "0011" << 4 << false;
    QTest::newRow("a two-decker as well") << "0101" << 3 << false;
    QTest::newRow("none of that length") << "0010" << 4 << false;
    QTest::newRow("several of that length") << "3300" << 2 << true;
    QTest::newRow("nothing left") << "0000" << 2 << false;
    QTest::newRow("only single decks") << "2000" << 3 << false;
}

void TestComputer::onlyOneLengthLeftIgnoresSingleDecks()
{
    QFETCH(QString, counts);
    QFETCH(int, length);
    QFETCH(bool, only);

    CPlayer human(true);
    LoadCounts(human, qPrintable(counts));
    QCOMPARE(human.OnlyLengthLeft(length), only);
}

void TestComputer::everyLevelFinishesEveryGameByTheRules_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("tradition");
    for (int level = 1; level <= 3; ++level) {
        for (bool tradition : {true, false})
            QTest::newRow(qPrintable(QStringLiteral("level %1, traditional rule %2")
                                         .arg(level).arg(tradition ? "on" : "off")))
                << level << tradition;
    }
}

void TestComputer::everyLevelFinishesEveryGameByTheRules()
{
    QFETCH(int, level);
    QFETCH(bool, tradition);

    Level = level;
    Tradition = tradition;
    CPlayer human(true);
    for (unsigned int seed = 0; seed < 300; ++seed) {
        GameSrand(seed);
        human.PlaceFleetRandom();
        human.SyncView();
        const QString where = QStringLiteral("seed %1").arg(seed);

        int calls = 0;
        while (!human.AllSunk()) {
            if (++calls > 5000)
                QFAIL(qPrintable(where + ": the game does not end"));
            signed char before[BOARD_CELLS];
            std::memcpy(before, human.m_fleet, sizeof before);
            signed char countsBefore[SHIP_KINDS];
            std::memcpy(countsBefore, human.m_shipsLeft, sizeof countsBefore);
            bool woundedShip = false;
            for (signed char code : before)
                woundedShip = woundedShip || code == CELL_HIT;

            MyTurn = 0;
            QVERIFY(human.ComputerShot());

            for (int i = 0; i < BOARD_CELLS; ++i) {
                if (!CodeMayBecome(before[i], human.m_fleet[i]))
                    QFAIL(qPrintable(where + QStringLiteral(": cell %1 went %2 -> %3")
                                                 .arg(i).arg(int(before[i])).arg(int(human.m_fleet[i]))));
            }
            for (int k = 0; k < SHIP_KINDS; ++k) {
                QVERIFY(human.m_shipsLeft[k] >= 0);
                QVERIFY(human.m_shipsLeft[k] <= countsBefore[k]);
            }
            const QString unmarked = UnmarkedWater(human);
            if (!unmarked.isEmpty())
                QFAIL(qPrintable(where + ": " + unmarked));

            if (level >= 2 && woundedShip) {
                const int cell = ShotCell(before, human.m_fleet);
                if (cell < 0 || !NextToHitDeck(before, cell))
                    QFAIL(qPrintable(where + QStringLiteral(": left a wounded ship for %1").arg(cell)));
            }
        }
        QCOMPARE(CountsOf(human), QString("0000"));
        int sunk = 0;
        for (signed char code : human.m_fleet)
            sunk += code == CELL_SUNK;
        QCOMPARE(sunk, 20);
    }
}

void TestComputer::computerCannotSeeShipsItHasNotHit_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("easy") << 1;
    QTest::newRow("normal") << 2;
    QTest::newRow("hard") << 3;
}

void TestComputer::computerCannotSeeShipsItHasNotHit()
{
    QFETCH(int, level);

    Level = level;
    CPlayer real(true);
    CPlayer blank(true);
    for (unsigned int seed = 0; seed < 400; ++seed) {
        // A game part played, then the same knowledge without the ships.
        GameSrand(seed);
        real.PlaceFleetRandom();
        for (unsigned int n = seed % 60; n > 0 && !real.AllSunk(); --n)
            real.ComputerShot();
        if (real.AllSunk())
            continue;
        blank = real;
        for (signed char& code : blank.m_fleet) {
            if (code == CELL_SHIP)
                code = CELL_WATER;
        }

        const unsigned int drawSeed = seed * 7919u;
        QCOMPARE(FiredAt(blank, drawSeed), FiredAt(real, drawSeed));
    }
}

QTEST_APPLESS_MAIN(TestComputer)
#include "tst_computer.moc"
