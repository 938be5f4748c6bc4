// Arranging the fleet by hand: the model behind the placement board.
#include "game/fleetrules.h"
#include "game/gamerand.h"
#include "game/shiplayout.h"

#include <QtTest>

#include <cstring>

namespace {

const CRect BOARD{55, 51, 315, 311};

struct ShipPos {
    int row, col, horz;
};

// A legal fleet in fleet order (4, 3, 3, 2, 2, 2, 1, 1, 1, 1) packed into the
// top seven rows, leaving rows 7-9 and the right-hand columns free.
const ShipPos TIDY_FLEET[CShipLayout::SHIP_COUNT] = {
    {0, 0, 1}, {2, 0, 1}, {2, 4, 1}, {4, 0, 1}, {4, 3, 1},
    {4, 6, 1}, {6, 0, 1}, {6, 2, 1}, {6, 4, 1}, {6, 6, 1},
};

// Recounts the grid from the ship records, as the dialog keeps it.
void Recount(CShipLayout& layout)
{
    std::memset(PlaceGrid, 0, sizeof PlaceGrid);
    for (CPlacedShip& ship : layout.m_ships)
        ship.Mark();
}

// The tidy fleet on the board, with one ship moved elsewhere if asked.
void SetTidyFleet(CShipLayout& layout, int moved = -1, int row = 0, int col = 0, int horz = 0)
{
    layout.m_rcBoard = BOARD;
    for (int i = 0; i < CShipLayout::SHIP_COUNT; ++i) {
        const ShipPos at = i == moved ? ShipPos{row, col, horz} : TIDY_FLEET[i];
        layout.m_ships[i].m_nRow = at.row;
        layout.m_ships[i].m_nCol = at.col;
        layout.m_ships[i].m_bHorz = at.horz;
    }
    Recount(layout);
}

// The middle of a cell in board pixels.
QPoint CellCentre(int row, int col)
{
    return QPoint(BOARD.left + 26 * col + 13, BOARD.top + 26 * row + 13);
}

QList<QPoint> Decks(const CPlacedShip& ship)
{
    QList<QPoint> decks;   // (row, col) as (x, y)
    for (int i = 0; i < ship.m_nLength; ++i) {
        int r, c;
        ship.CellAt(i, r, c);
        decks.append(QPoint(r, c));
    }
    return decks;
}

// Every deck of every ship is counted once, and nothing else is.
QString GridFault(const CShipLayout& layout)
{
    int expected[BOARD_CELLS] = {};
    for (const CPlacedShip& ship : layout.m_ships) {
        for (const QPoint& d : Decks(ship)) {
            if (d.x() < 0 || d.x() > 9 || d.y() < 0 || d.y() > 9)
                return QStringLiteral("a deck off the board at %1,%2").arg(d.x()).arg(d.y());
            ++expected[d.x() * 10 + d.y()];
        }
    }
    for (int i = 0; i < BOARD_CELLS; ++i)
        if (PlaceGrid[i] != expected[i])
            return QStringLiteral("cell %1 counts %2, ships put %3 there").arg(i).arg(PlaceGrid[i]).arg(expected[i]);
    return QString();
}

} // namespace

class TestShipLayout : public QObject {
    Q_OBJECT
private slots:
    void pointsOnGridLinesOrOffTheBoardAreInNoCell_data();
    void pointsOnGridLinesOrOffTheBoardAreInNoCell();
    void shuffleAlwaysGivesALegalFleet();
    void shuffleDrawsOrientationThenColumnThenRow_data();
    void shuffleDrawsOrientationThenColumnThenRow();
    void fleetRuleForbidsOverlapAndTouching_data();
    void fleetRuleForbidsOverlapAndTouching();
    void rightClickTurnsAboutTheClickedDeck_data();
    void rightClickTurnsAboutTheClickedDeck();
    void dragFollowsThePointerCellByCell_data();
    void dragFollowsThePointerCellByCell();
    void pressOnWaterKeepsTheEarlierSelection();
    void overlappingShipsPickTheEarlierInFleetOrder();
};

void TestShipLayout::pointsOnGridLinesOrOffTheBoardAreInNoCell_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("row");   // -1: no cell
    QTest::addColumn<int>("col");
    QTest::newRow("first pixel inside the top-left cell") << 56 << 52 << 0 << 0;
    QTest::newRow("middle of a cell") << 55 + 26 * 3 + 13 << 51 + 26 * 7 + 13 << 7 << 3;
    QTest::newRow("last pixel inside the bottom-right cell") << 314 << 310 << 9 << 9;
    QTest::newRow("on an inner vertical line") << 55 + 26 * 4 << 100 << -1 << -1;
    QTest::newRow("on an inner horizontal line") << 100 << 51 + 26 * 5 << -1 << -1;
    QTest::newRow("on the right edge") << 315 << 100 << -1 << -1;
    QTest::newRow("on the bottom edge") << 100 << 311 << -1 << -1;
    QTest::newRow("left of the board") << 40 << 100 << -1 << -1;
}

void TestShipLayout::pointsOnGridLinesOrOffTheBoardAreInNoCell()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, row);
    QFETCH(int, col);
    CShipLayout layout;
    layout.m_rcBoard = BOARD;
    int r = -5, c = -5;
    const bool found = layout.CellFromPoint(x, y, r, c);
    QCOMPARE(found, row >= 0);
    if (found) {
        QCOMPARE(r, row);
        QCOMPARE(c, col);
    }
}

void TestShipLayout::shuffleAlwaysGivesALegalFleet()
{
    for (unsigned int seed = 1; seed <= 2000; ++seed) {
        GameSrand(seed);
        CShipLayout layout;
        layout.Shuffle();
        const QString fault = FleetFault([](int cell) { return PlaceGrid[cell] != 0; });
        if (!fault.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(fault)));
        const QString gridFault = GridFault(layout);
        if (!gridFault.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(gridFault)));
        QVERIFY2(layout.IsValid(), qPrintable(QString::number(seed)));
    }
}

void TestShipLayout::shuffleDrawsOrientationThenColumnThenRow_data()
{
    QTest::addColumn<unsigned int>("seed");
    for (unsigned int seed : {1u, 2u, 7u, 42u, 1234u, 99999u})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

void TestShipLayout::shuffleDrawsOrientationThenColumnThenRow()
{
    QFETCH(unsigned int, seed);
    // On an empty board the four-deck ship fits at its first try, so the
    // first three draws alone say where it stands.
    GameSrand(seed);
    const int horz = GameRand() % 2 == 0 ? 1 : 0;
    int col = GameRand() % 10;
    int row = GameRand() % 10;
    if (horz && col > 6)
        col = 6;
    if (!horz && row > 6)
        row = 6;

    GameSrand(seed);
    CShipLayout layout;
    layout.Shuffle();
    QCOMPARE(layout.m_ships[0].m_bHorz, horz);
    QCOMPARE(layout.m_ships[0].m_nRow, row);
    QCOMPARE(layout.m_ships[0].m_nCol, col);
}

void TestShipLayout::fleetRuleForbidsOverlapAndTouching_data()
{
    // Ship 9 (one deck) stands at (6, 6) in the tidy fleet; ship 5 (two
    // decks) runs right from (4, 6). Each row moves one ship.
    QTest::addColumn<int>("ship");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("horz");
    QTest::addColumn<bool>("valid");
    QTest::newRow("the tidy fleet as it is") << 9 << 6 << 6 << 1 << true;
    QTest::newRow("one deck on another ship") << 9 << 4 << 7 << 1 << false;
    QTest::newRow("one deck touching only a corner") << 9 << 5 << 8 << 1 << false;
    QTest::newRow("one deck with a free cell between") << 9 << 4 << 9 << 1 << true;
    QTest::newRow("two decks end to end with another") << 5 << 6 << 7 << 1 << false;
    QTest::newRow("four decks on the bottom row") << 0 << 9 << 6 << 1 << true;
    QTest::newRow("four decks down column 8 touching a corner") << 0 << 5 << 8 << 0 << false;
    QTest::newRow("four decks crossing another ship") << 0 << 1 << 1 << 0 << false;
}

void TestShipLayout::fleetRuleForbidsOverlapAndTouching()
{
    QFETCH(int, ship);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, horz);
    QFETCH(bool, valid);
    CShipLayout layout;
    SetTidyFleet(layout, ship, row, col, horz);
    QCOMPARE(layout.IsValid(), valid);
}

void TestShipLayout::rightClickTurnsAboutTheClickedDeck_data()
{
    QTest::addColumn<int>("ship");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("horz");
    QTest::addColumn<int>("clickRow");
    QTest::addColumn<int>("clickCol");
    QTest::addColumn<QList<QPoint>>("decks");   // (row, col) after the turn
    QTest::newRow("four decks across, second deck clicked")
        << 0 << 5 << 3 << 1 << 5 << 4
        << QList<QPoint>{{4, 4}, {5, 4}, {6, 4}, {7, 4}};
    QTest::newRow("four decks across low down, pulled back onto the board")
        << 0 << 8 << 0 << 1 << 8 << 0
        << QList<QPoint>{{6, 0}, {7, 0}, {8, 0}, {9, 0}};
    QTest::newRow("three decks down, last deck clicked")
        << 1 << 7 << 8 << 0 << 9 << 8
        << QList<QPoint>{{9, 6}, {9, 7}, {9, 8}};
    QTest::newRow("four decks down the right edge, pulled back onto the board")
        << 0 << 6 << 9 << 0 << 6 << 9
        << QList<QPoint>{{6, 6}, {6, 7}, {6, 8}, {6, 9}};
    QTest::newRow("two decks down the left edge, lower deck clicked, cut at the left")
        << 3 << 7 << 0 << 0 << 8 << 0
        << QList<QPoint>{{8, 0}, {8, 1}};
    QTest::newRow("a one-deck ship is left alone")
        << 9 << 8 << 5 << 1 << 8 << 5
        << QList<QPoint>{{8, 5}};
}

void TestShipLayout::rightClickTurnsAboutTheClickedDeck()
{
    QFETCH(int, ship);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, horz);
    QFETCH(int, clickRow);
    QFETCH(int, clickCol);
    QFETCH(QList<QPoint>, decks);
    CShipLayout layout;
    SetTidyFleet(layout, ship, row, col, horz);
    const int horzBefore = layout.m_ships[ship].m_bHorz;
    const QPoint at = CellCentre(clickRow, clickCol);
    layout.RotateAt(at.x(), at.y());
    QCOMPARE(Decks(layout.m_ships[ship]), decks);
    if (decks.size() == 1)
        QCOMPARE(layout.m_ships[ship].m_bHorz, horzBefore);
    QCOMPARE(GridFault(layout), QString());
}

void TestShipLayout::dragFollowsThePointerCellByCell_data()
{
    // Points are board pixels; the ship starts at (row, col) and is grabbed
    // at the first point.
    QTest::addColumn<int>("ship");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("horz");
    QTest::addColumn<QList<QPoint>>("path");
    QTest::addColumn<int>("endRow");
    QTest::addColumn<int>("endCol");
    QTest::newRow("three decks down to the bottom stop with the last deck in row 9")
        << 1 << 3 << 8 << 0
        << QList<QPoint>{CellCentre(3, 8), CellCentre(6, 8), CellCentre(9, 8)} << 7 << 8;
    QTest::newRow("further movement down leaves it on the bottom")
        << 1 << 3 << 8 << 0
        << QList<QPoint>{CellCentre(3, 8), CellCentre(8, 8), CellCentre(9, 8)} << 7 << 8;
    QTest::newRow("three rows up from row 2 is not taken, the column step is")
        << 0 << 2 << 9 << 0 << QList<QPoint>{CellCentre(5, 9), CellCentre(2, 8)} << 2 << 8;
    QTest::newRow("pointer back up after a cut step keeps the new distance")
        << 1 << 3 << 8 << 0
        << QList<QPoint>{CellCentre(3, 8), CellCentre(9, 8), CellCentre(5, 8)} << 3 << 8;
    QTest::newRow("a step past the left edge is dropped on that axis")
        << 3 << 8 << 1 << 1 << QList<QPoint>{CellCentre(8, 2), CellCentre(9, 0)} << 9 << 1;
    QTest::newRow("four decks across stop with the last deck in column 9")
        << 0 << 8 << 2 << 1 << QList<QPoint>{CellCentre(8, 2), CellCentre(8, 9)} << 8 << 6;
    QTest::newRow("off the board the ship waits")
        << 9 << 8 << 2 << 1 << QList<QPoint>{CellCentre(8, 2), QPoint(BOARD.left - 5, 250), QPoint(BOARD.right + 8, 250)} << 8 << 2;
    QTest::newRow("on a grid line the ship waits")
        << 9 << 8 << 2 << 1 << QList<QPoint>{CellCentre(8, 2), QPoint(BOARD.left + 26 * 5, 51 + 26 * 8 + 13)} << 8 << 2;
    QTest::newRow("a press on a grid line grabs nothing")
        << 9 << 8 << 2 << 1 << QList<QPoint>{QPoint(BOARD.left + 26 * 2, 51 + 26 * 8 + 13), CellCentre(9, 5)} << 8 << 2;
    QTest::newRow("a press on water grabs nothing")
        << 9 << 8 << 2 << 1 << QList<QPoint>{CellCentre(8, 3), CellCentre(9, 5)} << 8 << 2;
}

void TestShipLayout::dragFollowsThePointerCellByCell()
{
    QFETCH(int, ship);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, horz);
    QFETCH(QList<QPoint>, path);
    QFETCH(int, endRow);
    QFETCH(int, endCol);
    CShipLayout layout;
    SetTidyFleet(layout, ship, row, col, horz);
    layout.PickShip(path.first().x(), path.first().y());
    for (int i = 1; i < path.size(); ++i)
        layout.DragTo(path[i].x(), path[i].y());
    layout.Drop();
    QCOMPARE(layout.m_ships[ship].m_nRow, endRow);
    QCOMPARE(layout.m_ships[ship].m_nCol, endCol);
    QCOMPARE(layout.m_ships[ship].m_bHorz, horz);
    QCOMPARE(GridFault(layout), QString());
}

void TestShipLayout::pressOnWaterKeepsTheEarlierSelection()
{
    CShipLayout layout;
    SetTidyFleet(layout);
    const QPoint onShip = CellCentre(2, 5);    // ship 2, three decks from (2, 4)
    const QPoint onWater = CellCentre(8, 8);
    layout.PickShip(onShip.x(), onShip.y());
    QCOMPARE(layout.m_nSelected, 2);
    layout.PickShip(onWater.x(), onWater.y());
    QCOMPARE(layout.m_nSelected, 2);
    QCOMPARE(layout.m_nLastRow, 2);
    QCOMPARE(layout.m_nLastCol, 5);
}

void TestShipLayout::overlappingShipsPickTheEarlierInFleetOrder()
{
    CShipLayout layout;
    SetTidyFleet(layout, 9, 4, 7, 1);   // the one-deck ship on the second deck of ship 5
    const QPoint shared = CellCentre(4, 7);
    layout.PickShip(shared.x(), shared.y());
    QCOMPARE(layout.m_nSelected, 5);
    layout.RotateAt(shared.x(), shared.y());
    QCOMPARE(layout.m_ships[5].m_bHorz, 0);   // ship 5 turned about (4, 7)
    QCOMPARE(Decks(layout.m_ships[5]), (QList<QPoint>{{3, 7}, {4, 7}}));
}

QTEST_APPLESS_MAIN(TestShipLayout)
#include "tst_shiplayout.moc"
