// Received records wait in order and leave a pass apart, at once when the
// last one left long ago.
#include "net/netqueue.h"

#include <QTest>

using namespace std::chrono_literals;

class TestNetQueue : public QObject {
    Q_OBJECT
private slots:
    // The server's opening, then a shot after a quiet while.
    void recordsLeaveInOrderAPassApart()
    {
        CNetQueue queue;
        const CNetQueue::Clock::time_point start = CNetQueue::Clock::now();
        for (int type : {3, 6, 5, 2, 1})
            QVERIFY(queue.Append(NETMSG{static_cast<unsigned char>(type), {}}));
        QList<int> taken;
        QList<long long> at;
        for (auto now = start; !queue.Empty() || at.size() == 5; now += 1ms) {
            if (at.size() == 5 && now - start == 280ms)
                queue.Append(NETMSG{NET_SHOT, {}});
            if (queue.Empty() || queue.Wait(now) != CNetQueue::Clock::duration::zero())
                continue;
            taken << queue.Take(now).type;
            at << std::chrono::duration_cast<std::chrono::milliseconds>(now - start).count();
        }
        QCOMPARE(taken, (QList<int>{3, 6, 5, 2, 1, NET_SHOT}));
        QCOMPARE(at, (QList<long long>{0, 50, 100, 150, 200, 280}));
    }

    // A few games' worth of messages held behind open dialogs are all kept;
    // a peer that sends without end is stopped long before memory runs out.
    void floodingPeerIsStoppedAtTheBound()
    {
        CNetQueue queue;
        std::size_t taken = 0;
        while (taken < 100000 && queue.Append(NETMSG{NET_SHOT, {}}))
            ++taken;
        QVERIFY2(taken >= 1000 && taken < 100000, qPrintable(QString::number(taken)));
        QVERIFY(!queue.Append(NETMSG{NET_READY, {}}));
        QCOMPARE(queue.Size(), taken);
    }
};

QTEST_APPLESS_MAIN(TestNetQueue)
#include "tst_netqueue.moc"
