#include "net/fleetcheck.h"
#include "wirebytes.h"

#include <QTest>

class TestFleetCheck : public QObject {
    Q_OBJECT
private slots:
    void partnersFleetMustKeepTheRules_data();
    void partnersFleetMustKeepTheRules();
};

void TestFleetCheck::partnersFleetMustKeepTheRules_data()
{
    QTest::addColumn<QByteArray>("picture");
    QTest::addColumn<bool>("valid");

    QTest::newRow("the standard fleet") << QByteArray(StandardFleetPicture()) << true;
    QTest::newRow("ships upright and lying")
        << QByteArray("#.#.#.#..."
                      "#.#.#....."
                      "#.#......."
                      "#........#"
                      "......#..."
                      "##.#......"
                      "...#.###.."
                      ".........."
                      ".........#"
                      "..........") << true;
    QTest::newRow("two ships touching at a corner")
        << QByteArray(StandardFleetPicture()).replace(4 * 10 + 3, 1, ".").replace(5 * 10 + 8, 1, "#") << false;
    QTest::newRow("two ships side by side make one too long")
        << QByteArray(StandardFleetPicture()).replace(2 * 10 + 3, 1, "#") << false;
    QTest::newRow("a bent ship")
        << QByteArray(StandardFleetPicture())
               .replace(0, 4, "....")
               .replace(7 * 10 + 4, 3, "###")
               .replace(8 * 10 + 6, 1, "#") << false;
    QTest::newRow("the same ship straight")
        << QByteArray(StandardFleetPicture()).replace(0, 4, "....").replace(7 * 10 + 4, 4, "####") << true;
    QTest::newRow("a ship of five")
        << QByteArray("#####.###."
                      ".........."
                      "###.##.##."
                      ".........."
                      "##.#.#.#.."
                      ".........."
                      ".........."
                      ".........."
                      ".........."
                      "..........") << false;
    QTest::newRow("a one-decker missing")
        << QByteArray(StandardFleetPicture()).replace(4 * 10 + 7, 1, ".") << false;
    QTest::newRow("an eleventh ship")
        << QByteArray(StandardFleetPicture()).replace(9 * 10 + 9, 1, "#") << false;
    QTest::newRow("a hit deck among the codes")
        << QByteArray(StandardFleetPicture()).replace(0, 1, "3") << false;
    QTest::newRow("a miss among the codes")
        << QByteArray(StandardFleetPicture()).replace(99, 1, "1") << false;
    QTest::newRow("open sea") << QByteArray(100, '.') << false;
}

void TestFleetCheck::partnersFleetMustKeepTheRules()
{
    QFETCH(QByteArray, picture);
    QFETCH(bool, valid);
    const std::vector<unsigned char> cells = FleetCodes(picture.constData());
    QCOMPARE(cells.size(), std::size_t(100));
    QCOMPARE(IsValidFleet(cells.data()), valid);
}

QTEST_APPLESS_MAIN(TestFleetCheck)
#include "tst_fleetcheck.moc"
