// Arranging the fleet by hand: the model behind the placement board.

#include "fleetrules.h"

#include "game/gamerand.h"
#include "game/shiplayout.h"

#include <QtTest>

#include <cstring>

namespace {

const CRect BOARD{55, 51, 315, 311};

// One ship of the fleet (by its index in fleet order 4, 3, 3, 2, 2, 2, 1, 1,
// 1, 1) put with its first deck at (row, col), across when horz is 1.
struct ShipAt {
    int ship, row, col, horz;
    bool operator==(const ShipAt& o) const { return ship == o.ship && row == o.row && col == o.col && horz == o.horz; }
};

char* toString(const ShipAt& at)
{
    return QTest::toString(QStringLiteral("ship %1 at (%2, %3) %4").arg(at.ship).arg(at.row).arg(at.col).arg(at.horz ? "across" : "down"));
}

// A legal fleet, all across in the top seven rows, with one ship put elsewhere.
void SetTidyFleet(CShipLayout& layout, const ShipAt& moved)
{
    const int tidy[CShipLayout::SHIP_COUNT][2] = {{0, 0}, {2, 0}, {2, 4}, {4, 0}, {4, 3}, {4, 6}, {6, 0}, {6, 2}, {6, 4}, {6, 6}};
    layout.m_rcBoard = BOARD;
    std::memset(PlaceGrid, 0, sizeof PlaceGrid);
    for (int i = 0; i < CShipLayout::SHIP_COUNT; ++i) {
        CPlacedShip& ship = layout.m_ships[i];
        ship.m_nRow = i == moved.ship ? moved.row : tidy[i][0];
        ship.m_nCol = i == moved.ship ? moved.col : tidy[i][1];
        ship.m_bHorz = i == moved.ship ? moved.horz : 1;
        ship.Mark();
    }
}

// The middle of a cell in board pixels.
QPoint Centre(int row, int col)
{
    return QPoint(BOARD.left + 26 * col + 13, BOARD.top + 26 * row + 13);
}

// Where the ship now stands, as a ShipAt.
ShipAt Where(const CShipLayout& layout, int ship)
{
    const CPlacedShip& s = layout.m_ships[ship];
    return ShipAt{ship, s.m_nRow, s.m_nCol, s.m_bHorz};
}

// Every deck of every ship lies on the board and is counted once in the grid.
bool GridMatchesShips(const CShipLayout& layout)
{
    unsigned char counts[BOARD_CELLS] = {};
    for (const CPlacedShip& ship : layout.m_ships) {
        for (int i = 0, r, c; i < ship.m_nLength; ++i) {
            ship.CellAt(i, r, c);
            if (r < 0 || r > 9 || c < 0 || c > 9)
                return false;
            ++counts[r * 10 + c];
        }
    }
    return std::memcmp(counts, PlaceGrid, sizeof counts) == 0;
}

}  // namespace

class TestShipLayout : public QObject {
    Q_OBJECT

private slots:
    void shuffleAlwaysGivesALegalFleetInItsDrawOrder()
    {
        for (unsigned int seed = 1; seed <= 2000; ++seed) {
            GameSrand(seed);
            CShipLayout layout;
            layout.Shuffle();
            const QString fault = FleetFault([](int cell) { return PlaceGrid[cell] != 0; });
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(fault)));
            QVERIFY2(GridMatchesShips(layout) && layout.IsValid(), qPrintable(QString::number(seed)));
            // On an empty board the four-decker fits at once: orientation
            // (0 across), then column, then row, pulled back onto the board.
            GameSrand(seed);
            const int horz = GameRand() % 2 == 0, col = GameRand() % 10, row = GameRand() % 10;
            QCOMPARE(layout.m_ships[0].m_bHorz, horz);
            QCOMPARE(QPoint(layout.m_ships[0].m_nRow, layout.m_ships[0].m_nCol),
                     QPoint(horz ? row : std::min(row, 6), horz ? std::min(col, 6) : col));
        }
    }

    void fleetRuleForbidsOverlapAndTouching_data()
    {
        // In the tidy fleet ships 8 and 9 (one deck) stand at (6, 4) and
        // (6, 6), ship 5 (two decks) runs right from (4, 6).
        QTest::addColumn<ShipAt>("put");
        QTest::addColumn<bool>("valid");
        QTest::newRow("the tidy fleet as it is") << ShipAt{9, 6, 6, 1} << true;
        QTest::newRow("one deck on another one-deck ship") << ShipAt{9, 6, 4, 1} << false;
        QTest::newRow("one deck touching only a corner") << ShipAt{9, 5, 8, 1} << false;
        QTest::newRow("one deck with a free cell between") << ShipAt{9, 4, 9, 1} << true;
        QTest::newRow("two decks end to end with another") << ShipAt{5, 6, 7, 1} << false;
        QTest::newRow("four decks on the bottom row") << ShipAt{0, 9, 6, 1} << true;
        QTest::newRow("four decks down column 8 touching a corner") << ShipAt{0, 5, 8, 0} << false;
    }
    void fleetRuleForbidsOverlapAndTouching()
    {
        QFETCH(ShipAt, put);
        CShipLayout layout;
        SetTidyFleet(layout, put);
        QTEST(layout.IsValid(), "valid");
    }

    void rightClickTurnsAboutTheClickedDeck_data()
    {
        QTest::addColumn<ShipAt>("put");
        QTest::addColumn<QPoint>("click");  // (row, col)
        QTest::addColumn<ShipAt>("turned");
        QTest::newRow("four across, second deck clicked") << ShipAt{0, 5, 3, 1} << QPoint(5, 4) << ShipAt{0, 4, 4, 0};
        QTest::newRow("four across low down, pulled back up") << ShipAt{0, 8, 0, 1} << QPoint(8, 0) << ShipAt{0, 6, 0, 0};
        QTest::newRow("three down, last deck clicked") << ShipAt{1, 7, 8, 0} << QPoint(9, 8) << ShipAt{1, 9, 6, 1};
        QTest::newRow("four down the right edge, pulled back left") << ShipAt{0, 6, 9, 0} << QPoint(6, 9) << ShipAt{0, 6, 6, 1};
        QTest::newRow("two down the left edge, cut at the left") << ShipAt{3, 7, 0, 0} << QPoint(8, 0) << ShipAt{3, 8, 0, 1};
        QTest::newRow("a one-deck ship is left alone") << ShipAt{9, 8, 5, 1} << QPoint(8, 5) << ShipAt{9, 8, 5, 1};
    }
    void rightClickTurnsAboutTheClickedDeck()
    {
        QFETCH(ShipAt, put);
        QFETCH(QPoint, click);
        CShipLayout layout;
        SetTidyFleet(layout, put);
        layout.RotateAt(Centre(click.x(), click.y()).x(), Centre(click.x(), click.y()).y());
        QTEST(Where(layout, put.ship), "turned");
        QVERIFY(GridMatchesShips(layout));
    }

    void dragFollowsThePointerCellByCell_data()
    {
        // The ship is pressed at the first point of the path and released at the last.
        QTest::addColumn<ShipAt>("put");
        QTest::addColumn<QList<QPoint>>("path");
        QTest::addColumn<QPoint>("end");  // (row, col) of the first deck; the ship keeps its way
        const QPoint offLeft(BOARD.left - 5, 250), onLine(BOARD.left + 26 * 5, 270), rightEdge(BOARD.right, 270);
        QTest::newRow("three down to the bottom stop with the last deck in row 9") << ShipAt{1, 3, 8, 0} << QList<QPoint>{Centre(3, 8), Centre(6, 8), Centre(9, 8)} << QPoint(7, 8);
        QTest::newRow("pointer back up after a cut step keeps the new distance") << ShipAt{1, 3, 8, 0} << QList<QPoint>{Centre(3, 8), Centre(9, 8), Centre(5, 8)} << QPoint(3, 8);
        QTest::newRow("a step past the top is dropped, the column step taken") << ShipAt{0, 2, 9, 0} << QList<QPoint>{Centre(5, 9), Centre(2, 8)} << QPoint(2, 8);
        QTest::newRow("a step past the left edge is dropped on that axis") << ShipAt{3, 8, 1, 1} << QList<QPoint>{Centre(8, 2), Centre(9, 0)} << QPoint(9, 1);
        QTest::newRow("four across stop with the last deck in column 9") << ShipAt{0, 8, 2, 1} << QList<QPoint>{Centre(8, 2), Centre(8, 9)} << QPoint(8, 6);
        QTest::newRow("the first and last pixels inside cells count") << ShipAt{9, 8, 2, 1} << QList<QPoint>{QPoint(108, 260), QPoint(314, 310)} << QPoint(9, 9);
        QTest::newRow("off the board or on a grid line the ship waits") << ShipAt{9, 8, 2, 1} << QList<QPoint>{Centre(8, 2), offLeft, onLine, rightEdge} << QPoint(8, 2);
        QTest::newRow("a press on a grid line grabs nothing") << ShipAt{9, 8, 2, 1} << QList<QPoint>{QPoint(BOARD.left + 52, 270), Centre(9, 5)} << QPoint(8, 2);
    }
    void dragFollowsThePointerCellByCell()
    {
        QFETCH(ShipAt, put);
        QFETCH(QList<QPoint>, path);
        CShipLayout layout;
        SetTidyFleet(layout, put);
        layout.PickShip(path.first().x(), path.first().y());
        for (const QPoint& p : path.mid(1))
            layout.DragTo(p.x(), p.y());
        layout.Drop();
        QFETCH(QPoint, end);
        QCOMPARE(Where(layout, put.ship), (ShipAt{put.ship, end.x(), end.y(), put.horz}));
        QVERIFY(GridMatchesShips(layout));
    }

    void pressPicksTheEarlierShipAndIgnoresWater()
    {
        CShipLayout layout;
        SetTidyFleet(layout, ShipAt{9, 4, 7, 1});  // the one-deck ship on ship 5's second deck
        layout.PickShip(Centre(4, 7).x(), Centre(4, 7).y());
        layout.PickShip(Centre(8, 8).x(), Centre(8, 8).y());
        QCOMPARE(layout.m_nSelected, 5);
        QCOMPARE(QPoint(layout.m_nLastRow, layout.m_nLastCol), QPoint(4, 7));
        layout.RotateAt(Centre(4, 7).x(), Centre(4, 7).y());
        QCOMPARE(Where(layout, 5), (ShipAt{5, 3, 7, 0}));
    }
};

QTEST_APPLESS_MAIN(TestShipLayout)
#include "tst_shiplayout.moc"
