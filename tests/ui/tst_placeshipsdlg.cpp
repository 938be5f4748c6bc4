// Arranging the fleet with the mouse on the real placement dialog.
#include "game/fleetrules.h"
#include "game/gamerand.h"
#include "game/globals.h"
#include "game/player.h"
#include "game/resources.h"
#include "store/settings.h"
#include "support/modal.h"
#include "ui/dialogids.h"
#include "ui/pictures.h"
#include "ui/placeshipsdlg.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <cstring>

namespace {

struct ShipPos {
    int row, col, horz;
};

// A legal fleet in fleet order, packed into the top seven rows.
const ShipPos TIDY_FLEET[CShipLayout::SHIP_COUNT] = {
    {0, 0, 1}, {2, 0, 1}, {2, 4, 1}, {4, 0, 1}, {4, 3, 1},
    {4, 6, 1}, {6, 0, 1}, {6, 2, 1}, {6, 4, 1}, {6, 6, 1},
};

void ShowTidyFleet(CPlaceShipsDlg& dlg)
{
    std::memset(PlaceGrid, 0, sizeof PlaceGrid);
    for (int i = 0; i < CShipLayout::SHIP_COUNT; ++i) {
        CPlacedShip& ship = dlg.m_layout.m_ships[i];
        ship.m_nRow = TIDY_FLEET[i].row;
        ship.m_nCol = TIDY_FLEET[i].col;
        ship.m_bHorz = TIDY_FLEET[i].horz;
        ship.Mark();
    }
    dlg.Redraw();
    dlg.UpdateOK();
}

QPoint CellCentre(const CPlaceShipsDlg& dlg, int row, int col)
{
    const CRect& rc = dlg.m_layout.m_rcBoard;
    return QPoint(rc.left + 26 * col + 13, rc.top + 26 * row + 13);
}

void Drag(CPlaceShipsDlg& dlg, QPoint from, QPoint to)
{
    QTest::mousePress(&dlg, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(&dlg, to);
    QTest::mouseRelease(&dlg, Qt::LeftButton, Qt::NoModifier, to);
}

QByteArray Grid()
{
    return QByteArray(reinterpret_cast<const char*>(PlaceGrid), BOARD_CELLS);
}

QByteArray Fleet(const CPlayer& player)
{
    return QByteArray(reinterpret_cast<const char*>(player.m_fleet), BOARD_CELLS);
}

// Player one's grid as the placement grid says it must be: a deck where a
// ship stands, water elsewhere.
QByteArray FleetFromGrid(const QByteArray& grid)
{
    QByteArray fleet(BOARD_CELLS, char(CELL_WATER));
    for (int i = 0; i < BOARD_CELLS; ++i)
        if (grid[i] != 0)
            fleet[i] = char(CELL_SHIP);
    return fleet;
}

QRgb Rgb(COLORREF c)
{
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

// The colour the window shows in the middle of a cell.
QRgb CellColour(CPlaceShipsDlg& dlg, int row, int col)
{
    const QImage shot = dlg.grab().toImage();
    const QPoint p = CellCentre(dlg, row, col);
    return shot.pixel(p) | 0xff000000;
}

QRgb PictureMiddle(int id)
{
    return Picture(id).toImage().pixel(12, 12) | 0xff000000;
}

} // namespace

class TestPlaceShipsDlg : public QObject {
    Q_OBJECT
private slots:
    void init();
    void opensWithALegalRandomFleetAndOKEnabled_data();
    void opensWithALegalRandomFleetAndOKEnabled();
    void boardStandsLeftOfPlayerOnesBoard_data();
    void boardStandsLeftOfPlayerOnesBoard();
    void shipDraggedOntoAnotherShowsTheClashAndBlocksOK();
    void rightClickTurnsTheShipUnderThePointer();
    void pressOnAGridLineStartsNoDrag();
    void randomGivesALegalFleetAgain();
    void okHandsPlayerOneExactlyTheShownDecks();
    void cancelLeavesPlayerOneAlone_data();
    void cancelLeavesPlayerOneAlone();
    void okOnAnIllegalFleetIsRefusedWithABang();
};

void TestPlaceShipsDlg::init()
{
    English = 1;
    PlayerOne.m_rcBoard = CRect{};
    GameSrand(2024);
}

void TestPlaceShipsDlg::opensWithALegalRandomFleetAndOKEnabled_data()
{
    QTest::addColumn<int>("english");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("help");
    QTest::newRow("English") << 1 << "Placing ships" << "Left MB :\n   Move\n\nRight MB :\n   Rotate";
    QTest::newRow("Russian") << 0 << "Расстановка кораблей"
                             << "Left MB :\n   Двигать\n\nRight MB :\n   Поворачивать";
}

void TestPlaceShipsDlg::opensWithALegalRandomFleetAndOKEnabled()
{
    QFETCH(int, english);
    QFETCH(QString, title);
    QFETCH(QString, help);
    English = static_cast<unsigned char>(english);
    std::memset(PlaceGrid, 0, sizeof PlaceGrid);
    CPlaceShipsDlg dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QCOMPARE(dlg.size(), QSize(501, 380));
    QCOMPARE(dlg.windowTitle(), title);
    QCOMPARE(dlg.m_help->text(), help);
    QCOMPARE(FleetFault([](int cell) { return PlaceGrid[cell] == 1; }), QString());
    int decks = 0;
    for (unsigned char b : PlaceGrid)
        decks += b;
    QCOMPARE(decks, 20);
    QVERIFY(dlg.m_btnOK->isEnabled());

    // The black frame, the background inside it, and the sea of the board.
    const QImage shot = dlg.grab().toImage();
    QCOMPARE(shot.pixel(11, 11) | 0xff000000, qRgb(0, 0, 0));
    QCOMPARE(shot.pixel(384, 368) | 0xff000000, qRgb(0, 0, 0));
    QCOMPARE(shot.pixel(20, 20) | 0xff000000, Rgb(BackgroundColour));
}

void TestPlaceShipsDlg::boardStandsLeftOfPlayerOnesBoard_data()
{
    // Rectangles as left, top, right, bottom.
    QTest::addColumn<QList<int>>("playerOne");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("main window measured") << QList<int>{405, 51, 665, 311} << QList<int>{55, 51, 315, 311};
    QTest::newRow("main window not yet measured") << QList<int>{0, 0, 0, 0} << QList<int>{55, 51, 315, 311};
    QTest::newRow("another frame") << QList<int>{415, 60, 675, 320} << QList<int>{65, 60, 325, 320};
}

void TestPlaceShipsDlg::boardStandsLeftOfPlayerOnesBoard()
{
    QFETCH(QList<int>, playerOne);
    QFETCH(QList<int>, expected);
    PlayerOne.m_rcBoard = CRect{playerOne[0], playerOne[1], playerOne[2], playerOne[3]};
    CPlaceShipsDlg dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    const CRect& rc = dlg.m_layout.m_rcBoard;
    QCOMPARE((QList<int>{rc.left, rc.top, rc.right, rc.bottom}), expected);
    // The board is drawn where the mouse finds it: its left grid line, which
    // no deck picture covers, and the background just left of it.
    const QImage shot = dlg.grab().toImage();
    QCOMPARE(shot.pixel(rc.left, rc.top + 13) | 0xff000000, Rgb(RGB(0, 200, 50)));
    QCOMPARE(shot.pixel(rc.left - 1, rc.top + 13) | 0xff000000, Rgb(BackgroundColour));
    PlayerOne.m_rcBoard = CRect{};
}

void TestPlaceShipsDlg::shipDraggedOntoAnotherShowsTheClashAndBlocksOK()
{
    QVERIFY2(!Picture(IDB_SHIP).isNull() && !Picture(IDB_SHOWN).isNull(), "cell pictures missing");
    const QRgb grey = PictureMiddle(IDB_SHIP);
    const QRgb olive = PictureMiddle(IDB_SHOWN);
    QVERIFY(grey != olive);

    CPlaceShipsDlg dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    ShowTidyFleet(dlg);
    QVERIFY(dlg.m_btnOK->isEnabled());

    // The two-deck ship at (4, 6)-(4, 7) goes down onto the one-deck ship at
    // (6, 6); OK follows while the button is still held.
    QTest::mousePress(&dlg, Qt::LeftButton, Qt::NoModifier, CellCentre(dlg, 4, 6));
    QTest::mouseMove(&dlg, CellCentre(dlg, 6, 6));
    QVERIFY(!dlg.m_btnOK->isEnabled());
    QTest::mouseRelease(&dlg, Qt::LeftButton, Qt::NoModifier, CellCentre(dlg, 6, 6));
    QCOMPARE(CellColour(dlg, 6, 6), olive);
    QCOMPARE(CellColour(dlg, 6, 7), grey);
    QCOMPARE(CellColour(dlg, 4, 6), Rgb(RGB(0, 102, 200)));
    QVERIFY(!dlg.m_btnOK->isEnabled());

    // Taken by its free deck, it goes back up.
    Drag(dlg, CellCentre(dlg, 6, 7), CellCentre(dlg, 4, 7));
    QCOMPARE(CellColour(dlg, 6, 6), grey);
    QCOMPARE(CellColour(dlg, 4, 6), grey);
    QCOMPARE(CellColour(dlg, 4, 7), grey);
    QVERIFY(dlg.m_btnOK->isEnabled());
}

void TestPlaceShipsDlg::rightClickTurnsTheShipUnderThePointer()
{
    CPlaceShipsDlg dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    ShowTidyFleet(dlg);
    // A one-deck ship stays as it is.
    QByteArray expected = Grid();
    QTest::mouseClick(&dlg, Qt::RightButton, Qt::NoModifier, CellCentre(dlg, 6, 2));
    QCOMPARE(Grid(), expected);
    // The four-deck ship moves to run right from (5, 3) and is turned about
    // its second deck: it runs down from (4, 4).
    Drag(dlg, CellCentre(dlg, 0, 0), CellCentre(dlg, 5, 3));
    expected = Grid();
    QTest::mouseClick(&dlg, Qt::RightButton, Qt::NoModifier, CellCentre(dlg, 5, 4));
    for (int c = 3; c <= 6; ++c)
        --expected[5 * 10 + c];
    for (int r = 4; r <= 7; ++r)
        ++expected[r * 10 + 4];
    QCOMPARE(Grid(), expected);
}

void TestPlaceShipsDlg::pressOnAGridLineStartsNoDrag()
{
    CPlaceShipsDlg dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    ShowTidyFleet(dlg);
    const QByteArray before = Grid();
    // The line between the first two decks of the four-deck ship in row 0.
    const CRect& rc = dlg.m_layout.m_rcBoard;
    Drag(dlg, QPoint(rc.left + 26, rc.top + 13), CellCentre(dlg, 8, 5));
    QCOMPARE(Grid(), before);
    // On a deck the same drag does move the ship.
    Drag(dlg, QPoint(rc.left + 27, rc.top + 13), CellCentre(dlg, 8, 5));
    QVERIFY(Grid() != before);
}

void TestPlaceShipsDlg::randomGivesALegalFleetAgain()
{
    CPlaceShipsDlg dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    ShowTidyFleet(dlg);
    Drag(dlg, CellCentre(dlg, 6, 6), CellCentre(dlg, 4, 7));
    QVERIFY(!dlg.m_btnOK->isEnabled());
    QTest::mouseClick(dlg.m_btnRandom, Qt::LeftButton);
    QCOMPARE(FleetFault([](int cell) { return PlaceGrid[cell] == 1; }), QString());
    QVERIFY(dlg.m_btnOK->isEnabled());
}

void TestPlaceShipsDlg::okHandsPlayerOneExactlyTheShownDecks()
{
    PlayerOne.PlaceFleetRandom();
    QByteArray shown;
    WhenModal<CPlaceShipsDlg>([&shown](CPlaceShipsDlg* dlg) {
        ShowTidyFleet(*dlg);
        Drag(*dlg, CellCentre(*dlg, 6, 6), CellCentre(*dlg, 9, 9));
        shown = Grid();
        QTest::mouseClick(dlg->m_btnOK, Qt::LeftButton);
    });
    CPlaceShipsDlg dlg;
    QCOMPARE(dlg.DoModal(), int(IDOK));
    QCOMPARE(int(shown.size()), BOARD_CELLS);
    QCOMPARE(int(shown[99]), 1);
    QCOMPARE(Fleet(PlayerOne), FleetFromGrid(shown));
    // Player one sees its own fleet at once.
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(PlayerOne.m_view), BOARD_CELLS), FleetFromGrid(shown));
}

void TestPlaceShipsDlg::cancelLeavesPlayerOneAlone_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel button") << "button";
    QTest::newRow("Esc") << "esc";
    QTest::newRow("close box") << "close";
}

void TestPlaceShipsDlg::cancelLeavesPlayerOneAlone()
{
    QFETCH(QString, how);
    PlayerOne.PlaceFleetRandom();
    const QByteArray before = Fleet(PlayerOne);
    WhenModal<CPlaceShipsDlg>([how](CPlaceShipsDlg* dlg) {
        QTest::mouseClick(dlg->m_btnRandom, Qt::LeftButton);
        if (how == QLatin1String("button"))
            QTest::mouseClick(dlg->m_btnCancel, Qt::LeftButton);
        else if (how == QLatin1String("esc"))
            QTest::keyClick(dlg, Qt::Key_Escape);
        else
            dlg->close();
    });
    CPlaceShipsDlg dlg;
    QCOMPARE(dlg.DoModal(), int(IDCANCEL));
    QCOMPARE(Fleet(PlayerOne), before);
}

void TestPlaceShipsDlg::okOnAnIllegalFleetIsRefusedWithABang()
{
    PlayerOne.PlaceFleetRandom();
    const QByteArray fleetBefore = Fleet(PlayerOne);
    CPlaceShipsDlg dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    ShowTidyFleet(dlg);
    Drag(dlg, CellCentre(dlg, 6, 6), CellCentre(dlg, 5, 8));
    const QByteArray grid = Grid();

    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    int buttons = 0;
    WhenModal<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = int(box->buttons().size());
        box->accept();
    });
    // OK is disabled, so only a command that arrives anyway gets this far.
    dlg.accept();
    QCOMPARE(text, QStringLiteral("!"));
    QCOMPARE(title, QStringLiteral("Tidebolt"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, 1);
    QVERIFY(dlg.isVisible());
    QCOMPARE(Grid(), grid);
    QCOMPARE(Fleet(PlayerOne), fleetBefore);
}

QTEST_MAIN(TestPlaceShipsDlg)
#include "tst_placeshipsdlg.moc"
