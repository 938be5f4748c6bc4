// A partner's fleet is taken only when it keeps the rules.
#include "net/fleetcheck.h"

#include <QTest>

class TestFleetCheck : public QObject {
    Q_OBJECT
private slots:
    void partnersFleetMustKeepTheRules_data()
    {
        // Edits "cell=code" to a legal fleet ('#' deck, '.' water, digits as they are).
        QTest::addColumn<QString>("edits");
        QTest::addColumn<bool>("valid");
        QTest::newRow("a legal fleet") << "" << true;
        QTest::newRow("the four-decker upright at the bottom edge") << "0=. 1=. 2=. 3=. 69=# 79=# 89=# 99=#" << true;
        QTest::newRow("two ships touching at a corner, down to the right") << "43=. 58=#" << false;
        QTest::newRow("two ships touching at a corner, down to the left") << "47=. 60=. 61=# 70=#" << false;
        QTest::newRow("two ships end to end make one too long") << "23=#" << false;
        QTest::newRow("a bent ship") << "0=. 1=. 2=. 3=. 74=# 75=# 76=# 86=#" << false;
        QTest::newRow("a one-decker missing") << "47=." << false;
        QTest::newRow("an eleventh ship") << "99=#" << false;
        QTest::newRow("a hit deck among the codes") << "0=3" << false;
        QTest::newRow("a miss among the codes") << "99=1" << false;
    }
    void partnersFleetMustKeepTheRules()
    {
        QFETCH(QString, edits);
        QByteArray picture = QByteArray("####.###.. .......... ###.##.##. .......... ##.#.#.#.. "
                                        ".......... #......... .......... .......... ..........").replace(' ', "");
        for (const QString& edit : edits.split(' ', Qt::SkipEmptyParts))
            picture[edit.section('=', 0, 0).toInt()] = edit.section('=', 1).at(0).toLatin1();
        unsigned char cells[100];
        for (int i = 0; i < 100; ++i)
            cells[i] = picture[i] == '#' ? 2 : picture[i] == '.' ? 0 : picture[i] - '0';
        QTEST(IsValidFleet(cells), "valid");
    }
};

QTEST_APPLESS_MAIN(TestFleetCheck)
#include "tst_fleetcheck.moc"
