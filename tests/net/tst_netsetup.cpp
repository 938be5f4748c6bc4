// Making the connection through the "Game in Network" dialog, the other
// machine played by the test.
#include "netfixture.h"

#include "net/qt/lanbrowser.h"

#include <QElapsedTimer>

#include <utility>

class TestNetSetup : public QObject {
    Q_OBJECT
private slots:
    void serverTakesAClient_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("texts");   // the server field waiting, connected, closed; then the notices
        QTest::newRow("English") << true
            << "Wait for client...|Connect successful|Connect closed|Connect successful!|Connect closed";
        QTest::newRow("Russian") << false << QString::fromUtf8(
            "Ждем клиента...|Успешное соединение|Соединение разорвано|Успешное соединение!|Соединение разорвано");
    }

    // The client stays until it leaves, and the dialog says so.
    void serverTakesAClient()
    {
        QFETCH(bool, english);
        QFETCH(QString, texts);
        CWindowUnderTest w(english);
        CPilot pilot;
        CPeer client;
        QStringList seen;
        bool startBeforeClient = true, startAfterClose = true, listeningAfterClose = true;
        pilot.m_onWindow = [&](QWidget* window) {
            auto* dlg = qobject_cast<CNetDlg*>(window);
            if (!dlg)
                return;
            if (!dlg->m_rbServer->isChecked())
                return ClickLater(pilot, dlg->m_rbServer);
            if (seen.size() > pilot.m_boxes.size() || (seen.isEmpty() && !w->Connection().IsListening()))
                return;
            seen << dlg->m_cbServer->currentText();
            if (seen.size() == 1) {
                startBeforeClient = dlg->m_btnStart->isEnabled();
                return client.ConnectToGame();
            }
            if (seen.size() == 2)
                return client.m_socket->disconnectFromHost();
            startAfterClose = dlg->m_btnStart->isEnabled();
            listeningAfterClose = w->Connection().IsListening();
            ClickLater(pilot, dlg->m_btnCancel);
        };
        w->ShowNetGame();
        QCOMPARE(seen + pilot.m_boxes, texts.split('|'));
        QVERIFY(!startBeforeClient && !startAfterClose && !listeningAfterClose);
        QVERIFY(w->NetRole() == ENetRole::Computer);
    }

    void clientSeesHowItsConnectWent_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("server");   // nobody listens, busy, a game, or one that opens a game and leaves
        QTest::addColumn<bool>("impatient");   // clicks again while a slow connect runs
        QTest::addColumn<QString>("notices");
        QTest::newRow("refused") << true << "none" << false << "Connect failed";
        QTest::newRow("refused, in Russian") << false << "none" << false << QString::fromUtf8("Не удалось соединиться с сервером");
        QTest::newRow("server busy") << true << "busy" << false << "Connect successful!|Server now is plaing.|Connect closed";
        // While the attempt runs nothing can start a second one: exactly one
        // connection reaches the server and it stays.
        QTest::newRow("an impatient player") << true << "game" << true << "Connect successful!";
        // What the server sent before it left waits for the dialog; its leaving does not.
        QTest::newRow("server opens a game and leaves") << true << "leaves" << false << "Connect successful!|Connect closed";
    }

    void clientSeesHowItsConnectWent()
    {
        QFETCH(bool, english);
        QFETCH(QString, server);
        QFETCH(bool, impatient);
        QFETCH(QString, notices);
        CWindowUnderTest w(english);
        CPilot pilot;
        CPeerServer host;
        bool closedByClient = false, hostCloses = false;   // the closing is the server's to do
        if (server == QLatin1String("busy"))
            host.m_onConnection = [&](QTcpSocket* socket) {
                socket->write(Bytes({NET_BUSY, 0, NET_BUSY, 0}));
                QObject::connect(socket, &QTcpSocket::disconnected, [&] { closedByClient = !hostCloses; });
                QTimer::singleShot(500, socket, [&hostCloses, socket] { hostCloses = true, socket->disconnectFromHost(); });
            };
        if (server == QLatin1String("leaves"))
            host.m_onConnection = [](QTcpSocket* socket) {
                socket->write(Bytes({NET_NEW_GAME, 0}));
                QTimer::singleShot(500, socket, [socket] { socket->disconnectFromHost(); });
            };
        QVERIFY(server == QLatin1String("none") || host.Listen());
        bool asked = false, startAtTheEnd = false, connectedAtTheEnd = false, locked = false;
        QElapsedTimer clock;   // a notice that never comes fails the test rather than hanging it
        clock.start();
        pilot.m_onWindow = [&](QWidget* window) {
            auto* dlg = qobject_cast<CNetDlg*>(window);
            if (dlg && !std::exchange(asked, true)) {
                // A name to look up first makes the connect slow.
                ConnectLater(pilot, dlg, QStringLiteral("localhost"));
                QTimer::singleShot(0, dlg, [&, dlg] {
                    locked = !dlg->m_btnConnect->isEnabled() && !dlg->m_rbServer->isEnabled();
                    if (impatient)
                        dlg->m_btnConnect->click(), dlg->m_rbServer->click();
                });
            } else if (dlg && (pilot.m_boxes.size() == notices.count('|') + 1 || clock.hasExpired(10000))) {
                QTest::qWait(200);
                startAtTheEnd = dlg->m_btnStart->isEnabled();
                connectedAtTheEnd = w->Connection().IsConnected();
                ClickLater(pilot, dlg->m_btnCancel);
            }
        };
        w->ShowNetGame();
        QCOMPARE(pilot.m_boxes.join('|'), notices);
        QVERIFY(locked && !closedByClient);
        QCOMPARE(host.m_nConnections, server == QLatin1String("none") ? 0 : 1);
        QCOMPARE(startAtTheEnd, server == QLatin1String("game"));
        QCOMPARE(connectedAtTheEnd, server == QLatin1String("game"));
        QCOMPARE(ServerList.empty(), server == QLatin1String("none"));   // only a server that answered is remembered
        QVERIFY(w->NetRole() == ENetRole::Computer);
    }

    // Games the LAN announces sit among the names connected to before and
    // come and go while the player types; one chosen is reached, and
    // remembered, by its address.
    void clientPicksAGameTheLanLists()
    {
        CWindowUnderTest w;
        ServerList = {"Zeta", "Beta"};
        CurServer.clear();
        CPilot pilot;
        CPeerServer host;
        QVERIFY(host.Listen());
        const QString kim = QString::fromUtf8("Kim \u2014 kim-pc (127.0.0.1)");
        QStringList listed;
        QString typed;
        bool asked = false;
        pilot.m_onWindow = [&](QWidget* window) {
            auto* dlg = qobject_cast<CNetDlg*>(window);
            if (dlg && std::exchange(asked, true) && dlg->m_btnStart->isEnabled())
                return ClickLater(pilot, dlg->m_btnStart);
            if (!dlg || listed.size())
                return;
            auto* lan = dlg->findChild<CLanBrowser*>();
            dlg->m_rbClient->click();
            dlg->m_cbServer->setEditText(QStringLiteral("half-typ"));
            emit lan->gameFound({"kim", "Kim", "kim-pc", "127.0.0.1", NET_PORT});
            emit lan->gameFound({"ann", "Ann", "ann-pc", "192.0.2.9", NET_PORT});
            emit lan->gameFound({"ann", "Ann", "ann-pc", "192.0.2.9", NET_PORT});   // heard again: listed once
            emit lan->gameLost(QStringLiteral("ann"));
            emit lan->gameLost(QStringLiteral("bob"));   // never listed: nothing to remove
            typed = dlg->m_cbServer->currentText();
            for (int i = 0; i < dlg->m_cbServer->count(); ++i)
                listed << dlg->m_cbServer->itemText(i);
            dlg->m_cbServer->setEditText(kim);
            ClickLater(pilot, dlg->m_btnConnect);
        };
        w->ShowNetGame();
        QCOMPARE(typed, QStringLiteral("half-typ"));
        QCOMPARE(listed, (QStringList{"Beta", kim, "Zeta"}));
        QCOMPARE(pilot.m_boxes, QStringList{"Connect successful!"});
        QCOMPARE(host.m_nConnections, 1);
        QVERIFY(w->NetRole() == ENetRole::Client);
        QCOMPARE(ServerList, (std::vector<std::string>{"Zeta", "Beta", "127.0.0.1"}));
        QCOMPARE(CurServer, std::string("127.0.0.1"));
    }
};

TIDEBOLT_NET_TEST_MAIN(TestNetSetup)
#include "tst_netsetup.moc"
