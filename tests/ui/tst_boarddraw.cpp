// What a player sees of a board, checked on the pixels of a rendered image.
#include "game/globals.h"
#include "game/player.h"
#include "store/settings.h"
#include "ui/qtdrawcontext.h"

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
    QImage Paint()
    {
        return Render([&](CDrawContext& dc) { m_pDC = &dc, Draw(), m_pDC = nullptr; });
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

QImage ShadowText(int x, int y, const char* face, const std::string& text, COLORREF colour)
{
    return Render([&](CDrawContext& dc) {
        dc.SelectFont(CFontSpec{face, 20, 400});
        dc.SetBkModeTransparent();
        CPlayer::DrawShadowText(x, y, text, RGB(0, 0, 0), colour, dc);
    });
}

// A context that only writes down the texts drawn through it, each as
// "x,y #rrggbb text", so a test reads what the board says and where.
class CTextRecorder : public CDrawContext {
public:
    QStringList texts;
    void FillSolidRect(const CRect&, COLORREF) override {}
    COLORREF GetPen() const override { return 0; }
    void SelectPen(COLORREF) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    CFontSpec SelectFont(const CFontSpec& font) override { return font; }
    void SetBkModeTransparent() override {}
    void SetTextColor(COLORREF colour) override { m_crText = colour; }
    void TextOut(int x, int y, const std::string& text) override
    {
        texts << QStringLiteral("%1,%2 %3 %4").arg(x).arg(y).arg(Colour(m_crText).name(), QString::fromStdString(text));
    }
    void DrawPicture(int, int, int) override {}

private:
    COLORREF m_crText = 0;
};

// How a pixel of a cell picture looks by the drawing rules: an exact colour
// ("#rrggbb"), or the kind of a block's edge or face.
bool Looks(const QColor& c, const QString& looks)
{
    const int r = c.red(), g = c.green(), b = c.blue();
    if (looks.startsWith('#'))
        return c == QColor(looks);
    if (looks == "light edge")
        return std::min({r, g, b}) > 180;
    if (looks == "dark edge")
        return std::max({r, g, b}) < 50;
    if (looks == "grey face")
        return std::abs(r - g) < 20 && std::abs(g - b) < 20 && c.lightness() > 80 && c.lightness() < 230;
    if (looks == "yellow ball")
        return r > 200 && g > 120 && b < 100;
    if (looks == "olive face")
        return r > b + 60 && g > b + 60 && std::abs(r - g) < 40;
    return false;
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

    // Text stands below and right of its point, as the window system puts
    // it; its shadow is the text again, black, two pixels right and down,
    // under it; nothing is filled behind either.
    void textAndItsShadowStandBelowAndRightOfThePoint()
    {
        const QRgb green = Colour(CAPTION).rgb(), black = qRgb(0, 0, 0);
        for (const char* face : {"Courier", "Benguiat Bk BT"}) {  // the caption's and the count's
            const QImage image = ShadowText(200, 100, face, "Wg8", CAPTION);
            const int ink = CountColour(image, QRect(150, 60, 150, 80), CAPTION);
            QVERIFY2(ink > 20, face);
            // Placed by its baseline, the text would miss the cell's upper part.
            QCOMPARE(CountColour(image, QRect(200, 100, 60, 20), CAPTION), ink);
            QVERIFY2(CountColour(image, QRect(200, 100, 60, 8), CAPTION) > 0, face);
            int shadow = 0;
            for (int y = 90; y < 130; ++y) {
                for (int x = 190; x < 270; ++x) {
                    const QRgb p = image.pixel(x, y), below = image.pixel(x + 2, y + 2);
                    QVERIFY(p == green || p == black || p == Colour(BACK).rgb());
                    shadow += p == black;
                    QVERIFY(p != black || image.pixel(x - 2, y - 2) == green);
                    QVERIFY(p != green || below == green || below == black);
                }
            }
            QVERIFY2(shadow > 10, face);
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

    // One cell of each code side by side: a picture shown for the wrong code
    // breaks at least one row.
    void everyCellCodeShowsItsOwnPicture_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QPoint>("at");  // inside the 25 x 25 picture
        QTest::addColumn<QString>("looks");
        QTest::newRow("water: the sea shows") << int(CELL_WATER) << QPoint(12, 12) << "#0066c8";
        QTest::newRow("miss: flat blue") << int(CELL_MISS) << QPoint(1, 1) << "#0066cc";
        QTest::newRow("miss: a yellow ball") << int(CELL_MISS) << QPoint(14, 14) << "yellow ball";
        QTest::newRow("deck: lit at the top") << int(CELL_SHIP) << QPoint(12, 0) << "light edge";
        QTest::newRow("deck: dark at the right") << int(CELL_SHIP) << QPoint(24, 12) << "dark edge";
        QTest::newRow("deck: a grey face") << int(CELL_SHIP) << QPoint(12, 12) << "grey face";
        QTest::newRow("hit: raised") << int(CELL_HIT) << QPoint(0, 12) << "light edge";
        QTest::newRow("hit: crimson cross") << int(CELL_HIT) << QPoint(12, 12) << "#ed145b";
        QTest::newRow("sunk: sunken") << int(CELL_SUNK) << QPoint(0, 12) << "dark edge";
        QTest::newRow("sunk: magenta cross") << int(CELL_SUNK) << QPoint(12, 12) << "#ec008c";
        QTest::newRow("shown: raised") << int(CELL_SHOWN) << QPoint(12, 0) << "light edge";
        QTest::newRow("shown: an olive face") << int(CELL_SHOWN) << QPoint(12, 12) << "olive face";
    }
    void everyCellCodeShowsItsOwnPicture()
    {
        QFETCH(int, code);
        QFETCH(QPoint, at);
        QFETCH(QString, looks);
        CShownPlayer player;
        for (int c = CELL_WATER; c <= CELL_SHOWN; ++c)
            player.m_view[3 * BOARD_SIZE + c] = static_cast<signed char>(c);
        const QImage image = player.Paint();
        const QPoint picture(BOARD.left + CELL_PITCH * code + 1, BOARD.top + CELL_PITCH * 3 + 1);
        const QColor seen = image.pixelColor(picture + at);
        QVERIFY2(Looks(seen, looks), qPrintable(seen.name()));
        QCOMPARE(image.pixelColor(picture + QPoint(-1, 12)), Colour(GRID));  // the lines round it stay
    }

    void captionReadsNameColonWinsAboveTheBoard()
    {
        CShownPlayer player;
        CTextRecorder dc;
        player.m_pDC = &dc, player.DrawCaption(true), player.m_pDC = nullptr;
        QCOMPARE(dc.texts, QStringList({"407,30 #000000 Player : 2", "405,28 #00e600 Player : 2"}));
    }

    // As in the game: the shot sinks the ship, then the frame is drawn.
    void sinkingShowsInTheCountColumn()
    {
        CShownPlayer player;
        player.ShipSunk(1);
        CTextRecorder dc;
        player.m_pDC = &dc, player.DrawCountNumbers(), player.m_pDC = nullptr;
        QStringList expected;  // one single-decker fewer; shadow first, then the number
        const int x = BOARD.left + 124, y = BOARD.bottom + 45;
        for (const auto& [k, text] : {std::pair{0, "3"}, {1, "3"}, {2, "2"}, {3, "1"}})
            expected << QStringLiteral("%1,%2 #000000 %3").arg(x + 2).arg(y + 31 * k + 2).arg(text)
                     << QStringLiteral("%1,%2 #00c8fa %3").arg(x).arg(y + 31 * k).arg(text);
        QCOMPARE(dc.texts, expected);

        // Each row of decks has its number.
        const QImage after = player.Paint();
        for (int k = 0; k < SHIP_KINDS; ++k) {  // row k: k + 1 deck pictures, then its number
            const int top = BOARD.bottom + 40 + 31 * k + 1;
            QVERIFY(Looks(after.pixelColor(BOARD.left + CELL_PITCH * k + 1 + 12, top), "light edge"));
            QCOMPARE(after.pixelColor(BOARD.left + CELL_PITCH * (k + 1) + 13, top + 12), Colour(BACK));
            QVERIFY(CountColour(after, CountNumber(k), COUNT) > 10);
        }
    }

    void countOffLeavesNothingBelowTheBoard()
    {
        ShowShipCount = 0;
        CShownPlayer player;
        player.ShipSunk(1);
        const QImage image = player.Paint();
        const QRect below(BOARD.left - 5, BOARD.bottom + 20, BOARD.Width() + 30, 509 - BOARD.bottom - 20);
        QCOMPARE(CountColour(image, below, BACK), below.width() * below.height());
    }
};

QTEST_MAIN(TestBoardDraw)
#include "tst_boarddraw.moc"
