// A player without a mouse: the cell cursor on the opponent's board, the
// fleet arranged by keys, and whole games played from the keyboard alone.
#include "support/gamewindow.h"
#include "support/modal.h"
#include "ui/aboutdlg.h"
#include "ui/namedlg.h"
#include "ui/optionsdlg.h"
#include "ui/placeshipsdlg.h"
#include "ui/resultdlg.h"

#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

const QRgb FRAME_YELLOW = qRgb(255, 255, 0);

// The cells of the opponent's board that hold a code, as the game began.
std::vector<int> CellsOfPlayerTwo(bool decks)
{
    std::vector<int> cells;
    for (int cell = 0; cell < BOARD_CELLS; ++cell) {
        if ((PlayerTwo.m_fleet[cell] == CELL_SHIP) == decks)
            cells.push_back(cell);
    }
    return cells;
}

// The placement dialog, open and active, with the tidy fleet on its board.
std::unique_ptr<CPlaceShipsDlg> OpenTidyPlacement()
{
    auto dlg = std::make_unique<CPlaceShipsDlg>();
    dlg->show();
    if (!QTest::qWaitForWindowActive(dlg.get()))
        return nullptr;
    PutTidyFleet(dlg.get());
    return dlg;
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
    std::unique_ptr<GameWindow> m_window;

    // F2 and Enter in the name dialog: a random fleet against the computer.
    void StartByKeys()
    {
        const CModalWait named = WhenModal<CNameDlg>([](CNameDlg*) { Keys("Enter"); });
        Keys("F2");
    }

private slots:
    void init()
    {
        m_window = std::make_unique<GameWindow>();
        QVERIFY(m_window->IsActive());
    }
    void cleanup() { m_window.reset(); }

    void cursorKeysStopAtTheEdges_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("a step right of A1") << "Right" << 0 << 1;
        QTest::newRow("left and up stay at A1") << "Left Up Left*2" << 0 << 0;
        QTest::newRow("down stops at row 10") << "Down*12" << 9 << 0;
        QTest::newRow("right stops at J after End") << "End Right" << 0 << 9;
        QTest::newRow("PgDn and End reach J10") << "PgDn End" << 9 << 9;
        QTest::newRow("Home and PgUp come back to A1") << "PgDn End Home PgUp" << 0 << 0;
        QTest::newRow("to E5 and one up") << "Down*4 Right*4 Up" << 3 << 4;
    }
    void cursorKeysStopAtTheEdges()
    {
        QFETCH(QString, keys);
        StartByKeys();
        QVERIFY(!(*m_window)->CellCursor().m_bShown);
        Keys(keys);
        QVERIFY((*m_window)->CellCursor().m_bShown);
        QTEST((*m_window)->CellCursor().m_nRow, "row");
        QTEST((*m_window)->CellCursor().m_nCol, "col");
    }

    void cursorFrameChangesNoPixelWhileHidden()
    {
        StartByKeys();
        QWidget* view = (*m_window)->ClientArea();
        QTest::mouseMove(view, QPoint(700, 480));
        const QImage untouched = (*m_window)->RenderScene();

        Keys("Down Right");   // B2, whose grid lines run at x 111 and 137, y 77 and 103
        const QImage framed = (*m_window)->RenderScene();
        for (const QPoint p : {QPoint(110, 90), QPoint(112, 90), QPoint(136, 90), QPoint(138, 90), QPoint(124, 76),
                               QPoint(124, 78), QPoint(124, 102), QPoint(124, 104)})
            QCOMPARE(framed.pixel(p), FRAME_YELLOW);
        int changed = 0;
        for (int y = 0; y < untouched.height(); ++y) {
            for (int x = 0; x < untouched.width(); ++x)
                changed += framed.pixel(x, y) != untouched.pixel(x, y);
        }
        QCOMPARE(changed, 29 * 29 - 23 * 23);   // the three-pixel ring and nothing else

        // A move reported where the pointer already rests (a dialog closing
        // over it) is no use of the mouse; a real move is.
        QMouseEvent resting(QEvent::MouseMove, view->mapFromGlobal(QCursor::pos()), QCursor::pos(), Qt::NoButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view, &resting);
        QVERIFY((*m_window)->CellCursor().m_bShown);
        QTest::mouseMove(view, QPoint(690, 470));
        QCOMPARE((*m_window)->RenderScene(), untouched);
    }

    void enterFollowsTheLastUsedDevice_data()
    {
        // The pointer first rests on G5 (row 4, column 6), whose middle is at
        // (254, 168) on the opponent's board from (85, 51).
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QPoint>("pointerAfter");   // where the pointer moves after the keys, if anywhere
        QTest::addColumn<QString>("fire");
        QTest::addColumn<int>("shot");              // the cell shot, -1 none
        QTest::newRow("keys last: Enter at the cursor") << "Down Right*2" << QPoint() << "Enter" << 12;
        QTest::newRow("pointer last: Enter under the pointer") << "Down Right*2" << QPoint(256, 170) << "Enter" << 46;
        QTest::newRow("pointer last: Space still at the cursor") << "Down Right*2" << QPoint(256, 170) << "Space" << 12;
        QTest::newRow("no keys: Enter under the pointer") << "" << QPoint() << "Enter" << 46;
        QTest::newRow("pointer beside the board: Enter fires nowhere") << "Down" << QPoint(5, 5) << "Enter" << -1;
    }
    void enterFollowsTheLastUsedDevice()
    {
        QFETCH(QString, keys);
        QFETCH(QPoint, pointerAfter);
        QFETCH(QString, fire);
        QFETCH(int, shot);
        StartByKeys();
        QWidget* view = (*m_window)->ClientArea();
        QTest::mouseMove(view, QPoint(254, 168));
        Keys(keys);
        if (!pointerAfter.isNull())
            QTest::mouseMove(view, pointerAfter);
        Keys(fire);
        for (const int cell : {12, 46})
            QCOMPARE(PlayerTwo.m_view[cell] != CELL_WATER, cell == shot);
        if (shot < 0)
            QCOMPARE(std::count(PlayerTwo.m_view, PlayerTwo.m_view + BOARD_CELLS, CELL_WATER), 100L);
    }

    void wholeGamesWithKeysOnly_data()
    {
        QTest::addColumn<QString>("start");   // the keys that ask for a new game
        QTest::addColumn<bool>("byHand");     // the fleet arranged by keys
        QTest::addColumn<QString>("fire");
        QTest::addColumn<bool>("win");
        QTest::newRow("F2, fleet arranged by keys, Space at every enemy deck") << "F2" << true << "Space" << true;
        QTest::newRow("from the Game menu, Enter at every enemy deck") << "Alt Down Enter" << false << "Enter" << true;
        QTest::newRow("F2, Enter at water until the computer wins") << "F2" << true << "Enter" << false;
    }
    void wholeGamesWithKeysOnly()
    {
        QFETCH(QString, start);
        QFETCH(bool, byHand);
        QFETCH(QString, fire);
        QFETCH(bool, win);
        const CModalWait named = WhenModal<CNameDlg>([byHand](CNameDlg*) {
            if (byHand) {
                const CModalWait placed = WhenModal<CPlaceShipsDlg>(ArrangeTidyFleetByKeys);
                Keys("Tab Space");   // from the name to "Put the ships"
            }
            Keys("Enter");
        });
        Keys(start);
        QVERIFY(GameInProgress);
        if (byHand) {
            for (const int cell : TIDY_DECKS)
                QVERIFY2(PlayerOne.m_fleet[cell] >= CELL_SHIP, qPrintable(QString::number(cell)));
            QCOMPARE(std::count_if(PlayerOne.m_fleet, PlayerOne.m_fleet + BOARD_CELLS,
                                   [](signed char c) { return c >= CELL_SHIP; }), 20L);
        }

        bool ended = false;
        const CModalWait result = win ? WhenModal<CWinDlg>([&ended](CWinDlg*) { ended = true, Keys("Enter"); })
                                      : WhenModal<CLoseDlg>([&ended](CLoseDlg*) { ended = true, Keys("Enter"); });
        for (const int cell : CellsOfPlayerTwo(win)) {
            if (!GameInProgress)
                break;
            Keys(KeysTo(cell / 10, cell % 10) + fire);
            QVERIFY(PlayerTwo.m_view[cell] != CELL_WATER);
        }
        QVERIFY(ended);
        QVERIFY(!GameInProgress);
        QVERIFY(win ? PlayerTwo.AllSunk() : PlayerOne.AllSunk());
        QCOMPARE(win ? PlayerOne.m_nWins : PlayerTwo.m_nWins, 1);
        QCOMPARE((*m_window)->Records().GetWins(0), win ? 1 : 0);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void escapeAsksAgainAfterAMenuByKeys_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("menu");   // the keys that open a window from the menu bar
        QTest::addColumn<QString>("window");
        QTest::newRow("Options: Alt, Right, Enter") << true << "Alt Right Enter" << "options";
        QTest::newRow("Options: Alt+O") << true << "Alt+O" << "options";
        QTest::newRow("Опции: Alt+О") << false << "Alt+О" << "options";
        QTest::newRow("Help: Alt, Left, Down, Enter") << true << "Alt Left Down Enter" << "help";
        QTest::newRow("Help: Alt+H, then H") << true << "Alt+H H" << "help";
        QTest::newRow("Помощь: Alt+П, then П") << false << "Alt+П П" << "help";
        QTest::newRow("About: Alt+H, then A") << true << "Alt+H A" << "about";
        QTest::newRow("Про автора: Alt+П, then А") << false << "Alt+П А" << "about";
    }
    void escapeAsksAgainAfterAMenuByKeys()
    {
        QFETCH(bool, english);
        QFETCH(QString, menu);
        QFETCH(QString, window);
        m_window = std::make_unique<GameWindow>(english);
        QVERIFY(m_window->IsActive());
        StartByKeys();
        QString opened;
        const auto close = [&opened](QWidget* w) { opened = w->windowTitle(), Keys("Esc"); };
        {
            const CModalWait closed = window == "options" ? WhenModal<COptionsDlg>(close)
                                      : window == "about" ? WhenModal<CAboutDlg>(close)
                                                          : WhenModal<QMessageBox>(close);
            Keys(menu);
        }
        const QStringList titles = english ? QStringList{"Options", "About Tidebolt", "Help"}
                                           : QStringList{"Опции", "Про автора", "Помощь"};
        QCOMPARE(opened, titles[window == "options" ? 0 : window == "about" ? 1 : 2]);
        // Back on the board: the arrows move the cell cursor and Esc asks.
        Keys("Right");
        QVERIFY((*m_window)->CellCursor().m_bShown);
        QCOMPARE(QApplication::focusWidget(), (*m_window)->ClientArea());
        QString asked;
        {
            const CModalWait question =
                WhenModal<QMessageBox>([&asked](QMessageBox* box) { asked = box->text(), Keys("Esc"); }, 2000);
            Keys("Esc");
        }
        QCOMPARE(asked, QString(english ? "Do you want exit game?" : "Выйти из игры?"));
        QVERIFY(GameInProgress);
    }

    void placementKeys_data()
    {
        // The tidy fleet: the four-decker across from A1, the three-deckers
        // across from row 3, the last one-decker at G7 (row 6, column 6).
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("ship");       // the ship picked afterwards
        QTest::addColumn<QList<int>>("at");  // ship 'ship': row, column, across
        QTest::addColumn<bool>("ok");
        QTest::newRow("Tab picks the four-decker, Right moves it") << "Tab Right" << 0 << QList<int>{0, 1, 1} << true;
        QTest::newRow("Up at the top edge is refused") << "Tab Up" << 0 << QList<int>{0, 0, 1} << true;
        QTest::newRow("a first arrow takes the four-decker") << "Down" << 0 << QList<int>{0, 0, 1} << true;
        QTest::newRow("Shift+Tab picks the last one-decker") << "Backtab Down*2" << 9 << QList<int>{8, 6, 1} << true;
        QTest::newRow("R turns a three-decker onto a two-decker")
            << "Tab*2 R" << 1 << QList<int>{2, 0, 0} << false;
        QTest::newRow("Space turns like R") << "Tab*2 Space" << 1 << QList<int>{2, 0, 0} << false;
        QTest::newRow("down stops with the four-decker in row 10")
            << "Tab Down*12" << 0 << QList<int>{9, 0, 1} << true;
        QTest::newRow("turned in row 10 it is pulled back up") << "Tab Down*9 R" << 0 << QList<int>{6, 0, 0} << false;
        QTest::newRow("a one-decker does not turn") << "Backtab R" << 9 << QList<int>{6, 6, 1} << true;
    }
    void placementKeys()
    {
        QFETCH(QString, keys);
        QFETCH(int, ship);
        QFETCH(QList<int>, at);
        m_window.reset();
        const auto dlg = OpenTidyPlacement();
        QVERIFY(dlg);
        Keys(keys);
        QCOMPARE(dlg->m_layout.m_nPicked, ship);
        const CPlacedShip& s = dlg->m_layout.m_ships[ship];
        QCOMPARE((QList<int>{s.m_nRow, s.m_nCol, s.m_bHorz}), at);
        QTEST(dlg->m_btnOK->isEnabled(), "ok");
    }

    void placementTabOrder_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("focus");   // the widget with the focus afterwards
        QTest::addColumn<int>("picked");
        QTest::newRow("opens on the board, nothing picked") << "" << "IDC_BOARD" << -1;
        QTest::newRow("after the tenth ship comes OK") << "Tab*11" << "IDOK" << -1;
        QTest::newRow("then Random, as the buttons stand") << "Tab*12" << "IDC_RANDOM" << -1;
        QTest::newRow("then Cancel") << "Tab*13" << "IDCANCEL" << -1;
        QTest::newRow("and round to the first ship") << "Tab*14" << "IDC_BOARD" << 0;
        QTest::newRow("Shift+Tab from the first ship to Cancel") << "Tab Backtab" << "IDCANCEL" << -1;
        QTest::newRow("Shift+Tab from OK onto the last ship") << "Tab*11 Backtab" << "IDC_BOARD" << 9;
    }
    void placementTabOrder()
    {
        QFETCH(QString, keys);
        m_window.reset();
        CPlaceShipsDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        Keys(keys);
        QTEST(QApplication::focusWidget()->objectName(), "focus");
        QTEST(dlg.m_layout.m_nPicked, "picked");
    }

    void pickedShipIsFramed()
    {
        m_window.reset();
        const auto dlg = OpenTidyPlacement();
        QVERIFY(dlg);
        Keys("Tab");
        const QImage shown = dlg->grab().toImage();
        // The board's left edge is x 55, its top y 51: the frame is centred
        // on the grid lines around A1 to D1, at x 55 and 159, y 51 and 77.
        for (const QPoint p : {QPoint(54, 64), QPoint(56, 64), QPoint(158, 64), QPoint(160, 64), QPoint(100, 50),
                               QPoint(100, 52), QPoint(100, 76), QPoint(100, 78)})
            QCOMPARE(shown.pixel(p) | 0xff000000, FRAME_YELLOW);
        QCOMPARE(shown.pixel(161, 64) | 0xff000000, qRgb(0, 102, 200));   // the sea beside it
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
