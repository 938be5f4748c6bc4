// Making the connection through the "Game in Network" dialog, the other
// machine played by the test.
#include "netfixture.h"
#include "net/qt/netsocket.h"
#include "wirebytes.h"

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

    // A second client meanwhile is told the server is busy; the first stays
    // until it leaves, and the dialog says so.
    void serverTakesAClient()
    {
        QFETCH(bool, english);
        QFETCH(QString, texts);
        CWindowUnderTest w(english);
        CPilot pilot;
        CPeer client, second;
        QStringList seen;
        bool startBeforeClient = true, startAfterClose = true, listeningAfterClose = true;
        pilot.m_onWindow = [&](QWidget* window) {
            auto* dlg = qobject_cast<CNetDlg*>(window);
            if (!dlg)
                return;
            if (!dlg->m_rbServer->isChecked())
                return ClickLater(pilot, dlg->m_rbServer);
            if (seen.size() > pilot.m_boxes.size() || (seen.isEmpty() && !w->m_listenSocket->IsListening()))
                return;
            seen << dlg->m_cbServer->currentText();
            if (seen.size() == 1) {
                startBeforeClient = dlg->m_btnStart->isEnabled();
                return client.ConnectToGame();
            }
            if (seen.size() == 2) {
                second.ConnectToGame();
                QTRY_VERIFY_WITH_TIMEOUT(second.m_bClosed, 5000);
                QTest::qWait(100);
                QVERIFY(client.IsConnected());
                return client.m_socket->disconnectFromHost();
            }
            startAfterClose = dlg->m_btnStart->isEnabled();
            listeningAfterClose = w->m_listenSocket->IsListening();
            ClickLater(pilot, dlg->m_btnCancel);
        };
        w->ShowNetGame();
        QCOMPARE(second.m_received, Bytes({NET_BUSY, 0}));
        QCOMPARE(seen + pilot.m_boxes, texts.split('|'));
        QVERIFY(!startBeforeClient && !startAfterClose && !listeningAfterClose);
        QCOMPARE(w->NetRole, 0u);
        QVERIFY(w.IsChecked(ID_GAME_COMPUTER));
    }

    void clientSeesHowItsConnectWent_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("busyServer");   // false: nobody listens
        QTest::addColumn<QString>("notices");
        QTest::newRow("refused") << true << false << "Connect failed";
        QTest::newRow("refused, in Russian") << false << false << QString::fromUtf8("Не удалось соединиться с сервером");
        QTest::newRow("server busy") << true << true << "Connect successful!|Server now is plaing.|Connect closed";
    }

    void clientSeesHowItsConnectWent()
    {
        QFETCH(bool, english);
        QFETCH(bool, busyServer);
        QFETCH(QString, notices);
        CWindowUnderTest w(english);
        CPilot pilot;
        CPeerServer server;
        server.m_onConnection = [](QTcpSocket* socket) {
            socket->write(Bytes({NET_BUSY, 0}));
            socket->disconnectFromHost();
        };
        QVERIFY(!busyServer || server.Listen());
        bool asked = false, startAtTheEnd = true;
        QElapsedTimer clock;   // a notice that never comes fails the test rather than hanging it
        clock.start();
        pilot.m_onWindow = [&](QWidget* window) {
            auto* dlg = qobject_cast<CNetDlg*>(window);
            if (dlg && !std::exchange(asked, true))
                ConnectLater(pilot, dlg);
            else if (dlg && (pilot.m_boxes.size() == notices.count('|') + 1 || clock.hasExpired(10000))) {
                startAtTheEnd = dlg->m_btnStart->isEnabled();
                ClickLater(pilot, dlg->m_btnCancel);
            }
        };
        w->ShowNetGame();
        QCOMPARE(pilot.m_boxes.join('|'), notices);
        QVERIFY(!startAtTheEnd);
        QCOMPARE(ServerList.empty(), !busyServer);   // only a server that answered is remembered
        QCOMPARE(w->NetRole, 0u);
    }
};

QTEST_MAIN(TestNetSetup)
#include "tst_netsetup.moc"
