// Arranging the fleet with the mouse on the real placement dialog.
#include "game/fleetrules.h"
#include "game/gamerand.h"
#include "game/player.h"
#include "game/resources.h"
#include "support/modal.h"
#include "ui/dialogids.h"
#include "ui/pictures.h"
#include "ui/placeshipsdlg.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

#include <cstring>

namespace {

// A legal fleet in fleet order (row, column, runs right), in the top seven rows.
const int TIDY_FLEET[CShipLayout::SHIP_COUNT][3] = {
    {0, 0, 1}, {2, 0, 1}, {2, 4, 1}, {4, 0, 1}, {4, 3, 1}, {4, 6, 1}, {6, 0, 1}, {6, 2, 1}, {6, 4, 1}, {6, 6, 1}};

void ShowTidyFleet(CPlaceShipsDlg& dlg)
{
    std::memset(PlaceGrid, 0, sizeof PlaceGrid);
    for (int i = 0; i < CShipLayout::SHIP_COUNT; ++i) {
        CPlacedShip& ship = dlg.m_layout.m_ships[i];
        ship.m_nRow = TIDY_FLEET[i][0], ship.m_nCol = TIDY_FLEET[i][1], ship.m_bHorz = TIDY_FLEET[i][2];
        ship.Mark();
    }
    dlg.Redraw(), dlg.UpdateOK();
}

QPoint Cell(const CPlaceShipsDlg& dlg, int row, int col)
{
    return QPoint(dlg.m_layout.m_rcBoard.left + 26 * col + 13, dlg.m_layout.m_rcBoard.top + 26 * row + 13);
}

void Drag(CPlaceShipsDlg& dlg, QPoint from, QPoint to)
{
    QTest::mousePress(&dlg, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(&dlg, to);
    QTest::mouseRelease(&dlg, Qt::LeftButton, Qt::NoModifier, to);
}

QByteArray Bytes(const void* cells = PlaceGrid) { return QByteArray(static_cast<const char*>(cells), BOARD_CELLS); }

// The colour the window shows in the middle of a cell, and a picture's middle.
QRgb Shown(CPlaceShipsDlg& dlg, int row, int col) { return dlg.grab().toImage().pixel(Cell(dlg, row, col)) | 0xff000000; }
QRgb Middle(int picture) { return Picture(picture).toImage().pixel(12, 12) | 0xff000000; }

} // namespace

class TestPlaceShipsDlg : public QObject {
    Q_OBJECT
    std::unique_ptr<CPlaceShipsDlg> m_dlg;

private slots:
    // The dialog open as the player first sees it.
    void init()
    {
        GameSrand(2024);
        m_dlg = std::make_unique<CPlaceShipsDlg>();
        m_dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
    }
    void cleanup() { m_dlg.reset(); }

    void opensWithALegalFleetAndOKEnabled()
    {
        QCOMPARE(FleetFault([](int cell) { return PlaceGrid[cell] == 1; }), QString());
        QVERIFY(m_dlg->m_btnOK->isEnabled());
        // Left of player one's board on the main window, where the mouse finds it.
        QCOMPARE(m_dlg->m_layout.m_rcBoard, (CRect{55, 51, 315, 311}));
    }

    void shipDraggedOntoAnotherShowsTheClashAndDisablesOK()
    {
        ShowTidyFleet(*m_dlg);
        // The two-decker at (4, 6) goes down onto the one-decker at (6, 6);
        // OK follows while the button is still held.
        QTest::mousePress(m_dlg.get(), Qt::LeftButton, Qt::NoModifier, Cell(*m_dlg, 4, 6));
        QTest::mouseMove(m_dlg.get(), Cell(*m_dlg, 6, 6));
        QVERIFY(!m_dlg->m_btnOK->isEnabled());
        QTest::mouseRelease(m_dlg.get(), Qt::LeftButton, Qt::NoModifier, Cell(*m_dlg, 6, 6));
        QCOMPARE(Shown(*m_dlg, 6, 6), Middle(IDB_SHOWN));
        QCOMPARE(Shown(*m_dlg, 6, 7), Middle(IDB_SHIP));
        QCOMPARE(Shown(*m_dlg, 4, 6), qRgb(0, 102, 200));  // sea where it stood
    }

    void rightClickTurnsTheShipUnderThePointer()
    {
        ShowTidyFleet(*m_dlg);
        // The four-decker, moved to run right from (5, 3), turns about its
        // second deck: it then runs down from (4, 4).
        Drag(*m_dlg, Cell(*m_dlg, 0, 0), Cell(*m_dlg, 5, 3));
        QByteArray expected = Bytes();
        QTest::mouseClick(m_dlg.get(), Qt::RightButton, Qt::NoModifier, Cell(*m_dlg, 5, 4));
        for (int i = 0; i < 4; ++i) {
            --expected[5 * 10 + 3 + i];
            ++expected[(4 + i) * 10 + 4];
        }
        QCOMPARE(Bytes(), expected);
    }

    void pressOnAGridLineStartsNoDrag_data()
    {
        QTest::addColumn<int>("x");  // from the board's left, in row 0
        QTest::addColumn<bool>("moves");
        QTest::newRow("on the line between two decks") << 26 << false;
        QTest::newRow("a pixel right, on a deck") << 27 << true;
    }
    void pressOnAGridLineStartsNoDrag()
    {
        QFETCH(int, x);
        QFETCH(bool, moves);
        ShowTidyFleet(*m_dlg);
        const QByteArray tidy = Bytes();
        const CRect& rc = m_dlg->m_layout.m_rcBoard;
        Drag(*m_dlg, QPoint(rc.left + x, rc.top + 13), Cell(*m_dlg, 8, 5));
        QCOMPARE(Bytes() != tidy, moves);
    }

    // Enter is OK, also after a drag that disabled OK for a while, and
    // does nothing while the ships clash.
    void enterMeansOK_data()
    {
        QTest::addColumn<bool>("clashAgain");
        QTest::newRow("clash undone: the fleet is handed over") << false;
        QTest::newRow("still clashing: the dialog stays") << true;
    }
    void enterMeansOK()
    {
        QFETCH(bool, clashAgain);
        m_dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
        ShowTidyFleet(*m_dlg);
        Drag(*m_dlg, Cell(*m_dlg, 4, 6), Cell(*m_dlg, 6, 6));
        QVERIFY(!m_dlg->m_btnOK->isEnabled());
        Drag(*m_dlg, Cell(*m_dlg, 6, 6), Cell(*m_dlg, 4, 6));
        if (clashAgain)
            Drag(*m_dlg, Cell(*m_dlg, 4, 6), Cell(*m_dlg, 5, 6));
        const QByteArray shown = Bytes();
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : m_dlg.get(), Qt::Key_Return);
        QCOMPARE(m_dlg->isVisible(), clashAgain);
        QCOMPARE(m_dlg->result(), clashAgain ? 0 : int(QDialog::Accepted));
        if (!clashAgain) {
            for (int i = 0; i < BOARD_CELLS; ++i)
                QCOMPARE(int(PlayerOne.m_fleet[i]), shown[i] ? int(CELL_SHIP) : int(CELL_WATER));
        }
    }

    void onlyOKHandsPlayerOneTheShownDecks_data()
    {
        QTest::addColumn<QString>("close");
        QTest::newRow("OK") << "OK";
        QTest::newRow("Cancel") << "Cancel";
    }
    void onlyOKHandsPlayerOneTheShownDecks()
    {
        QFETCH(QString, close);
        m_dlg.reset();
        PlayerOne.PlaceFleetRandom();
        const QByteArray before = Bytes(PlayerOne.m_fleet);
        QByteArray shown;
        const CModalWait placed = WhenModal<CPlaceShipsDlg>([&](CPlaceShipsDlg* dlg) {
            ShowTidyFleet(*dlg);
            Drag(*dlg, Cell(*dlg, 6, 6), Cell(*dlg, 9, 9));
            shown = Bytes();
            QTest::mouseClick(FindButton(dlg, close), Qt::LeftButton);
        });
        CPlaceShipsDlg dlg;
        QCOMPARE(dlg.DoModal(), close == "OK" ? int(IDOK) : int(IDCANCEL));
        QCOMPARE(int(shown[99]), 1);
        QByteArray expected = before;
        for (int i = 0; close == "OK" && i < BOARD_CELLS; ++i)
            expected[i] = char(shown[i] ? CELL_SHIP : CELL_WATER);
        QCOMPARE(Bytes(PlayerOne.m_fleet), expected);
        if (close == "OK")  // player one sees its own fleet at once
            QCOMPARE(Bytes(PlayerOne.m_view), expected);
    }
};

QTEST_MAIN(TestPlaceShipsDlg)
#include "tst_placeshipsdlg.moc"
