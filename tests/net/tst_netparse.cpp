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

// A read as a partner that knows only the game's messages parses it: one
// read by itself, a zero where a type belongs ends it, every other type it
// does not know is a record of its own that its queue then throws away.
QList<int> KnownTypesOfOneRead(const QByteArray& read)
{
    QList<int> types;
    const QByteArray buffer = read + QByteArray(1, 0);
    for (int pos = 0; pos < read.size(); ++pos) {
        const auto t = static_cast<unsigned char>(buffer[pos]);
        if (t == 0 || t == NET_BUSY)
            break;
        if (t == NET_NAME)
            pos += int(qstrlen(buffer.constData() + pos + 1)) + 1;
        else if (t == NET_SHOT)
            pos += 3;
        else if (t == NET_FLEET)
            pos += 101;
        else if (t == NET_TRADITION)
            pos += 2;
        if (t <= NET_NEW_GAME)
            types << t;
    }
    return types;
}

QByteArray Sign() { return Bytes(MakeSignMsg()); }

QByteArray ChatMsg(const QByteArray& body)
{
    return Bytes({NET_EXT, NET_EXT_CHAT, int(body.size() >> 8), int(body.size() & 0xFF)}) + body;
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
    void signlessPartnerStepsOverTheSign_data();
    void signlessPartnerStepsOverTheSign();
    void extensionsCountOnlyAfterTheSign_data();
    void extensionsCountOnlyAfterTheSign();
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

// The sign joined with the messages it travels with, in one read: such a
// partner sees every message it would see without it.
void TestNetParse::signlessPartnerStepsOverTheSign_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    const QByteArray setUp = kFleetWire + NameMsg("Bravo") + Bytes({1, 0});
    QTest::newRow("a client's sign ahead of its set-up") << QByteArray() << setUp;
    QTest::newRow("a server's answer after its new game") << Bytes({7, 0}) << Bytes({3, 0, 6, 0, 0}) + kFleetWire;
    QTest::newRow("between two shots") << Bytes({4, 1, 10, 0}) << Bytes({4, 10, 1, 0});
    QTest::newRow("between a name and ready") << NameMsg("Alpha") << Bytes({1, 0});
}

void TestNetParse::signlessPartnerStepsOverTheSign()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QVERIFY(!Sign().contains('\0'));
    const QList<int> without = KnownTypesOfOneRead(before + after);
    QVERIFY(!without.isEmpty());
    QCOMPARE(KnownTypesOfOneRead(before + Sign() + after), without);
}

void TestNetParse::extensionsCountOnlyAfterTheSign_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QStringList>("extensions");   // "sign", or a kind and its body
    QTest::addColumn<Records>("records");
    const QByteArray chat = ChatMsg("hi"), shot = Bytes({4, 2, 3, 0});
    // Which is why no extension goes to a partner that gave no sign.
    QTest::newRow("before the sign, chat reads as messages")
        << chat + shot << QStringList{} << Records{Bytes({1}), Bytes({2, 'h', 'i', 4, 2, 3, 0})};
    QTest::newRow("sign, then chat between game messages")
        << Bytes({1, 0}) + Sign() + chat + shot << QStringList{"sign", "1 hi"} << Records{Bytes({1}), Bytes({4, 2, 3})};
    QTest::newRow("an empty line and a kind yet unknown keep the stream in step")
        << Sign() + ChatMsg({}) + Bytes({NET_EXT, 9, 0, 3, 0, 0, 0}) + shot
        << QStringList{"sign", "1 ", "9 \\0\\0\\0"} << Records{Bytes({4, 2, 3})};
    QTest::newRow("a body beyond the limit is stepped over, not held")
        << Sign() + ChatMsg(QByteArray(5000, 4)) + shot << QStringList{"sign"} << Records{Bytes({4, 2, 3})};
    QTest::newRow("the sign's first byte alone is a stray byte")
        << Bytes({0xF5, 7, 0}) + Sign() + chat << QStringList{"sign", "1 hi"} << Records{Bytes({7})};
}

// Whole and cut anywhere, as the game's messages are.
void TestNetParse::extensionsCountOnlyAfterTheSign()
{
    QFETCH(QByteArray, stream);
    QFETCH(QStringList, extensions);
    QFETCH(Records, records);
    const auto parse = [](const QList<QByteArray>& reads) {
        CNetParser parser;
        std::vector<NETMSG> recs;
        std::vector<CNetExtMsg> ext;
        std::size_t held = 0;
        for (const QByteArray& read : reads) {
            parser.Feed(reinterpret_cast<const unsigned char*>(read.constData()), std::size_t(read.size()), recs, &ext);
            held = qMax(held, parser.Pending());
        }
        QStringList seen;
        for (const CNetExtMsg& msg : ext)
            seen << (msg.kind == NET_EXT_SIGNED ? QStringLiteral("sign")
                                                : QString::number(msg.kind) + ' ' + QString::fromLatin1(msg.body.data(), int(msg.body.size())).replace(QChar(0), "\\0"));
        Records out;
        for (const NETMSG& rec : recs)
            out << Signature(rec);
        return std::make_tuple(seen, out, held <= NET_EXT_HEADER + NET_EXT_MAX_BODY);
    };
    QCOMPARE(parse({stream}), std::make_tuple(extensions, records, true));
    for (int a = 1; a < stream.size(); a += 7)
        if (parse({stream.left(a), stream.mid(a)}) != std::make_tuple(extensions, records, true))
            QFAIL(qPrintable(QStringLiteral("cut at %1").arg(a)));
}

QTEST_APPLESS_MAIN(TestNetParse)
#include "tst_netparse.moc"
