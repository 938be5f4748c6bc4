// Whole network games against the real main window, the other machine
// played by the test in raw bytes: the opening, the held messages, the
// shots replayed, the ending and its records, and a partner who breaks the
// rules or the connection.
#include "netfixture.h"
#include "game/gamerand.h"
#include "net/netqueue.h"
#include "net/qt/netsocket.h"
#include "ui/namedlg.h"
#include "ui/resultdlg.h"
#include "wirebytes.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

namespace {
// Player one's fleet as the partner must see it on the wire.
QByteArray OurFleetOnTheWire()
{
    QByteArray wire = Bytes({NET_FLEET});
    for (int i = 0; i < BOARD_CELLS; ++i)
        wire.append(char(PlayerOne.m_fleet[i] + 1));
    wire.append(char(0));
    return wire;
}

std::vector<std::string> g_sounds;
void RecordSound(const char* file)
{
    g_sounds.emplace_back(file);
}

QPoint CellCentre(const CPlayer& player, int row, int col)
{
    return {player.m_rcBoard.left + CELL_PITCH * col + 13, player.m_rcBoard.top + CELL_PITCH * row + 13};
}

QByteArray Shot(int row, int col)
{
    return Bytes(MakeShotMsg(row, col));
}

QByteArray FleetMsg(const char* picture)
{
    const std::vector<unsigned char> cells = Exported(FleetCodes(picture));
    return Bytes(MakeFleetMsg(cells.data()));
}

QByteArray Opening(const char* picture, const char* name)
{
    return FleetMsg(picture) + Bytes(MakeNameMsg(name)) + Bytes(MakeSignalMsg(NET_READY));
}

int RecordRow(const CRecordTable& table, const std::string& name)
{
    for (int i = 0; i < table.GetCount(); ++i)
        if (table.GetName(i) == name)
            return i;
    return -1;
}

// This program as server, from the network dialog to the start of the
// battle: the client connects, the names are given, and the client answers
// the new game with `clientOpening` as soon as it hears of it.
struct CServerGame {
    CWindowUnderTest w;
    CPilot pilot;
    CPeer client;
    QByteArray clientOpening;
    bool heldDuringNameDialog = false;

    explicit CServerGame(QByteArray opening = Opening(StandardFleetPicture(), "Rival"))
        : clientOpening(std::move(opening))
    {
        client.m_onData = [this] {
            if (client.m_received == QByteArray("\x07\x00", 2))
                client.Send(clientOpening);
        };
        pilot.m_onWindow = [this](QWidget* window) { Answer(window); };
    }

    void Answer(QWidget* window)
    {
        if (auto* names = qobject_cast<CNameDlg*>(window)) {
            // The client's set-up is here before our name is given: it waits.
            QTRY_VERIFY_WITH_TIMEOUT(NetQueue.Size() >= 3, 5000);
            QTest::qWait(150);
            heldDuringNameDialog = NetQueue.Size() >= 3 && !w->NameReceived && !w->BoardReceived &&
                                   !w->PeerReady;
            ClickLater(pilot, names->findChild<QPushButton*>(QStringLiteral("IDOK")));
            return;
        }
        if (auto* result = qobject_cast<CResultDlg*>(window)) {
            ClickLater(pilot, result->m_btnOK);
            return;
        }
        auto* dlg = qobject_cast<CNetDlg*>(window);
        if (!dlg)
            return;
        if (!dlg->m_rbServer->isChecked())
            ClickLater(pilot, dlg->m_rbServer);
        else if (w->m_listenSocket->IsListening() && client.m_socket->state() == QAbstractSocket::UnconnectedState)
            client.ConnectToGame();
        else if (dlg->m_btnStart->isEnabled())
            ClickLater(pilot, dlg->m_btnStart);
    }

    void Open() { w->ShowNetGame(); }

    // Hands the turn to the client with a shot into open water.
    void PassTheTurn()
    {
        if (!MyTurn)
            return;
        QTest::mouseClick(w->ClientArea(), Qt::LeftButton, {}, CellCentre(PlayerTwo, 9, 9));
        QTRY_VERIFY_WITH_TIMEOUT(client.m_received.endsWith(Shot(9, 9)), 5000);
        QVERIFY(!MyTurn);
    }
};
} // namespace

class TestNetGame : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void serverOpensTheGameAndLosesIt_data();
    void serverOpensTheGameAndLosesIt();
    void clientWaitsForItsNameBeforeTheServersFirstShot();
    void droppedConnectionEndsTheBattleUnscored();
    void forgedFleetIsRefused_data();
    void forgedFleetIsRefused();
    void shotsOffTheBoardNeverLand_data();
    void shotsOffTheBoardNeverLand();
    void gameWithComputerLeavesTheNetworkBattle();
};

void TestNetGame::init()
{
    g_sounds.clear();
    SetSoundHook(RecordSound);
}

void TestNetGame::cleanup()
{
    SetSoundHook(nullptr);
}

void TestNetGame::serverOpensTheGameAndLosesIt_data()
{
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed = 1; seed <= 4; ++seed)
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

void TestNetGame::serverOpensTheGameAndLosesIt()
{
    QFETCH(unsigned, seed);
    GameSrand(seed);
    CServerGame game;
    game.Open();
    QCOMPARE(game.w->NetRole, 1u);
    QVERIFY(game.heldDuringNameDialog);
    QTRY_VERIFY_WITH_TIMEOUT(GameInProgress, 5000);
    QCOMPARE(game.w->windowTitle(), QStringLiteral("Tidebolt [ Server ]"));

    // The server's opening, byte for byte: new game, then, after its name
    // dialog, who begins, the rule, the fleet, the name and ready.
    const QByteArray fleetWire = OurFleetOnTheWire();
    QCOMPARE(fleetWire.count('\x03'), 20);
    QCOMPARE(fleetWire.count('\x01'), 80);
    QByteArray expected = Bytes({7, 0});
    if (MyTurn)
        expected += Bytes({3, 0});
    expected += Bytes({6, 1, 0}) + fleetWire + QByteArray("\x02Player", 7) + Bytes({0, 1, 0});
    QCOMPARE(game.client.m_received, expected);

    QCOMPARE(PlayerTwo.GetName(), std::string("Rival"));
    const std::vector<unsigned char> theirs = FleetCodes(StandardFleetPicture());
    for (int i = 0; i < BOARD_CELLS; ++i)
        QCOMPARE(int(PlayerTwo.m_fleet[i]), int(theirs[std::size_t(i)]));

    game.PassTheTurn();
    // The client sinks the whole fleet; with the rule on every hit keeps its turn.
    QByteArray volley;
    for (int i = 0; i < BOARD_CELLS; ++i)
        if (PlayerOne.m_fleet[i] == CELL_SHIP)
            volley += Shot(i / BOARD_SIZE, i % BOARD_SIZE);
    // Each shot is replayed on our own board as it comes.
    const int firstDeck = (volley[1] - 1) * BOARD_SIZE + (volley[2] - 1);
    game.client.Send(volley.left(4));
    QTRY_VERIFY_WITH_TIMEOUT(PlayerOne.m_fleet[firstDeck] >= CELL_HIT, 5000);
    QVERIFY(!MyTurn);
    game.client.Send(volley.mid(4));
    QTRY_VERIFY_WITH_TIMEOUT(!GameInProgress, 10000);

    QVERIFY(PlayerOne.AllSunk());
    QVERIFY(std::find(g_sounds.begin(), g_sounds.end(), std::string(SOUND_LOSE)) != g_sounds.end());
    QCOMPARE(PlayerTwo.m_nWins, 1);
    QCOMPARE(PlayerOne.m_nWins, 0);
    const CRecordTable& records = game.w->m_records;
    const int rival = RecordRow(records, "Rival");
    const int player = RecordRow(records, "Player");
    QVERIFY(rival >= 0 && player >= 0);
    QCOMPARE(records.GetWins(rival), 1);
    QCOMPARE(records.GetLosses(rival), 0);
    QCOMPARE(records.GetLosses(player), 1);
    QCOMPARE(records.GetWins(player), 0);
    QCOMPARE(records.GetScore(rival), 10);
    QCOMPARE(records.GetScore(player), -10);
    QCOMPARE(QueueEnabled.load(), 1u);
}

void TestNetGame::clientWaitsForItsNameBeforeTheServersFirstShot()
{
    CWindowUnderTest w;
    CPilot pilot;
    CPeerServer server;
    QVERIFY(server.Listen());
    bool asked = false;
    int turnWhileNaming = -1;
    int ruleWhileNaming = -1;
    pilot.m_onWindow = [&](QWidget* window) {
        if (auto* names = qobject_cast<CNameDlg*>(window)) {
            // Behind the new game came "server first" and the rule: both wait.
            QTest::qWait(300);
            turnWhileNaming = MyTurn;
            ruleWhileNaming = Tradition;
            ClickLater(pilot, names->findChild<QPushButton*>(QStringLiteral("IDOK")));
            return;
        }
        auto* dlg = qobject_cast<CNetDlg*>(window);
        if (!dlg)
            return;
        if (!asked) {
            asked = true;
            QPointer<CNetDlg> guard(dlg);
            pilot.Later([guard] {
                guard->m_rbClient->click();
                guard->m_cbServer->setEditText(QStringLiteral("127.0.0.1"));
                guard->m_btnConnect->click();
            });
        } else if (dlg->m_btnStart->isEnabled() && pilot.m_boxes.size() == 1) {
            ClickLater(pilot, dlg->m_btnStart);
        }
    };
    w->ShowNetGame();
    QCOMPARE(w->NetRole, 2u);
    QVERIFY(server.m_peer);
    CPeer& host = *server.m_peer;
    QCOMPARE(host.m_received, QByteArray());   // a client opens nothing

    MyTurn = 0;
    host.Send(Bytes({7, 0, 3, 0, 6, 0, 0}));
    QTRY_VERIFY_WITH_TIMEOUT(host.m_received.size() > 102, 5000);
    QCOMPARE(turnWhileNaming, 0);
    QCOMPARE(ruleWhileNaming, 1);
    QTRY_COMPARE_WITH_TIMEOUT(host.m_received, OurFleetOnTheWire() + QByteArray("\x02Player", 7) + Bytes({0, 1, 0}),
                              5000);

    host.Send(Opening(StandardFleetPicture(), "Host"));
    QTRY_VERIFY_WITH_TIMEOUT(GameInProgress, 5000);
    QCOMPARE(int(MyTurn), 0);       // the server begins
    QCOMPARE(int(Tradition), 0);    // and its rule holds here
    QCOMPARE(PlayerTwo.GetName(), std::string("Host"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Tidebolt [ Client ]"));
}

void TestNetGame::droppedConnectionEndsTheBattleUnscored()
{
    CServerGame game;
    game.Open();
    QTRY_VERIFY_WITH_TIMEOUT(GameInProgress, 5000);
    game.PassTheTurn();
    game.client.Send(Shot(0, 0));
    QTRY_VERIFY_WITH_TIMEOUT(PlayerOne.m_fleet[0] != CELL_WATER && PlayerOne.m_fleet[0] != CELL_SHIP, 5000);

    game.client.m_socket->abort();
    QTRY_VERIFY_WITH_TIMEOUT(game.pilot.m_boxes.contains(QStringLiteral("Connect closed")), 5000);
    QVERIFY(!GameInProgress);
    QCOMPARE(game.w->NetRole, 0u);
    QCOMPARE(game.w->windowTitle(), QStringLiteral("Tidebolt"));
    QVERIFY(game.w.IsChecked(ID_GAME_COMPUTER));
    QVERIFY(!game.w.IsChecked(ID_GAME_NETWORK));
    QCOMPARE(game.w->m_records.GetCount(), 0);
    QCOMPARE(PlayerOne.m_nWins + PlayerTwo.m_nWins, 0);
    QCOMPARE(NetQueue.Size(), std::size_t(0));
}

void TestNetGame::forgedFleetIsRefused_data()
{
    QTest::addColumn<QByteArray>("fleet");
    QTest::newRow("open sea") << FleetMsg(".........."".........."".........."".........."".........."
                                          "..........""..........""..........""..........""..........");
    QTest::newRow("an eleventh ship")
        << FleetMsg(QByteArray(StandardFleetPicture()).replace(99, 1, "#").constData());
    QTest::newRow("ships touching")
        << FleetMsg(QByteArray(StandardFleetPicture()).replace(43, 1, ".").replace(58, 1, "#").constData());
    QTest::newRow("hit decks among the codes")
        << FleetMsg(QByteArray(StandardFleetPicture()).replace(0, 1, "3").constData());
    QByteArray cut = FleetMsg(StandardFleetPicture());
    cut[50] = 0;   // a zero inside the body leaves the rest of the sea empty
    QTest::newRow("a fleet cut short") << cut;
}

void TestNetGame::forgedFleetIsRefused()
{
    QFETCH(QByteArray, fleet);
    CServerGame game(fleet + Bytes(MakeNameMsg("Cheat")) + Bytes({1, 0}));
    game.Open();
    QTRY_VERIFY_WITH_TIMEOUT(game.client.m_bClosed, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!game.pilot.m_boxes.isEmpty(), 5000);
    QVERIFY(game.pilot.m_boxes.last().contains(QStringLiteral("breaks the rules")));
    QVERIFY(!GameInProgress);
    QVERIFY(!game.w->BoardReceived);
    QCOMPARE(game.w->NetRole, 0u);
    QCOMPARE(game.w->windowTitle(), QStringLiteral("Tidebolt"));
}

void TestNetGame::shotsOffTheBoardNeverLand_data()
{
    QTest::addColumn<QByteArray>("shot");
    QTest::newRow("row 0 on the wire") << Bytes({4, 0, 5, 0});
    QTest::newRow("row 11") << Bytes({4, 11, 1, 0});
    QTest::newRow("column 0 on the wire") << Bytes({4, 5, 0, 0});
    QTest::newRow("column 11") << Bytes({4, 5, 11, 0});
    QTest::newRow("row 200") << Bytes({4, 200, 3, 0});
    QTest::newRow("column 255") << Bytes({4, 3, 255, 0});
}

void TestNetGame::shotsOffTheBoardNeverLand()
{
    QFETCH(QByteArray, shot);
    CServerGame game;
    game.Open();
    QTRY_VERIFY_WITH_TIMEOUT(GameInProgress, 5000);
    game.PassTheTurn();
    const std::vector<signed char> before(PlayerOne.m_fleet, PlayerOne.m_fleet + BOARD_CELLS);
    int water = 0;
    while (before[std::size_t(water)] != CELL_WATER)
        ++water;
    // The stray shot, then a true one that shows the stray was handled first.
    game.client.Send(shot + Shot(water / BOARD_SIZE, water % BOARD_SIZE));
    QTRY_COMPARE_WITH_TIMEOUT(int(PlayerOne.m_fleet[water]), int(CELL_MISS), 5000);
    for (int i = 0; i < BOARD_CELLS; ++i)
        if (i != water)
            QCOMPARE(int(PlayerOne.m_fleet[i]), int(before[std::size_t(i)]));
    QVERIFY(MyTurn);
    QVERIFY(GameInProgress);
    QVERIFY(game.client.IsConnected());
}

void TestNetGame::gameWithComputerLeavesTheNetworkBattle()
{
    CServerGame game;
    game.Open();
    QTRY_VERIFY_WITH_TIMEOUT(GameInProgress, 5000);
    game.w->OnCommand(ID_GAME_COMPUTER);
    QVERIFY(!GameInProgress);
    QCOMPARE(game.w->NetRole, 0u);
    QVERIFY(game.w.IsChecked(ID_GAME_COMPUTER));
    QTRY_VERIFY_WITH_TIMEOUT(game.client.m_bClosed, 5000);
    // The partner's records are not touched by leaving.
    QCOMPARE(game.w->m_records.GetCount(), 0);
}

QTEST_MAIN(TestNetGame)
#include "tst_netgame.moc"
