// The course of a network game on one machine, the partner played by the
// test in wire bytes: which message counts in which phase, and what it does.
#include "game/globals.h"
#include "game/player.h"
#include "net/netsession.h"
#include "store/settings.h"
#include "wirebytes.h"

#include <QSet>
#include <QTest>

namespace {
struct CWire : INetLink {
    QByteArray m_sent;
    void Send(const std::vector<unsigned char>& bytes) override { m_sent += Bytes(bytes); }
};

QByteArray Fleet(const std::vector<unsigned char>& codes) { return Bytes(MakeFleetMsg(Exported(codes).data())); }
QByteArray NameMsg(const std::string& name) { return Bytes(MakeNameMsg(name)); }
QByteArray Shot(int row, int col) { return Bytes(MakeShotMsg(row, col)); }
const QByteArray kReady = Bytes({NET_READY, 0}), kNewGame = Bytes({NET_NEW_GAME, 0});

const std::vector<unsigned char> kStandard = FleetCodes(StandardFleetPicture());
// The same fleet turned over its diagonal: as lawful, every ship elsewhere.
const std::vector<unsigned char> kTurned = [] {
    std::vector<unsigned char> out(BOARD_CELLS);
    for (int i = 0; i < BOARD_CELLS; ++i)
        out[(i % BOARD_SIZE) * BOARD_SIZE + i / BOARD_SIZE] = kStandard[i];
    return out;
}();

std::vector<NETMSG> Records(const QByteArray& bytes)
{
    CNetParser parser;
    std::vector<NETMSG> records;
    parser.Feed(reinterpret_cast<const unsigned char*>(bytes.constData()), std::size_t(bytes.size()), records);
    return records;
}

// This machine: the session and what the window does with its outcomes.
struct CMachine {
    CWire m_wire;
    CNetSession m_session{m_wire};

    CMachine()
    {
        Tradition = English = 1;
        GameInProgress = MyTurn = 0;
        PlayerOne.TakePlacement(kStandard.data());
        PlayerTwo.ClearGrids();
        PlayerTwo.SetName("");
    }

    // The partner's bytes, message by message; the last outcome.
    ENetOutcome Hear(const QByteArray& bytes)
    {
        ENetOutcome outcome = ENetOutcome::Ignored;
        for (const NETMSG& rec : Records(bytes)) {
            outcome = m_session.Receive(rec);
            if (outcome == ENetOutcome::Open)
                m_session.Open();
            if (outcome == ENetOutcome::SetUp && m_session.IsReady())
                m_session.Start();
        }
        return outcome;
    }

    // Brings the game to `phase`; in a battle it is the partner's turn.
    void Reach(bool server, ENetPhase phase)
    {
        m_session.Begin(server);
        if (phase != ENetPhase::NoGame)
            server ? m_session.Open() : void(Hear(kNewGame));
        if (phase > ENetPhase::Naming)
            m_session.Named();
        if (phase > ENetPhase::Waiting)
            Hear(Fleet(kTurned) + NameMsg("Rival") + kReady);
        MyTurn = phase == ENetPhase::Over;
        for (int i = 0; i < BOARD_CELLS && phase == ENetPhase::Over; ++i)
            if (kTurned[i])
                m_session.Shoot(i / BOARD_SIZE, i % BOARD_SIZE);
        m_wire.m_sent.clear();
    }

    // Everything a message could change, as text so a difference shows.
    QString State() const
    {
        const auto cells = [](const signed char* grid) { return QByteArray((const char*)grid, BOARD_CELLS).toHex(); };
        return QStringLiteral("phase %1 battle %2 turn %3 rule %4 rival '%5' ready %6%7%8%9 may open %10 %11 %12 sent %13")
            .arg(int(m_session.Phase())).arg(GameInProgress).arg(MyTurn).arg(Tradition)
            .arg(QString::fromStdString(PlayerTwo.GetName()))
            .arg(m_session.LocalReady()).arg(m_session.PeerReady()).arg(m_session.NameReceived()).arg(m_session.BoardReceived())
            .arg(m_session.MayOpen())
            .arg(QString::fromLatin1(cells(PlayerOne.m_fleet)), QString::fromLatin1(cells(PlayerTwo.m_fleet)),
                 QString::fromLatin1(m_wire.m_sent.toHex()));
    }
};
} // namespace

class TestNetSession : public QObject {
    Q_OBJECT
private slots:
    // What a partner in step sends: its set-up after an opening and before
    // the battle, its shots in the battle; a server also sends its rule and
    // new games at any time, and "server first" once its client is named.
    void messageCountsOnlyInItsPhase_data()
    {
        QTest::addColumn<bool>("server");
        QTest::addColumn<int>("phase");
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<int>("outcome");
        struct Message {
            const char* name;
            QByteArray bytes;
            ENetOutcome counted;
            const char* toServer;   // phases no game, naming, waiting, battle, over: 'x' counts
            const char* toClient;
        };
        const Message messages[] = {
            {"name", NameMsg("Intruder"), ENetOutcome::SetUp, ".xx..", ".xx.."},
            {"fleet", Fleet(kStandard), ENetOutcome::SetUp, ".xx..", ".xx.."},
            {"ready", kReady, ENetOutcome::SetUp, ".xx..", ".xx.."},
            {"shot", Shot(9, 9), ENetOutcome::Shot, "...x.", "...x."},
            {"server first", Bytes({NET_SERVER_FIRST, 0}), ENetOutcome::Taken, ".....", "..x.."},
            {"rule", Bytes({NET_TRADITION, 0, 0}), ENetOutcome::Taken, ".....", "xxxxx"},
            {"new game", kNewGame, ENetOutcome::Open, ".....", "xxxxx"},
        };
        const char* const phases[] = {"no game", "naming", "waiting", "battle", "over"};
        for (const Message& m : messages)
            for (bool server : {true, false})
                for (int phase = 1; phase <= 5; ++phase) {
                    const bool counts = (server ? m.toServer : m.toClient)[phase - 1] == 'x';
                    QTest::addRow("%s to the %s, %s", m.name, server ? "server" : "client", phases[phase - 1])
                        << server << phase << m.bytes << int(counts ? m.counted : ENetOutcome::Ignored);
                }
    }

    void messageCountsOnlyInItsPhase()
    {
        QFETCH(bool, server);
        QFETCH(int, phase);
        QFETCH(QByteArray, message);
        QFETCH(int, outcome);
        CMachine m;
        m.Reach(server, ENetPhase(phase));
        MyTurn = message.at(0) == NET_SERVER_FIRST;   // so that taking it shows
        const QString before = m.State();
        QCOMPARE(int(m.m_session.Receive(Records(message).at(0))), outcome);
        if (outcome == int(ENetOutcome::Ignored))
            QCOMPARE(m.State(), before);
        else
            QVERIFY(m.State() != before);
    }

    // The server opened twice before its client answered: the client answers
    // both in turn, and only the second answer is the coming game's.
    void answerToAnEarlierOpeningIsPassedOver()
    {
        CMachine m;
        m.Reach(true, ENetPhase::Waiting);
        m.m_session.Open();
        m.m_session.Named();
        m.Hear(Fleet(kStandard) + NameMsg("Stale") + kReady);
        QVERIFY(!m.m_session.IsReady() && !GameInProgress);
        m.Hear(Fleet(kTurned) + NameMsg("Fresh") + kReady);
        QCOMPARE(m.m_session.Phase(), ENetPhase::Battle);
        QCOMPARE(PlayerTwo.GetName(), std::string("Fresh"));
        QCOMPARE(QByteArray((const char*)PlayerTwo.m_fleet, BOARD_CELLS), Bytes(kTurned));
    }

    void partnersShotIsReplayedOnlyInItsTurn_data()
    {
        QTest::addColumn<bool>("rule");
        QTest::addColumn<QByteArray>("shots");
        QTest::addColumn<int>("landed");   // cells of ours the shots changed
        QTest::addColumn<bool>("partnerShootsOn");
        QTest::newRow("a miss passes the turn") << true << Shot(9, 9) << 1 << false;
        QTest::newRow("a hit keeps it under the rule") << true << Shot(0, 0) << 1 << true;
        QTest::newRow("a hit passes it without") << false << Shot(0, 0) << 1 << false;
        QTest::newRow("a miss, then a shot out of turn") << true << Shot(9, 9) + Shot(9, 8) << 1 << false;
        QTest::newRow("rows and columns 0, 11 and 255 on the wire")
            << true << Bytes({4, 0, 5, 0, 4, 11, 1, 0, 4, 5, 0, 0, 4, 3, 11, 0, 4, 255, 255, 0}) << 0 << true;
        QTest::newRow("the same cell twice") << true << Shot(0, 0) + Shot(0, 0) << 1 << true;
        QTest::newRow("a one-decker sunk, then shot again") << true << Shot(6, 0) + Shot(6, 0) << 1 << true;
        QTest::newRow("the same, without the rule") << false << Shot(6, 0) + Shot(6, 0) << 1 << false;
    }

    void partnersShotIsReplayedOnlyInItsTurn()
    {
        QFETCH(bool, rule);
        QFETCH(QByteArray, shots);
        QFETCH(int, landed);
        QFETCH(bool, partnerShootsOn);
        CMachine m;
        Tradition = rule;
        m.Reach(false, ENetPhase::Battle);
        const QByteArray before((const char*)PlayerOne.m_fleet, BOARD_CELLS);
        m.Hear(shots);
        // A hit may mark the sea around it too: only the cells shot at count.
        QSet<int> changed;
        for (const NETMSG& rec : Records(shots)) {
            const int row = rec.data[0] - 1, col = rec.data[1] - 1, cell = row * BOARD_SIZE + col;
            if (row >= 0 && row < BOARD_SIZE && col >= 0 && col < BOARD_SIZE && before[cell] != PlayerOne.m_fleet[cell])
                changed << cell;
        }
        QCOMPARE(int(changed.size()), landed);
        QCOMPARE(bool(MyTurn), !partnerShootsOn);
        QVERIFY(m.m_wire.m_sent.isEmpty());   // nothing is answered
    }

    // Our shot at a deck of a ship already sunk: accepted and sent, it
    // changes nothing and keeps our turn, as the partner replays it too.
    void ourShotAtASunkShipIsSentAndKeepsTheTurn()
    {
        CMachine m;
        m.Reach(true, ENetPhase::Battle);
        MyTurn = 1;
        const int row = 0, col = 6;   // a one-decker of the turned fleet
        QVERIFY(m.m_session.Shoot(row, col));
        const QByteArray after((const char*)PlayerTwo.m_view, BOARD_CELLS);
        QVERIFY(m.m_session.Shoot(row, col));
        QCOMPARE(QByteArray((const char*)PlayerTwo.m_view, BOARD_CELLS), after);
        QCOMPARE(m.m_wire.m_sent, Shot(row, col) + Shot(row, col));
        QVERIFY(MyTurn && GameInProgress);
    }

    void battleStartsOnlyWithTheWholeSetUp_data()
    {
        QTest::addColumn<bool>("named");   // our own name dialog is confirmed
        QTest::addColumn<QByteArray>("setUp");
        QTest::addColumn<bool>("starts");
        const QByteArray fleet = Fleet(kTurned), name = NameMsg("Rival");
        QTest::newRow("fleet and name, no ready") << true << fleet + name << false;
        QTest::newRow("fleet and ready, no name") << true << fleet + kReady << false;
        QTest::newRow("name and ready, no fleet") << true << name + kReady << false;
        QTest::newRow("ready first, then the rest") << true << kReady + name + fleet << true;
        QTest::newRow("all of it while we still name ourselves") << false << fleet + name + kReady << false;
    }

    void battleStartsOnlyWithTheWholeSetUp()
    {
        QFETCH(bool, named);
        QFETCH(QByteArray, setUp);
        QFETCH(bool, starts);
        CMachine m;
        m.Reach(false, named ? ENetPhase::Waiting : ENetPhase::Naming);
        m.Hear(setUp);
        QCOMPARE(m.m_session.Phase() == ENetPhase::Battle, starts);
        QCOMPARE(bool(GameInProgress), starts);
    }

    void clientTakesTheServersRule_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<int>("rule");
        QTest::newRow("0: off") << Bytes({NET_TRADITION, 0, 0}) << 0;
        QTest::newRow("1: on") << Bytes({NET_TRADITION, 1, 0}) << 1;
        QTest::newRow("any other non-zero byte: on") << Bytes({NET_TRADITION, 0x80, 0}) << 1;
        QTest::newRow("0 with a stray last byte: off") << Bytes({NET_TRADITION, 0, 1}) << 0;
    }

    void clientTakesTheServersRule()
    {
        QFETCH(QByteArray, message);
        QFETCH(int, rule);
        CMachine m;
        m.Reach(false, ENetPhase::Battle);
        Tradition = static_cast<unsigned char>(1 - rule);
        QCOMPARE(m.Hear(message), ENetOutcome::Taken);
        QCOMPARE(int(Tradition), rule);
        // A client's own OK puts back the server's last word, not its own choice.
        QCOMPARE(int(m.m_session.ServerRule(static_cast<unsigned char>(1 - rule))), rule);
    }

    // A rule changed in the middle of a battle reaches the partner after
    // shots it may already have replayed under the old one: had it counted
    // at once, each machine would have given such a hit a turn of its own.
    void ruleChangedMidBattleCountsFromTheNextGame_data()
    {
        QTest::addColumn<bool>("server");
        QTest::newRow("the client hears the server turn it off, then hits") << false;
        QTest::newRow("the server turns it off, then the partner's hit comes") << true;
    }

    void ruleChangedMidBattleCountsFromTheNextGame()
    {
        QFETCH(bool, server);
        CMachine m;
        m.Reach(server, ENetPhase::Battle);   // begun under the rule
        if (server) {
            Tradition = 0;                   // the options' OK
            m.m_session.SendRule();
            m.Hear(Shot(0, 0));
            QVERIFY2(!MyTurn, "the partner's hit must keep its turn, as it does on its own machine");
        } else {
            QCOMPARE(m.Hear(Bytes({NET_TRADITION, 0, 0})), ENetOutcome::Taken);
            MyTurn = 1;
            QVERIFY(m.m_session.Shoot(0, 6));   // a one-decker of the partner's fleet
            QVERIFY2(MyTurn, "our hit must keep our turn, as the server replays it");
        }
        QCOMPARE(int(Tradition), 0);   // the setting itself has changed, for the next game
    }

    void partnersSetUpIsChecked_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QString>("name");   // player two's afterwards; empty: refused, to be closed
        // Edits "cell=code" to the standard fleet ('#' deck, '.' water, digits as they are).
        const auto fleet = [](const char* edits) {
            QByteArray picture = StandardFleetPicture();
            for (const QByteArray& edit : QByteArray(edits).split(' '))
                if (!edit.isEmpty())
                    picture[edit.split('=')[0].toInt()] = edit.split('=')[1][0];
            return Fleet(FleetCodes(picture.constData()));
        };
        QByteArray cut = fleet("");
        cut[50] = 0;   // the rest of the sea comes as water
        QTest::newRow("the four-decker upright at the bottom edge") << true << fleet("0=. 1=. 2=. 3=. 69=# 79=# 89=# 99=#") << "Player";
        QTest::newRow("touching at a corner, down to the right") << true << fleet("43=. 58=#") << QString();
        QTest::newRow("touching at a corner, down to the left") << false << fleet("47=. 60=. 61=# 70=#") << QString();
        QTest::newRow("two ships end to end make one too long") << true << fleet("23=#") << QString();
        QTest::newRow("a bent ship") << true << fleet("0=. 1=. 2=. 3=. 74=# 75=# 76=# 86=#") << QString();
        QTest::newRow("a one-decker missing") << true << fleet("47=.") << QString();
        QTest::newRow("an eleventh ship") << true << fleet("99=#") << QString();
        QTest::newRow("a hit deck among the codes") << true << fleet("0=3") << QString();
        QTest::newRow("a miss among the codes") << true << fleet("99=1") << QString();
        QTest::newRow("open sea") << true << Fleet(std::vector<unsigned char>(BOARD_CELLS, CELL_WATER)) << QString();
        QTest::newRow("a fleet cut short") << false << cut << QString();
        QTest::newRow("name in Windows-1251") << true << NameMsg("\xC8\xE3\xEE\xF0\xFC") << QString::fromUtf8("Игорь");
        QTest::newRow("name longer than the dialog takes") << true << NameMsg(std::string(30, 'x')) << QString(20, 'x');
        QTest::newRow("empty name") << true << NameMsg("") << QStringLiteral("Partner");
    }

    void partnersSetUpIsChecked()
    {
        QFETCH(bool, english);
        QFETCH(QByteArray, message);
        QFETCH(QString, name);
        CMachine m;
        English = english;
        PlayerTwo.SetName("Player");
        m.Reach(true, ENetPhase::Waiting);
        QCOMPARE(m.Hear(message), name.isEmpty() ? ENetOutcome::Refused : ENetOutcome::SetUp);
        QCOMPARE(QString::fromStdString(PlayerTwo.GetName()), name.isEmpty() ? QStringLiteral("Player") : name);
        QCOMPARE(m.m_session.BoardReceived(), message[0] == NET_FLEET && !name.isEmpty());
        const QString why = QString::fromStdString(m.m_session.RefusalText());
        QVERIFY(why.contains(QStringLiteral("breaks the rules")));
    }
};

QTEST_APPLESS_MAIN(TestNetSession)
#include "tst_netsession.moc"
