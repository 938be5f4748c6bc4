// What a player sees of a board, checked on pixels: the sea with its shadow
// and grid, the cell pictures, the caption, the count of ships afloat, and
// the drawing context's window-system conventions the board relies on.
#include "game/globals.h"
#include "game/player.h"
#include "game/resources.h"
#include "store/settings.h"
#include "ui/pictures.h"
#include "ui/qtdrawcontext.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace {

const COLORREF SEA = RGB(0, 102, 200);
const COLORREF SHADOW = RGB(20, 20, 20);
const COLORREF INNER = RGB(50, 50, 50);
const COLORREF GRID = RGB(0, 200, 50);
const COLORREF CAPTION = RGB(0, 230, 0);
const COLORREF COUNT = RGB(0, 200, 250);
const COLORREF BLACK = RGB(0, 0, 0);
const COLORREF BACK = BackgroundColour;

// Player one's place on the main window.
const CRect BOARD{405, 51, 665, 311};
const int WINDOW_WIDTH = 750;
const int WINDOW_HEIGHT = 509;

QImage Render(const std::function<void(CDrawContext&)>& draw, COLORREF ground = BACK)
{
    QImage image(WINDOW_WIDTH, WINDOW_HEIGHT, QImage::Format_RGB32);
    image.fill(QColor(GetRValue(ground), GetGValue(ground), GetBValue(ground)));
    QPainter painter(&image);
    CQtDrawContext dc(painter);
    draw(dc);
    painter.end();
    return image;
}

QImage RenderBoard(CPlayer& player)
{
    return Render([&](CDrawContext& dc) {
        player.m_pDC = &dc;
        player.Draw();
        player.m_pDC = nullptr;
    });
}

// Colours are compared as text so a failure says which colour it found.
QString ColourName(COLORREF c)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(GetRValue(c)).arg(GetGValue(c)).arg(GetBValue(c));
}

QString At(const QImage& image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return ColourName(RGB(c.red(), c.green(), c.blue()));
}

int CountColour(const QImage& image, const QRect& area, COLORREF colour)
{
    const QRgb wanted = qRgb(GetRValue(colour), GetGValue(colour), GetBValue(colour));
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += (image.pixel(x, y) & 0xffffff) == (wanted & 0xffffff);
    return count;
}

bool SameArea(const QImage& a, const QImage& b, const QRect& area)
{
    return a.copy(area) == b.copy(area);
}

bool ShowsPicture(const QImage& image, int x, int y, int picture)
{
    const QImage expected = Picture(picture).toImage().convertToFormat(QImage::Format_RGB32);
    return !expected.isNull() && image.copy(x, y, expected.width(), expected.height()) == expected;
}

QRect CellArea(const CRect& board, int row, int col)
{
    return QRect(board.left + CELL_PITCH * col + 1, board.top + CELL_PITCH * row + 1, 25, 25);
}

QRect CountNumberArea(const CRect& board, int k)
{
    return QRect(board.left + 124, board.bottom + 45 + 31 * k, 20, 31);
}

void SetUpPlayer(CPlayer& player)
{
    player.m_rcBoard = BOARD;
    player.m_strName = "Player";
    player.m_nWins = 2;
    const signed char afloat[SHIP_KINDS] = {4, 3, 2, 1};
    std::copy(afloat, afloat + SHIP_KINDS, player.m_shipsLeft);
}

}  // namespace

class TestBoardDraw : public QObject {
    Q_OBJECT
private slots:
    void init();

    void fillCoversLeftAndTopButNotRightAndBottom_data();
    void fillCoversLeftAndTopButNotRightAndBottom();
    void lineLeavesOutItsEndPoint_data();
    void lineLeavesOutItsEndPoint();
    void textStandsBelowAndRightOfItsPoint_data();
    void textStandsBelowAndRightOfItsPoint();
    void boardFontsFitTheirTwentyPixelCell_data();
    void boardFontsFitTheirTwentyPixelCell();

    void emptyBoardShowsSeaShadowAndGrid_data();
    void emptyBoardShowsSeaShadowAndGrid();
    void gridLinesEveryCellWithDarkTwinBeside_data();
    void gridLinesEveryCellWithDarkTwinBeside();
    void eachCellCodeShowsItsPicture_data();
    void eachCellCodeShowsItsPicture();
    void sunkShipShowsSunkDecksRingedByMisses_data();
    void sunkShipShowsSunkDecksRingedByMisses();

    void captionReadsNameColonWins_data();
    void captionReadsNameColonWins();
    void captionIsGreenOnBlackShadowAboveTheBoard();
    void captionFillIsLeftOutOnRequest_data();
    void captionFillIsLeftOutOnRequest();

    void shipIconsStandInRowsByLength_data();
    void shipIconsStandInRowsByLength();
    void countShowsThreeAfterASingleDeckerSinks();
    void sinkingRedrawsTheCountInPlace();
    void countOffLeavesNothingBelowTheBoard();

    void drawingPutsBackThePenItFound();
    void nothingIsDrawnWithoutAContext();

    void picturesHaveTheirSizes_data();
    void picturesHaveTheirSizes();
    void pictureColoursAreExact_data();
    void pictureColoursAreExact();
    void unknownPictureIsEmptyAndDrawsNothing();
};

void TestBoardDraw::init()
{
    ShowShipCount = 1;
    Sound = 0;
}

// --- The drawing context -------------------------------------------------

void TestBoardDraw::fillCoversLeftAndTopButNotRightAndBottom_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("filled");
    // The rectangle (100, 50)-(110, 55).
    QTest::newRow("top-left corner") << 100 << 50 << true;
    QTest::newRow("last pixel inside") << 109 << 54 << true;
    QTest::newRow("right edge") << 110 << 50 << false;
    QTest::newRow("bottom edge") << 100 << 55 << false;
    QTest::newRow("left of it") << 99 << 52 << false;
    QTest::newRow("above it") << 105 << 49 << false;
}

void TestBoardDraw::fillCoversLeftAndTopButNotRightAndBottom()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, filled);
    const QImage image =
        Render([](CDrawContext& dc) { dc.FillSolidRect(CRect{100, 50, 110, 55}, SEA); });
    QCOMPARE(At(image, x, y), ColourName(filled ? SEA : BACK));
}

void TestBoardDraw::lineLeavesOutItsEndPoint_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<int>("pixels");
    QTest::newRow("rightward") << QPoint(10, 10) << QPoint(20, 10) << 10;
    QTest::newRow("leftward") << QPoint(20, 10) << QPoint(10, 10) << 10;
    QTest::newRow("downward") << QPoint(10, 10) << QPoint(10, 30) << 20;
    QTest::newRow("upward") << QPoint(10, 30) << QPoint(10, 10) << 20;
    QTest::newRow("diagonal") << QPoint(10, 10) << QPoint(16, 16) << 6;
    QTest::newRow("shallow slope") << QPoint(40, 10) << QPoint(10, 20) << 30;
    QTest::newRow("zero length") << QPoint(10, 10) << QPoint(10, 10) << 0;
}

void TestBoardDraw::lineLeavesOutItsEndPoint()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(int, pixels);
    const QImage image = Render([&](CDrawContext& dc) {
        dc.SelectPen(GRID);
        dc.MoveTo(from.x(), from.y());
        dc.LineTo(to.x(), to.y());
    });
    QCOMPARE(CountColour(image, image.rect(), GRID), pixels);
    QCOMPARE(At(image, to.x(), to.y()), ColourName(BACK));
    if (pixels > 0)
        QCOMPARE(At(image, from.x(), from.y()), ColourName(GRID));
}

void TestBoardDraw::textStandsBelowAndRightOfItsPoint_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QPoint>("point");
    QTest::newRow("caption font") << "Courier" << QPoint(200, 100);
    QTest::newRow("count font") << "Benguiat Bk BT" << QPoint(57, 300);
}

void TestBoardDraw::textStandsBelowAndRightOfItsPoint()
{
    QFETCH(QString, face);
    QFETCH(QPoint, point);
    const QImage image = Render([&](CDrawContext& dc) {
        dc.SelectFont(CFontSpec{face.toStdString(), 20, 400});
        dc.SetBkModeTransparent();
        dc.SetTextColor(CAPTION);
        dc.TextOut(point.x(), point.y(), "Wg8");
    });
    const int ink = CountColour(image, image.rect(), CAPTION);
    QVERIFY(ink > 20);
    // All of it in the 20-pixel character cell below and right of the point,
    // and reaching into the cell's upper half (a baseline placement would not).
    QCOMPARE(CountColour(image, QRect(point.x(), point.y(), 60, 20), CAPTION), ink);
    QVERIFY(CountColour(image, QRect(point.x(), point.y(), 60, 8), CAPTION) > 0);
}

void TestBoardDraw::boardFontsFitTheirTwentyPixelCell_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<bool>("fixedPitch");
    QTest::newRow("Courier") << "Courier" << true;
    QTest::newRow("Benguiat Bk BT") << "Benguiat Bk BT" << false;
}

void TestBoardDraw::boardFontsFitTheirTwentyPixelCell()
{
    QFETCH(QString, face);
    QFETCH(bool, fixedPitch);
    const QFont font = CQtDrawContext::MakeFont(CFontSpec{face.toStdString(), 20, 400});
    const QFontMetrics metrics(font);
    QVERIFY2(metrics.height() <= 20, qPrintable(QString::number(metrics.height())));
    QVERIFY(metrics.height() >= 17);
    QCOMPARE(QFontInfo(font).fixedPitch(), fixedPitch);
    QCOMPARE(QFontInfo(font).weight(), int(QFont::Normal));
}

// --- The board -----------------------------------------------------------

void TestBoardDraw::emptyBoardShowsSeaShadowAndGrid_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<COLORREF>("colour");
    const CRect& b = BOARD;
    QTest::newRow("sea in a cell") << b.left + 13 << b.top + 13 << SEA;
    QTest::newRow("sea in the last cell") << b.right - 2 << b.bottom - 2 << SEA;
    QTest::newRow("right shadow top") << b.right + 10 << b.top + 20 << SHADOW;
    QTest::newRow("right shadow corner") << b.right + 19 << b.bottom + 19 << SHADOW;
    QTest::newRow("above right shadow") << b.right + 10 << b.top + 19 << BACK;
    QTest::newRow("right of the shadow") << b.right + 20 << b.top + 100 << BACK;
    QTest::newRow("bottom shadow start") << b.left + 20 << b.bottom + 10 << SHADOW;
    QTest::newRow("left of bottom shadow") << b.left + 19 << b.bottom + 10 << BACK;
    QTest::newRow("below the shadow") << b.left + 100 << b.bottom + 20 << BACK;
    // The last dark lines run over the shadow; the bright ones stop short.
    QTest::newRow("dark twin of right edge") << b.right + 1 << b.top + 100 << INNER;
    QTest::newRow("dark twin of right edge, above shadow") << b.right + 1 << b.top + 5 << INNER;
    QTest::newRow("dark twin of bottom edge") << b.left + 100 << b.bottom + 1 << INNER;
    QTest::newRow("bottom-right grid corner") << b.right << b.bottom << GRID;
    QTest::newRow("past the bottom edge's end") << b.right + 1 << b.bottom << SHADOW;
    QTest::newRow("below the right edge's end") << b.right << b.bottom + 1 << SHADOW;
    QTest::newRow("diagonal past the corner") << b.right + 1 << b.bottom + 1 << SHADOW;
    QTest::newRow("bright line over a dark one") << b.left + 26 << b.top + 27 << GRID;
    QTest::newRow("left of the board") << b.left - 1 << b.top + 50 << BACK;
}

void TestBoardDraw::emptyBoardShowsSeaShadowAndGrid()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(COLORREF, colour);
    CPlayer player(true);
    SetUpPlayer(player);
    const QImage image = RenderBoard(player);
    QCOMPARE(At(image, x, y), ColourName(colour));
}

void TestBoardDraw::gridLinesEveryCellWithDarkTwinBeside_data()
{
    QTest::addColumn<int>("k");
    for (int k = 0; k <= BOARD_SIZE; ++k)
        QTest::addRow("line %d", k) << k;
}

void TestBoardDraw::gridLinesEveryCellWithDarkTwinBeside()
{
    QFETCH(int, k);
    CPlayer player(true);
    SetUpPlayer(player);
    const QImage image = RenderBoard(player);
    const int d = CELL_PITCH * k;
    const CRect& b = BOARD;
    QCOMPARE(At(image, b.left + d, b.top + 5), ColourName(GRID));
    QCOMPARE(At(image, b.left + 1 + d, b.top + 5), ColourName(INNER));
    QCOMPARE(At(image, b.left + 5, b.top + d), ColourName(GRID));
    QCOMPARE(At(image, b.left + 5, b.top + 1 + d), ColourName(INNER));
    if (k < BOARD_SIZE)
        QCOMPARE(At(image, b.left + 2 + d, b.top + 2 + d), ColourName(SEA));
}

void TestBoardDraw::eachCellCodeShowsItsPicture_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("picture");
    QTest::newRow("miss, top left") << int(CELL_MISS) << 0 << 0 << int(IDB_MISS);
    QTest::newRow("deck, bottom right") << int(CELL_SHIP) << 9 << 9 << int(IDB_SHIP);
    QTest::newRow("hit deck") << int(CELL_HIT) << 3 << 7 << int(IDB_HIT);
    QTest::newRow("sunk deck") << int(CELL_SUNK) << 6 << 2 << int(IDB_SUNK);
    QTest::newRow("surviving deck shown") << int(CELL_SHOWN) << 9 << 0 << int(IDB_SHOWN);
}

void TestBoardDraw::eachCellCodeShowsItsPicture()
{
    QFETCH(int, code);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, picture);
    CPlayer player(true);
    SetUpPlayer(player);
    player.m_view[row * BOARD_SIZE + col] = static_cast<signed char>(code);
    const QImage image = RenderBoard(player);
    const QRect cell = CellArea(BOARD, row, col);
    QVERIFY(ShowsPicture(image, cell.left(), cell.top(), picture));
    // The picture covers the dark twins but leaves both bright lines round it.
    QCOMPARE(At(image, cell.left() - 1, cell.top() + 12), ColourName(GRID));
    QCOMPARE(At(image, cell.right() + 1, cell.top() + 12), ColourName(GRID));
    QCOMPARE(At(image, cell.left() + 12, cell.bottom() + 1), ColourName(GRID));
}

void TestBoardDraw::sunkShipShowsSunkDecksRingedByMisses_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<bool>("vertical");
    QTest::newRow("across, mid-board") << 4 << 3 << false;
    QTest::newRow("down, along the left edge") << 2 << 0 << true;
    QTest::newRow("across, in the bottom-right corner") << 9 << 6 << false;
}

void TestBoardDraw::sunkShipShowsSunkDecksRingedByMisses()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(bool, vertical);
    CPlayer player(true);
    SetUpPlayer(player);
    unsigned char placement[BOARD_CELLS] = {};
    const int dRow = vertical ? 1 : 0;
    const int dCol = vertical ? 0 : 1;
    for (int i = 0; i < 4; ++i)
        placement[(row + i * dRow) * BOARD_SIZE + col + i * dCol] = 1;
    player.TakePlacement(placement);
    for (int i = 0; i < 4; ++i)
        QVERIFY(player.Shoot(row + i * dRow, col + i * dCol));
    const QImage image = RenderBoard(player);

    int sunk = 0;
    int misses = 0;
    for (int r = 0; r < BOARD_SIZE; ++r) {
        for (int c = 0; c < BOARD_SIZE; ++c) {
            const int along = vertical ? r - row : c - col;
            const int across = vertical ? c - col : r - row;
            const bool deck = across == 0 && along >= 0 && along < 4;
            const bool ring = !deck && std::abs(across) <= 1 && along >= -1 && along <= 4;
            const QRect cell = CellArea(BOARD, r, c);
            if (deck) {
                QVERIFY2(ShowsPicture(image, cell.left(), cell.top(), IDB_SUNK),
                         qPrintable(QStringLiteral("deck at %1,%2").arg(r).arg(c)));
                ++sunk;
            } else if (ring) {
                QVERIFY2(ShowsPicture(image, cell.left(), cell.top(), IDB_MISS),
                         qPrintable(QStringLiteral("ring at %1,%2").arg(r).arg(c)));
                ++misses;
            } else {
                QCOMPARE(At(image, cell.left() + 12, cell.top() + 12), ColourName(SEA));
            }
        }
    }
    QCOMPARE(sunk, 4);
    QVERIFY(misses >= 6);
}

// --- The caption ---------------------------------------------------------

void TestBoardDraw::captionReadsNameColonWins_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("wins");
    QTest::addColumn<QString>("text");
    QTest::newRow("Player with two wins") << "Player" << 2 << "Player : 2";
    QTest::newRow("no wins yet") << "Anna" << 0 << "Anna : 0";
    QTest::newRow("a Russian name, two-digit tally") << QStringLiteral("Иван") << 12
                                                     << QStringLiteral("Иван : 12");
}

void TestBoardDraw::captionReadsNameColonWins()
{
    QFETCH(QString, name);
    QFETCH(int, wins);
    QFETCH(QString, text);
    CPlayer player(true);
    SetUpPlayer(player);
    player.m_strName = name.toStdString();
    player.m_nWins = wins;
    const QImage board = RenderBoard(player);

    // The same words written by hand where the caption goes.
    const QImage expected = Render([&](CDrawContext& dc) {
        dc.SelectFont(CFontSpec{"Courier", 20, 400});
        dc.SetBkModeTransparent();
        dc.SetTextColor(BLACK);
        dc.TextOut(BOARD.left + 2, BOARD.top - 21, text.toStdString());
        dc.SetTextColor(CAPTION);
        dc.TextOut(BOARD.left, BOARD.top - 23, text.toStdString());
    });
    const QRect caption(BOARD.left, BOARD.top - 23, BOARD.Width(), 22);
    QVERIFY(SameArea(board, expected, caption));
}

void TestBoardDraw::captionIsGreenOnBlackShadowAboveTheBoard()
{
    CPlayer player(true);
    SetUpPlayer(player);
    const QImage image = RenderBoard(player);
    const QRect caption(BOARD.left, BOARD.top - 23, BOARD.Width(), 22);
    const int green = CountColour(image, caption, CAPTION);
    QVERIFY(green > 30);
    QVERIFY(CountColour(image, caption, BLACK) > 30);
    QCOMPARE(CountColour(image, image.rect(), CAPTION), green);
}

void TestBoardDraw::captionFillIsLeftOutOnRequest_data()
{
    QTest::addColumn<bool>("noFill");
    QTest::addColumn<COLORREF>("behind");
    QTest::newRow("filled") << false << BACK;
    QTest::newRow("not filled") << true << SEA;
}

void TestBoardDraw::captionFillIsLeftOutOnRequest()
{
    QFETCH(bool, noFill);
    QFETCH(COLORREF, behind);
    CPlayer player(true);
    SetUpPlayer(player);
    const QImage image = Render(
        [&](CDrawContext& dc) {
            player.m_pDC = &dc;
            player.DrawCaption(noFill);
            player.m_pDC = nullptr;
        },
        SEA);
    // Right end of the caption strip, past the text; its last row is not part of it.
    QCOMPARE(At(image, BOARD.right - 1, BOARD.top - 20), ColourName(behind));
    QCOMPARE(At(image, BOARD.right - 1, BOARD.top - 2), ColourName(behind));
    QCOMPARE(At(image, BOARD.right - 1, BOARD.top - 1), ColourName(SEA));
    QCOMPARE(At(image, BOARD.right, BOARD.top - 10), ColourName(SEA));
}

// --- The count of ships afloat --------------------------------------------

void TestBoardDraw::shipIconsStandInRowsByLength_data()
{
    QTest::addColumn<int>("length");
    for (int length = 1; length <= SHIP_KINDS; ++length)
        QTest::addRow("length %d", length) << length;
}

void TestBoardDraw::shipIconsStandInRowsByLength()
{
    QFETCH(int, length);
    CPlayer player(true);
    SetUpPlayer(player);
    const QImage image = RenderBoard(player);
    const int k = length - 1;
    const int y = BOARD.bottom + 40 + 31 * k + 1;
    for (int j = 0; j < length; ++j)
        QVERIFY2(ShowsPicture(image, BOARD.left + CELL_PITCH * j + 1, y, IDB_SHIP),
                 qPrintable(QString::number(j)));
    QCOMPARE(At(image, BOARD.left + CELL_PITCH * length + 13, y + 12), ColourName(BACK));
    QVERIFY(CountColour(image, CountNumberArea(BOARD, k), COUNT) > 10);
}

void TestBoardDraw::countShowsThreeAfterASingleDeckerSinks()
{
    CPlayer before(true);
    SetUpPlayer(before);
    const QImage four = RenderBoard(before);

    CPlayer after(true);
    SetUpPlayer(after);
    after.ShipSunk(1);  // between paints: nothing to draw into
    const QImage three = RenderBoard(after);

    const QImage written = Render([](CDrawContext& dc) {
        dc.SelectFont(CFontSpec{"Benguiat Bk BT", 20, 400});
        dc.SetBkModeTransparent();
        CPlayer::DrawShadowText(BOARD.left + 124, BOARD.bottom + 45, "3", BLACK, COUNT, dc);
    });
    QVERIFY(!SameArea(four, three, CountNumberArea(BOARD, 0)));
    QVERIFY(SameArea(three, written, CountNumberArea(BOARD, 0)));
    for (int k = 1; k < SHIP_KINDS; ++k)
        QVERIFY(SameArea(four, three, CountNumberArea(BOARD, k)));
}

void TestBoardDraw::sinkingRedrawsTheCountInPlace()
{
    CPlayer player(true);
    SetUpPlayer(player);
    const QImage redrawn = Render([&](CDrawContext& dc) {
        player.m_pDC = &dc;
        player.Draw();
        player.ShipSunk(2);
        player.m_pDC = nullptr;
    });
    const QImage fresh = RenderBoard(player);
    QCOMPARE(int(player.m_shipsLeft[1]), 2);
    QVERIFY(SameArea(redrawn, fresh, QRect(0, 0, WINDOW_WIDTH, WINDOW_HEIGHT)));
}

void TestBoardDraw::countOffLeavesNothingBelowTheBoard()
{
    ShowShipCount = 0;
    CPlayer player(true);
    SetUpPlayer(player);
    QImage image = RenderBoard(player);
    const QRect below(BOARD.left - 5, BOARD.bottom + 20, BOARD.Width() + 30,
                      WINDOW_HEIGHT - BOARD.bottom - 20);
    QCOMPARE(CountColour(image, below, BACK), below.width() * below.height());

    const QImage sunk = Render([&](CDrawContext& dc) {
        player.m_pDC = &dc;
        player.ShipSunk(1);
        player.m_pDC = nullptr;
    });
    QCOMPARE(CountColour(sunk, sunk.rect(), BACK), WINDOW_WIDTH * WINDOW_HEIGHT);
}

// --- Context handling ----------------------------------------------------

void TestBoardDraw::drawingPutsBackThePenItFound()
{
    CPlayer player(true);
    SetUpPlayer(player);
    const COLORREF mine = RGB(1, 2, 3);
    COLORREF after = 0;
    Render([&](CDrawContext& dc) {
        dc.SelectPen(mine);
        player.m_pDC = &dc;
        player.Draw();
        player.DrawCaption(true);
        after = dc.GetPen();
        player.m_pDC = nullptr;
    });
    QCOMPARE(ColourName(after), ColourName(mine));
}

void TestBoardDraw::nothingIsDrawnWithoutAContext()
{
    CPlayer player(true);
    SetUpPlayer(player);
    player.m_view[0] = CELL_HIT;
    player.Draw();
    player.DrawFrame();
    player.DrawCaption(false);
    player.DrawShipCount();
    player.DrawCountNumbers();
    player.DrawCellImage(0, 0, IDB_SHIP);
    QVERIFY(player.m_pDC == nullptr);
}

// --- The pictures --------------------------------------------------------

void TestBoardDraw::picturesHaveTheirSizes_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QSize>("size");
    for (int id : {IDB_HIT, IDB_SHIP, IDB_SUNK, IDB_MISS, IDB_SHOWN})
        QTest::addRow("cell picture %d", id) << id << QSize(25, 25);
    QTest::newRow("win") << int(IDB_WIN) << QSize(370, 131);
    QTest::newRow("lose") << int(IDB_LOSE) << QSize(370, 131);
    QTest::newRow("splash") << int(IDB_SPLASH) << QSize(785, 440);
    for (int id : {IDI_TIDEBOLT, IDI_NETWORK, IDI_FLAG_US, IDI_FLAG_RU})
        QTest::addRow("icon %d", id) << id << QSize(32, 32);
}

void TestBoardDraw::picturesHaveTheirSizes()
{
    QFETCH(int, id);
    QFETCH(QSize, size);
    QCOMPARE(Picture(id).size(), size);
    QVERIFY(!Icon(id).isNull());
}

void TestBoardDraw::pictureColoursAreExact_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<COLORREF>("colour");
    QTest::newRow("miss: blue corner") << int(IDB_MISS) << QPoint(0, 0) << RGB(0, 102, 204);
    QTest::newRow("miss: blue edge") << int(IDB_MISS) << QPoint(24, 12) << RGB(0, 102, 204);
    QTest::newRow("hit: crimson centre") << int(IDB_HIT) << QPoint(12, 12) << RGB(237, 20, 91);
    QTest::newRow("hit: crimson near a corner") << int(IDB_HIT) << QPoint(4, 4) << RGB(237, 20, 91);
    QTest::newRow("sunk: magenta centre") << int(IDB_SUNK) << QPoint(12, 12) << RGB(236, 0, 140);
    QTest::newRow("sunk: magenta near a corner") << int(IDB_SUNK) << QPoint(20, 4) << RGB(236, 0, 140);
}

void TestBoardDraw::pictureColoursAreExact()
{
    QFETCH(int, id);
    QFETCH(QPoint, pixel);
    QFETCH(COLORREF, colour);
    const QImage image = Picture(id).toImage();
    QCOMPARE(At(image, pixel.x(), pixel.y()), ColourName(colour));
}

void TestBoardDraw::unknownPictureIsEmptyAndDrawsNothing()
{
    QVERIFY(Picture(9999).isNull());
    QVERIFY(Icon(9999).isNull());
    const QImage image = Render([](CDrawContext& dc) { dc.DrawPicture(10, 10, 9999); });
    QCOMPARE(CountColour(image, image.rect(), BACK), WINDOW_WIDTH * WINDOW_HEIGHT);
}

QTEST_MAIN(TestBoardDraw)
#include "tst_boarddraw.moc"
