// Whole network games against the real main window, the other machine
// played by the test in raw bytes.
#include "netfixture.h"
#include "support/gamewindow.h"
#include "support/modal.h"
#include "game/gamerand.h"
#include "game/sound.h"
#include "ui/announce.h"
#include "ui/chatpanel.h"
#include "ui/optionsdlg.h"

#include <QCheckBox>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace {
int g_nLoseSounds = 0;

// Our fleet, our name and ready, as the partner must receive them.
QByteArray OurOpening()
{
    const std::vector<unsigned char> codes(PlayerOne.m_fleet, PlayerOne.m_fleet + BOARD_CELLS);
    return Bytes(MakeFleetMsg(Exported(codes).data())) + Bytes(MakeNameMsg("Player")) + Bytes({1, 0});
}

// The Game menu's chat item, as the player finds it.
QAction* ChatItem(CGameDlg* w)
{
    for (QAction* top : w->findChild<QMenuBar*>()->actions())
        if (top->menu())
            for (QAction* item : top->menu()->actions())
                if (item->data().toInt() == ID_GAME_CHAT)
                    return item;
    return nullptr;
}
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
        CServerBattle b;
        // The client's set-up comes while our name dialog is open: it waits.
        bool held = false;
        const auto answer = b.pilot.m_onWindow;
        b.pilot.m_onWindow = [&](QWidget* window) {
            if (qobject_cast<CNameDlg*>(window) && !held) {
                held = QTest::qWaitFor([&b] { return b.w->Connection().Waiting() >= 3; }, 5000);
                QTest::qWait(150);
                held = held && !b.w->Session().NameReceived() && !b.w->Session().BoardReceived() && !b.w->Session().PeerReady();
            }
            answer(window);
        };
        QVERIFY(b.Start());
        QVERIFY(held);
        // New game; after our name dialog, "server first" when we begin, the rule, then our opening.
        QCOMPARE(b.client.m_received, Bytes({7, 0}) + (MyTurn ? Bytes({3, 0}) : QByteArray()) + Bytes({6, 1, 0}) + OurOpening());

        b.PassTheTurn();
        const QByteArray volley = Volley();
        b.client.Send(volley.left(4));
        QTRY_VERIFY(PlayerOne.m_fleet[(volley[1] - 1) * BOARD_SIZE + volley[2] - 1] >= CELL_HIT);
        QVERIFY(!MyTurn);   // replayed on our board, and the client shoots on
        QElapsedTimer clock;
        clock.start();
        b.client.Send(volley.mid(4));
        QTRY_VERIFY_WITH_TIMEOUT(!GameInProgress, 10000);
        QVERIFY(clock.elapsed() >= 45 * (volley.size() / 4 - 2));   // the shots land a pass apart
        SetSoundHook(nullptr);
        QVERIFY(PlayerOne.AllSunk());
        QCOMPARE(g_nLoseSounds, 1);
        QCOMPARE(PlayerTwo.m_nWins - PlayerOne.m_nWins, 1);
        QCOMPARE(b.w.Records(), (QStringList{"Rival 1 0 10", "Player 0 1 -10"}));   // a network game scores as level 3
        // Saved at once, as a game against the computer is.
        CRecordTable stored;
        stored.LoadRecords();
        QCOMPARE(stored.GetCount(), 2);
        QVERIFY(b.w->Connection().QueueEnabled());
    }

    // A game cut short leaves no half-drawn boards: the window is as before
    // the first game, in the mode of a game against the computer, with
    // nothing recorded. A screen reader pressing the enemy's cells while
    // "Connect closed" is up shoots at nobody.
    void droppedConnectionEndsTheBattleUnscored()
    {
        CServerBattle b;
        QVERIFY(b.Start());
        QVERIFY(b.TakeTheTurn());
        const QByteArray enemy(reinterpret_cast<const char*>(PlayerTwo.m_fleet), BOARD_CELLS);
        QTimer reader;
        connect(&reader, &QTimer::timeout, [&b] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box->text() != QStringLiteral("Connect closed"))
                return;
            QAccessibleInterface* enemyBoard = QAccessible::queryAccessibleInterface(b.w->ClientArea())->child(0);
            for (int cell = 0; cell < BOARD_CELLS; ++cell)
                enemyBoard->child(cell)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        });
        reader.start(1);
        b.client.m_socket->abort();
        QTRY_COMPARE(b.pilot.m_boxes, (QStringList{"Connect successful!", "Connect closed"}));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(PlayerTwo.m_fleet), BOARD_CELLS), enemy);
        QVERIFY(!GameInProgress && b.w->NetRole() == ENetRole::Computer && !b.w->BoardsShown() && !b.w->Connection().IsConnected());
        QCOMPARE(b.w->windowTitle(), QStringLiteral("Tidebolt"));
        QCOMPARE(b.w->Records().GetCount() + PlayerOne.m_nWins + PlayerTwo.m_nWins, 0);
    }

    // The server's player uses no mouse: F2 in the middle of a battle, the
    // fleet arranged by keys, every shot by the keys. Until the client
    // answers, the old board under "Please wait..." takes no shot.
    void serverPlaysByKeysAlone()
    {
        CServerBattle b;
        b.pilot.m_onWindow = [&b, answer = b.pilot.m_onWindow](QWidget* window) {
            if (qobject_cast<CNameDlg*>(window))
                return b.pilot.Later([] {
                    const CModalWait placed = WhenModal<CPlaceShipsDlg>(ArrangeTidyFleetByKeys);
                    Keys("Tab Space Enter");
                });
            if (qobject_cast<CResultDlg*>(window))
                return b.pilot.Later([] { Keys("Enter"); });
            if (!qobject_cast<CPlaceShipsDlg*>(window))
                answer(window);
        };
        QVERIFY(b.Start());
        QVERIFY(b.TakeTheTurn());
        b.pilot.Later([] { Keys("F2"); });
        QTRY_VERIFY(b.w->Session().ShowsWait() && b.client.m_received.endsWith(Bytes(MakeNameMsg("Player")) + Bytes({1, 0})));
        b.client.m_received.clear();
        QTest::mouseClick(b.w->ClientArea(), Qt::LeftButton, {}, CellCentre(*b.w.get(), PlayerTwo, 99));
        Keys("Space Enter");
        QTest::qWait(200);
        QCOMPARE(b.client.m_received, QByteArray());   // and the old board took no shot
        b.client.Send(OpeningBytes("Rival"));
        QTRY_VERIFY(GameInProgress);
        for (const int cell : TIDY_DECKS)   // the fleet as the keys arranged it
            QVERIFY(PlayerOne.m_fleet[cell] == CELL_SHIP);
        QVERIFY(b.TakeTheTurn());
        for (int cell = 0; cell < BOARD_CELLS; ++cell)   // with the rule on every hit shoots again
            if (StandardFleetPicture()[cell] == '#')
                Keys(KeysTo(cell / BOARD_SIZE, cell % BOARD_SIZE) + "Space");
        QTRY_VERIFY(!GameInProgress && PlayerTwo.AllSunk());
        QCOMPARE(b.w.Records(), (QStringList{"Player 1 0 10", "Rival 0 1 -10"}));
    }

    // The partner is a copy of this game: a line it sends in the battle is
    // marked on the menu while chat is closed, read in the chat window, and
    // answered from there; the battle does not notice.
    void chatGoesBothWaysInABattle()
    {
        CServerBattle b;
        b.m_bSigns = true;
        QVERIFY(b.Start());
        QVERIFY(b.client.m_received.contains(Bytes(MakeSignMsg())));
        const QString before = b.State();
        CChatPanel* chat = b.w->Chat();
        QCOMPARE(chat->Chat().State(), EChatState::Open);
        static QStringList said;
        said.clear();
        SetAccessibleListener([](QAccessibleEvent* event) {
            QAccessibleInterface* source = event->accessibleInterface();
            if (source && event->type() == QAccessible::ObjectShow && source->role() == QAccessible::Notification)
                said << source->text(QAccessible::Name);
        });

        b.client.Send(ChatBytes("Rival\nGood luck, <b>Player</b>!"));
        QTRY_COMPARE(ChatItem(b.w.get())->text().remove('&'), QStringLiteral("Chat (1)"));
        SetAccessibleListener(nullptr);
        QCOMPARE(said, QStringList{"Rival: Good luck, <b>Player</b>!"});   // a screen reader heard it
        ChatItem(b.w.get())->trigger();
        QVERIFY(chat->isVisible());
        QCOMPARE(chat->m_log->toPlainText(), QStringLiteral("Rival: Good luck, <b>Player</b>!"));
        QCOMPARE(ChatItem(b.w.get())->text().remove('&'), QStringLiteral("Chat"));

        b.client.m_received.clear();
        chat->m_editLine->insert(QStringLiteral("Спасибо"));   // typed on a Russian layout
        QTest::keyClicks(chat->m_editLine, QStringLiteral(", Rival"));
        QTest::keyClick(chat->m_editLine, Qt::Key_Return);
        QTRY_COMPARE(b.client.m_received, ChatBytes("Player\nСпасибо, Rival"));
        QCOMPARE(chat->m_log->toPlainText(), QStringLiteral("Rival: Good luck, <b>Player</b>!\nPlayer: Спасибо, Rival"));
        QVERIFY(chat->m_editLine->text().isEmpty());
        QCOMPARE(b.State(), before);
        QVERIFY(b.TakeTheTurn());   // and the battle goes on
    }

    // A partner that knows only the game's messages: chat says so, and the
    // partner hears exactly the game, the client's sign apart.
    void signlessPartnerHearsOnlyTheGame_data()
    {
        QTest::addColumn<bool>("asServer");
        QTest::newRow("we serve it") << true;
        QTest::newRow("we are its client") << false;
    }

    void signlessPartnerHearsOnlyTheGame()
    {
        QFETCH(bool, asServer);
        std::unique_ptr<CBattle> b(asServer ? static_cast<CBattle*>(new CServerBattle) : new CClientBattle);
        QVERIFY(b->Start());
        const QByteArray sign = asServer ? QByteArray() : Bytes(MakeSignMsg());
        const QByteArray opening = asServer ? Bytes({7, 0}) + (MyTurn ? Bytes({3, 0}) : QByteArray()) + Bytes({6, 1, 0}) : QByteArray();
        QCOMPARE(b->Peer().m_received, sign + opening + OurOpening());
        b->Peer().Send(ChatBytes("psst"));   // no sign, so these are no chat
        QTest::qWait(300);

        CChatPanel* chat = b->w->Chat();
        b->w->ToggleChat();
        QCOMPARE(chat->Chat().State(), EChatState::Unavailable);
        QCOMPARE(chat->m_lblState->text(), QStringLiteral("Chat is unavailable with this partner."));
        QVERIFY(!chat->m_editLine->isEnabled());
        QVERIFY(chat->m_log->toPlainText().isEmpty());
        QCOMPARE(b->Peer().m_received, sign + opening + OurOpening());
    }

    // On a client the rule is the server's and so is the opening of games:
    // changing the rule in a battle asks nothing and opens nothing.
    void clientsOptionsKeepTheServersRule_data()
    {
        QTest::addColumn<bool>("serverRestarts");   // with the rule off, while Options is open
        QTest::newRow("the player changes the rule") << false;
        QTest::newRow("the server changes it meanwhile") << true;
    }

    // On a client the rule is the server's last word and the opening of
    // games the server's alone: the client's OK neither opens a game nor
    // puts back a rule the server has since changed.
    void clientsOptionsKeepTheServersRule()
    {
        QFETCH(bool, serverRestarts);
        CClientBattle b;
        QVERIFY(b.Start());
        b.host.m_peer->m_received.clear();
        bool restarted = false, named = false;
        b.pilot.m_onWindow = [&](QWidget* window) {
            if (auto* names = qobject_cast<CNameDlg*>(window)) {
                named = true;
                return ClickLater(b.pilot, names->findChild<QPushButton*>(QStringLiteral("IDOK")));
            }
            auto* options = qobject_cast<COptionsDlg*>(window);
            if (!options)
                return;
            if (serverRestarts && !std::exchange(restarted, true))
                return b.host.m_peer->Send(Bytes({NET_TRADITION, 0, 0}) + Bytes({NET_NEW_GAME, 0}) + OpeningBytes("Host"));
            if (serverRestarts && !(named && GameInProgress))
                return;
            b.pilot.Later([options, serverRestarts] {
                if (!serverRestarts)
                    options->m_chkTradition->click(), options->m_radHard->click();
                options->m_btnOK->click();
            });
        };
        b.pilot.Later([&b] { b.w->OnCommand(ID_OPTIONS); });
        QTRY_VERIFY(!QApplication::activeModalWidget() && (serverRestarts || Level == 3));
        QTest::qWait(200);
        QCOMPARE(b.pilot.m_boxes, QStringList{"Connect successful!"});
        QCOMPARE(b.host.m_peer->m_received.isEmpty(), !serverRestarts);   // only the server's opening is answered
        QVERIFY(GameInProgress);
        QCOMPARE(int(Tradition), serverRestarts ? 0 : 1);
    }

    void lastShotCountsThoughTheWinnerLeft_data()
    {
        QTest::addColumn<bool>("picksServer");   // before Cancel, which would close the game's connection
        QTest::newRow("the loser cancels") << false;
        QTest::newRow("the loser picks Server, then cancels") << true;
    }

    // The loser has "Game in Network" open when the winner's last shot comes
    // and the winner leaves: the dialog says so at once, the shot is played
    // whatever the loser picks there, and both record the game.
    void lastShotCountsThoughTheWinnerLeft()
    {
        QFETCH(bool, picksServer);
        CClientBattle b;
        QVERIFY(b.Start());
        b.PassTheTurn();
        const QByteArray volley = Volley();
        b.host.m_peer->Send(volley.chopped(4));
        QVERIFY(b.Drained());
        bool toldInDialog = false;
        b.pilot.m_onWindow = [&, last = volley.right(4)](QWidget* window) {
            auto* dlg = qobject_cast<CNetDlg*>(window);
            if (dlg && b.host.m_peer->IsConnected()) {
                b.host.m_peer->Send(last);
                b.host.m_peer->m_socket->disconnectFromHost();
                // A loser who is never told gives up on the dialog.
                QTimer::singleShot(3000, dlg, [dlg] { dlg->m_btnCancel->click(); });
            } else if (dlg && b.pilot.m_boxes.contains(QStringLiteral("Connect closed")) && !std::exchange(toldInDialog, true)) {
                b.pilot.Later([dlg, picksServer] {
                    if (picksServer)
                        dlg->m_rbServer->click();
                    dlg->m_btnCancel->click();
                });
            } else if (auto* result = qobject_cast<CResultDlg*>(window)) {
                ClickLater(b.pilot, result->m_btnOK);
            }
        };
        b.pilot.Later([&b] { b.w->OnCommand(ID_GAME_NETWORK); });
        QTRY_VERIFY(b.EndedWithConnectClosed() && !QApplication::activeModalWidget());
        QVERIFY(toldInDialog);
        QCOMPARE(b.pilot.m_boxes.count(QStringLiteral("Connect closed")), 1);
        QCOMPARE(b.w.Records(), (QStringList{"Host 1 0 10", "Player 0 1 -10"}));
    }

    // The partner leaves while our name dialog is open: we are told at once,
    // over the dialog, which closes, since no game is left to name.
    void partnerWhoLeftIsToldOverTheNameDialog()
    {
        CWindowUnderTest w;
        CPilot pilot;
        CPeerServer host;
        QVERIFY(host.Listen());
        bool asked = false, named = false;
        pilot.m_onWindow = [&](QWidget* window) {
            auto* dlg = qobject_cast<CNetDlg*>(window);
            if (dlg && !std::exchange(asked, true))
                return ConnectLater(pilot, dlg);
            if (dlg && dlg->m_btnStart->isEnabled() && !pilot.m_boxes.isEmpty())
                return ClickLater(pilot, dlg->m_btnStart);
            auto* names = qobject_cast<CNameDlg*>(window);
            if (!names || !host.m_peer->IsConnected())
                return;
            host.m_peer->Send(OpeningBytes("Host"));
            host.m_peer->m_socket->disconnectFromHost();
            // A player who is never told names on after a while.
            QTimer::singleShot(3000, names, [&named, names] {
                named = true;
                names->findChild<QPushButton*>(QStringLiteral("IDOK"))->click();
            });
        };
        w->ShowNetGame();
        QVERIFY(w->NetRole() == ENetRole::Client);
        host.m_peer->Send(Bytes({NET_NEW_GAME, 0}));
        QTRY_VERIFY(pilot.m_boxes.size() == 2 && !QApplication::activeModalWidget());
        QTest::qWait(200);
        QCOMPARE(pilot.m_boxes, (QStringList{"Connect successful!", "Connect closed"}));
        QVERIFY(!named);
        QVERIFY(!GameInProgress && w->NetRole() == ENetRole::Computer && !w->BoardsShown());
        QCOMPARE(w.Records(), QStringList());
    }
};

TIDEBOLT_NET_TEST_MAIN(TestNetGame)
#include "tst_netgame.moc"
