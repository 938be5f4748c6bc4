// Random fleets: every one is legal and complete, the opponent's stays
// hidden, and the draws come in their fixed order, so a seed replays a fleet.

#include "boardtext.h"
#include "fleetrules.h"

#include "game/gamerand.h"

#include <QtTest>

#include <algorithm>

namespace {

// The fleet the next draws must give: longest ship first, one orientation
// draw (1 down), then row and column draws until the ship and the cells
// around it are open water; single decks draw only a row and a column.
QString FleetFromDraws()
{
    signed char sea[BOARD_CELLS] = {};
    const auto clear = [&](int top, int left, int bottom, int right) {
        for (int r = std::max(top, 0); r <= std::min(bottom, 9); ++r)
            for (int c = std::max(left, 0); c <= std::min(right, 9); ++c)
                if (sea[r * 10 + c])
                    return false;
        return true;
    };
    for (int length : {4, 3, 3, 2, 2, 2, 1, 1, 1, 1}) {
        const bool down = length > 1 && GameRand() % 2 == 1;
        int row, col;
        do {
            row = GameRand() % (down ? 11 - length : 10);
            col = GameRand() % (down || length == 1 ? 10 : 11 - length);
        } while (!clear(row - 1, col - 1, down ? row + length : row + 1, down ? col + 1 : col + length));
        for (int i = 0; i < length; ++i)
            sea[down ? (row + i) * 10 + col : row * 10 + col + i] = CELL_SHIP;
    }
    return PictureOf(sea);
}

}  // namespace

class TestRandomFleet : public QObject {
    Q_OBJECT

private slots:
    void everyFleetIsLegalAndOnlyTheOwnIsShown_data()
    {
        QTest::addColumn<bool>("human");
        QTest::newRow("player one sees their own fleet") << true;
        QTest::newRow("player two's fleet is hidden") << false;
    }
    void everyFleetIsLegalAndOnlyTheOwnIsShown()
    {
        QFETCH(bool, human);
        CPlayer player(human);
        for (unsigned int seed = 0; seed < 3000; ++seed) {
            GameSrand(seed);
            // Left-overs of a previous game must not survive a new fleet.
            LoadFleet(player, "oooooooooo");
            LoadCounts(player, "0000");
            player.PlaceFleetRandom();
            const QString fault = FleetFault([&](int cell) { return player.m_fleet[cell] == CELL_SHIP; });
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(fault)));
            QVERIFY2(!PictureOf(player.m_fleet).contains('o'), qPrintable(QStringLiteral("seed %1").arg(seed)));
            QCOMPARE(CountsOf(player), QString("4321"));
            QCOMPARE(PictureOf(player.m_view), Board(""));
            player.SyncView();
            QCOMPARE(PictureOf(player.m_view), human ? PictureOf(player.m_fleet) : Board(""));
        }
    }

    void aSeedReplaysTheFleetDrawByDraw()
    {
        CPlayer player(true);
        for (unsigned int first : {0u, 100000u, 4000000000u}) {
            for (unsigned int seed = first; seed < first + 500; ++seed) {
                GameSrand(seed);
                const QString expected = FleetFromDraws();
                GameSrand(seed);
                player.PlaceFleetRandom();
                QCOMPARE(PictureOf(player.m_fleet), expected);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestRandomFleet)
#include "tst_randomfleet.moc"
