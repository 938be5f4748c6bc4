// A hostile or broken machine at the other end of a battle: whatever it
// sends, the window stays alive, memory stays put, and the battle either
// goes on as it was or ends with "Connect closed" and no result recorded.
#include "netfixture.h"

#include "ui/chatpanel.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QRandomGenerator>

#include <memory>

namespace {
// The gauges a hostile peer is judged by: liveness and memory.
inline long VmRssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
    const int at = text.indexOf("VmRSS:");
    return at < 0 ? 0 : text.mid(at + 6).trimmed().split(' ').value(0).toLong();
}

// AddressSanitizer holds freed memory in quarantine (256 MB by default), so
// under it RSS shows the traffic that went through, not what the game keeps.
#if defined(__SANITIZE_ADDRESS__)
constexpr long RSS_SLACK_KB = 256 * 1024;
#else
constexpr long RSS_SLACK_KB = 0;
#endif

// Ticks every 10 ms on the window's thread: the longest gap between ticks
// is how long the window was deaf. Memory is measured from creation.
class CLiveness : public QObject {
public:
    CLiveness() : m_rssStart(VmRssKb())
    {
        m_clock.start();
        connect(&m_timer, &QTimer::timeout, this, [this] { m_maxGapMs = qMax(m_maxGapMs, m_clock.restart()); });
        m_timer.start(10);
    }
    qint64 MaxGapMs() const { return qMax(m_maxGapMs, m_clock.elapsed()); }
    long RssGrowthKb() const { return VmRssKb() - m_rssStart; }
    QString Summary() const
    {
        return QStringLiteral("longest stall %1 ms, RSS %2 MB").arg(MaxGapMs()).arg(RssGrowthKb() / 1024.0, 0, 'f', 1);
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_maxGapMs = 0;
    long m_rssStart;
};

inline void Figure(const QString& check, const QString& feed, const QString& amount, const QString& found)
{
    qInfo().noquote() << QStringLiteral("FIGURE: %1 | %2 | %3 | %4").arg(check, feed, amount, found);
}


// The peer writes no faster than the program reads, so what the figures
// measure is the program's memory, not the test's send buffer.
void SendPaced(CPeer& peer, const QByteArray& bytes, QRandomGenerator* rng = nullptr, int chunk = 65536)
{
    for (int pos = 0; pos < bytes.size() && peer.IsConnected();) {
        if (peer.m_socket->bytesToWrite() > 256 * 1024) {
            QTest::qWait(1);
            continue;
        }
        const int size = rng ? int(rng->bounded(1, chunk + 1)) : chunk;
        peer.Send(bytes.mid(pos, size));
        pos += size;
        QCoreApplication::processEvents();
    }
}

QString Tag() { return QString::fromUtf8(QTest::currentDataTag()); }
} // namespace

class TestHostilePeer : public QObject {
    Q_OBJECT
private slots:
    // Which message counts when is the session's table; here, end to end,
    // what no table sees: memory and time under bytes in bulk.
    void strayMessagesLeaveTheBattleAlone_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray unknown;
        for (int type = 9; type < 256; ++type)
            unknown.append(char(type));
        // A pass each would keep the battle waiting for hours.
        QTest::newRow("every byte no message has, a thousand times") << unknown.repeated(1000);
        QTest::newRow("a 32 MB name with no end until the last byte") << Bytes({NET_NAME}) + QByteArray(32 << 20, 'A') + Bytes({0});
    }

    void strayMessagesLeaveTheBattleAlone()
    {
        QFETCH(QByteArray, bytes);
        CServerBattle b;
        QVERIFY(b.Start());
        b.PassTheTurn();
        const QString before = b.State();
        CLiveness live;
        // All but the last byte first: an unfinished message may hold no more
        // than one message's data, however much arrives.
        SendPaced(b.client, bytes.chopped(1));
        QTRY_COMPARE_WITH_TIMEOUT(b.client.m_socket->bytesToWrite(), qint64(0), 10000);
        QTest::qWait(200);
        QVERIFY(b.w->Connection().Unparsed() <= NETMSG_DATA);
        QVERIFY2(live.RssGrowthKb() < 16 * 1024 + RSS_SLACK_KB, qPrintable(live.Summary()));
        b.client.Send(bytes.right(1));
        QVERIFY(b.Drained());
        QCOMPARE(b.State(), before);
        QVERIFY(live.MaxGapMs() < 2000);
        Figure("stray message in a battle", Tag(), QStringLiteral("%1 bytes").arg(bytes.size()),
               "battle unchanged, no notice, " + live.Summary());
    }

    // A partner that signed and then floods the chat: the battle, memory
    // and the window's liveness are as under any other flood, the stream
    // stays in step, and the chat window keeps only its last lines.
    void chatFloodLeavesTheBattleAlone_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("lastLine");
        QByteArray lines;
        for (int i = 0; i < 1000000; ++i)
            lines += ChatBytes("spam");
        QTest::newRow("a million lines") << lines << QStringLiteral("Partner: spam");
        // The length field allows no more than this; each such line is stepped over unread.
        const QByteArray overLong = Bytes({NET_EXT, NET_EXT_CHAT, 0xFF, 0xFF}) + QByteArray(0xFFFF, 'A');
        QTest::newRow("a megabyte in over-long lines") << overLong.repeated(16) + ChatBytes("Rival\nend") << QStringLiteral("Rival: end");
        // Shots inside a line's declared length are the line's bytes, not shots.
        QTest::newRow("game messages inside a line") << ChatBytes(ShotBytes(0).repeated(200)) << QString();
        QRandomGenerator rng(16);
        QByteArray noise;
        for (int i = 0; i < 20000; ++i) {
            QByteArray body(int(rng.bounded(1, 1025)), 0);
            for (char& c : body)
                c = char(rng.bounded(256));
            noise += ChatBytes(body);
        }
        QTest::newRow("invalid UTF-8 and control characters") << noise << QString();
        QTest::newRow("markup") << ChatBytes("<img src=x><a href='file:///'>click</a>&lt;").repeated(20000)
                                << QStringLiteral("Partner: <img src=x><a href='file:///'>click</a>&lt;");
    }

    void chatFloodLeavesTheBattleAlone()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, lastLine);
        CServerBattle b;
        b.m_bSigns = true;
        QVERIFY(b.Start());
        b.PassTheTurn();
        const QString before = b.State();
        CLiveness live;
        SendPaced(b.client, bytes);
        QVERIFY(b.Drained());
        QTest::qWait(200);   // the chat window's last look
        QVERIFY(live.MaxGapMs() < 2000);
        QVERIFY2(live.RssGrowthKb() < 32 * 1024 + RSS_SLACK_KB, qPrintable(live.Summary()));
        QCOMPARE(b.State(), before);
        QVERIFY(b.w->Connection().Unparsed() <= NET_EXT_HEADER + NET_EXT_MAX_BODY);
        b.w->ToggleChat();   // the player looks after the flood
        const QPlainTextEdit* log = b.w->Chat()->m_log;
        if (!lastLine.isEmpty())
            QCOMPARE(log->document()->lastBlock().text(), lastLine);
        // In step: the partner's next shot is a shot.
        QVERIFY(b.TakeTheTurn());
        Figure("chat flood in a battle", Tag(), QStringLiteral("%1 bytes").arg(bytes.size()),
               QStringLiteral("battle unchanged, %1 lines shown, %2").arg(log->blockCount()).arg(live.Summary()));
    }

    void randomBytesInBulk_data()
    {
        QTest::addColumn<bool>("asServer");
        QTest::addColumn<quint32>("seed");
        QTest::newRow("to the server") << true << 2004u;
        QTest::newRow("to the client") << false << 1251u;
    }

    void randomBytesInBulk()
    {
        QFETCH(bool, asServer);
        QFETCH(quint32, seed);
        std::unique_ptr<CBattle> b(asServer ? static_cast<CBattle*>(new CServerBattle) : new CClientBattle);
        QVERIFY(b->Start());
        const QStringList records = b->w.Records();
        constexpr int FED = 1024 * 1024;
        QRandomGenerator rng(seed);
        QByteArray noise(FED, 0);
        rng.fillRange(reinterpret_cast<quint32*>(noise.data()), FED / 4);
        CLiveness live;
        SendPaced(b->Peer(), noise, &rng, 4096);
        QTest::qWait(300);

        QVERIFY(live.MaxGapMs() < 2000);
        QVERIFY2(live.RssGrowthKb() < 32 * 1024 + RSS_SLACK_KB, qPrintable(live.Summary()));
        const bool goesOn = b->Peer().IsConnected() && b->w->NetRole() == (asServer ? ENetRole::Server : ENetRole::Client);
        QVERIFY(goesOn || b->EndedWithConnectClosed());
        // Only a game that really ended may have touched the table.
        if (!PlayerOne.AllSunk() && !PlayerTwo.AllSunk())
            QCOMPARE(b->w.Records(), records);
        Figure("random bytes", Tag(), QStringLiteral("%1 MB in random-sized writes").arg(FED >> 20),
               (goesOn ? "battle goes on, " : "ended with Connect closed, ") + live.Summary());
    }

    void connectionStormLeavesTheBattleAlone_data()
    {
        QTest::addColumn<bool>("waitForAnswer");
        QTest::newRow("each waits for busy") << true;
        QTest::newRow("each drops at once") << false;
    }

    void connectionStormLeavesTheBattleAlone()
    {
        QFETCH(bool, waitForAnswer);
        CServerBattle b;
        QVERIFY(b.Start());
        const QString before = b.State();
        const int socketsBefore = b.w->findChildren<QTcpSocket*>().size();
        constexpr int ATTEMPTS = 1000, WAVE = 50;
        CLiveness live;
        int answered = 0;
        for (int wave = 0; wave < ATTEMPTS / WAVE; ++wave) {
            std::vector<std::unique_ptr<CPeer>> peers;
            for (int i = 0; i < WAVE; ++i) {
                peers.push_back(std::make_unique<CPeer>());
                peers.back()->ConnectToGame();
                if (!waitForAnswer)
                    peers.back()->m_socket->abort();
            }
            QVERIFY(!waitForAnswer || QTest::qWaitFor([&] {
                return std::all_of(peers.begin(), peers.end(), [](const auto& p) { return p->m_bClosed; });
            }, 10000));
            for (const auto& p : peers)
                answered += p->m_received == Bytes({8, 0});
        }
        QCOMPARE(answered, waitForAnswer ? ATTEMPTS : 0);
        QVERIFY(b.Drained());
        QCOMPARE(b.State(), before);
        QVERIFY(live.MaxGapMs() < 2000);
        // Every turned-away connection is let go.
        QTRY_COMPARE_WITH_TIMEOUT(b.w->findChildren<QTcpSocket*>().size(), socketsBefore, 10000);
        Figure("connection storm in a battle", Tag(), QStringLiteral("%1 connections").arg(ATTEMPTS),
               QStringLiteral("%1 answered busy, battle unchanged, %2").arg(answered).arg(live.Summary()));
    }

    void peerThatStopsReadingNeverBlocksTheWindow()
    {
        CServerBattle b;
        QVERIFY(b.Start());
        // The client reads nothing more: its buffers and then ours fill up.
        QObject::disconnect(b.client.m_socket, &QTcpSocket::readyRead, nullptr, nullptr);
        b.client.m_socket->setReadBufferSize(1);
        const std::vector<unsigned char> fleet = MakeFleetMsg(std::vector<unsigned char>(BOARD_CELLS, 1).data());
        constexpr int SENDS = 20000, BURST = 500;
        CLiveness live;
        qint64 longestBurstMs = 0;
        QElapsedTimer clock;
        for (int sent = 0; sent < SENDS; sent += BURST) {
            clock.start();
            for (int i = 0; i < BURST; ++i)
                b.w->Connection().Send(fleet);
            longestBurstMs = qMax(longestBurstMs, clock.elapsed());
            QTest::qWait(1);
        }
        QVERIFY(longestBurstMs < 500);
        // The player still plays: a shot lands and goes out.
        QVERIFY(b.TakeTheTurn());
        b.PassTheTurn();
        QVERIFY(!MyTurn && GameInProgress && b.client.IsConnected());
        QVERIFY(live.MaxGapMs() < 1000);
        Figure("peer that stops reading", "the game's sends to a peer reading nothing",
               QStringLiteral("%1 sends, %2 MB").arg(SENDS).arg(SENDS * fleet.size() / 1e6, 0, 'f', 1),
               QStringLiteral("longest burst of %1 sends %2 ms, battle goes on, %3")
                   .arg(BURST).arg(longestBurstMs).arg(live.Summary()));
    }
};

TIDEBOLT_NET_TEST_MAIN(TestHostilePeer)
#include "tst_hostilepeer.moc"
