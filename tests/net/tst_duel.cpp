// Two real copies of the game, each its own process with its own profile,
// play whole games over 127.0.0.1: both must see the same games end the
// same way and keep the same table of records.
#include "net/netmsg.h"
#include "support/privatenet.h"
#include "support/savedrecords.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

namespace {
// What one side printed: per game won and shots, and its totals.
struct Side {
    QList<bool> won;
    QList<int> shots;
    QString result;
    QStringList sent, heard;   // chat lines
};

Side ReadSide(QProcess& process)
{
    static const QRegularExpression game(QStringLiteral("^GAME \\d+ (WIN|LOSS) shots=(\\d+)$"));
    Side side;
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n')) {
        if (auto m = game.match(line); m.hasMatch()) {
            side.won << (m.captured(1) == QLatin1String("WIN"));
            side.shots << m.captured(2).toInt();
        } else if (line.startsWith(QLatin1String("RESULT "))) {
            side.result = line.mid(7);
        } else if (line.startsWith(QLatin1String("CHAT SENT "))) {
            side.sent << line.mid(10);
        } else if (line.startsWith(QLatin1String("CHAT HEARD "))) {
            side.heard << line.mid(11);
        }
    }
    return side;
}

// Exit code 0 within the time; a process still running is killed.
bool EndsWell(QProcess& process, int ms)
{
    if (!process.waitForFinished(ms))
        process.kill(), process.waitForFinished();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}
} // namespace

class TestDuel : public QObject {
    Q_OBJECT
private slots:
    void bothCopiesAgreeOnEveryGameAndRecord_data();
    void bothCopiesAgreeOnEveryGameAndRecord();
};

void TestDuel::bothCopiesAgreeOnEveryGameAndRecord_data()
{
    QTest::addColumn<int>("games");
    QTest::addColumn<int>("serverTradition");
    QTest::addColumn<int>("clientTradition");
    // The client plays by the server's rule whatever its own profile says.
    QTest::newRow("three games, a hit shoots again") << 3 << 1 << 0;
    QTest::newRow("two games, every shot passes the turn") << 2 << 0 << 1;
}

void TestDuel::bothCopiesAgreeOnEveryGameAndRecord()
{
    QFETCH(int, games);
    QFETCH(int, serverTradition);
    QFETCH(int, clientTradition);
    // The port is fixed: a network test of another build may hold it a while.
    QVERIFY(QTest::qWaitFor([] { return QTcpServer().listen(QHostAddress::AnyIPv4, NET_PORT); }, 30000));
    QTemporaryDir dir;
    const QString ini[2] = {dir.filePath("server.ini"), dir.filePath("client.ini")};
    QSettings(ini[0], QSettings::IniFormat).setValue("Options/Tradition", serverTradition);
    QSettings(ini[1], QSettings::IniFormat).setValue("Options/Tradition", clientTradition);
    QElapsedTimer clock;
    clock.start();
    QProcess server, client;
    const QString count = QString::number(games);
    server.start(TIDEBOLT_DUEL_PATH, {"--server", "--games", count, "--seed", "11", "--profile", ini[0], "--timeout", "120"});
    client.start(TIDEBOLT_DUEL_PATH, {"--client", "--games", count, "--seed", "22", "--profile", ini[1], "--timeout", "120"});
    const bool serverOk = EndsWell(server, 130000);
    QVERIFY2(EndsWell(client, serverOk ? 30000 : 1000), client.readAllStandardError().constData());
    QVERIFY2(serverOk, server.readAllStandardError().constData());

    const Side s = ReadSide(server), c = ReadSide(client);
    QCOMPARE(s.won.size(), games);
    QCOMPARE(c.won.size(), games);
    int shots = 0, serverWins = 0;
    for (int g = 0; g < games; ++g) {
        QVERIFY2(s.won[g] != c.won[g], qPrintable(QStringLiteral("game %1 has one winner").arg(g + 1)));
        const int winner = s.won[g] ? s.shots[g] : c.shots[g], loser = s.won[g] ? c.shots[g] : s.shots[g];
        QVERIFY(winner >= 20);   // every deck of the fleet
        // Without the extra shot the turns alternate, so the shot counts
        // differ by one at most: both sides followed the server's rule.
        if (!serverTradition)
            QVERIFY2(qAbs(winner - loser) <= 1, qPrintable(QStringLiteral("%1 vs %2").arg(winner).arg(loser)));
        shots += winner + loser;
        serverWins += s.won[g];
    }
    // Each side says a line at its first shot of every game; each hears the other's, in order.
    QCOMPARE(s.sent.size(), games);
    QCOMPARE(s.sent, c.heard);
    QCOMPARE(c.sent, s.heard);
    QCOMPARE(c.heard.value(0), QStringLiteral("Alpha: Alpha in game 1"));
    const int serverLosses = games - serverWins;
    QCOMPARE(s.result, QStringLiteral("games=%1 wins=%2 losses=%3").arg(games).arg(serverWins).arg(serverLosses));
    QCOMPARE(c.result, QStringLiteral("games=%1 wins=%2 losses=%3").arg(games).arg(serverLosses).arg(serverWins));

    // Alpha (server) and Bravo (client), ten points a game; equal scores
    // keep the order the names came in: game one's winner first.
    const int alphaScore = 10 * (serverWins - serverLosses);
    const QString alpha = QStringLiteral("Alpha %1 %2 %3").arg(serverWins).arg(serverLosses).arg(alphaScore);
    const QString bravo = QStringLiteral("Bravo %1 %2 %3").arg(serverLosses).arg(serverWins).arg(-alphaScore);
    const QStringList expected = alphaScore > 0 || (alphaScore == 0 && s.won[0]) ? QStringList{alpha, bravo}
                                                                                 : QStringList{bravo, alpha};
    QCOMPARE(SavedRecords(ini[0]), expected);
    QCOMPARE(SavedRecords(ini[1]), expected);
    qInfo().noquote() << QStringLiteral(
        "FIGURE: network duel (%1) | two tidebolt_duel processes over 127.0.0.1, random shots on the real "
        "windows | %2 games, %3 shots in %4 s | one winner per game, both record tables equal and saved")
                             .arg(QString::fromLatin1(QTest::currentDataTag()))
                             .arg(games).arg(shots).arg(clock.elapsed() / 1000.0, 0, 'f', 1);
}

int main(int argc, char* argv[])
{
    // The two copies inherit it: a loopback of their own, when the test can have one.
    EnterPrivateNetwork();
    QCoreApplication app(argc, argv);
    TestDuel test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_duel.moc"
