#include "net/netmsg.h"
#include "wirebytes.h"

#include <QTest>

using Records = QList<QByteArray>;
Q_DECLARE_METATYPE(Records)

namespace {
Records Parse(const QList<QByteArray>& reads, bool* busy = nullptr)
{
    CNetParser parser;
    std::vector<NETMSG> records;
    for (const QByteArray& read : reads)
        if (parser.Feed(reinterpret_cast<const unsigned char*>(read.constData()), std::size_t(read.size()), records) ==
                NetParseResult::Busy && busy)
            *busy = true;
    Records out;
    for (const NETMSG& rec : records)
        out.append(Signature(rec));
    return out;
}

QByteArray NameMsg(const QByteArray& text)
{
    return Bytes({NET_NAME}) + text + Bytes({0});
}

const std::vector<unsigned char> kExported = Exported(FleetCodes(StandardFleetPicture()));
const QByteArray kFleetWire = Bytes(MakeFleetMsg(kExported.data()));
const QByteArray kFleetRecord = Bytes({NET_FLEET}) + Bytes(FleetCodes(StandardFleetPicture()));
} // namespace

class TestNetParse : public QObject {
    Q_OBJECT
private slots:
    void messagesHaveTheirWireBytes_data();
    void messagesHaveTheirWireBytes();
    void recordsDoNotDependOnHowTheStreamWasCut_data();
    void recordsDoNotDependOnHowTheStreamWasCut();
    void busyServerDropsTheRestOfItsRead_data();
    void busyServerDropsTheRestOfItsRead();
};

void TestNetParse::messagesHaveTheirWireBytes_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("busy") << Bytes(MakeSignalMsg(NET_BUSY)) << Bytes({8, 0});
    QTest::newRow("shot at row 0 column 9") << Bytes(MakeShotMsg(0, 9)) << Bytes({4, 1, 10, 0});
    QTest::newRow("shot at row 9 column 0") << Bytes(MakeShotMsg(9, 0)) << Bytes({4, 10, 1, 0});
    QTest::newRow("tradition on") << Bytes(MakeTraditionMsg(true)) << Bytes({6, 1, 0});
    QTest::newRow("name") << Bytes(MakeNameMsg("Player")) << NameMsg("Player");
    QTest::newRow("name cut at a zero inside") << Bytes(MakeNameMsg({"Ab\0cd", 5})) << Bytes({2, 'A', 'b', 0});
    QTest::newRow("over-long name") << Bytes(MakeNameMsg(std::string(400, 'z'))) << NameMsg(QByteArray(259, 'z'));
    QTest::newRow("fleet, codes plus one") << kFleetWire << Bytes({5}) + Bytes(kExported) + Bytes({0});
}

void TestNetParse::messagesHaveTheirWireBytes()
{
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, expected);
    QCOMPARE(message, expected);
}

void TestNetParse::recordsDoNotDependOnHowTheStreamWasCut_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<Records>("records");
    const QByteArray name = NameMsg("\xC8\xE3\xF0\xEE\xEA");   // in Windows-1251
    QTest::newRow("server's opening") << Bytes({3, 0, 6, 1, 0}) + kFleetWire + name + Bytes({1, 0})
        << Records{Bytes({3}), Bytes({6, 1}), kFleetRecord, name, Bytes({1})};
    QTest::newRow("rule off, then ready") << Bytes({6, 0, 0, 1, 0}) << Records{Bytes({6, 0}), Bytes({1})};
    QTest::newRow("shots at both corners") << Bytes({4, 1, 10, 0, 4, 10, 1, 0}) << Records{Bytes({4, 1, 10}), Bytes({4, 10, 1})};
    QTest::newRow("bytes no message has are stepped over") << Bytes({9, 200, 255, 7, 0, 77, 4, 5, 5, 0})
        << Records{Bytes({7}), Bytes({4, 5, 5})};
    QTest::newRow("stray zeros are stepped over") << Bytes({0, 1, 0, 0, 7, 0}) << Records{Bytes({1}), Bytes({7})};
    QTest::newRow("a signal's second byte is not looked at") << Bytes({1, 55, 3, 0}) << Records{Bytes({1}), Bytes({3})};
    QTest::newRow("a zero ends a fleet's copy, not the message") << Bytes({5, 3, 3, 0}) + QByteArray(98, 1) + Bytes({1, 0})
        << Records{Bytes({5, 2, 2}) + QByteArray(98, 0), Bytes({1})};
    QTest::newRow("over-long name cut at 259") << NameMsg(QByteArray(300, 'A')) + Bytes({1, 0})
        << Records{NameMsg(QByteArray(259, 'A')), Bytes({1})};
    QTest::newRow("a name of 259 is whole") << NameMsg(QByteArray(259, 'B')) + Bytes({7, 0})
        << Records{NameMsg(QByteArray(259, 'B')), Bytes({7})};
    QTest::newRow("a message still coming waits") << Bytes({1, 0, 5, 2, 2}) << Records{Bytes({1})};
}

// Whole, a byte a read, and cut in two places everywhere.
void TestNetParse::recordsDoNotDependOnHowTheStreamWasCut()
{
    QFETCH(QByteArray, stream);
    QFETCH(Records, records);
    QCOMPARE(Parse({stream}), records);
    QList<QByteArray> bytes;
    for (char byte : stream)
        bytes.append(QByteArray(1, byte));
    QCOMPARE(Parse(bytes), records);
    for (int a = 1; a < stream.size(); ++a)
        for (int b = a; b < stream.size(); ++b)
            if (Parse({stream.left(a), stream.mid(a, b - a), stream.mid(b)}) != records)
                QFAIL(qPrintable(QStringLiteral("cut at %1 and %2").arg(a).arg(b)));
}

void TestNetParse::busyServerDropsTheRestOfItsRead_data()
{
    QTest::addColumn<QList<QByteArray>>("reads");
    QTest::addColumn<Records>("records");
    QTest::newRow("new game behind busy is dropped") << QList<QByteArray>{Bytes({8, 0, 7, 0})} << Records{};
    QTest::newRow("what came before busy stays") << QList<QByteArray>{Bytes({1, 0, 8, 0, 7, 0})} << Records{Bytes({1})};
    QTest::newRow("the next read is parsed afresh") << QList<QByteArray>{Bytes({1, 0, 8}), Bytes({0, 3, 0})}
        << Records{Bytes({1}), Bytes({3})};
}

void TestNetParse::busyServerDropsTheRestOfItsRead()
{
    QFETCH(QList<QByteArray>, reads);
    QFETCH(Records, records);
    bool busy = false;
    QCOMPARE(Parse(reads, &busy), records);
    QVERIFY(busy);
}

QTEST_APPLESS_MAIN(TestNetParse)
#include "tst_netparse.moc"
