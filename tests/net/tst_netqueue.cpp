#include "game/globals.h"
#include "net/netqueue.h"

#include <QTest>

#include <chrono>
#include <mutex>
#include <vector>

namespace {
NETMSG Record(unsigned char type, std::initializer_list<int> data = {})
{
    NETMSG rec;
    rec.type = type;
    int i = 0;
    for (int byte : data)
        rec.data[i++] = static_cast<unsigned char>(byte);
    return rec;
}

// Stands in for the window: takes every delivery at once (or keeps it, to
// look at what happens while one is on its way) and notes when it came.
class CRecordingWindow : public INetPost {
public:
    bool m_bTakeAtOnce = true;

    void Post(NetDelivery delivery) override
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_bTakeAtOnce && m_pQueue->Take(delivery))
            m_pQueue->Done(delivery);
        m_times.push_back(std::chrono::steady_clock::now());
        m_got.push_back(std::move(delivery));
    }

    std::vector<NetDelivery> Got()
    {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_got;
    }
    std::vector<std::chrono::steady_clock::time_point> Times()
    {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_times;
    }

    void Forget()
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_got.clear();
        m_times.clear();
    }

    CNetQueue* m_pQueue = nullptr;

private:
    std::mutex m_lock;
    std::vector<NetDelivery> m_got;
    std::vector<std::chrono::steady_clock::time_point> m_times;
};
} // namespace

class TestNetQueue : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void recordsBecomeTheirCommands_data();
    void recordsBecomeTheirCommands();
    void ruleFlagIsSetByAnyNonZeroByte_data();
    void ruleFlagIsSetByAnyNonZeroByte();
    void heldRecordsComeInOrderOnceDeliveryIsOn();
    void unknownTypeIsDroppedAndTheNextComesNextPass();
    void nothingLeavesWhileDeliveryIsOff();
    void oneRecordAtATimeIsOnItsWay();
    void aRecordArrivingAfterDeliveryWentOffGoesBackInFront();
    void anEndedConnectionLeavesNothingBehind();
    void aFloodingPeerIsStoppedAtTheBound();
    void theDispatchStopsWhenAsked();

private:
    CNetQueue m_queue;
    CRecordingWindow m_window;
};

void TestNetQueue::init()
{
    QueueEnabled = 0;
    m_queue.Clear();
    m_window.m_pQueue = &m_queue;
    m_window.m_bTakeAtOnce = true;
    m_window.Forget();
}

void TestNetQueue::cleanup()
{
    m_queue.Stop();
    QueueEnabled = 0;
}

void TestNetQueue::recordsBecomeTheirCommands_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("command");
    QTest::addColumn<QByteArray>("block");

    auto ints = [](qint32 a, qint32 b) {
        return QByteArray(reinterpret_cast<const char*>(&a), 4) + QByteArray(reinterpret_cast<const char*>(&b), 4);
    };
    QTest::newRow("ready") << 1 << QByteArray() << int(ID_NET_READY) << QByteArray();
    QTest::newRow("server first") << 3 << QByteArray() << int(ID_NET_SERVER_FIRST) << QByteArray();
    QTest::newRow("new game is the menu's command") << 7 << QByteArray() << 32780 << QByteArray();
    QTest::newRow("name with its zero") << 2 << QByteArray("Player") << 108 << QByteArray("Player", 7);
    QTest::newRow("shot at row 9 column 0 posts 10 and 1") << 4 << QByteArray("\x0a\x01") << 109 << ints(10, 1);
    QTest::newRow("shot bytes are sign-extended") << 4 << QByteArray("\xc8\x05") << 109 << ints(-56, 5);
    QByteArray codes(100, char(0));
    codes[0] = 2;
    codes[99] = 2;
    QTest::newRow("fleet: the hundred codes") << 5 << codes << 110 << codes;
}

void TestNetQueue::recordsBecomeTheirCommands()
{
    QFETCH(int, type);
    QFETCH(QByteArray, data);
    QFETCH(int, command);
    QFETCH(QByteArray, block);

    NETMSG rec;
    rec.type = static_cast<unsigned char>(type);
    memcpy(rec.data, data.constData(), std::size_t(data.size()));
    QVERIFY(m_queue.Append(rec));
    QueueEnabled = 1;
    QVERIFY(m_queue.DispatchOne(m_window));
    const std::vector<NetDelivery> got = m_window.Got();
    QCOMPARE(got.size(), std::size_t(1));
    QCOMPARE(got[0].commandId, command);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(got[0].block.data()), int(got[0].block.size())), block);
}

void TestNetQueue::ruleFlagIsSetByAnyNonZeroByte_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("tradition");
    QTest::newRow("0 clears") << 0 << 0;
    QTest::newRow("1 sets") << 1 << 1;
    QTest::newRow("2 sets") << 2 << 1;
    QTest::newRow("128 sets") << 128 << 1;
    QTest::newRow("255 sets") << 255 << 1;
}

void TestNetQueue::ruleFlagIsSetByAnyNonZeroByte()
{
    QFETCH(int, byte);
    QFETCH(int, tradition);
    m_queue.Append(Record(NET_TRADITION, {byte}));
    QueueEnabled = 1;
    m_queue.DispatchOne(m_window);
    const std::vector<NetDelivery> got = m_window.Got();
    QCOMPARE(got.size(), std::size_t(1));
    QCOMPARE(got[0].commandId, int(ID_NET_TRADITION));
    QCOMPARE(got[0].block.size(), std::size_t(1));
    QCOMPARE(int(got[0].block[0]), tradition);
}

void TestNetQueue::heldRecordsComeInOrderOnceDeliveryIsOn()
{
    const unsigned char types[] = {NET_FLEET, NET_NAME, NET_TRADITION, NET_SHOT, NET_READY};
    for (unsigned char type : types)
        m_queue.Append(Record(type, {2, 2}));
    m_queue.Start(&m_window);
    QTest::qWait(300);
    QCOMPARE(m_window.Got().size(), std::size_t(0));
    QCOMPARE(m_queue.Size(), std::size_t(5));

    const auto on = std::chrono::steady_clock::now();
    QueueEnabled = 1;
    QTRY_COMPARE_WITH_TIMEOUT(m_window.Got().size(), std::size_t(5), 5000);
    const int expected[] = {110, 108, ID_NET_TRADITION, 109, ID_NET_READY};
    const std::vector<NetDelivery> got = m_window.Got();
    for (int i = 0; i < 5; ++i)
        QCOMPARE(got[std::size_t(i)].commandId, expected[i]);
    // One record a pass: four passes of 50 ms lie between the first and the last.
    const auto times = m_window.Times();
    QVERIFY(times.front() - on < std::chrono::seconds(2));
    QVERIFY(times.back() - times.front() >= std::chrono::milliseconds(195));
}

void TestNetQueue::unknownTypeIsDroppedAndTheNextComesNextPass()
{
    m_queue.Append(Record(200));
    m_queue.Append(Record(9));
    m_queue.Append(Record(NET_READY));
    QueueEnabled = 1;
    QVERIFY(m_queue.DispatchOne(m_window));
    QVERIFY(m_queue.DispatchOne(m_window));
    QCOMPARE(m_window.Got().size(), std::size_t(0));
    QCOMPARE(m_queue.Size(), std::size_t(1));
    QVERIFY(m_queue.DispatchOne(m_window));
    QCOMPARE(m_window.Got().size(), std::size_t(1));
    QCOMPARE(m_window.Got()[0].commandId, int(ID_NET_READY));
}

void TestNetQueue::nothingLeavesWhileDeliveryIsOff()
{
    m_queue.Append(Record(NET_NEW_GAME));
    QVERIFY(!m_queue.DispatchOne(m_window));
    QCOMPARE(m_queue.Size(), std::size_t(1));
    QCOMPARE(m_window.Got().size(), std::size_t(0));
}

void TestNetQueue::oneRecordAtATimeIsOnItsWay()
{
    m_window.m_bTakeAtOnce = false;
    m_queue.Append(Record(NET_NEW_GAME));
    m_queue.Append(Record(NET_SERVER_FIRST));
    QueueEnabled = 1;
    QVERIFY(m_queue.DispatchOne(m_window));
    QVERIFY(!m_queue.DispatchOne(m_window));
    QCOMPARE(m_window.Got().size(), std::size_t(1));

    const NetDelivery first = m_window.Got()[0];
    QVERIFY(m_queue.Take(first));
    m_queue.Done(first);
    QVERIFY(m_queue.DispatchOne(m_window));
    QCOMPARE(m_window.Got().size(), std::size_t(2));
    QCOMPARE(m_window.Got()[1].commandId, int(ID_NET_SERVER_FIRST));
}

void TestNetQueue::aRecordArrivingAfterDeliveryWentOffGoesBackInFront()
{
    // The client's "server first" is posted just before its new game opens
    // the name dialog: it must wait for the dialog, then come first.
    m_window.m_bTakeAtOnce = false;
    m_queue.Append(Record(NET_SERVER_FIRST));
    m_queue.Append(Record(NET_TRADITION, {1}));
    QueueEnabled = 1;
    QVERIFY(m_queue.DispatchOne(m_window));
    QueueEnabled = 0;   // the name dialog opened
    QVERIFY(!m_queue.Take(m_window.Got()[0]));
    QCOMPARE(m_queue.Size(), std::size_t(2));
    QVERIFY(!m_queue.DispatchOne(m_window));

    QueueEnabled = 1;   // the dialog closed
    m_window.m_bTakeAtOnce = true;
    QVERIFY(m_queue.DispatchOne(m_window));
    QVERIFY(m_queue.DispatchOne(m_window));
    const std::vector<NetDelivery> got = m_window.Got();
    QCOMPARE(got.size(), std::size_t(3));
    QCOMPARE(got[1].commandId, int(ID_NET_SERVER_FIRST));
    QCOMPARE(got[2].commandId, int(ID_NET_TRADITION));
}

void TestNetQueue::anEndedConnectionLeavesNothingBehind()
{
    m_window.m_bTakeAtOnce = false;
    m_queue.Append(Record(NET_SHOT, {1, 1}));
    m_queue.Append(Record(NET_SHOT, {2, 2}));
    QueueEnabled = 1;
    QVERIFY(m_queue.DispatchOne(m_window));
    m_queue.Clear();
    // The shot on its way belongs to the old connection: not taken, not put back.
    QVERIFY(!m_queue.Take(m_window.Got()[0]));
    QCOMPARE(m_queue.Size(), std::size_t(0));

    m_queue.Append(Record(NET_READY));
    QVERIFY(m_queue.DispatchOne(m_window));
    QCOMPARE(m_window.Got().back().commandId, int(ID_NET_READY));
}

void TestNetQueue::aFloodingPeerIsStoppedAtTheBound()
{
    for (std::size_t i = 0; i < CNetQueue::MAX_RECORDS; ++i)
        QVERIFY(m_queue.Append(Record(NET_SHOT, {1, 1})));
    QVERIFY(!m_queue.Append(Record(NET_READY)));
    QCOMPARE(m_queue.Size(), CNetQueue::MAX_RECORDS);
    QVERIFY(CNetQueue::MAX_RECORDS >= 1000);
}

void TestNetQueue::theDispatchStopsWhenAsked()
{
    m_queue.Start(&m_window);
    QVERIFY(m_queue.IsRunning());
    const auto before = std::chrono::steady_clock::now();
    m_queue.Stop();
    QVERIFY(!m_queue.IsRunning());
    QVERIFY(std::chrono::steady_clock::now() - before < std::chrono::seconds(2));
}

QTEST_GUILESS_MAIN(TestNetQueue)
#include "tst_netqueue.moc"
