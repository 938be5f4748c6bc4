// One shot: what it does to the board, when a ship sinks and which water is
// marked around it, who shoots next, and which sound the player hears.

#include "boardtext.h"

#include "game/globals.h"
#include "game/sound.h"
#include "store/settings.h"

#include <QtTest>

namespace {
QStringList g_heard;
}

class TestShot : public QObject {
    Q_OBJECT

private slots:
    void shotResolvesByTheCellItLandsOn_data()
    {
        // outcome: "refused", or the shot is taken and the turn "passes" or
        // is "kept"; sound: what the human hears when shooting at the opponent.
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("tradition");
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("counts");
        QTest::addColumn<QString>("sound");
        QTest::newRow("water becomes a miss and passes the turn") << "" << true << 3 << "passes" << "...o" << "4321" << "Mimo";
        QTest::newRow("a miss cannot be shot again") << "...o" << true << 3 << "refused" << "...o" << "4321" << "";
        QTest::newRow("a hit deck cannot be shot again") << "X#........ .o" << true << 0 << "refused" << "X#........ .o" << "4321" << "";
        QTest::newRow("a sunk deck takes the shot without effect") << "**o....... ooo" << false << 1 << "kept" << "**o....... ooo" << "4321" << "";
        QTest::newRow("single deck in the corner sinks, a hit keeps the turn") << "#" << true << 0 << "kept" << "*o........ oo" << "3321" << "Crash";
        QTest::newRow("without the traditional rule a hit passes the turn") << "#" << false << 0 << "passes" << "*o........ oo" << "3321" << "Crash";
        QTest::newRow("a hit on a ship afloat marks only the diagonals") << ".......... ..###" << true << 13 << "kept" << "..o.o..... ..#X#..... ..o.o" << "4321" << "Crash";
        QTest::newRow("top deck of an upright ship hit first") << "#......... #......... #" << true << 0 << "kept" << "X......... #o........ #" << "4321" << "Crash";
        QTest::newRow("the sinking shot in the middle rings the whole ship") << ".o.o.o.... ..X#X..... .o.o.o" << true << 13 << "kept" << ".ooooo.... .o***o.... .ooooo" << "4311" << "Crash";
        QTest::newRow("four-decker in the bottom-right corner stops at both edges")
            << QString(60, '.') + "........o# ........oX ........oX ........oX" << true << 69 << "kept"
            << QString(50, '.') + "........oo ........o* ........o* ........o* ........o*" << "4320" << "Crash";
    }
    void shotResolvesByTheCellItLandsOn()
    {
        QFETCH(QString, before);
        QFETCH(bool, tradition);
        QFETCH(int, cell);
        QFETCH(QString, outcome);
        QFETCH(QString, after);
        QFETCH(QString, sound);
        Tradition = tradition;
        SetSoundHook([](const char* file) { g_heard << QString::fromUtf8(file); });
        // The human shoots at the opponent, with the sound on and off; the
        // computer shoots at the human, never heard. The turn flips whoever shoots.
        for (int pass = 0; pass < 3; ++pass) {
            const bool humansBoard = pass == 1;
            Sound = pass != 2;
            MyTurn = humansBoard;
            CPlayer target(humansBoard);
            LoadFleet(target, before);
            target.HideFleet();
            LoadCounts(target, "4321");
            g_heard.clear();

            QCOMPARE(target.Shoot(cell / 10, cell % 10), outcome != "refused");
            QCOMPARE(PictureOf(target.m_fleet), Board(after));
            QTEST(CountsOf(target), "counts");
            QCOMPARE(bool(MyTurn), humansBoard != (outcome == "passes"));
            QCOMPARE(g_heard, (pass == 0 && !sound.isEmpty() ? QStringList{"Data/" + sound + ".wav"} : QStringList()));
            // What changed is what the board now shows; the rest stays hidden.
            QString view = Board(after);
            for (int i = 0; i < view.size(); ++i)
                view[i] = view[i] == Board(before)[i] && view[i] != ' ' ? QChar('.') : view[i];
            QCOMPARE(PictureOf(target.m_view), view);
        }
        SetSoundHook(nullptr);
    }
};

QTEST_APPLESS_MAIN(TestShot)
#include "tst_shot.moc"
