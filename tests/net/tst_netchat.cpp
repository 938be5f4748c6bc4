// Chat between two copies, each side played by the test in wire bytes:
// when the signs go out, when lines may flow, and what of a line is shown.
#include "net/netchat.h"
#include "store/settings.h"
#include "wirebytes.h"

#include <QTest>

namespace {
struct CWire : INetLink {
    QByteArray m_sent;
    void Send(const std::vector<unsigned char>& bytes) override { m_sent += Bytes(bytes); }
};

const QByteArray kSign = Bytes({0xF5, 0x9A});

QByteArray ChatMsg(const QByteArray& body)
{
    return Bytes({0xF6, NET_EXT_CHAT, int(body.size() >> 8), int(body.size() & 0xFF)}) + body;
}

// One machine's chat; what the partner says goes through the real parse.
struct CSide {
    CWire m_wire;
    CNetChat m_chat{m_wire};
    CNetParser m_parser;

    int Hear(const QByteArray& bytes)
    {
        std::vector<NETMSG> records;
        std::vector<CNetExtMsg> ext;
        m_parser.Feed(reinterpret_cast<const unsigned char*>(bytes.constData()), std::size_t(bytes.size()), records, &ext);
        int lines = 0;
        for (const CNetExtMsg& msg : ext)
            lines += m_chat.Receive(msg);
        return lines;
    }
    QString Last() const
    {
        const CChatLine& line = m_chat.Lines().back();
        return QString::fromStdString(line.m_strAuthor + ": " + line.m_strText);
    }
};
} // namespace

class TestNetChat : public QObject {
    Q_OBJECT
private slots:
    void init() { English = 1, Name = "Alice"; }

    // Two copies connect: the client signs, the server answers, and lines
    // then flow both ways, each under its writer's name.
    void twoCopiesTalkOnceBothSigned()
    {
        CSide client, server;
        server.m_chat.Begin(false);
        QCOMPARE(server.m_wire.m_sent, QByteArray());   // a server speaks first to no one
        client.m_chat.Begin(true);
        QCOMPARE(client.m_wire.m_sent, kSign);
        QCOMPARE(client.m_chat.State(), EChatState::Unavailable);
        QVERIFY(!client.m_chat.Send("too early"));
        server.Hear(client.m_wire.m_sent);
        QCOMPARE(server.m_wire.m_sent, kSign);
        QCOMPARE(server.m_chat.State(), EChatState::Open);
        client.Hear(server.m_wire.m_sent);
        QCOMPARE(client.m_chat.State(), EChatState::Open);

        server.m_wire.m_sent.clear();
        Name = "Bob";
        QVERIFY(server.m_chat.Send("Ready when you are"));
        QCOMPARE(server.m_wire.m_sent, ChatMsg("Bob\nReady when you are"));
        QCOMPARE(client.Hear(server.m_wire.m_sent), 1);
        QCOMPARE(client.Last(), QStringLiteral("Bob: Ready when you are"));
        Name = "Алиса";
        QVERIFY(client.m_chat.Send("Привет"));
        QCOMPARE(client.Last(), QStringLiteral("Алиса: Привет"));
        QCOMPARE(server.Hear(client.m_wire.m_sent.mid(2)), 1);
        QCOMPARE(server.Last(), QStringLiteral("Алиса: Привет"));
    }

    // Whatever the partner puts before its line break is only ever a name.
    void partnerLineShowsItsWriter_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no name") << QByteArray("hello") << QStringLiteral("Partner: hello");
        QTest::newRow("an empty name") << QByteArray("\nhello") << QStringLiteral("Partner: hello");
        QTest::newRow("a name cut at 20") << QByteArray(30, 'n') + "\nhi" << QString(20, 'n') + QStringLiteral(": hi");
        QTest::newRow("more breaks stay in the line") << QByteArray("Eve\na\nb") << QStringLiteral("Eve: a b");
        QTest::newRow("a name and nothing to say") << QByteArray("Eve\n\x01") << QString();
    }

    void partnerLineShowsItsWriter()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, shown);
        CSide us;
        us.m_chat.Begin(false);
        us.Hear(kSign);
        QCOMPARE(us.Hear(ChatMsg(body)), shown.isEmpty() ? 0 : 1);
        if (!shown.isEmpty())
            QCOMPARE(us.Last(), shown);
    }

    void lineIsPlainTextAPlayerCanRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("markup stays as typed") << QByteArray("<b>hi</b> &amp;") << QStringLiteral("<b>hi</b> &amp;");
        QTest::newRow("controls vanish") << QByteArray("a\x01\x07\x1b[31mb\x7f") << QStringLiteral("a[31mb");
        QTest::newRow("breaks become one space") << QByteArray("one\r\n\ttwo\n") << QStringLiteral("one two");
        QTest::newRow("broken UTF-8 shows as replacement") << QByteArray("ok\xC3(\xFF") << QStringLiteral("ok\uFFFD(\uFFFD");
        QTest::newRow("overlong slash is no slash") << QByteArray("\xC0\xAF") << QStringLiteral("\uFFFD");
        QTest::newRow("a right-to-left override cannot turn the line") << QByteArray("abc\xE2\x80\xAE" "def")
                                                                       << QStringLiteral("abcdef");
        QTest::newRow("emoji and Cyrillic pass") << QByteArray("\xF0\x9F\x9A\xA2 Ура") << QStringLiteral("\U0001F6A2 Ура");
        QTest::newRow("cut at 200 characters, not bytes") << QByteArray("Ж").repeated(300)
                                                           << QStringLiteral("Ж").repeated(200);
        QTest::newRow("nothing left") << QByteArray(" \x01\n") << QString();
    }

    void lineIsPlainTextAPlayerCanRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QCOMPARE(QString::fromStdString(ChatText(bytes.toStdString())), shown);
    }
};

QTEST_APPLESS_MAIN(TestNetChat)
#include "tst_netchat.moc"
