// A hostile or broken machine at the other end of a battle: whatever it
// sends, the window stays alive, memory stays put, and the battle either
// goes on as it was or ends with "Connect closed" and no result recorded.
#include "hostilefixture.h"

#include <QRandomGenerator>

#include <memory>

namespace {
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

QByteArray FleetBytes(QByteArray picture)
{
    return Bytes(MakeFleetMsg(Exported(FleetCodes(picture.constData())).data()));
}

QString Tag() { return QString::fromUtf8(QTest::currentDataTag()); }
} // namespace

class TestHostilePeer : public QObject {
    Q_OBJECT
private slots:
    void strayMessagesLeaveTheBattleAlone_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("partnersTurn");
        const QByteArray fleet = StandardFleetPicture();
        QByteArray unknown;
        for (int type = 9; type < 256; ++type)
            unknown.append(char(type));
        QTest::newRow("shots at rows and columns 0, 11 and 255")
            << Bytes({4, 0, 5, 0, 4, 11, 1, 0, 4, 5, 0, 0, 4, 3, 11, 0, 4, 255, 255, 0}) << true;
        QTest::newRow("a shot out of turn") << ShotBytes(0) + ShotBytes(55) << false;
        QTest::newRow("a lawful fleet in the middle of the battle") << FleetBytes(fleet) << true;
        QTest::newRow("a fleet of eleven ships") << FleetBytes(QByteArray(fleet).replace(99, 1, "#")) << true;
        QTest::newRow("a fleet of touching ships") << FleetBytes(QByteArray(fleet).replace(43, 1, ".").replace(58, 1, "#")) << true;
        QTest::newRow("a fleet with hit decks") << FleetBytes(QByteArray(fleet).replace(0, 1, "3")) << true;
        QTest::newRow("a name in the middle of the battle") << Bytes(MakeNameMsg("Impostor")) << true;
        QTest::newRow("ready in the middle of the battle") << Bytes({1, 0}) << false;
        QTest::newRow("rule, first shot and new game from a client") << Bytes({6, 0, 0, 3, 0, 7, 0}) << false;
        QTest::newRow("busy from a client") << Bytes({8, 0}) << true;
        QTest::newRow("every unknown type byte") << unknown << true;
        QTest::newRow("a 32 MB name with no end until the last byte")
            << Bytes({NET_NAME}) + QByteArray(32 << 20, 'A') + Bytes({0}) << true;
    }

    void strayMessagesLeaveTheBattleAlone()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, partnersTurn);
        CServerBattle b;
        QVERIFY(b.Start());
        if (partnersTurn)
            b.PassTheTurn();
        else
            QVERIFY(b.TakeTheTurn());
        QCOMPARE(bool(MyTurn), !partnersTurn);
        const QString before = b.State();
        CLiveness live;
        // All but the last byte first: an unfinished message may hold no more
        // than one message's data, however much arrives.
        SendPaced(b.client, bytes.chopped(1));
        QTRY_COMPARE_WITH_TIMEOUT(b.client.m_socket->bytesToWrite(), qint64(0), 10000);
        QTest::qWait(200);
        QVERIFY(b.w->m_connSocket->Parser().Pending() <= NETMSG_DATA);
        QVERIFY2(live.RssGrowthKb() < 16 * 1024 + RSS_SLACK_KB, qPrintable(live.Summary()));
        b.client.Send(bytes.right(1));
        QVERIFY(QueueDrained(b.client));
        QCOMPARE(b.State(), before);
        QVERIFY(live.MaxGapMs() < 2000);
        Figure("stray message in a battle", Tag(), QStringLiteral("%1 bytes").arg(bytes.size()),
               "battle unchanged, no notice, " + live.Summary());
    }

    void cutMessageWaitsForItsEnd_data()
    {
        QTest::addColumn<QByteArray>("message");   // empty: a shot at open water
        QTest::addColumn<bool>("closeInstead");
        const QList<QPair<const char*, QByteArray>> messages{
            {"ready", Bytes({1, 0})}, {"name", Bytes(MakeNameMsg("Latecomer"))}, {"first shot", Bytes({3, 0})},
            {"shot", QByteArray()}, {"fleet", FleetBytes(StandardFleetPicture())}, {"rule", Bytes({6, 1, 0})},
            {"new game", Bytes({7, 0})}};
        for (const auto& [name, bytes] : messages) {
            QTest::addRow("%s, then its end", name) << bytes << false;
            QTest::addRow("%s, then the close", name) << bytes << true;
        }
    }

    void cutMessageWaitsForItsEnd()
    {
        QFETCH(QByteArray, message);
        QFETCH(bool, closeInstead);
        CServerBattle b;
        QVERIFY(b.Start());
        b.PassTheTurn();
        const int water = b.OpenWater();
        const bool shot = message.isEmpty();
        if (shot)
            message = ShotBytes(water);
        const QString before = b.State();
        const QStringList records = RecordRows(b.w->m_records);
        CLiveness live;
        b.client.Send(message.chopped(1));
        QTest::qWait(300);
        QCOMPARE(b.State(), before);
        QCOMPARE(NetQueue.Size(), std::size_t(0));
        if (closeInstead) {
            b.client.m_socket->abort();
            QTRY_VERIFY_WITH_TIMEOUT(b.EndedWithConnectClosed(), 5000);
            QCOMPARE(RecordRows(b.w->m_records), records);
        } else {
            b.client.Send(message.right(1));
            QVERIFY(QueueDrained(b.client));
            if (shot) {
                QCOMPARE(int(PlayerOne.m_fleet[water]), int(CELL_MISS));
                QVERIFY(MyTurn);
            } else {
                QCOMPARE(b.State(), before);
            }
        }
        QVERIFY(live.MaxGapMs() < 1000);
        Figure("message cut and held open", Tag(), QStringLiteral("%1 bytes, 300 ms held").arg(message.size()),
               (closeInstead ? "ended with Connect closed, " : "acted on once whole, ") + live.Summary());
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
        const QStringList records = RecordRows(b->w->m_records);
        constexpr int FED = 1024 * 1024;
        QRandomGenerator rng(seed);
        QByteArray noise(FED, 0);
        rng.fillRange(reinterpret_cast<quint32*>(noise.data()), FED / 4);
        CLiveness live;
        SendPaced(b->Peer(), noise, &rng, 4096);
        QTest::qWait(300);

        QVERIFY(live.MaxGapMs() < 2000);
        QVERIFY2(live.RssGrowthKb() < 32 * 1024 + RSS_SLACK_KB, qPrintable(live.Summary()));
        const bool goesOn = b->Peer().IsConnected() && b->w->NetRole == (asServer ? 1u : 2u);
        QVERIFY(goesOn || b->EndedWithConnectClosed());
        // Only a game that really ended may have touched the table.
        if (!PlayerOne.AllSunk() && !PlayerTwo.AllSunk())
            QCOMPARE(RecordRows(b->w->m_records), records);
        Figure("random bytes", Tag(), QStringLiteral("%1 MB in random-sized writes").arg(FED >> 20),
               (goesOn ? "battle goes on, " : "ended with Connect closed, ") + live.Summary());
    }

    void busyFromTheServerEndsTheConnectionOnce()
    {
        CClientBattle b;
        QVERIFY(b.Start());
        const QStringList records = RecordRows(b.w->m_records);
        const int boxesBefore = b.pilot.m_boxes.size();
        CLiveness live;
        // A server that says "busy" and stays, again and again.
        for (int i = 0; i < 5 && b.host.m_peer->IsConnected(); ++i) {
            b.host.m_peer->Send(Bytes({8, 0}));
            QTest::qWait(100);
        }
        QTRY_VERIFY_WITH_TIMEOUT(b.EndedWithConnectClosed(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(b.host.m_peer->m_bClosed, 5000);
        QCOMPARE(b.pilot.m_boxes.mid(boxesBefore), (QStringList{"Server now is plaing.", "Connect closed"}));
        QCOMPARE(RecordRows(b.w->m_records), records);
        Figure("busy server that stays", "NET_BUSY again and again to a client in a battle",
               "5 messages, 100 ms apart", "one notice, ended with Connect closed, " + live.Summary());
    }

    void finishedGameDoesNotReachTheNext()
    {
        CServerBattle b;
        QVERIFY(b.Start());
        b.PassTheTurn();
        // The client sinks our fleet, then goes on as if the game had not ended.
        QByteArray volley, stale;
        for (int i = 0; i < BOARD_CELLS; ++i)
            (PlayerOne.m_fleet[i] == CELL_SHIP ? volley : stale) += ShotBytes(i);
        stale += Bytes(MakeNameMsg("Ghost")) + Bytes({1, 0});
        CLiveness live;
        b.client.Send(volley + stale);
        QTRY_VERIFY_WITH_TIMEOUT(!GameInProgress && PlayerOne.AllSunk(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(NetQueue.Size() == 0, 10000);
        const QStringList afterLoss = RecordRows(b.w->m_records);
        QCOMPARE(afterLoss, (QStringList{"Rival 1 0 10", "Player 0 1 -10"}));

        b.w->OnCommand(ID_GAME_NEWGAME);
        QTRY_VERIFY_WITH_TIMEOUT(GameInProgress, 5000);
        QVERIFY(QueueDrained(b.client));
        for (int i = 0; i < BOARD_CELLS; ++i)
            QVERIFY(PlayerOne.m_fleet[i] == CELL_WATER || PlayerOne.m_fleet[i] == CELL_SHIP);
        QCOMPARE(PlayerTwo.GetName(), std::string("Rival"));
        QCOMPARE(b.w->Waiting, 0u);
        QCOMPARE(RecordRows(b.w->m_records), afterLoss);
        QVERIFY(b.client.IsConnected());
        Figure("finished game's messages in the next", "shots, name and ready sent after the last shot",
               QStringLiteral("%1 messages").arg(stale.count(char(NET_SHOT)) + 2),
               "next game untouched, 1 result recorded, " + live.Summary());
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
        QVERIFY(QueueDrained(b.client));
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
                b.w->SendBytes(fleet);
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

QTEST_MAIN(TestHostilePeer)
#include "tst_hostilepeer.moc"
