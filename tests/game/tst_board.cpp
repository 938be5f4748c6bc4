// The board of one side: where it lies on the window, which cell a click
// falls on, what the player may see of it, and the computer's name.

#include "boardtext.h"

#include "game/globals.h"
#include "store/settings.h"

#include <QtTest>

#include <cstring>

class TestBoard : public QObject {
    Q_OBJECT

private slots:
    void boardsSitSideBySideInTheFrame()
    {
        BoardFrame = CRect{12, 1, 739, 496};
        CPlayer human(true), opponent(false);
        std::memset(opponent.m_fleet, CELL_SHIP, BOARD_CELLS);
        std::memset(opponent.m_mirror, CELL_MISS, BOARD_CELLS);
        std::memset(opponent.m_view, CELL_SUNK, BOARD_CELLS);
        human.InitBoardRect();
        opponent.InitBoardRect();
        // The human's board right of the frame's centre, the opponent's left of it.
        QVERIFY(human.m_rcBoard == (CRect{405, 51, 665, 311}));
        QVERIFY(opponent.m_rcBoard == (CRect{85, 51, 345, 311}));
        // A board placed anew starts as open sea in all three grids.
        for (const signed char* grid : {opponent.m_fleet, opponent.m_mirror, opponent.m_view})
            QCOMPARE(PictureOf(grid), Board(""));
    }

    void clickFindsAndShootsTheCellUnderIt_data()
    {
        // Offsets from the board's top-left corner; cell -1: on no cell.
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<int>("cell");
        QTest::newRow("corner of the board is a grid line") << 0 << 0 << -1;
        QTest::newRow("just inside the first cell") << 1 << 1 << 0;
        QTest::newRow("just inside the last cell") << 259 << 259 << 99;
        QTest::newRow("on an inner vertical line") << 26 << 5 << -1;
        QTest::newRow("x picks the column, y the row") << 26 * 7 + 5 << 26 * 2 + 25 << 27;
        QTest::newRow("right edge line") << 260 << 100 << -1;
        QTest::newRow("left of the board") << -5 << 100 << -1;
    }
    void clickFindsAndShootsTheCellUnderIt()
    {
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(int, cell);
        BoardFrame = CRect{12, 1, 739, 496};
        CPlayer opponent(false);
        opponent.InitBoardRect();
        const int x0 = opponent.m_rcBoard.left + dx, y0 = opponent.m_rcBoard.top + dy;
        int x = x0, y = y0;
        QCOMPARE(opponent.PointToCell(x, y), cell >= 0);
        QCOMPARE(QPoint(x, y), cell >= 0 ? QPoint(cell % 10, cell / 10) : QPoint(x0, y0));
        QCOMPARE(opponent.ShootAtPoint(x0, y0), cell >= 0);
        QCOMPARE(PictureOf(opponent.m_fleet), Board(cell >= 0 ? QString(cell, '.') + 'o' : ""));
    }

    void computerIsNamedAfterItsLevel_data()
    {
        QTest::addColumn<bool>("human");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("name");
        // The other languages' names come from the catalogue (tst_catalogue).
        QTest::newRow("the human keeps their name") << true << 2 << "previous game";
        QTest::newRow("easy") << false << 1 << "Computer - Easy";
        QTest::newRow("normal") << false << 2 << "Computer - Normal";
        QTest::newRow("hard") << false << 3 << "Computer - Hard";
        QTest::newRow("unknown level") << false << 7 << "Computer - ";
    }
    void computerIsNamedAfterItsLevel()
    {
        QFETCH(bool, human);
        QFETCH(int, level);
        Level = level;
        CPlayer player(human);
        player.SetName("previous game");
        player.SetComputerName();
        QTEST(QString::fromStdString(player.GetName()), "name");
    }

    void cellsOffTheBoardAreWaterAndStayUntouched()
    {
        CPlayer player(true);
        std::memset(player.m_fleet, CELL_SHIP, BOARD_CELLS);
        for (const QPoint& cell : {QPoint(-1, 0), QPoint(10, 9), QPoint(0, -1), QPoint(9, 10)}) {
            QCOMPARE(int(player.GetCell(cell.x(), cell.y())), int(CELL_WATER));
            player.SetCell(cell.x(), cell.y(), CELL_SUNK);
        }
        QCOMPARE(PictureOf(player.m_fleet), Board(QString(100, '#')));
        QCOMPARE(PictureOf(player.m_view), Board(""));
        QCOMPARE(PictureOf(player.m_mirror), Board(""));
    }

    void playerSeesOnlyWhatTheShotsFound_data()
    {
        // The fleet is hidden (as the opponent's is) or shown, then a step:
        // "hit" turns (0, 0) into a hit deck, "reveal" shows the ships at the end.
        QTest::addColumn<QString>("fleet");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("view");
        QTest::addColumn<bool>("allSunk");
        QTest::newRow("own fleet is shown") << "##" << false << "" << "##" << false;
        QTest::newRow("hidden decks stay unseen and afloat") << "##" << true << "" << "" << false;
        QTest::newRow("a hit shows only the cell it changed") << "##" << true << "hit" << "X" << false;
        QTest::newRow("reveal shows only the ships never found") << "X#........ ....o..... ...*" << true << "reveal" << ".+" << true;
        QTest::newRow("nothing afloat") << "**.*...... ooo......X" << false << "" << "**.*...... ooo......X" << true;
    }
    void playerSeesOnlyWhatTheShotsFound()
    {
        QFETCH(QString, fleet);
        QFETCH(bool, hidden);
        QFETCH(QString, step);
        QFETCH(QString, view);
        CPlayer player(!hidden);
        LoadFleet(player, fleet);
        hidden ? player.HideFleet() : player.SyncView();
        if (step == "hit")
            player.SetCell(0, 0, CELL_HIT);
        step == "reveal" ? player.RevealFleet() : player.SyncView();
        QCOMPARE(PictureOf(player.m_view), Board(view));
        QTEST(player.AllSunk(), "allSunk");
    }

    void handPlacedFleetIsShownAndSentWithoutZeroBytes()
    {
        CPlayer human(true);
        LoadFleet(human, QString(100, 'o'));
        LoadCounts(human, "1111");
        unsigned char place[BOARD_CELLS] = {1, 7};
        place[99] = 255;
        human.TakePlacement(place);
        const QString fleet = Board("##" + QString(97, '.') + "#");
        QCOMPARE(PictureOf(human.m_fleet), fleet);
        QCOMPARE(PictureOf(human.m_view), fleet);
        QCOMPARE(CountsOf(human), QString("1111"));
        // On the wire every code is one higher, so water is 1 and a deck 3.
        unsigned char wire[BOARD_CELLS];
        human.ExportFleet(wire);
        for (int i = 0; i < BOARD_CELLS; ++i)
            QCOMPARE(int(wire[i]), human.m_fleet[i] + 1);
    }
};

QTEST_APPLESS_MAIN(TestBoard)
#include "tst_board.moc"
