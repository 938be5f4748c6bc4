// One shot: what it does to the board, when a ship sinks and which water is
// marked around it, who shoots next, and which sound the player hears.

#include "boardtext.h"

#include "game/drawcontext.h"
#include "game/globals.h"
#include "game/player.h"
#include "game/sound.h"
#include "store/settings.h"

#include <QtTest>

#include <vector>

namespace {

std::vector<std::string> g_sounds;

void RecordSound(const char* file)
{
    g_sounds.emplace_back(file);
}

// Remembers only the texts drawn; everything else is accepted and ignored.
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
    void SetTextColor(COLORREF) override {}
    void TextOut(int, int, const std::string& text) override
    {
        texts << QString::fromStdString(text);
    }
    void DrawPicture(int, int, int) override {}
};

const char* const Empty = ".......... .......... .......... .......... .........."
                          ".......... .......... .......... .......... ..........";

}  // namespace

class TestShot : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void shotResolvesByTheCellItLandsOn_data();
    void shotResolvesByTheCellItLandsOn();

    void clickShootsTheCellUnderIt_data();
    void clickShootsTheCellUnderIt();

    void onlyTheHumansShotsAreHeard_data();
    void onlyTheHumansShotsAreHeard();

    void sinkingRedrawsTheNewCount_data();
    void sinkingRedrawsTheNewCount();
};

void TestShot::init()
{
    Level = 1;
    English = 0;
    MyTurn = 0;
    Tradition = 1;
    Sound = 0;
    ShowShipCount = 1;
    BoardFrame = CRect{12, 1, 739, 496};
    g_sounds.clear();
    SetSoundHook(RecordSound);
}

void TestShot::cleanup()
{
    SetSoundHook(nullptr);
}

void TestShot::shotResolvesByTheCellItLandsOn_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("tradition");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("turnPasses");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("countsAfter");

    const QString miss44 = ".......... .......... .......... .......... ....o....."
                           ".......... .......... .......... .......... ..........";
    QTest::newRow("water becomes a miss and passes the turn")
        << Empty << true << 4 << 4 << true << true << miss44 << "4321";
    QTest::newRow("shooting a miss again is refused")
        << miss44 << true << 4 << 4 << false << false << miss44 << "4321";

    const QString hit = "X......... .o........ .......... .......... .........."
                        ".......... .......... .......... .......... ..........";
    QTest::newRow("shooting a hit deck again is refused")
        << QString("X#........") + hit.mid(10) << true << 0 << 0 << false << false
        << QString("X#........") + hit.mid(10) << "4321";

    const QString sunk = "**o....... ooo....... .......... .......... .........."
                         ".......... .......... .......... .......... ..........";
    QTest::newRow("a sunk deck takes the shot without effect")
        << sunk << false << 0 << 1 << true << false << sunk << "4221";
    const QString shown = "+......... .......... .......... .......... .........."
                          ".......... .......... .......... .......... ..........";
    QTest::newRow("a shown deck takes the shot without effect")
        << shown << false << 0 << 0 << true << false << shown << "4321";

    const QString single = "#......... .......... .......... .......... .........."
                           ".......... .......... .......... .......... ..........";
    const QString singleSunk = "*o........ oo........ .......... .......... .........."
                               ".......... .......... .......... .......... ..........";
    QTest::newRow("single deck in the corner sinks, hit keeps the turn")
        << single << true << 0 << 0 << true << false << singleSunk << "3321";
    QTest::newRow("without the traditional rule a hit passes the turn")
        << single << false << 0 << 0 << true << true << singleSunk << "3321";

    const QString three = ".......... .......... .......... .......... .........."
                          "..###..... .......... .......... .......... ..........";
    QTest::newRow("hit in the middle marks only the diagonals")
        << three << true << 5 << 3 << true << false
        << ".......... .......... .......... .......... ..o.o....."
           "..#X#..... ..o.o..... .......... .......... .........."
        << "4321";
    QTest::newRow("last deck of a three-decker sinks it and rings it")
        << ".......... .......... .......... .......... .oooo....."
           "..XX#..... .oooo..... .......... .......... .........."
        << true << 5 << 4 << true << false
        << ".......... .......... .......... .......... .ooooo...."
           ".o***o.... .ooooo.... .......... .......... .........."
        << "4311";
    QTest::newRow("sinking shot in the middle of a ship")
        << ".......... .......... .......... .......... .o.o.o...."
           "..X#X..... .o.o.o.... .......... .......... .........."
        << true << 5 << 3 << true << false
        << ".......... .......... .......... .......... .ooooo...."
           ".o***o.... .ooooo.... .......... .......... .........."
        << "4311";

    QTest::newRow("four-decker in the corner stops at both edges")
        << ".......... .......... .......... .......... .........."
           ".......... ........o# ........oX ........oX ........oX"
        << true << 6 << 9 << true << false
        << ".......... .......... .......... .......... .........."
           "........oo ........o* ........o* ........o* ........o*"
        << "4320";
    QTest::newRow("vertical ship first hit at its top edge")
        << "#......... #......... #......... .......... .........."
           ".......... .......... .......... .......... .........."
        << true << 0 << 0 << true << false
        << "X......... #o........ #......... .......... .........."
           ".......... .......... .......... .......... .........."
        << "4321";
    QTest::newRow("a diagonal already marked stays a miss")
        << ".......... .......... .......... ...o...... ....##...."
           ".......... .......... .......... .......... .........."
        << true << 4 << 4 << true << false
        << ".......... .......... .......... ...o.o.... ....X#...."
           "...o.o.... .......... .......... .......... .........."
        << "4321";
    QTest::newRow("ship on the bottom row marks nothing off the board")
        << ".......... .......... .......... .......... .........."
           ".......... .......... .......... .......... ##........"
        << true << 9 << 1 << true << false
        << ".......... .......... .......... .......... .........."
           ".......... .......... .......... o.o....... #X........"
        << "4321";
}

void TestShot::shotResolvesByTheCellItLandsOn()
{
    QFETCH(QString, before);
    QFETCH(bool, tradition);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(bool, accepted);
    QFETCH(bool, turnPasses);
    QFETCH(QString, after);
    QFETCH(QString, countsAfter);

    Tradition = tradition;
    // The turn flag flips whichever side is shooting.
    for (unsigned char turn : {0, 1}) {
        CPlayer target(false);
        LoadFleet(target, before);
        target.HideFleet();
        // Counts before are one higher than after only for the ship that sinks.
        LoadCounts(target, "4321");
        if (before.contains('*'))
            LoadCounts(target, "4221");
        MyTurn = turn;

        QCOMPARE(target.Shoot(row, col), accepted);
        QCOMPARE(PictureOf(target.m_fleet), NormalisedPicture(after));
        QCOMPARE(CountsOf(target), countsAfter);
        QCOMPARE(int(MyTurn), turnPasses ? int(!turn) : int(turn));

        // What changed is what the board now shows; the rest stays hidden.
        const QString beforeCells = CompactBoard(before);
        const QString afterCells = CompactBoard(after);
        for (int i = 0; i < BOARD_CELLS; ++i) {
            const bool changed = beforeCells[i] != afterCells[i];
            QCOMPARE(int(target.m_view[i]), changed ? int(CodeOfChar(afterCells[i])) : 0);
        }
    }
}

void TestShot::clickShootsTheCellUnderIt_data()
{
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<int>("cell");  // -1: no cell

    QTest::newRow("first cell") << 13 << 13 << 0;
    QTest::newRow("column from x, row from y") << 26 * 8 + 3 << 26 * 1 + 20 << 18;
    QTest::newRow("grid line") << 26 * 3 << 40 << -1;
    QTest::newRow("outside the board") << 300 << 40 << -1;
}

void TestShot::clickShootsTheCellUnderIt()
{
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(int, cell);

    CPlayer opponent(false);
    opponent.InitBoardRect();
    const bool accepted = opponent.ShootAtPoint(opponent.m_rcBoard.left + dx,
                                                opponent.m_rcBoard.top + dy);
    QCOMPARE(accepted, cell >= 0);
    for (int i = 0; i < BOARD_CELLS; ++i)
        QCOMPARE(int(opponent.m_fleet[i]), i == cell ? int(CELL_MISS) : int(CELL_WATER));
}

void TestShot::onlyTheHumansShotsAreHeard_data()
{
    QTest::addColumn<bool>("soundOn");
    QTest::addColumn<bool>("boardOfHuman");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("heard");

    // The board has a two-decker at (0, 0)-(0, 1), a sunk deck at (5, 5)
    // and a miss at (9, 9).
    QTest::newRow("miss on the opponent") << true << false << 4 << 4 << SOUND_MISS;
    QTest::newRow("hit on the opponent") << true << false << 0 << 0 << SOUND_HIT;
    QTest::newRow("sound switched off") << false << false << 0 << 0 << "";
    QTest::newRow("the computer hits the human") << true << true << 0 << 0 << "";
    QTest::newRow("the computer misses the human") << true << true << 4 << 4 << "";
    QTest::newRow("refused shot is silent") << true << false << 9 << 9 << "";
    QTest::newRow("shot at a sunk deck is silent") << true << false << 5 << 5 << "";
}

void TestShot::onlyTheHumansShotsAreHeard()
{
    QFETCH(bool, soundOn);
    QFETCH(bool, boardOfHuman);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, heard);

    Sound = soundOn;
    CPlayer target(boardOfHuman);
    LoadFleet(target, "##........ .......... .......... .......... .........."
                      ".....*.... .......... .......... .......... .........o");
    target.Shoot(row, col);
    if (heard.isEmpty()) {
        QVERIFY(g_sounds.empty());
    } else {
        QCOMPARE(int(g_sounds.size()), 1);
        QCOMPARE(QString::fromStdString(g_sounds.front()), heard);
    }
}

void TestShot::sinkingRedrawsTheNewCount_data()
{
    QTest::addColumn<bool>("showCount");
    QTest::addColumn<bool>("painting");
    QTest::addColumn<bool>("redrawn");

    QTest::newRow("count shown while painting") << true << true << true;
    QTest::newRow("count hidden") << false << true << false;
    QTest::newRow("no paint in progress") << true << false << false;
}

void TestShot::sinkingRedrawsTheNewCount()
{
    QFETCH(bool, showCount);
    QFETCH(bool, painting);
    QFETCH(bool, redrawn);

    ShowShipCount = showCount;
    CTextRecorder dc;
    CPlayer opponent(false);
    opponent.InitBoardRect();
    LoadCounts(opponent, "4321");
    opponent.SetCell(3, 3, CELL_SHIP);
    opponent.m_pDC = painting ? &dc : nullptr;
    QVERIFY(opponent.Shoot(3, 3));
    QCOMPARE(CountsOf(opponent), QString("3321"));
    QCOMPARE(!dc.texts.isEmpty(), redrawn);
    // The numbers drawn are the counts after the sinking.
    if (redrawn) {
        QVERIFY(dc.texts.contains("3"));
        QVERIFY(!dc.texts.contains("4"));
    }
}

QTEST_APPLESS_MAIN(TestShot)
#include "tst_shot.moc"
