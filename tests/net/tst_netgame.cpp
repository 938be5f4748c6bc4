// Whole network games against the real main window, the other machine
// played by the test in raw bytes.
#include "netfixture.h"
#include "game/gamerand.h"
#include "game/sound.h"
#include "net/netqueue.h"
#include "net/qt/netsocket.h"
#include "ui/namedlg.h"
#include "ui/resultdlg.h"
#include "wirebytes.h"

#include <utility>

namespace {
// Our fleet, our name and ready, as the partner must receive them.
QByteArray OurOpening()
{
    const std::vector<unsigned char> codes(PlayerOne.m_fleet, PlayerOne.m_fleet + BOARD_CELLS);
    return Bytes(MakeFleetMsg(Exported(codes).data())) + Bytes({2, 'P', 'l', 'a', 'y', 'e', 'r', 0, 1, 0});
}

QByteArray Shot(int row, int col) { return Bytes(MakeShotMsg(row, col)); }

QByteArray Opening(const QByteArray& picture, const char* name = "Rival")
{
    const std::vector<unsigned char> fleet = Exported(FleetCodes(picture.constData()));
    return Bytes(MakeFleetMsg(fleet.data())) + Bytes(MakeNameMsg(name)) + Bytes({NET_READY, 0});
}

int g_nLoseSounds = 0;

// This program as server, from the network dialog to the battle: the client
// answers the new game with `clientOpening` as soon as it hears of it.
struct CServerGame {
    CWindowUnderTest w;
    CPilot pilot;
    CPeer client;
    QByteArray clientOpening;
    bool heldDuringNameDialog = false;

    explicit CServerGame(QByteArray opening = Opening(StandardFleetPicture())) : clientOpening(std::move(opening))
    {
        client.m_onData = [this] { client.m_received == Bytes({NET_NEW_GAME, 0}) ? client.Send(clientOpening) : void(); };
        pilot.m_onWindow = [this](QWidget* window) { Answer(window); };
        w->ShowNetGame();
    }

    void Answer(QWidget* window)
    {
        if (auto* names = qobject_cast<CNameDlg*>(window)) {
            // The client's set-up is here before our name is given: it waits.
            const bool arrived = QTest::qWaitFor([] { return NetQueue.Size() >= 3; }, 5000);
            QTest::qWait(150);
            heldDuringNameDialog = arrived && NetQueue.Size() >= 3 && !w->NameReceived && !w->BoardReceived && !w->PeerReady;
            return ClickLater(pilot, names->findChild<QPushButton*>(QStringLiteral("IDOK")));
        }
        if (auto* result = qobject_cast<CResultDlg*>(window))
            return ClickLater(pilot, result->m_btnOK);
        auto* dlg = qobject_cast<CNetDlg*>(window);
        if (dlg && !dlg->m_rbServer->isChecked())
            ClickLater(pilot, dlg->m_rbServer);
        else if (dlg && w->m_listenSocket->IsListening() && client.m_socket->state() == QAbstractSocket::UnconnectedState)
            client.ConnectToGame();
        else if (dlg && dlg->m_btnStart->isEnabled())
            ClickLater(pilot, dlg->m_btnStart);
    }

    // Hands the turn to the client with a shot into open water.
    void PassTheTurn()
    {
        QTRY_VERIFY_WITH_TIMEOUT(GameInProgress, 5000);
        if (!MyTurn)
            return;
        const QPoint cell(PlayerTwo.m_rcBoard.left + CELL_PITCH * 9 + 13, PlayerTwo.m_rcBoard.top + CELL_PITCH * 9 + 13);
        QTest::mouseClick(w->ClientArea(), Qt::LeftButton, {}, cell);
        QTRY_VERIFY_WITH_TIMEOUT(client.m_received.endsWith(Shot(9, 9)), 5000);
        QVERIFY(!MyTurn);
    }
};
} // namespace

class TestNetGame : public QObject {
    Q_OBJECT
private slots:
    void serverPlaysAWholeGameAndLosesIt_data()
    {
        QTest::addColumn<unsigned>("seed");   // the server begins in some, the client in others
        QTest::newRow("seed 1") << 1u;
        QTest::newRow("seed 2") << 2u;
        QTest::newRow("seed 3") << 3u;
    }

    void serverPlaysAWholeGameAndLosesIt()
    {
        QFETCH(unsigned, seed);
        GameSrand(seed);
        g_nLoseSounds = 0;
        SetSoundHook([](const char* file) { g_nLoseSounds += std::string(file) == SOUND_LOSE; });
        CServerGame game;
        QVERIFY(game.heldDuringNameDialog);
        QTRY_VERIFY_WITH_TIMEOUT(GameInProgress, 5000);
        QCOMPARE(game.w->windowTitle(), QStringLiteral("Tidebolt [ Server ]"));
        // New game; after our name dialog, "server first" when we begin, the rule, then our opening.
        QCOMPARE(game.client.m_received, Bytes({7, 0}) + (MyTurn ? Bytes({3, 0}) : QByteArray()) + Bytes({6, 1, 0}) + OurOpening());
        QCOMPARE(PlayerTwo.GetName(), std::string("Rival"));
        QCOMPARE(QByteArray((const char*)PlayerTwo.m_fleet, BOARD_CELLS), Bytes(FleetCodes(StandardFleetPicture())));

        game.PassTheTurn();
        QByteArray volley;   // every deck: with the rule on each hit keeps the client's turn
        for (int i = 0; i < BOARD_CELLS; ++i)
            if (PlayerOne.m_fleet[i] == CELL_SHIP)
                volley += Shot(i / BOARD_SIZE, i % BOARD_SIZE);
        game.client.Send(volley.left(4));
        QTRY_VERIFY_WITH_TIMEOUT(PlayerOne.m_fleet[(volley[1] - 1) * BOARD_SIZE + volley[2] - 1] >= CELL_HIT, 5000);
        QVERIFY(!MyTurn);   // replayed on our board, and the client shoots on
        game.client.Send(volley.mid(4));
        QTRY_VERIFY_WITH_TIMEOUT(!GameInProgress, 10000);
        SetSoundHook(nullptr);
        QVERIFY(PlayerOne.AllSunk());
        QCOMPARE(g_nLoseSounds, 1);
        QCOMPARE(PlayerTwo.m_nWins - PlayerOne.m_nWins, 1);
        const CRecordTable& table = game.w->m_records;   // a network game scores as level 3
        QStringList records;
        for (int i = 0; i < table.GetCount(); ++i)
            records << QStringLiteral("%1 %2 %3 %4").arg(table.GetName(i).c_str()).arg(table.GetWins(i)).arg(table.GetLosses(i)).arg(table.GetScore(i));
        QCOMPARE(records, (QStringList{"Rival 1 0 10", "Player 0 1 -10"}));
        QCOMPARE(QueueEnabled.load(), 1u);
    }

    void clientWaitsForItsNameBeforeTheServersFirstShot()
    {
        CWindowUnderTest w;
        CPilot pilot;
        CPeerServer server;
        QVERIFY(server.Listen());
        int turnWhileNaming = -1, ruleWhileNaming = -1;
        bool asked = false;
        pilot.m_onWindow = [&](QWidget* window) {
            if (auto* names = qobject_cast<CNameDlg*>(window)) {
                QTest::qWait(300);   // "server first" and the rule came behind the new game: both wait
                turnWhileNaming = MyTurn;
                ruleWhileNaming = Tradition;
                return ClickLater(pilot, names->findChild<QPushButton*>(QStringLiteral("IDOK")));
            }
            auto* dlg = qobject_cast<CNetDlg*>(window);
            if (dlg && !std::exchange(asked, true))
                ConnectLater(pilot, dlg);
            else if (dlg && dlg->m_btnStart->isEnabled() && pilot.m_boxes.size() == 1)
                ClickLater(pilot, dlg->m_btnStart);
        };
        w->ShowNetGame();
        QCOMPARE(w->NetRole, 2u);
        QCOMPARE(ServerList, std::vector<std::string>{"127.0.0.1"});
        CPeer& host = *server.m_peer;
        QCOMPARE(host.m_received, QByteArray());   // a client opens nothing

        MyTurn = 1;   // so that "server first" taken too early would show
        host.Send(Bytes({7, 0, 3, 0, 6, 0, 0}));
        QTRY_COMPARE_WITH_TIMEOUT(host.m_received, OurOpening(), 5000);
        QCOMPARE(turnWhileNaming, 1);
        QCOMPARE(ruleWhileNaming, 1);
        host.Send(Opening(StandardFleetPicture(), "Host"));
        QTRY_VERIFY_WITH_TIMEOUT(GameInProgress, 5000);
        QCOMPARE(int(MyTurn) + int(Tradition), 0);   // the server begins, and its rule holds here
        QCOMPARE(PlayerTwo.GetName(), std::string("Host"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Tidebolt [ Client ]"));
    }

    void droppedConnectionEndsTheBattleUnscored()
    {
        CServerGame game;
        game.PassTheTurn();
        game.client.Send(Shot(0, 0));
        QTRY_VERIFY_WITH_TIMEOUT(PlayerOne.m_fleet[0] != CELL_WATER && PlayerOne.m_fleet[0] != CELL_SHIP, 5000);
        game.client.m_socket->abort();
        QTRY_COMPARE_WITH_TIMEOUT(game.pilot.m_boxes, (QStringList{"Connect successful!", "Connect closed"}), 5000);
        QVERIFY(!GameInProgress && game.w->NetRole == 0);
        QCOMPARE(game.w->windowTitle(), QStringLiteral("Tidebolt"));
        QVERIFY(game.w.IsChecked(ID_GAME_COMPUTER) && !game.w.IsChecked(ID_GAME_NETWORK));
        QCOMPARE(game.w->m_records.GetCount() + PlayerOne.m_nWins + PlayerTwo.m_nWins + int(NetQueue.Size()), 0);
    }

    void forgedFleetIsRefused_data()
    {
        QTest::addColumn<QByteArray>("opening");
        QByteArray cut = Opening(StandardFleetPicture());
        cut[50] = 0;   // the rest of the sea comes as water
        QTest::newRow("open sea") << Opening(QByteArray(100, '.'));
        QTest::newRow("ships touching") << Opening(QByteArray(StandardFleetPicture()).replace(43, 1, ".").replace(58, 1, "#"));
        QTest::newRow("a fleet cut short") << cut;
    }

    void forgedFleetIsRefused()
    {
        QFETCH(QByteArray, opening);
        CServerGame game(opening);
        QTRY_VERIFY_WITH_TIMEOUT(game.client.m_bClosed, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(game.pilot.m_boxes.size(), 2, 5000);
        QVERIFY(game.pilot.m_boxes[1].contains(QStringLiteral("breaks the rules")));
        QVERIFY(!GameInProgress && !game.w->BoardReceived && game.w->NetRole == 0);
    }

    void shotsOffTheBoardNeverLand()
    {
        CServerGame game;
        game.PassTheTurn();
        QByteArray board((const char*)PlayerOne.m_fleet, BOARD_CELLS);
        const int water = int(board.indexOf(char(CELL_WATER)));
        board[water] = CELL_MISS;
        // Rows and columns 0 and 11 on the wire, then a true shot: a stray taken
        // as a miss would hand us the turn and the true shot would not land.
        game.client.Send(Bytes({4, 0, 5, 0, 4, 11, 1, 0, 4, 5, 0, 0, 4, 5, 11, 0}) + Shot(water / BOARD_SIZE, water % BOARD_SIZE));
        QTRY_COMPARE_WITH_TIMEOUT(QByteArray((const char*)PlayerOne.m_fleet, BOARD_CELLS), board, 5000);
        QVERIFY(MyTurn);
    }
};

QTEST_MAIN(TestNetGame)
#include "tst_netgame.moc"
