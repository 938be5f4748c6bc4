// Making the connection: the "Game in Network" dialog, the server's
// listener and its one client, a client's connect, and every notice the
// player sees on the way. The other machine is played by the test.
#include "netfixture.h"
#include "net/qt/netsocket.h"
#include "ui/namedlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
QString Utf8(const char* text)
{
    return QString::fromUtf8(text);
}

// Clicks "Server" once, then leaves the dialog to `next`.
void BeServer(CPilot& pilot, CNetDlg* dlg)
{
    ClickLater(pilot, dlg->m_rbServer);
}

void BeClientOf(CPilot& pilot, CNetDlg* dlg, const QString& server)
{
    QPointer<CNetDlg> guard(dlg);
    pilot.Later([guard, server] {
        if (!guard)
            return;
        guard->m_rbClient->click();
        guard->m_cbServer->setEditText(server);
        guard->m_btnConnect->click();
    });
}
} // namespace

class TestNetSetup : public QObject {
    Q_OBJECT
private slots:
    void serverTakesAClientAndMayStart_data();
    void serverTakesAClientAndMayStart();
    void secondClientIsToldTheServerIsBusy();
    void refusedConnectionSaysSo_data();
    void refusedConnectionSaysSo();
    void clientLeavingWhileTheDialogIsOpen_data();
    void clientLeavingWhileTheDialogIsOpen();
    void clientOfABusyServerSeesThreeNotices();
    void connectedClientRemembersItsServerOnce();
    void socketWithoutAWindowSaysSo();
    void dialogTextsFitInBothLanguages_data();
    void dialogTextsFitInBothLanguages();
};

void TestNetSetup::serverTakesAClientAndMayStart_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("waiting");
    QTest::addColumn<QString>("connected");
    QTest::addColumn<QString>("notice");
    QTest::newRow("English") << true << "Game in Network" << "Wait for client..." << "Connect successful"
                             << "Connect successful!";
    QTest::newRow("Russian") << false << Utf8("Играем по сети") << Utf8("Ждем клиента...")
                             << Utf8("Успешное соединение") << Utf8("Успешное соединение!");
}

void TestNetSetup::serverTakesAClientAndMayStart()
{
    QFETCH(bool, english);
    QFETCH(QString, caption);
    QFETCH(QString, waiting);
    QFETCH(QString, connected);
    QFETCH(QString, notice);

    CWindowUnderTest w(english);
    CPilot pilot;
    CPeer client;
    QString seenCaption, seenWaiting, seenConnected;
    bool startBeforeClient = true;
    pilot.m_onWindow = [&](QWidget* window) {
        auto* dlg = qobject_cast<CNetDlg*>(window);
        if (!dlg)
            return;
        if (!dlg->m_rbServer->isChecked()) {
            seenCaption = dlg->windowTitle();
            BeServer(pilot, dlg);
        } else if (seenWaiting.isEmpty() && w->m_listenSocket->IsListening()) {
            seenWaiting = dlg->m_cbServer->currentText();
            startBeforeClient = dlg->m_btnStart->isEnabled();
            client.ConnectToGame();
        } else if (dlg->m_btnStart->isEnabled() && !pilot.m_boxes.isEmpty()) {
            seenConnected = dlg->m_cbServer->currentText();
            ClickLater(pilot, dlg->m_btnCancel);
        }
    };
    w->ShowNetGame();

    QCOMPARE(seenCaption, caption);
    QCOMPARE(seenWaiting, waiting);
    QVERIFY(!startBeforeClient);
    QCOMPARE(seenConnected, connected);
    QCOMPARE(pilot.m_boxes, QStringList{notice});
    // Cancelled with no network game before: the connection goes, and the
    // client hears of it.
    QTRY_VERIFY_WITH_TIMEOUT(client.m_bClosed, 5000);
    QCOMPARE(w->NetRole, 0u);
    QVERIFY(!w->m_listenSocket->IsListening());
    QVERIFY(w.IsChecked(ID_GAME_COMPUTER));
}

void TestNetSetup::secondClientIsToldTheServerIsBusy()
{
    CWindowUnderTest w;
    CPilot pilot;
    CPeer first;
    pilot.m_onWindow = [&](QWidget* window) {
        if (auto* names = qobject_cast<CNameDlg*>(window)) {
            ClickLater(pilot, names->findChild<QPushButton*>(QStringLiteral("IDOK")));
            return;
        }
        auto* dlg = qobject_cast<CNetDlg*>(window);
        if (!dlg)
            return;
        if (!dlg->m_rbServer->isChecked())
            BeServer(pilot, dlg);
        else if (w->m_listenSocket->IsListening() && first.m_socket->state() == QAbstractSocket::UnconnectedState)
            first.ConnectToGame();
        else if (dlg->m_btnStart->isEnabled())
            ClickLater(pilot, dlg->m_btnStart);
    };
    w->ShowNetGame();
    QCOMPARE(w->NetRole, 1u);
    QTRY_VERIFY_WITH_TIMEOUT(first.m_received.startsWith(QByteArray("\x07\x00", 2)), 5000);

    CPeer second;
    second.ConnectToGame();
    QTRY_VERIFY_WITH_TIMEOUT(second.m_bClosed, 5000);
    QCOMPARE(second.m_received, QByteArray("\x08\x00", 2));
    QTest::qWait(200);
    QVERIFY(first.IsConnected());
    QVERIFY(!first.m_bClosed);
    QCOMPARE(w->NetRole, 1u);
    QVERIFY(w->m_connSocket->IsConnected());
    QVERIFY(w->m_listenSocket->IsListening());
    QVERIFY(pilot.m_boxes.filter(QStringLiteral("closed")).isEmpty());
}

void TestNetSetup::refusedConnectionSaysSo_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("notice");
    QTest::newRow("English") << true << "Connect failed";
    QTest::newRow("Russian") << false << Utf8("Не удалось соединиться с сервером");
}

void TestNetSetup::refusedConnectionSaysSo()
{
    QFETCH(bool, english);
    QFETCH(QString, notice);
    CWindowUnderTest w(english);
    CPilot pilot;
    bool asked = false;
    bool connectStillThere = false;
    pilot.m_onWindow = [&](QWidget* window) {
        auto* dlg = qobject_cast<CNetDlg*>(window);
        if (!dlg)
            return;
        if (!asked) {
            asked = true;
            BeClientOf(pilot, dlg, QStringLiteral("127.0.0.1"));   // nobody listens there
        } else if (!pilot.m_boxes.isEmpty()) {
            connectStillThere = dlg->m_btnConnect->isVisible() && !dlg->m_btnStart->isEnabled();
            ClickLater(pilot, dlg->m_btnCancel);
        }
    };
    w->ShowNetGame();
    QCOMPARE(pilot.m_boxes, QStringList{notice});
    QVERIFY(connectStillThere);
    QVERIFY(ServerList.empty());
    QCOMPARE(w->NetRole, 0u);
}

void TestNetSetup::clientLeavingWhileTheDialogIsOpen_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("closed");
    QTest::newRow("English") << true << "Connect closed";
    QTest::newRow("Russian") << false << Utf8("Соединение разорвано");
}

void TestNetSetup::clientLeavingWhileTheDialogIsOpen()
{
    QFETCH(bool, english);
    QFETCH(QString, closed);
    CWindowUnderTest w(english);
    CPilot pilot;
    CPeer client;
    enum { Choose, Connect, Leave, Look, Again, Done } step = Choose;
    QString comboAfter;
    bool startAfter = true, listeningAfter = true, listeningAgain = false;
    pilot.m_onWindow = [&](QWidget* window) {
        auto* dlg = qobject_cast<CNetDlg*>(window);
        if (!dlg)
            return;
        switch (step) {
        case Choose:
            step = Connect;
            BeServer(pilot, dlg);
            break;
        case Connect:
            if (w->m_listenSocket->IsListening()) {
                step = Leave;
                client.ConnectToGame();
            }
            break;
        case Leave:
            if (pilot.m_boxes.size() == 1) {
                step = Look;
                client.m_socket->disconnectFromHost();
            }
            break;
        case Look:
            if (pilot.m_boxes.size() == 2) {
                comboAfter = dlg->m_cbServer->currentText();
                startAfter = dlg->m_btnStart->isEnabled();
                listeningAfter = w->m_listenSocket->IsListening();
                step = Again;
                BeServer(pilot, dlg);
            }
            break;
        case Again:
            listeningAgain = w->m_listenSocket->IsListening();
            step = Done;
            ClickLater(pilot, dlg->m_btnCancel);
            break;
        case Done:
            break;
        }
    };
    w->ShowNetGame();
    QCOMPARE(pilot.m_boxes.size(), 2);
    QCOMPARE(pilot.m_boxes[1], closed);
    QCOMPARE(comboAfter, closed);
    QVERIFY(!startAfter);
    QVERIFY(!listeningAfter);
    QVERIFY(listeningAgain);
}

void TestNetSetup::clientOfABusyServerSeesThreeNotices()
{
    CWindowUnderTest w;
    CPilot pilot;
    CPeerServer server;
    server.m_onConnection = [](QTcpSocket* socket) {
        socket->write(QByteArray("\x08\x00", 2));
        socket->disconnectFromHost();
    };
    QVERIFY(server.Listen());
    bool asked = false;
    pilot.m_onWindow = [&](QWidget* window) {
        auto* dlg = qobject_cast<CNetDlg*>(window);
        if (!dlg)
            return;
        if (!asked) {
            asked = true;
            BeClientOf(pilot, dlg, QStringLiteral("127.0.0.1"));
        } else if (pilot.m_boxes.size() == 3) {
            ClickLater(pilot, dlg->m_btnCancel);
        }
    };
    w->ShowNetGame();
    QCOMPARE(pilot.m_boxes,
             (QStringList{"Connect successful!", "Server now is plaing.", "Connect closed"}));
    QCOMPARE(w->NetRole, 0u);
}

void TestNetSetup::connectedClientRemembersItsServerOnce()
{
    CWindowUnderTest w;
    CPilot pilot;
    CPeerServer server;
    QVERIFY(server.Listen());
    int connects = 0;
    pilot.m_onWindow = [&](QWidget* window) {
        auto* dlg = qobject_cast<CNetDlg*>(window);
        if (!dlg)
            return;
        if (connects < 2 && pilot.m_boxes.size() == connects) {
            ++connects;
            BeClientOf(pilot, dlg, QStringLiteral("127.0.0.1"));
        } else if (connects == 2 && pilot.m_boxes.size() == 2 && dlg->m_btnStart->isEnabled()) {
            ClickLater(pilot, dlg->m_btnStart);
        }
    };
    w->ShowNetGame();
    QCOMPARE(pilot.m_boxes, (QStringList{"Connect successful!", "Connect successful!"}));
    QCOMPARE(ServerList, std::vector<std::string>{"127.0.0.1"});
    QCOMPARE(CurServer, std::string("127.0.0.1"));
    QCOMPARE(w->NetRole, 2u);
    QCOMPARE(w->Waiting, 1u);
    QCOMPARE(w->windowTitle(), QStringLiteral("Tidebolt [ Client ]"));
    QVERIFY(w.IsChecked(ID_GAME_NETWORK));
    QVERIFY(!w.IsChecked(ID_GAME_COMPUTER));
}

void TestNetSetup::socketWithoutAWindowSaysSo()
{
    CPilot pilot;
    CNetSocket listener;
    QVERIFY(listener.Listen(NET_PORT));
    CPeer peer;
    peer.ConnectToGame();
    QTRY_VERIFY_WITH_TIMEOUT(pilot.m_boxes.contains(QStringLiteral("pdlg == NULL")), 5000);
}

void TestNetSetup::dialogTextsFitInBothLanguages_data()
{
    QTest::addColumn<bool>("english");
    QTest::newRow("English") << true;
    QTest::newRow("Russian") << false;
}

void TestNetSetup::dialogTextsFitInBothLanguages()
{
    QFETCH(bool, english);
    English = english ? 1 : 0;
    CNetDlg dlg;
    dlg.OnInitDialog();
    dlg.m_rbClient->click();
    dlg.show();
    const QList<QWidget*> texts{static_cast<QWidget*>(dlg.m_btnStart), dlg.m_btnCancel, dlg.m_btnConnect,
                                dlg.m_lblHost, dlg.m_lblAddress, dlg.m_lblServer, dlg.m_rbServer,
                                dlg.m_rbClient};
    for (QWidget* widget : texts) {
        QVERIFY2(widget->width() >= widget->sizeHint().width(), qPrintable(widget->objectName()));
        QVERIFY2(dlg.rect().contains(widget->geometry()), qPrintable(widget->objectName()));
    }
    // Nothing on one line runs into its neighbour.
    QVERIFY(dlg.m_lblHost->geometry().right() < dlg.m_editHost->geometry().left());
    QVERIFY(dlg.m_lblAddress->geometry().right() < dlg.m_editAddress->geometry().left());
    QVERIFY(dlg.m_editHost->geometry().right() < dlg.m_btnStart->geometry().left());
    QVERIFY(!dlg.m_editHost->text().isEmpty());
    QVERIFY(!dlg.m_btnStart->isEnabled());
}

QTEST_MAIN(TestNetSetup)
#include "tst_netsetup.moc"
