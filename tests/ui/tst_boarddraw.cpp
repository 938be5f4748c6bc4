// What a player sees of a board, checked on the pixels of a rendered image.
#include "game/globals.h"
#include "game/player.h"
#include "game/resources.h"
#include "store/settings.h"
#include "ui/pictures.h"
#include "ui/qtdrawcontext.h"

#include <QPainter>
#include <QTest>

#include <functional>

namespace {

const COLORREF SEA = RGB(0, 102, 200);
const COLORREF SHADOW = RGB(20, 20, 20);
const COLORREF INNER = RGB(50, 50, 50);
const COLORREF GRID = RGB(0, 200, 50);
const COLORREF CAPTION = RGB(0, 230, 0);
const COLORREF COUNT = RGB(0, 200, 250);
const COLORREF BACK = BackgroundColour;
const CRect BOARD{405, 51, 665, 311};  // player one's place on the main window

QColor Colour(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

QImage Render(const std::function<void(CDrawContext&)>& draw)
{
    QImage image(750, 509, QImage::Format_RGB32);
    image.fill(Colour(BACK));
    QPainter painter(&image);
    CQtDrawContext dc(painter);
    draw(dc);
    return image;
}

// "Player" with two wins and the whole fleet afloat, on player one's place.
struct CShownPlayer : CPlayer {
    CShownPlayer() : CPlayer(true)
    {
        m_rcBoard = BOARD, m_strName = "Player", m_nWins = 2;
        for (int k = 0; k < SHIP_KINDS; ++k)
            m_shipsLeft[k] = static_cast<signed char>(SHIP_KINDS - k);
    }
    // `then` runs while the window's context is still attached.
    QImage Paint(const std::function<void()>& then = {})
    {
        return Render([&](CDrawContext& dc) {
            m_pDC = &dc, Draw();
            if (then)
                then();
            m_pDC = nullptr;
        });
    }
};

int CountColour(const QImage& image, const QRect& area, COLORREF colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == Colour(colour).rgb();
    return count;
}

bool ShowsPicture(const QImage& image, int x, int y, int picture)
{
    const QImage expected = Picture(picture).toImage().convertToFormat(QImage::Format_RGB32);
    return !expected.isNull() && image.copy(x, y, expected.width(), expected.height()) == expected;
}

QImage ShadowText(int x, int y, const char* face, const std::string& text, COLORREF colour)
{
    return Render([&](CDrawContext& dc) {
        dc.SelectFont(CFontSpec{face, 20, 400});
        dc.SetBkModeTransparent();
        CPlayer::DrawShadowText(x, y, text, RGB(0, 0, 0), colour, dc);
    });
}

QRect CountNumber(int k) { return QRect(BOARD.left + 124, BOARD.bottom + 45 + 31 * k, 20, 31); }

}  // namespace

class TestBoardDraw : public QObject {
    Q_OBJECT
private slots:
    void init() { ShowShipCount = 1; }

    void lineLeavesOutItsEndPoint_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("pixels");
        QTest::newRow("rightward") << QPoint(10, 10) << QPoint(20, 10) << 10;
        QTest::newRow("upward") << QPoint(10, 30) << QPoint(10, 10) << 20;
        QTest::newRow("zero length") << QPoint(10, 10) << QPoint(10, 10) << 0;
    }
    void lineLeavesOutItsEndPoint()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(int, pixels);
        const QImage image = Render([&](CDrawContext& dc) {
            dc.SelectPen(GRID), dc.MoveTo(from.x(), from.y()), dc.LineTo(to.x(), to.y());
        });
        QCOMPARE(CountColour(image, QRect(0, 0, 50, 40), GRID), pixels);
        QCOMPARE(image.pixelColor(to), Colour(BACK));
        QCOMPARE(image.pixelColor(from), Colour(pixels ? GRID : BACK));
    }

    void textStandsBelowAndRightOfItsPoint()
    {
        for (const char* face : {"Courier", "Benguiat Bk BT"}) {  // the caption's and the count's
            const QImage image = ShadowText(200, 100, face, "Wg8", CAPTION);
            const int ink = CountColour(image, QRect(150, 60, 150, 80), CAPTION);
            QVERIFY2(ink > 20, face);
            // Placed by its baseline, the text would miss the cell's upper part.
            QCOMPARE(CountColour(image, QRect(200, 100, 60, 20), CAPTION), ink);
            QVERIFY2(CountColour(image, QRect(200, 100, 60, 8), CAPTION) > 0, face);
        }
    }

    void emptyBoardShowsSeaShadowAndGrid_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<COLORREF>("colour");
        const int l = BOARD.left, t = BOARD.top, r = BOARD.right, b = BOARD.bottom;
        QTest::newRow("sea in the first cell") << QPoint(l + 13, t + 13) << SEA;
        QTest::newRow("right shadow from 20 down") << QPoint(r + 10, t + 20) << SHADOW;
        QTest::newRow("no right shadow above that") << QPoint(r + 10, t + 19) << BACK;
        QTest::newRow("bottom shadow from 20 along") << QPoint(l + 20, b + 10) << SHADOW;
        QTest::newRow("no bottom shadow before that") << QPoint(l + 19, b + 10) << BACK;
        QTest::newRow("lines stop at the corner") << QPoint(r + 1, b) << SHADOW;
        for (int d : {0, 5 * CELL_PITCH, 10 * CELL_PITCH}) {  // each bright line has a dark twin
            QTest::addRow("column line at %d", d) << QPoint(l + d, t + 5) << GRID;
            QTest::addRow("column twin at %d", d) << QPoint(l + d + 1, t + 5) << INNER;
            QTest::addRow("row line at %d", d) << QPoint(l + 5, t + d) << GRID;
            QTest::addRow("row twin at %d", d) << QPoint(l + 5, t + d + 1) << INNER;
        }
    }
    void emptyBoardShowsSeaShadowAndGrid()
    {
        QFETCH(QPoint, at);
        QFETCH(COLORREF, colour);
        QCOMPARE(CShownPlayer().Paint().pixelColor(at), Colour(colour));
    }

    void cellShowsItsPictureInPlace()
    {
        CShownPlayer player;
        player.m_view[6 * BOARD_SIZE + 2] = CELL_SUNK;
        const QImage image = player.Paint();
        const int x = BOARD.left + CELL_PITCH * 2, y = BOARD.top + CELL_PITCH * 6;
        QVERIFY(ShowsPicture(image, x + 1, y + 1, IDB_SUNK));
        QCOMPARE(image.pixelColor(x, y + 12), Colour(GRID));  // the lines round it stay
    }

    void captionReadsNameColonWins()
    {
        // As if written by hand: green on a black shadow, above the board.
        const QImage board = CShownPlayer().Paint();
        const QImage written = ShadowText(BOARD.left, BOARD.top - 23, "Courier", "Player : 2", CAPTION);
        const QRect caption(BOARD.left, BOARD.top - 23, BOARD.Width(), 22);
        QCOMPARE(board.copy(caption), written.copy(caption));
    }

    void sinkingRedrawsTheCountColumn()
    {
        CShownPlayer player;
        // Drawn into the painted window: only the count column is drawn again.
        const QImage after = player.Paint([&] { player.ShipSunk(1); });
        const QImage three = ShadowText(BOARD.left + 124, BOARD.bottom + 45, "Benguiat Bk BT", "3", COUNT);
        QCOMPARE(after.copy(CountNumber(0)), three.copy(CountNumber(0)));
        QCOMPARE(after, player.Paint());
        for (int k = 0; k < SHIP_KINDS; ++k) {  // row k: k + 1 deck pictures, then its number
            const int y = BOARD.bottom + 40 + 31 * k + 1;
            QVERIFY(ShowsPicture(after, BOARD.left + CELL_PITCH * k + 1, y, IDB_SHIP));
            QCOMPARE(after.pixelColor(BOARD.left + CELL_PITCH * (k + 1) + 13, y + 12), Colour(BACK));
            QVERIFY(CountColour(after, CountNumber(k), COUNT) > 10);
        }
    }

    void countOffLeavesNothingBelowTheBoard()
    {
        ShowShipCount = 0;
        CShownPlayer player;
        const QImage image = player.Paint([&] { player.ShipSunk(1); });
        const QRect below(BOARD.left - 5, BOARD.bottom + 20, BOARD.Width() + 30, 509 - BOARD.bottom - 20);
        QCOMPARE(CountColour(image, below, BACK), below.width() * below.height());
    }
};

QTEST_MAIN(TestBoardDraw)
#include "tst_boarddraw.moc"
