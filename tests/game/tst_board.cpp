// The board of one side: where it lies on the window, which cell a click
// falls on, what the player is allowed to see, and the computer's name.

#include "boardtext.h"

#include "game/globals.h"
#include "game/player.h"
#include "store/settings.h"

#include <QtTest>

#include <cstring>

// Readable failures for rectangle comparisons.
char* toString(const CRect& rc)
{
    return QTest::toString(QStringLiteral("(%1, %2)-(%3, %4)")
                               .arg(rc.left).arg(rc.top).arg(rc.right).arg(rc.bottom));
}

class TestBoard : public QObject {
    Q_OBJECT

private slots:
    void init();

    void boardsSitSideBySideInTheFrame_data();
    void boardsSitSideBySideInTheFrame();

    void clickFindsTheCellUnderIt_data();
    void clickFindsTheCellUnderIt();

    void computerIsNamedAfterItsLevel_data();
    void computerIsNamedAfterItsLevel();

    void cellsOffTheBoardAreWater_data();
    void cellsOffTheBoardAreWater();

    void onlyChangesSinceHidingBecomeVisible();
    void revealShowsTheShipsNeverFound();
    void handPlacedFleetIsShownWithoutCounts();
    void fleetGoesOnTheWireWithoutZeroBytes();

    void fleetIsSunkWhenNoDeckIsLeft_data();
    void fleetIsSunkWhenNoDeckIsLeft();
};

void TestBoard::init()
{
    Level = 1;
    English = 0;
    MyTurn = 0;
    Tradition = 1;
    Sound = 0;
    ShowShipCount = 1;
    BoardFrame = CRect{12, 1, 739, 496};
}

void TestBoard::boardsSitSideBySideInTheFrame_data()
{
    QTest::addColumn<int>("frameLeft");
    QTest::addColumn<int>("frameTop");
    QTest::addColumn<int>("frameRight");
    QTest::addColumn<int>("humanLeft");
    QTest::addColumn<int>("opponentLeft");
    QTest::addColumn<int>("top");

    QTest::newRow("main window frame") << 12 << 1 << 739 << 405 << 85 << 51;
    QTest::newRow("odd width rounds the centre down") << 0 << 0 << 101 << 80 << -240 << 50;
    // (-11 + 0) / 2 is -5: the centre is truncated toward zero, not floored.
    QTest::newRow("frame left of the origin") << -11 << 10 << 0 << 25 << -295 << 60;
}

void TestBoard::boardsSitSideBySideInTheFrame()
{
    QFETCH(int, frameLeft);
    QFETCH(int, frameTop);
    QFETCH(int, frameRight);
    QFETCH(int, humanLeft);
    QFETCH(int, opponentLeft);
    QFETCH(int, top);

    BoardFrame = CRect{frameLeft, frameTop, frameRight, frameTop + 400};
    CPlayer human(true);
    CPlayer opponent(false);
    std::memset(opponent.m_fleet, CELL_SHIP, BOARD_CELLS);
    std::memset(opponent.m_mirror, CELL_MISS, BOARD_CELLS);
    std::memset(opponent.m_view, CELL_SUNK, BOARD_CELLS);
    human.InitBoardRect();
    opponent.InitBoardRect();

    QCOMPARE(human.m_rcBoard, (CRect{humanLeft, top, humanLeft + 260, top + 260}));
    QCOMPARE(opponent.m_rcBoard, (CRect{opponentLeft, top, opponentLeft + 260, top + 260}));
    // Placing a board starts it with open sea in all three grids.
    const QString openSea = NormalisedPicture(OpenSea());
    QCOMPARE(PictureOf(opponent.m_fleet), openSea);
    QCOMPARE(PictureOf(opponent.m_mirror), openSea);
    QCOMPARE(PictureOf(opponent.m_view), openSea);
}

void TestBoard::clickFindsTheCellUnderIt_data()
{
    // Offsets from the board's top-left corner (405, 51) in the main window.
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<bool>("onCell");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");

    QTest::newRow("corner of the board is a grid line") << 0 << 0 << false << 0 << 0;
    QTest::newRow("just inside the first cell") << 1 << 1 << true << 0 << 0;
    QTest::newRow("just inside the last cell") << 259 << 259 << true << 9 << 9;
    QTest::newRow("on an inner vertical line") << 26 << 5 << false << 0 << 0;
    QTest::newRow("on an inner horizontal line") << 5 << 52 << false << 0 << 0;
    QTest::newRow("x picks the column, y the row") << 26 * 7 + 5 << 26 * 2 + 5 << true << 2 << 7;
    QTest::newRow("last pixel before a line") << 25 << 77 << true << 2 << 0;
    QTest::newRow("right edge line") << 260 << 100 << false << 0 << 0;
    QTest::newRow("left of the board") << -5 << 100 << false << 0 << 0;
    QTest::newRow("below the board") << 100 << 300 << false << 0 << 0;
}

void TestBoard::clickFindsTheCellUnderIt()
{
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(bool, onCell);
    QFETCH(int, row);
    QFETCH(int, col);

    CPlayer player(true);
    player.InitBoardRect();
    const int x0 = player.m_rcBoard.left + dx;
    const int y0 = player.m_rcBoard.top + dy;
    int x = x0;
    int y = y0;
    QCOMPARE(player.PointToCell(x, y), onCell);
    QCOMPARE(x, onCell ? col : x0);
    QCOMPARE(y, onCell ? row : y0);
}

void TestBoard::computerIsNamedAfterItsLevel_data()
{
    QTest::addColumn<bool>("human");
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("name");

    QTest::newRow("the human keeps their name") << true << 2 << false << "previous game";
    QTest::newRow("easy, English") << false << 1 << true << "Computer - Easy";
    QTest::newRow("normal, English") << false << 2 << true << "Computer - Normal";
    QTest::newRow("hard, English") << false << 3 << true << "Computer - Hard";
    QTest::newRow("easy, Russian") << false << 1 << false << QString::fromUtf8("Компьютер - Ламер");
    QTest::newRow("normal, Russian") << false << 2 << false << QString::fromUtf8("Компьютер - Юзер");
    QTest::newRow("hard, Russian") << false << 3 << false << QString::fromUtf8("Компьютер - Хакер");
    QTest::newRow("unknown level, English") << false << 7 << true << "Computer - ";
    QTest::newRow("level zero, Russian") << false << 0 << false << QString::fromUtf8("Компьютер - ");
}

void TestBoard::computerIsNamedAfterItsLevel()
{
    QFETCH(bool, human);
    QFETCH(int, level);
    QFETCH(bool, english);
    QFETCH(QString, name);

    Level = level;
    English = english;
    CPlayer player(human);
    player.SetName("previous game");
    player.SetComputerName();
    QCOMPARE(QString::fromStdString(player.GetName()), name);
}

void TestBoard::cellsOffTheBoardAreWater_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::newRow("above") << -1 << 0;
    QTest::newRow("below") << 10 << 0;
    QTest::newRow("left") << 0 << -1;
    QTest::newRow("right") << 0 << 10;
}

void TestBoard::cellsOffTheBoardAreWater()
{
    QFETCH(int, row);
    QFETCH(int, col);

    CPlayer player(true);
    std::memset(player.m_fleet, CELL_SHIP, BOARD_CELLS);
    QCOMPARE(int(player.GetCell(row, col)), int(CELL_WATER));
    player.SetCell(row, col, CELL_SUNK);
    for (int i = 0; i < BOARD_CELLS; ++i)
        QCOMPARE(int(player.m_fleet[i]), int(CELL_SHIP));
}

void TestBoard::onlyChangesSinceHidingBecomeVisible()
{
    CPlayer opponent(false);
    LoadFleet(opponent, "##........ .......... .......... .......... .........."
                        ".......... .......... .......... .......... .........#");
    opponent.HideFleet();
    opponent.SyncView();
    QCOMPARE(PictureOf(opponent.m_view), NormalisedPicture(QString(100, '.')));

    opponent.SetCell(0, 0, CELL_HIT);
    opponent.SetCell(5, 5, CELL_MISS);
    opponent.SyncView();
    QCOMPARE(PictureOf(opponent.m_view),
             NormalisedPicture("X......... .......... .......... .......... .........."
                               ".....o.... .......... .......... .......... .........."));
}

void TestBoard::revealShowsTheShipsNeverFound()
{
    CPlayer opponent(false);
    LoadFleet(opponent, "X#........ .......... ....o..... .......... .........."
                        ".......... .......... .......... .......... ...*......");
    opponent.HideFleet();
    opponent.RevealFleet();
    const QString shown = NormalisedPicture("X+........ .......... ....o..... .......... .........."
                                            ".......... .......... .......... .......... ...*......");
    QCOMPARE(PictureOf(opponent.m_fleet), shown);
    // Cells hidden before the reveal stay hidden unless the reveal changed them.
    QCOMPARE(PictureOf(opponent.m_view),
             NormalisedPicture(".+........ .......... .......... .......... .........."
                               ".......... .......... .......... .......... .........."));
}

void TestBoard::handPlacedFleetIsShownWithoutCounts()
{
    CPlayer human(true);
    LoadFleet(human, QString(100, 'o'));
    LoadCounts(human, "1111");
    unsigned char place[BOARD_CELLS] = {};
    place[0] = 1;
    place[1] = 7;
    place[99] = 255;
    human.TakePlacement(place);

    const QString expected = NormalisedPicture("##........ .......... .......... .......... .........."
                                               ".......... .......... .......... .......... .........#");
    QCOMPARE(PictureOf(human.m_fleet), expected);
    QCOMPARE(PictureOf(human.m_view), expected);
    QCOMPARE(CountsOf(human), QString("1111"));
}

void TestBoard::fleetGoesOnTheWireWithoutZeroBytes()
{
    CPlayer human(true);
    human.PlaceFleetRandom();
    unsigned char wire[BOARD_CELLS];
    human.ExportFleet(wire);
    int decks = 0;
    for (int i = 0; i < BOARD_CELLS; ++i) {
        QVERIFY2(wire[i] == 1 || wire[i] == 3, qPrintable(QString::number(i)));
        QCOMPARE(wire[i] == 3, human.m_fleet[i] == CELL_SHIP);
        decks += wire[i] == 3;
    }
    QCOMPARE(decks, 20);
}

void TestBoard::fleetIsSunkWhenNoDeckIsLeft_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<bool>("allSunk");

    const QString sunk = "**.*...... ooo....... .......... .......... .........."
                         ".......... .......... .......... .......... .........X";
    const QString oneLeft = "**.*...... ooo....... .......... .......... .........."
                            ".......... .......... .......... .......... .........#";
    QTest::newRow("nothing afloat") << sunk << false << true;
    QTest::newRow("one deck never hit") << oneLeft << false << false;
    QTest::newRow("a hidden deck still counts") << oneLeft << true << false;
    QTest::newRow("shown decks are not afloat")
        << ".+........ .......... .......... .......... .........."
           ".......... .......... .......... .......... .........." << false << true;
}

void TestBoard::fleetIsSunkWhenNoDeckIsLeft()
{
    QFETCH(QString, board);
    QFETCH(bool, hidden);
    QFETCH(bool, allSunk);

    CPlayer player(!hidden);
    LoadFleet(player, board);
    if (hidden)
        player.HideFleet();
    else
        player.SyncView();
    QCOMPARE(player.AllSunk(), allSunk);
}

QTEST_APPLESS_MAIN(TestBoard)
#include "tst_board.moc"
