#include "net/netmsg.h"
#include "wirebytes.h"

#include <QTest>

#include <vector>

Q_DECLARE_METATYPE(QList<QByteArray>)

namespace {
std::vector<NETMSG> ParseInReads(const QList<QByteArray>& reads, bool* busy = nullptr)
{
    CNetParser parser;
    std::vector<NETMSG> records;
    for (const QByteArray& read : reads) {
        const auto result = parser.Feed(reinterpret_cast<const unsigned char*>(read.constData()),
                                        std::size_t(read.size()), records);
        if (busy && result == NetParseResult::Busy)
            *busy = true;
    }
    return records;
}

QList<QByteArray> Parse(const QByteArray& stream)
{
    return Signatures(ParseInReads({stream}));
}

QByteArray FleetBody()
{
    QByteArray body;
    for (unsigned char code : FleetCodes(StandardFleetPicture()))
        body.append(char(code));
    return body;
}

QByteArray ServerOpening()
{
    const std::vector<unsigned char> fleet = Exported(FleetCodes(StandardFleetPicture()));
    return Bytes(MakeSignalMsg(NET_SERVER_FIRST)) + Bytes(MakeTraditionMsg(true)) +
           Bytes(MakeFleetMsg(fleet.data())) + Bytes(MakeNameMsg("Captain")) + Bytes(MakeSignalMsg(NET_READY));
}
} // namespace

class TestNetParse : public QObject {
    Q_OBJECT
private slots:
    void messagesHaveTheirWireBytes_data();
    void messagesHaveTheirWireBytes();
    void everyCellSurvivesAShotsTrip();
    void readsBecomeRecords_data();
    void readsBecomeRecords();
    void busyServerDropsTheRestOfItsRead_data();
    void busyServerDropsTheRestOfItsRead();
    void recordsDoNotDependOnHowTheStreamWasCut_data();
    void recordsDoNotDependOnHowTheStreamWasCut();
    void aHostileStreamNeverGrowsTheParser();
};

void TestNetParse::messagesHaveTheirWireBytes_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("ready") << Bytes(MakeSignalMsg(NET_READY)) << Bytes({1, 0});
    QTest::newRow("server first") << Bytes(MakeSignalMsg(NET_SERVER_FIRST)) << Bytes({3, 0});
    QTest::newRow("new game") << Bytes(MakeSignalMsg(NET_NEW_GAME)) << Bytes({7, 0});
    QTest::newRow("busy") << Bytes(MakeSignalMsg(NET_BUSY)) << Bytes({8, 0});
    QTest::newRow("shot at row 0 column 9") << Bytes(MakeShotMsg(0, 9)) << Bytes({4, 1, 10, 0});
    QTest::newRow("shot at row 9 column 0") << Bytes(MakeShotMsg(9, 0)) << Bytes({4, 10, 1, 0});
    QTest::newRow("tradition off") << Bytes(MakeTraditionMsg(false)) << Bytes({6, 0, 0});
    QTest::newRow("tradition on") << Bytes(MakeTraditionMsg(true)) << Bytes({6, 1, 0});
    QTest::newRow("name Player") << Bytes(MakeNameMsg("Player")) << QByteArray("\x02Player", 7) + Bytes({0});
    QTest::newRow("name in Windows-1251 letters") << Bytes(MakeNameMsg("\xC8\xE3\xF0\xEE\xEA"))
                                                  << Bytes({2, 0xC8, 0xE3, 0xF0, 0xEE, 0xEA, 0});
    QTest::newRow("name with a zero inside is cut at it") << Bytes(MakeNameMsg(std::string("Ab\0cd", 5)))
                                                          << Bytes({2, 'A', 'b', 0});
    QTest::newRow("over-long name keeps the record's room")
        << Bytes(MakeNameMsg(std::string(400, 'z'))) << Bytes({2}) + QByteArray(259, 'z') + Bytes({0});
    const std::vector<unsigned char> fleet = Exported(FleetCodes(StandardFleetPicture()));
    QByteArray fleetWire = Bytes({5});
    for (unsigned char code : FleetCodes(StandardFleetPicture()))
        fleetWire.append(char(code + 1));
    fleetWire.append(char(0));
    QTest::newRow("fleet: codes plus one, as exported") << Bytes(MakeFleetMsg(fleet.data())) << fleetWire;
}

void TestNetParse::messagesHaveTheirWireBytes()
{
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, expected);
    QCOMPARE(message, expected);
}

void TestNetParse::everyCellSurvivesAShotsTrip()
{
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 10; ++col) {
            const QList<QByteArray> records = Parse(Bytes(MakeShotMsg(row, col)));
            QCOMPARE(records.size(), 1);
            QCOMPARE(records[0], Bytes({NET_SHOT, row + 1, col + 1}));
        }
}

void TestNetParse::readsBecomeRecords_data()
{
    QTest::addColumn<QByteArray>("read");
    QTest::addColumn<QList<QByteArray>>("records");

    QTest::newRow("rule off then ready: the zero inside does not end the read")
        << Bytes({6, 0, 0, 1, 0}) << QList<QByteArray>{Bytes({6, 0}), Bytes({1})};
    const std::vector<unsigned char> fleet = Exported(FleetCodes(StandardFleetPicture()));
    const QByteArray opening = Bytes({3, 0, 6, 1, 0}) + Bytes(MakeFleetMsg(fleet.data()));
    QTest::newRow("server first, rule on and a fleet in 107 bytes")
        << opening << QList<QByteArray>{Bytes({3}), Bytes({6, 1}), Bytes({5}) + FleetBody()};
    QTest::newRow("shot at row 0 column 9") << Bytes({4, 1, 10, 0}) << QList<QByteArray>{Bytes({4, 1, 10})};
    QTest::newRow("name Player")
        << QByteArray("\x02Player", 7) + Bytes({0}) << QList<QByteArray>{QByteArray("\x02Player", 7) + Bytes({0})};
    QTest::newRow("unknown type 200 then ready") << Bytes({200, 1, 0})
                                                 << QList<QByteArray>{Bytes({200}), Bytes({1})};
    QTest::newRow("unknown types take one byte each")
        << Bytes({9, 255, 7, 0}) << QList<QByteArray>{Bytes({9}), Bytes({255}), Bytes({7})};
    QTest::newRow("a stray zero between messages is stepped over")
        << Bytes({0, 1, 0, 0, 7, 0}) << QList<QByteArray>{Bytes({1}), Bytes({7})};
    QTest::newRow("a signal's second byte is not looked at") << Bytes({1, 55, 3, 0})
                                                             << QList<QByteArray>{Bytes({1}), Bytes({3})};

    QByteArray brokenFleet = Bytes({5, 3, 3, 0});
    brokenFleet.append(QByteArray(98, char(1)));
    brokenFleet.append(Bytes({1, 0}));
    QByteArray brokenBody(100, char(0));
    brokenBody[0] = 2;
    brokenBody[1] = 2;
    QTest::newRow("a zero inside a fleet ends its copy; the message keeps its length")
        << brokenFleet << QList<QByteArray>{Bytes({5}) + brokenBody, Bytes({1})};

    const QByteArray longName = Bytes({2}) + QByteArray(300, 'A') + Bytes({0, 1, 0});
    QTest::newRow("a name without its zero in 259 bytes is cut there")
        << longName << QList<QByteArray>{Bytes({2}) + QByteArray(259, 'A') + Bytes({0}), Bytes({1})};
    const QByteArray exactName = Bytes({2}) + QByteArray(259, 'B') + Bytes({0, 7, 0});
    QTest::newRow("a name of exactly 259 bytes is whole")
        << exactName << QList<QByteArray>{Bytes({2}) + QByteArray(259, 'B') + Bytes({0}), Bytes({7})};
    QTest::newRow("an empty name") << Bytes({2, 0, 1, 0}) << QList<QByteArray>{Bytes({2, 0}), Bytes({1})};
    QTest::newRow("an empty read") << QByteArray() << QList<QByteArray>{};
    QTest::newRow("a message still coming makes no record yet") << Bytes({1, 0, 5, 2, 2})
                                                                << QList<QByteArray>{Bytes({1})};
}

void TestNetParse::readsBecomeRecords()
{
    QFETCH(QByteArray, read);
    QFETCH(QList<QByteArray>, records);
    QCOMPARE(Parse(read), records);
}

void TestNetParse::busyServerDropsTheRestOfItsRead_data()
{
    QTest::addColumn<QList<QByteArray>>("reads");
    QTest::addColumn<QList<QByteArray>>("records");

    QTest::newRow("busy alone") << QList<QByteArray>{Bytes({8, 0})} << QList<QByteArray>{};
    QTest::newRow("busy followed by a new game queues nothing")
        << QList<QByteArray>{Bytes({8, 0, 7, 0})} << QList<QByteArray>{};
    QTest::newRow("what came before busy is kept")
        << QList<QByteArray>{Bytes({1, 0, 8, 0, 7, 0})} << QList<QByteArray>{Bytes({1})};
    QTest::newRow("the read after busy is parsed afresh")
        << QList<QByteArray>{Bytes({1, 0, 8}), Bytes({0, 3, 0})} << QList<QByteArray>{Bytes({1}), Bytes({3})};
}

void TestNetParse::busyServerDropsTheRestOfItsRead()
{
    QFETCH(QList<QByteArray>, reads);
    QFETCH(QList<QByteArray>, records);
    bool busy = false;
    QCOMPARE(Signatures(ParseInReads(reads, &busy)), records);
    QVERIFY(busy);
}

void TestNetParse::recordsDoNotDependOnHowTheStreamWasCut_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::newRow("the server's opening") << ServerOpening();
    const std::vector<unsigned char> fleet = Exported(FleetCodes(StandardFleetPicture()));
    QTest::newRow("the client's opening")
        << Bytes(MakeFleetMsg(fleet.data())) + Bytes(MakeNameMsg("\xC8\xE3\xF0\xEE\xEA")) + Bytes({1, 0});
    QTest::newRow("a volley of shots and a rule change")
        << Bytes(MakeShotMsg(0, 0)) + Bytes(MakeShotMsg(4, 7)) + Bytes(MakeTraditionMsg(false)) +
               Bytes(MakeShotMsg(9, 9)) + Bytes(MakeSignalMsg(NET_NEW_GAME));
    QTest::newRow("unknown bytes and stray zeros") << Bytes({200, 0, 9, 1, 0, 0, 0, 250, 6, 0, 0, 4, 3, 3, 0});
    QTest::newRow("an over-long name between signals")
        << Bytes({3, 0}) + Bytes({2}) + QByteArray(270, 'q') + Bytes({0, 1, 0});
}

void TestNetParse::recordsDoNotDependOnHowTheStreamWasCut()
{
    QFETCH(QByteArray, stream);
    const QList<QByteArray> whole = Parse(stream);
    QVERIFY(!whole.isEmpty());

    QList<QByteArray> oneByteAReadOut;
    for (char byte : stream)
        oneByteAReadOut.append(QByteArray(1, byte));
    QCOMPARE(Signatures(ParseInReads(oneByteAReadOut)), whole);

    const int n = stream.size();
    for (int first = 1; first < n; ++first) {
        for (int second = first; second < n; ++second) {
            const QList<QByteArray> reads{stream.left(first), stream.mid(first, second - first),
                                          stream.mid(second)};
            const QList<QByteArray> got = Signatures(ParseInReads(reads));
            if (got != whole)
                QFAIL(qPrintable(QStringLiteral("cut at %1 and %2").arg(first).arg(second)));
        }
    }
}

void TestNetParse::aHostileStreamNeverGrowsTheParser()
{
    // A name that never ends, sent in many reads: its record comes once the
    // room is full, and nothing of the rest is kept waiting.
    CNetParser parser;
    std::vector<NETMSG> records;
    const QByteArray chunk(1000, 'x');
    const unsigned char start[] = {NET_NAME};
    parser.Feed(start, sizeof start, records);
    for (int i = 0; i < 100; ++i) {
        parser.Feed(reinterpret_cast<const unsigned char*>(chunk.constData()), std::size_t(chunk.size()), records);
        QVERIFY(parser.Pending() <= NETMSG_DATA);
    }
    QCOMPARE(records.size(), std::size_t(1));
    const unsigned char end[] = {0, 7, 0};
    parser.Feed(end, sizeof end, records);
    QCOMPARE(records.size(), std::size_t(2));
    QCOMPARE(records[1].type, (unsigned char)NET_NEW_GAME);
    QCOMPARE(parser.Pending(), std::size_t(0));
}

QTEST_APPLESS_MAIN(TestNetParse)
#include "tst_netparse.moc"
