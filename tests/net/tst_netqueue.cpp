#include "game/globals.h"
#include "net/netqueue.h"

#include <QTest>

#include <cstring>

namespace {
NETMSG Record(int type, const QByteArray& data = {})
{
    NETMSG rec;
    rec.type = static_cast<unsigned char>(type);
    std::memcpy(rec.data, data.constData(), std::size_t(data.size()));
    return rec;
}

// Stands in for the window: takes each delivery at once, or leaves it on its
// way to look at what happens meanwhile.
struct CRecordingWindow : INetPost {
    CNetQueue& m_queue;
    bool m_bTakeAtOnce = true;
    std::vector<NetDelivery> m_got;

    explicit CRecordingWindow(CNetQueue& queue) : m_queue(queue) {}
    void Post(NetDelivery delivery) override
    {
        if (m_bTakeAtOnce && m_queue.Take(delivery))
            m_queue.Done(delivery);
        m_got.push_back(std::move(delivery));
    }
    QList<int> Commands() const
    {
        QList<int> ids;
        for (const NetDelivery& delivery : m_got)
            ids << delivery.commandId;
        return ids;
    }
};
} // namespace

class TestNetQueue : public QObject {
    Q_OBJECT
private slots:
    void init();
    void recordsBecomeTheirCommands_data();
    void recordsBecomeTheirCommands();
    void heldRecordsComeInOrderEvenOneCaughtOnItsWay();
    void aFloodingPeerIsStoppedAtTheBound();

private:
    CNetQueue m_queue;
    CRecordingWindow m_window{m_queue};
};

void TestNetQueue::init()
{
    QueueEnabled = 0;
    m_queue.Clear();
    m_window.m_got.clear();
    m_window.m_bTakeAtOnce = true;
}

void TestNetQueue::recordsBecomeTheirCommands_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("command");   // 0: dropped
    QTest::addColumn<QByteArray>("block");
    const qint32 shot[] = {10, 1};
    const QByteArray codes = QByteArray(1, 2) + QByteArray(98, 0) + QByteArray(1, 2);
    QTest::newRow("ready") << 1 << QByteArray() << int(ID_NET_READY) << QByteArray();
    QTest::newRow("server first") << 3 << QByteArray() << int(ID_NET_SERVER_FIRST) << QByteArray();
    QTest::newRow("new game is the menu's command") << 7 << QByteArray() << 32780 << QByteArray();
    QTest::newRow("name with its zero") << 2 << QByteArray("Player") << 108 << QByteArray("Player", 7);
    QTest::newRow("shot at row 9 column 0 posts 10 and 1") << 4 << QByteArray("\x0a\x01") << 109 << QByteArray((char*)shot, 8);
    QTest::newRow("fleet: the hundred codes") << 5 << codes << 110 << codes;
    QTest::newRow("tradition 0 clears") << 6 << QByteArray(1, 0) << int(ID_NET_TRADITION) << QByteArray(1, 0);
    QTest::newRow("tradition 1 sets") << 6 << QByteArray(1, 1) << int(ID_NET_TRADITION) << QByteArray(1, 1);
    QTest::newRow("tradition 200 sets") << 6 << QByteArray(1, char(200)) << int(ID_NET_TRADITION) << QByteArray(1, 1);
    QTest::newRow("unknown type 9 is dropped") << 9 << QByteArray() << 0 << QByteArray();
    QTest::newRow("unknown type 255 is dropped") << 255 << QByteArray() << 0 << QByteArray();
}

void TestNetQueue::recordsBecomeTheirCommands()
{
    QFETCH(int, type);
    QFETCH(QByteArray, data);
    QFETCH(int, command);
    QFETCH(QByteArray, block);
    m_queue.Append(Record(type, data));
    QueueEnabled = 1;
    QVERIFY(m_queue.DispatchOne(m_window));
    QCOMPARE(m_queue.Size(), std::size_t(0));
    QCOMPARE(m_window.Commands(), command ? QList<int>{command} : QList<int>{});
    if (command)
        QCOMPARE(QByteArray((const char*)m_window.m_got[0].block.data(), int(m_window.m_got[0].block.size())), block);
}

// Held while the name dialog is open, then in order. The first is caught on
// its way as a second dialog turns delivery off: it goes back in front.
void TestNetQueue::heldRecordsComeInOrderEvenOneCaughtOnItsWay()
{
    for (int type : {3, 5, 2, 200, 6, 4, 1})   // server first, fleet, name, an unknown type, rule, shot, ready
        m_queue.Append(Record(type, "\x02\x02"));
    QVERIFY(!m_queue.DispatchOne(m_window));
    QCOMPARE(m_queue.Size(), std::size_t(7));
    QueueEnabled = 1;
    m_window.m_bTakeAtOnce = false;
    QVERIFY(m_queue.DispatchOne(m_window));
    QVERIFY(!m_queue.DispatchOne(m_window));   // one at a time on its way
    QueueEnabled = 0;
    QVERIFY(!m_queue.Take(m_window.m_got[0]));
    QueueEnabled = 1;
    m_window.m_bTakeAtOnce = true;
    while (m_queue.DispatchOne(m_window)) {}
    const QList<int> expected{ID_NET_SERVER_FIRST, ID_NET_SERVER_FIRST, 110, 108, ID_NET_TRADITION, 109, ID_NET_READY};
    QCOMPARE(m_window.Commands(), expected);
}

void TestNetQueue::aFloodingPeerIsStoppedAtTheBound()
{
    QVERIFY(CNetQueue::MAX_RECORDS >= 1000);
    for (std::size_t i = 0; i < CNetQueue::MAX_RECORDS; ++i)
        QVERIFY(m_queue.Append(Record(NET_SHOT, "\x01\x01")));
    QVERIFY(!m_queue.Append(Record(NET_READY)));
    QCOMPARE(m_queue.Size(), CNetQueue::MAX_RECORDS);
}

QTEST_APPLESS_MAIN(TestNetQueue)
#include "tst_netqueue.moc"
