// Random fleets: every one is legal, the opponent's stays hidden, the draws
// come in their fixed order (a seed replays a fleet), and no legal position
// is out of reach.

#include "boardtext.h"
#include "fleetrules.h"

#include "game/gamerand.h"
#include "game/player.h"

#include <QtTest>

#include <algorithm>
#include <set>
#include <tuple>

namespace {

const unsigned int FleetSeeds = 3000;

// The fleet the generator's next draws must give: for each ship, longest
// first, one orientation draw (0 across, 1 down), then row and column draws
// until the ship and its border lie on open water; single decks draw only a
// row and a column.
QString FleetFromDraws()
{
    signed char sea[BOARD_CELLS] = {};
    auto isClear = [&](int top, int left, int bottom, int right) {
        for (int r = std::max(top, 0); r <= std::min(bottom, 9); ++r) {
            for (int c = std::max(left, 0); c <= std::min(right, 9); ++c) {
                if (sea[r * 10 + c])
                    return false;
            }
        }
        return true;
    };
    for (int length : {4, 3, 3, 2, 2, 2, 1, 1, 1, 1}) {
        const bool down = length > 1 && GameRand() % 2 == 1;
        for (;;) {
            const int row = GameRand() % (down ? 11 - length : 10);
            const int col = GameRand() % (down || length == 1 ? 10 : 11 - length);
            const int height = down ? length : 1;
            const int width = down ? 1 : length;
            if (!isClear(row - 1, col - 1, row + height, col + width))
                continue;
            for (int i = 0; i < length; ++i)
                sea[down ? (row + i) * 10 + col : row * 10 + col + i] = CELL_SHIP;
            break;
        }
    }
    return PictureOf(sea);
}

}  // namespace

class TestRandomFleet : public QObject {
    Q_OBJECT

private slots:
    void everyFleetIsLegalAndFull_data();
    void everyFleetIsLegalAndFull();

    void opponentsFleetStaysHidden_data();
    void opponentsFleetStaysHidden();

    void fleetFollowsTheDrawsInOrder_data();
    void fleetFollowsTheDrawsInOrder();

    void everyStartingPlaceIsReachable();
    void shipsMayLieOneCellApart();
};

void TestRandomFleet::everyFleetIsLegalAndFull_data()
{
    QTest::addColumn<bool>("human");
    QTest::newRow("player one") << true;
    QTest::newRow("player two") << false;
}

void TestRandomFleet::everyFleetIsLegalAndFull()
{
    QFETCH(bool, human);

    CPlayer player(human);
    for (unsigned int seed = 0; seed < FleetSeeds; ++seed) {
        GameSrand(seed);
        // Left-overs of a previous game must not survive a new fleet.
        LoadFleet(player, QString(100, 'o'));
        LoadCounts(player, "0000");
        player.PlaceFleetRandom();

        const QString fault =
            FleetFault([&](int cell) { return player.m_fleet[cell] == CELL_SHIP; });
        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(fault)));
        for (int i = 0; i < BOARD_CELLS; ++i)
            QVERIFY(player.m_fleet[i] == CELL_WATER || player.m_fleet[i] == CELL_SHIP);
        QCOMPARE(CountsOf(player), QString("4321"));
    }
}

void TestRandomFleet::opponentsFleetStaysHidden_data()
{
    QTest::addColumn<bool>("human");
    QTest::addColumn<bool>("visible");
    QTest::newRow("player one sees their own fleet") << true << true;
    QTest::newRow("player two's fleet is hidden") << false << false;
}

void TestRandomFleet::opponentsFleetStaysHidden()
{
    QFETCH(bool, human);
    QFETCH(bool, visible);

    GameSrand(7);
    CPlayer player(human);
    player.PlaceFleetRandom();
    for (int i = 0; i < BOARD_CELLS; ++i)
        QCOMPARE(int(player.m_view[i]), int(CELL_WATER));

    player.SyncView();
    int shown = 0;
    for (int i = 0; i < BOARD_CELLS; ++i) {
        QCOMPARE(player.m_mirror[i], player.m_fleet[i]);
        shown += player.m_view[i] == CELL_SHIP;
    }
    QCOMPARE(shown, visible ? 20 : 0);
}

void TestRandomFleet::fleetFollowsTheDrawsInOrder_data()
{
    QTest::addColumn<unsigned int>("firstSeed");
    for (unsigned int first : {0u, 100000u, 4000000000u})
        QTest::newRow(qPrintable(QStringLiteral("seeds from %1").arg(first))) << first;
}

void TestRandomFleet::fleetFollowsTheDrawsInOrder()
{
    QFETCH(unsigned int, firstSeed);

    CPlayer player(true);
    for (unsigned int seed = firstSeed; seed < firstSeed + 500; ++seed) {
        GameSrand(seed);
        const QString expected = FleetFromDraws();
        GameSrand(seed);
        player.PlaceFleetRandom();
        QCOMPARE(PictureOf(player.m_fleet), expected);
    }
}

void TestRandomFleet::everyStartingPlaceIsReachable()
{
    // (length, vertical, first cell) of every ship seen over many fleets.
    std::set<std::tuple<int, bool, int>> seen;
    CPlayer player(true);
    for (unsigned int seed = 0; seed < FleetSeeds; ++seed) {
        GameSrand(seed);
        player.PlaceFleetRandom();
        const auto ships = GroupDecks([&](int cell) { return player.m_fleet[cell] == CELL_SHIP; });
        for (const FleetShip& ship : ships) {
            const bool vertical = ship.length > 1 && ship.cells[1] == ship.cells[0] + 10;
            seen.insert({ship.length, vertical, ship.cells.first()});
        }
    }

    for (int length = 1; length <= 4; ++length) {
        for (bool vertical : {false, true}) {
            if (length == 1 && vertical)
                continue;
            const int lastStart = 10 - length;
            for (int a = 0; a < 10; ++a) {
                for (int b = 0; b <= lastStart; ++b) {
                    const int first = vertical ? b * 10 + a : a * 10 + b;
                    QVERIFY2(seen.count({length, vertical, first}),
                             qPrintable(QStringLiteral("length %1 %2 never starts at row %3, column %4")
                                            .arg(length)
                                            .arg(vertical ? "down" : "across")
                                            .arg(first / 10)
                                            .arg(first % 10)));
                }
            }
        }
    }
}

void TestRandomFleet::shipsMayLieOneCellApart()
{
    CPlayer player(true);
    bool gapOfOne = false;
    for (unsigned int seed = 0; seed < 200 && !gapOfOne; ++seed) {
        GameSrand(seed);
        player.PlaceFleetRandom();
        // Two decks two cells apart in a row with water between are two ships.
        for (int row = 0; row < 10; ++row) {
            for (int col = 0; col + 2 < 10; ++col) {
                gapOfOne = gapOfOne
                           || (player.GetCell(row, col) == CELL_SHIP
                               && player.GetCell(row, col + 1) == CELL_WATER
                               && player.GetCell(row, col + 2) == CELL_SHIP);
            }
        }
    }
    QVERIFY(gapOfOne);
}

QTEST_APPLESS_MAIN(TestRandomFleet)
#include "tst_randomfleet.moc"
