// Two and three machines on a LAN of the test's own, each with its own mDNS
// daemon, and real copies of the game on them: a waiting server is seen by
// the standard tools and by the other machine's dialog, a game chosen there
// is played across the LAN, and a pulled cable ends or spares the game as a
// player would expect.
#include "support/savedrecords.h"
#include "support/simulatedlan.h"

#include <QSettings>

#include <algorithm>

namespace {
const QString DUEL = QStringLiteral(TIDEBOLT_DUEL_PATH);
// The game on machine i is at 192.0.2.i.
const QString ALPHA = QStringLiteral("192.0.2.1"), CHARLIE = QStringLiteral("192.0.2.3");
constexpr int LISTED_WITHIN_MS = 3000;

// Sorted: which of two equal scores the table lists first is not the point here.
QStringList SortedRecords(const QString& ini)
{
    QStringList rows = SavedRecords(ini);
    rows.sort();
    return rows;
}

// The table both sides must keep after the games the server reported:
// Alice is the server, Bob the client, ten points a game.
// The chat lines a copy printed as it ended, SENT or HEARD.
QStringList ChatLines(const QString& out, const QString& way)
{
    QStringList lines;
    const QString head = "CHAT " + way + ' ';
    for (const QString& line : out.split('\n')) {
        if (line.startsWith(head))
            lines << line.mid(head.size());
    }
    return lines;
}

QStringList ExpectedRecords(const QString& serverOut)
{
    int wins = 0, losses = 0;
    for (const QString& line : serverOut.split('\n')) {
        wins += line.startsWith(QLatin1String("GAME ")) && line.contains(QLatin1String(" WIN "));
        losses += line.startsWith(QLatin1String("GAME ")) && line.contains(QLatin1String(" LOSS "));
    }
    QStringList rows{QStringLiteral("Alice %1 %2 %3").arg(wins).arg(losses).arg(10 * (wins - losses)),
                     QStringLiteral("Bob %1 %2 %3").arg(losses).arg(wins).arg(10 * (losses - wins))};
    rows.sort();
    return rows;
}

QStringList Duel(const QString& role, const QString& name, const QString& ini, const QStringList& more = {})
{
    return QStringList{role, "--name", name, "--profile", ini, "--timeout", "150", "--seed", "7"} + more;
}
} // namespace

class TestLan : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void aWaitingServerIsSeenUntilItStopsWaiting_data();
    void aWaitingServerIsSeenUntilItStopsWaiting();
    void twoServersOfOneNameAreBothListedAndOneIsChosen();
    void aPulledCable_data();
    void aPulledCable();

private:
    std::unique_ptr<CSimulatedLan> m_lan;
};

void TestLan::initTestCase()
{
    if (!g_strNoLan.isEmpty())
        QSKIP(qPrintable(QStringLiteral("no simulated LAN here: %1").arg(g_strNoLan)));
    m_lan = std::make_unique<CSimulatedLan>();
    QVERIFY2(m_lan->Up({"alpha", "bravo", "charlie"}), "the machines could not be built");
}

void TestLan::cleanupTestCase()
{
    m_lan.reset();
}

void TestLan::cleanup()
{
    if (!m_lan)
        return;
    m_lan->StopPrograms();
    m_lan->Link("alpha", true);
}

void TestLan::aWaitingServerIsSeenUntilItStopsWaiting_data()
{
    QTest::addColumn<QString>("end");
    QTest::newRow("its game is killed") << "kill";
    QTest::newRow("a client comes") << "client";
}

void TestLan::aWaitingServerIsSeenUntilItStopsWaiting()
{
    QFETCH(QString, end);
    auto& server = m_lan->Start("alpha", DUEL, Duel("--server", "Alice", m_lan->Path(end + "-alpha.ini")));
    QVERIFY2(server.WaitSaid("WAITING", 30000), qPrintable(server.Errors()));
    const QStringList alice{QStringLiteral("Alice;alpha.local;%1;2004").arg(ALPHA)};
    const qint64 seen = m_lan->WaitListed("bravo", alice, LISTED_WITHIN_MS);
    QVERIFY2(seen >= 0, qPrintable(m_lan->Browse("bravo").join(' ')));

    if (end == QLatin1String("kill")) {
        server.process.kill();
    } else {
        auto& client = m_lan->Start("bravo", DUEL, Duel("--client", "Bob", m_lan->Path(end + "-bravo.ini"), {"--host", ALPHA}));
        QVERIFY2(client.WaitSaid("BATTLE 1", 30000), qPrintable(client.Errors()));
    }
    const qint64 gone = m_lan->WaitListed("bravo", {}, LISTED_WITHIN_MS);
    QVERIFY2(gone >= 0, "still listed");
    qInfo().noquote() << QStringLiteral("FIGURE: LAN announcement (%1) | avahi-browse on another machine | listed "
                                        "after %2 ms, gone %3 ms after the server stopped waiting")
                             .arg(end).arg(seen).arg(gone);
}

void TestLan::twoServersOfOneNameAreBothListedAndOneIsChosen()
{
    auto& first = m_lan->Start("alpha", DUEL, Duel("--server", "Alice", m_lan->Path("alpha.ini")));
    QVERIFY2(first.WaitSaid("WAITING", 30000), qPrintable(first.Errors()));
    QVERIFY(m_lan->WaitListed("bravo", {"Alice;alpha.local;" + ALPHA + ";2004"}, LISTED_WITHIN_MS) >= 0);
    auto& second = m_lan->Start("charlie", DUEL, Duel("--server", "Alice", m_lan->Path("charlie.ini")));
    QVERIFY2(second.WaitSaid("WAITING", 30000), qPrintable(second.Errors()));
    // The second to come takes the LAN's next name for it.
    const QStringList both{"Alice #2;charlie.local;" + CHARLIE + ";2004", "Alice;alpha.local;" + ALPHA + ";2004"};
    QVERIFY2(m_lan->WaitListed("bravo", both, LISTED_WITHIN_MS) >= 0, qPrintable(m_lan->Browse("bravo").join(' ')));

    // Bob picks the second Alice in his dialog's list and plays her.
    const QString ini = m_lan->Path("bravo-chose.ini");
    auto& client = m_lan->Start("bravo", DUEL, Duel("--client", "Bob", ini, {"--from-list", "Alice #2"}));
    QVERIFY2(client.EndsWell(60000), qPrintable(client.Errors()));
    QVERIFY2(second.EndsWell(10000), qPrintable(second.Errors()));
    QVERIFY(first.process.state() == QProcess::Running);   // still waiting for a client of her own
    QVERIFY(client.Said("RESULT games=1 wins=0 losses=1") || client.Said("RESULT games=1 wins=1 losses=0"));
    QCOMPARE(SortedRecords(ini), SortedRecords(m_lan->Path("charlie.ini")));
    // They talked across the LAN too: each heard what the other said, in order.
    QVERIFY(!ChatLines(client.out, "SENT").isEmpty() && !ChatLines(second.out, "SENT").isEmpty());
    QCOMPARE(ChatLines(second.out, "HEARD"), ChatLines(client.out, "SENT"));
    QCOMPARE(ChatLines(client.out, "HEARD"), ChatLines(second.out, "SENT"));
    // What the client remembers is what it connected to.
    QSettings saved(ini, QSettings::IniFormat);
    QCOMPARE(saved.value("Options/CurServer").toString(), CHARLIE);
    QCOMPARE(saved.value("Options/Server1").toString(), CHARLIE);
    QVERIFY(!saved.contains("Options/Server2"));
}

void TestLan::aPulledCable_data()
{
    QTest::addColumn<int>("outageMs");   // 0: for good
    QTest::newRow("for ten seconds, mid-battle") << 10000;
    QTest::newRow("for good, mid-battle") << 0;
}

void TestLan::aPulledCable()
{
    QFETCH(int, outageMs);
    const QString ini[2] = {m_lan->Path(QStringLiteral("cable-a%1.ini").arg(outageMs)),
                            m_lan->Path(QStringLiteral("cable-b%1.ini").arg(outageMs))};
    const QStringList cut = outageMs ? QStringList{} : QStringList{"--cut-ok"};
    auto& server = m_lan->Start("alpha", DUEL, Duel("--server", "Alice", ini[0], QStringList{"--games", "2"} + cut));
    QVERIFY2(server.WaitSaid("WAITING", 30000), qPrintable(server.Errors()));
    auto& client = m_lan->Start("bravo", DUEL,
                                Duel("--client", "Bob", ini[1], QStringList{"--games", "2", "--host", ALPHA} + cut));
    QVERIFY2(server.WaitSaid("BATTLE 2", 60000), qPrintable(server.Errors() + client.Errors()));
    QTest::qWait(500);   // a few shots into it
    QElapsedTimer clock;
    clock.start();
    QVERIFY(m_lan->Link("alpha", false));
    if (outageMs) {
        QTest::qWait(outageMs);
        QVERIFY(m_lan->Link("alpha", true));
        // The game goes on where it stopped: both finish both games.
        QVERIFY2(server.EndsWell(90000), qPrintable(server.Errors()));
        QVERIFY2(client.EndsWell(10000), qPrintable(client.Errors()));
        QVERIFY(!server.Said("CLOSED") && !client.Said("CLOSED"));
        QVERIFY(server.out.contains(QLatin1String("RESULT games=2 ")));
    } else {
        // Both sides give up on their own and say so.
        const bool serverOk = server.EndsWell(45000);
        const bool clientOk = client.EndsWell(std::max<qint64>(1000, 45000 - clock.elapsed()));
        const qint64 noticed = clock.elapsed();
        QVERIFY2(serverOk && clientOk, qPrintable(server.Errors() + client.Errors()));
        QVERIFY(server.Said("CLOSED") && client.Said("CLOSED"));
        qInfo().noquote() << QStringLiteral("FIGURE: cable pulled for good mid-battle | both sides said "
                                            "\"Connect closed\" and left within %1 s").arg(noticed / 1000.0, 0, 'f', 1);
    }
    // The cut game counts for nobody; every finished one for its winner and
    // loser, the same on both sides.
    QCOMPARE(SortedRecords(ini[0]), ExpectedRecords(server.out));
    QCOMPARE(SortedRecords(ini[0]), SortedRecords(ini[1]));
}

int main(int argc, char* argv[])
{
    EnterLanNamespaces();
    QCoreApplication app(argc, argv);
    TestLan test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_lan.moc"
