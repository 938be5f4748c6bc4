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
        const QStringList part = line.split(' ');
        const auto result = part[0] == "W" ? &CRecordTable::AddWin : &CRecordTable::AddLoss;
        (table.*result)(part[1].toStdString(), part[2].toInt());
    }
}

// Ten players, P0 to P9, with one Easy win each: a full table, all scoring 1.
QStringList FullTable()
{
    QStringList script;
    for (int i = 0; i < 10; ++i)
        script << QStringLiteral("W P%1 1").arg(i);
    return script;
}

// Rows of the full table as shown: "P<from>" to "P<to>", each "name wins losses score".
QStringList FullRows(int from, int to)
{
    QStringList rows;
    for (int i = from; i <= to; ++i)
        rows << QStringLiteral("P%1 1 0 1").arg(i);
    return rows;
}

QStringList Rows(const CRecordTable& table)
{
    QStringList rows;
    for (int i = 0; i < table.GetCount(); ++i)
        rows << QStringLiteral("%1 %2 %3 %4").arg(QString::fromStdString(table.GetName(i))).arg(table.GetWins(i)).arg(table.GetLosses(i)).arg(table.GetScore(i));
    return rows;
}

}  // namespace

class TestRecords : public QObject {
    Q_OBJECT

private slots:
    void resultsScoreAndRank_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("a first win at Normal scores 5") << QStringList{"W Player 2"} << QStringList{"Player 1 0 5"};
        QTest::newRow("a loss at Hard scores -10, taken from a player listed") << QStringList{"W Bob 1", "L Bob 3"} << QStringList{"Bob 1 1 -9"};
        QTest::newRow("names that differ only in case are two players") << QStringList{"W anna 2", "L Anna 1"} << QStringList{"anna 1 0 5", "Anna 0 1 -1"};
        QTest::newRow("a level outside 1-3 counts the game, not the score") << QStringList{"W A 0", "L A 7", "W A 1"} << QStringList{"A 2 1 1"};
        QTest::newRow("a higher score climbs above a lower one") << QStringList{"W A 1", "W B 2"} << QStringList{"B 1 0 5", "A 1 0 1"};
        QTest::newRow("the one who reaches an equal score first stays ahead") << QStringList{"W A 2", "W B 2", "W B 1", "W A 1"} << QStringList{"B 2 0 6", "A 2 0 6"};
        QTest::newRow("full table: a newcomer who loses stays out of sight") << FullTable() + QStringList{"L New 1"} << FullRows(0, 9);
        QTest::newRow("full table: a newcomer with an equal score does not pass the tenth") << FullTable() + QStringList{"W New 1"} << FullRows(0, 9);
        QTest::newRow("full table: a winning newcomer pushes the tenth out") << FullTable() + QStringList{"W New 2"} << QStringList{"New 1 0 5"} + FullRows(0, 8);
        QTest::newRow("full table: the player out of sight is found again") << FullTable() + QStringList{"L New 1", "W New 3"} << QStringList{"New 1 1 9"} + FullRows(0, 8);
        QTest::newRow("full table: the next newcomer takes the spare place") << FullTable() + QStringList{"L X 1", "L Y 1", "W X 3"} << QStringList{"X 1 0 10"} + FullRows(0, 8);
    }
    void resultsScoreAndRank()
    {
        QFETCH(QStringList, script);
        CRecordTable table;
        Play(table, script);
        QTEST(Rows(table), "rows");
    }

    void savedTableStoresThousandMinusEachCounterAndComesBack_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QStringList>("stored");  // "key=value", or "key" when absent
        QTest::newRow("one win at Normal by Player") << QStringList{"W Player 2"}
            << QStringList{"Records/count=1", "Records/N0=Player", "Records/w0=999", "Records/l0=1000", "Records/s0=995", "Records/N1"};
        QTest::newRow("a score of -10 is stored as 1010") << QStringList{"L Bob 3"} << QStringList{"Records/l0=999", "Records/s0=1010"};
        QTest::newRow("a full table stores ten rows, never the spare") << FullTable() + QStringList{"W Анна 3", "L Spare 1"}
            << QStringList{"Records/count=10", "Records/N0=Анна", "Records/N9=P8", "Records/s9=999", "Records/N10"};
    }
    void savedTableStoresThousandMinusEachCounterAndComesBack()
    {
        QFETCH(QStringList, script);
        QFETCH(QStringList, stored);
        TempProfile profile;
        CRecordTable table, loaded;
        Play(table, script);
        table.SaveRecords();
        QCOMPARE(profile.Stored(stored), stored);
        profile.Reopen();
        loaded.LoadRecords();
        QCOMPARE(Rows(loaded), Rows(table));
    }

    void handEditedRecordsLoadSafely_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QStringList>("script");  // played after loading
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("the stored order is kept, not sorted") << QByteArray("[Records]\ncount=2\nN0=Low\ns0=999\nN1=High\nw1=990\ns1=900\n") << QStringList() << QStringList{"Low 0 0 1", "High 10 0 100"};
        QTest::newRow("a count of 15 reads ten rows") << QByteArray("[Records]\ncount=15\nN0=A\nN9=J\nN10=K\n") << QStringList() << QStringList{"A 0 0 0", "J 0 0 0"};
        QTest::newRow("a count of -3 is an empty table that takes new players") << QByteArray("[Records]\ncount=-3\nN0=Ghost\n") << QStringList{"W Anna 1"} << QStringList{"Anna 1 0 1"};
        QTest::newRow("empty names are skipped, counters stay with their names") << QByteArray("[Records]\ncount=3\nN0=A\nw0=999\nN1=\nw1=900\nN2=D\nw2=995\n") << QStringList{"W D 1"} << QStringList{"D 6 0 1", "A 1 0 0"};
        QTest::newRow("a repeated name keeps its first entry") << QByteArray("[Records]\ncount=3\nN0=A\nw0=999\nN1=A\nw1=900\nN2=B\nw2=998\n") << QStringList() << QStringList{"A 1 0 0", "B 2 0 0"};
        QTest::newRow("non-numeric counters read as 0") << QByteArray("[Records]\ncount=1\nN0=A\nw0=abc\nl0=\ns0=1x\n") << QStringList() << QStringList{"A 0 0 0"};
    }
    void handEditedRecordsLoadSafely()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QStringList, script);
        TempProfile profile(ini);
        CRecordTable table;
        table.LoadRecords();
        Play(table, script);
        QTEST(Rows(table), "rows");
    }

    void removeForgetsOnePlayer_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("removed");
        QTest::addColumn<QStringList>("after");  // played after the removal
        QTest::addColumn<QStringList>("rows");
        const QStringList three{"W A 3", "W B 2", "W C 1"}, spare = FullTable() + QStringList{"L Spare 1"};
        QTest::newRow("the rows below move up; a newcomer takes the freed row") << three << 1 << true << QStringList{"L D 1"} << QStringList{"A 1 0 10", "C 1 0 1", "D 0 1 -1"};
        QTest::newRow("a removed player who plays again starts afresh") << three << 0 << true << QStringList{"W A 1"} << QStringList{"B 1 0 5", "C 1 0 1", "A 1 0 1"};
        QTest::newRow("a row below the last player is refused") << three << 3 << false << QStringList() << QStringList{"A 1 0 10", "B 1 0 5", "C 1 0 1"};
        QTest::newRow("the spare slot is no row of the table") << spare << 10 << false << QStringList() << FullRows(0, 9);
        QTest::newRow("the spare is forgotten, not promoted") << spare << 4 << true << QStringList{"W Spare 1"} << FullRows(0, 3) + FullRows(5, 9) + QStringList{"Spare 1 0 1"};
        QTest::newRow("a full table without a spare has room for one more") << FullTable() << 9 << true << QStringList{"L New 1"} << FullRows(0, 8) + QStringList{"New 0 1 -1"};
    }
    void removeForgetsOnePlayer()
    {
        QFETCH(QStringList, script);
        QFETCH(int, row);
        QFETCH(QStringList, after);
        CRecordTable table;
        Play(table, script);
        QTEST(table.Remove(row), "removed");
        Play(table, after);
        QTEST(Rows(table), "rows");
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
