// The table of the ten best players: scoring, ranking, the spare slot,
// removal, and what reaches the profile and comes back from it.

#include "store/records.h"
#include "store/tempprofile.h"

#include <QtTest>

namespace {

// Plays a script of results, each "W name level" (a win) or "L name level".
void Play(CRecordTable& table, const QStringList& script)
{
    for (const QString& line : script) {
        const QStringList part = line.split(QLatin1Char(' '));
        QVERIFY2(part.size() == 3, qPrintable(line));
        const std::string name = part[1].toStdString();
        if (part[0] == QLatin1String("W"))
            table.AddWin(name, part[2].toInt());
        else
            table.AddLoss(name, part[2].toInt());
    }
}

// Ten players with one Easy win each: a full table, all scoring 1.
QStringList FullTable()
{
    QStringList script;
    for (int i = 0; i < 10; ++i)
        script << QStringLiteral("W P%1 1").arg(i);
    return script;
}

// The rows a player sees, each "name wins losses score".
QStringList Rows(const CRecordTable& table)
{
    QStringList rows;
    for (int i = 0; i < table.GetCount(); ++i) {
        rows << QStringLiteral("%1 %2 %3 %4")
                    .arg(QString::fromStdString(table.GetName(i)))
                    .arg(table.GetWins(i))
                    .arg(table.GetLosses(i))
                    .arg(table.GetScore(i));
    }
    return rows;
}

QStringList FullTableRows(int from, int to)
{
    QStringList rows;
    for (int i = from; i <= to; ++i)
        rows << QStringLiteral("P%1 1 0 1").arg(i);
    return rows;
}

void CheckStored(const TempProfile& profile, const QStringList& expected)
{
    for (const QString& item : expected) {
        const int eq = item.indexOf(QLatin1Char('='));
        if (eq < 0) {
            QVERIFY2(!profile.Has(item), qPrintable(item + " should be absent"));
            continue;
        }
        const QString key = item.left(eq);
        QVERIFY2(profile.Has(key), qPrintable(key + " should be stored"));
        QCOMPARE(profile.Stored(key).toString(), item.mid(eq + 1));
    }
}

} // namespace

class TestRecords : public QObject {
    Q_OBJECT

private slots:
    void resultsScoreAndRank_data();
    void resultsScoreAndRank();
    void rowsOutsideTheTableReadAsNothing_data();
    void rowsOutsideTheTableReadAsNothing();
    void saveStoresThousandMinusEachCounter_data();
    void saveStoresThousandMinusEachCounter();
    void savedTableComesBackUnchanged();
    void loadReadsHandEditedRecordsSafely_data();
    void loadReadsHandEditedRecordsSafely();
    void removeForgetsOnePlayer_data();
    void removeForgetsOnePlayer();
};

void TestRecords::resultsScoreAndRank_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("a first win at Normal scores 5")
        << QStringList{"W Player 2"} << QStringList{"Player 1 0 5"};
    QTest::newRow("a newcomer's loss at Hard scores -10")
        << QStringList{"L Bob 3"} << QStringList{"Bob 0 1 -10"};
    QTest::newRow("a loss takes points away from a player already listed")
        << QStringList{"W Anna 3", "L Anna 2"} << QStringList{"Anna 1 1 5"};
    QTest::newRow("a higher score climbs above a lower one")
        << QStringList{"W A 1", "W B 2"} << QStringList{"B 1 0 5", "A 1 0 1"};
    QTest::newRow("equal scores keep the order in which they were reached")
        << QStringList{"W A 2", "W B 2"} << QStringList{"A 1 0 5", "B 1 0 5"};
    QTest::newRow("the one who reaches an equal score first stays ahead")
        << QStringList{"W A 2", "W B 2", "W B 1", "W A 1"}
        << QStringList{"B 2 0 6", "A 2 0 6"};
    QTest::newRow("names differing only in case are two players")
        << QStringList{"W player 1", "W Player 2"}
        << QStringList{"Player 1 0 5", "player 1 0 1"};
    QTest::newRow("a level outside 1 to 3 counts the game but not the score")
        << QStringList{"W A 0", "L A 4", "W A 7", "L A -1"} << QStringList{"A 2 2 0"};

    QTest::newRow("full table: a newcomer who loses stays out of sight")
        << (FullTable() << "L New 1") << FullTableRows(0, 9);
    QTest::newRow("full table: a newcomer who wins passes the tenth, who drops out")
        << (FullTable() << "W New 2")
        << (QStringList{"New 1 0 5"} + FullTableRows(0, 8));
    QTest::newRow("full table: the player out of sight is found again and climbs back")
        << (FullTable() << "L New 1" << "W New 3")
        << (QStringList{"New 1 1 9"} + FullTableRows(0, 8));
    QTest::newRow("full table: the next newcomer takes the spare place, the former one is forgotten")
        << (FullTable() << "L X 1" << "L Y 1" << "W X 3")
        << (QStringList{"X 1 0 10"} + FullTableRows(0, 8));
    QTest::newRow("full table: the tenth pushed out is forgotten once another newcomer comes")
        << (FullTable() << "W New 2" << "L Y 1" << "W P9 3")
        << (QStringList{"P9 1 0 10", "New 1 0 5"} + FullTableRows(0, 7));
    QTest::newRow("full table: a newcomer with an equal score does not pass the tenth")
        << (FullTable() << "W New 1") << FullTableRows(0, 9);
}

void TestRecords::resultsScoreAndRank()
{
    QFETCH(QStringList, script);
    CRecordTable table;
    Play(table, script);
    QTEST(Rows(table), "rows");
    QVERIFY(table.GetCount() <= 10);
    QVERIFY(table.m_nUsed <= 10);
    QVERIFY(table.m_nCount <= 11);
}

void TestRecords::rowsOutsideTheTableReadAsNothing_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("before the first row") << -1;
    QTest::newRow("the spare slot") << 10;
    QTest::newRow("far beyond") << 1000;
}

void TestRecords::rowsOutsideTheTableReadAsNothing()
{
    QFETCH(int, index);
    CRecordTable table;
    Play(table, FullTable() << "L Spare 3");
    QCOMPARE(table.m_aName[10], std::string("Spare"));

    QCOMPARE(table.GetName(index), std::string());
    QCOMPARE(table.GetWins(index), 0);
    QCOMPARE(table.GetLosses(index), 0);
    QCOMPARE(table.GetScore(index), 0);
    QCOMPARE(table.GetStoredWins(index), 0);
    QCOMPARE(table.GetStoredLosses(index), 0);
    QCOMPARE(table.GetStoredScore(index), 0);

    table.SetStoredWins(index, 1);
    table.SetStoredLosses(index, 1);
    table.SetStoredScore(index, 1);
    QCOMPARE(table.m_aWins[10], 1000);
    QCOMPARE(table.m_aLosses[10], 999);
    QCOMPARE(table.m_aScore[10], 1010);
}

void TestRecords::saveStoresThousandMinusEachCounter_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QStringList>("stored");  // "key=value", or "key" when absent

    QTest::newRow("one win at Normal by Player")
        << QStringList{"W Player 2"}
        << QStringList{"Records/count=1", "Records/N0=Player", "Records/w0=999",
                       "Records/l0=1000", "Records/s0=995", "Records/N1"};
    QTest::newRow("a score of -10 is stored as 1010")
        << QStringList{"L Bob 3"}
        << QStringList{"Records/count=1", "Records/N0=Bob", "Records/w0=1000",
                       "Records/l0=999", "Records/s0=1010"};
    QTest::newRow("rows are stored best first")
        << QStringList{"W A 1", "W B 3"}
        << QStringList{"Records/count=2", "Records/N0=B", "Records/s0=990", "Records/N1=A",
                       "Records/s1=999"};
    QTest::newRow("an empty table stores a count of 0")
        << QStringList() << QStringList{"Records/count=0", "Records/N0"};
    QTest::newRow("a full table stores ten rows and never the spare")
        << (FullTable() << "L Spare 1")
        << QStringList{"Records/count=10", "Records/N9=P9", "Records/s9=999", "Records/N10",
                       "Records/s10"};
}

void TestRecords::saveStoresThousandMinusEachCounter()
{
    QFETCH(QStringList, script);
    QFETCH(QStringList, stored);
    TempProfile profile;
    CRecordTable table;
    Play(table, script);

    table.SaveRecords();

    CheckStored(profile, stored);
}

void TestRecords::savedTableComesBackUnchanged()
{
    TempProfile profile;
    CRecordTable before;
    Play(before, FullTable() << "W Анна 3" << "L P3 3" << "L Spare 1");
    before.SaveRecords();

    profile.Reopen();
    CRecordTable after;
    after.LoadRecords();

    QCOMPARE(Rows(after), Rows(before));
    QCOMPARE(after.m_nCount, 10);
    QCOMPARE(after.m_nUsed, 10);
}

void TestRecords::loadReadsHandEditedRecordsSafely_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("script");  // played after loading
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("no records at all")
        << QByteArray() << QStringList() << QStringList();
    QTest::newRow("the stored order is kept, not sorted")
        << QByteArray("[Records]\ncount=2\nN0=Low\nw0=999\nl0=1000\ns0=999\n"
                      "N1=High\nw1=990\nl1=1000\ns1=900\n")
        << QStringList() << QStringList{"Low 1 0 1", "High 10 0 100"};
    QTest::newRow("missing counters read as 0")
        << QByteArray("[Records]\ncount=1\nN0=Anna\n") << QStringList() << QStringList{"Anna 0 0 0"};
    QTest::newRow("a count of 15 reads only ten rows")
        << QByteArray("[Records]\ncount=15\nN0=P0\nN1=P1\nN2=P2\nN3=P3\nN4=P4\nN5=P5\nN6=P6\n"
                      "N7=P7\nN8=P8\nN9=P9\nN10=P10\nN11=P11\n")
        << QStringList()
        << QStringList{"P0 0 0 0", "P1 0 0 0", "P2 0 0 0", "P3 0 0 0", "P4 0 0 0",
                       "P5 0 0 0", "P6 0 0 0", "P7 0 0 0", "P8 0 0 0", "P9 0 0 0"};
    QTest::newRow("a count of -3 is an empty table that still takes new players")
        << QByteArray("[Records]\ncount=-3\nN0=Ghost\n")
        << QStringList{"W Anna 1"} << QStringList{"Anna 1 0 1"};
    QTest::newRow("empty and missing names are skipped; counters stay with their names")
        << QByteArray("[Records]\ncount=4\nN0=A\nw0=999\nN1=\nw1=900\nw2=800\nN3=D\nw3=995\n")
        << QStringList() << QStringList{"A 1 0 0", "D 5 0 0"};
    QTest::newRow("a player after skipped rows is found again by the next game")
        << QByteArray("[Records]\ncount=3\nN0=\ns0=500\nN1=A\nw1=999\ns1=999\nN2=D\nw2=995\ns2=990\n")
        << QStringList{"W D 1", "W Newcomer 3"}
        << QStringList{"D 6 0 11", "Newcomer 1 0 10", "A 1 0 1"};
    QTest::newRow("a repeated name keeps its first entry")
        << QByteArray("[Records]\ncount=3\nN0=A\nw0=999\nN1=A\nw1=900\ns1=0\nN2=B\nw2=998\n")
        << QStringList() << QStringList{"A 1 0 0", "B 2 0 0"};
    QTest::newRow("non-numeric counters read as 0")
        << QByteArray("[Records]\ncount=1\nN0=A\nw0=abc\nl0=\ns0=1x\n")
        << QStringList() << QStringList{"A 0 0 0"};
    QTest::newRow("a counter at the integer limit is bounded, and further games still count")
        << QByteArray("[Records]\ncount=1\nN0=A\nw0=-2147483648\nl0=2147483647\ns0=1000\n")
        << QStringList{"W A 1"} << QStringList{"A 1000001001 -999999000 1"};
}

void TestRecords::loadReadsHandEditedRecordsSafely()
{
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, script);
    TempProfile profile(ini);
    CRecordTable table;

    table.LoadRecords();
    Play(table, script);

    QTEST(Rows(table), "rows");
    QCOMPARE(table.m_nCount, table.GetCount());
    QCOMPARE(table.m_nUsed, table.GetCount());
}

void TestRecords::removeForgetsOnePlayer_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<QStringList>("after");  // played after the removal
    QTest::addColumn<QStringList>("rows");

    const QStringList three{"W A 3", "W B 2", "W C 1"};
    QTest::newRow("the middle row: the rows below move up")
        << three << 1 << true << QStringList() << QStringList{"A 1 0 10", "C 1 0 1"};
    QTest::newRow("the only row leaves an empty table")
        << QStringList{"W A 1"} << 0 << true << QStringList() << QStringList();
    QTest::newRow("a removed player who plays again starts afresh")
        << three << 0 << true << QStringList{"W A 1"}
        << QStringList{"B 1 0 5", "C 1 0 1", "A 1 0 1"};
    QTest::newRow("a newcomer after a removal takes the freed row")
        << three << 1 << true << QStringList{"L D 1"}
        << QStringList{"A 1 0 10", "C 1 0 1", "D 0 1 -1"};
    QTest::newRow("an empty table has nothing to remove")
        << QStringList() << 0 << false << QStringList() << QStringList();
    QTest::newRow("a row below the last player is refused")
        << three << 3 << false << QStringList()
        << QStringList{"A 1 0 10", "B 1 0 5", "C 1 0 1"};
    QTest::newRow("the spare slot is no row of the table")
        << (FullTable() << "L Spare 1") << 10 << false << QStringList() << FullTableRows(0, 9);
    QTest::newRow("full table with a spare: the spare is not promoted")
        << (FullTable() << "L Spare 1") << 0 << true << QStringList() << FullTableRows(1, 9);
    QTest::newRow("full table with a spare: the spare is forgotten, a newcomer fills the tenth row")
        << (FullTable() << "L Spare 1") << 4 << true << QStringList{"W Spare 1", "L New 2"}
        << (FullTableRows(0, 3) + FullTableRows(5, 9) << "Spare 1 0 1");
    QTest::newRow("full table without a spare: the table has room for one more")
        << FullTable() << 9 << true << QStringList{"L New 1"}
        << (FullTableRows(0, 8) << "New 0 1 -1");
}

void TestRecords::removeForgetsOnePlayer()
{
    QFETCH(QStringList, script);
    QFETCH(int, index);
    QFETCH(QStringList, after);
    CRecordTable table;
    Play(table, script);

    QTEST(table.Remove(index), "removed");
    Play(table, after);

    QTEST(Rows(table), "rows");
    QVERIFY(table.m_nUsed <= 10);
    QVERIFY(table.m_nCount <= 11);
    QCOMPARE(table.m_nUsed, qMin(table.m_nCount, 10));
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
