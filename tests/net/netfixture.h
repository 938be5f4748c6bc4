#pragma once

// The main window on a profile of its own, a player who answers its windows
// as the test says, and the other machine played by the test in raw bytes.

#include "game/globals.h"
#include "game/player.h"
#include "net/netsession.h"
#include "net/qt/netconnection.h"
#include "store/qt/qsettingsprofile.h"
#include "store/settings.h"
#include "support/gamewindow.h"
#include "support/privatenet.h"
#include "ui/gamedlg.h"
#include "ui/namedlg.h"
#include "ui/netdlg.h"
#include "ui/resultdlg.h"
#include "wirebytes.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <utility>

// Network tests take a loopback of their own when they can: port 2004 is
// the same for every test run on the machine.
#define TIDEBOLT_NET_TEST_MAIN(TestObject)                 \
    int main(int argc, char* argv[])                       \
    {                                                      \
        EnterPrivateNetwork();                             \
        QApplication app(argc, argv);                      \
        TestObject test;                                   \
        return QTest::qExec(&test, argc, argv);            \
    }

// Every 10 ms: a modal message box is noted and answered (Yes where it
// asks, OK otherwise), any other modal window goes to m_onWindow. Actions
// run queued, so a window opened inside one never stops the pilot.
class CPilot : public QObject {
public:
    QStringList m_boxes;   // message box texts, in the order they came
    std::function<void(QWidget*)> m_onWindow;

    CPilot()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { Tick(); });
        m_timer.start(10);
    }

    void Later(std::function<void()> act)
    {
        m_bPending = true;
        QTimer::singleShot(0, this, [this, act] { m_bPending = false, act(); });
    }

private:
    void Tick()
    {
        QWidget* window = QApplication::activeModalWidget();
        if (!window || m_bPending || !window->isVisible())
            return;
        auto* box = qobject_cast<QMessageBox*>(window);
        if (!box && m_onWindow)
            return m_onWindow(window);
        if (!box || m_lastBox == box)
            return;
        m_lastBox = box;
        m_boxes << box->text();
        const auto answer = box->button(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
        Later([guard = QPointer<QMessageBox>(box), answer] { guard ? guard->done(answer) : void(); });
    }

    QTimer m_timer;
    bool m_bPending = false;
    QPointer<QMessageBox> m_lastBox;
};

// The other machine, speaking the wire bytes through a plain socket.
class CPeer : public QObject {
public:
    QTcpSocket* m_socket = nullptr;
    QByteArray m_received;
    bool m_bClosed = false;
    std::function<void()> m_onData;

    explicit CPeer(QTcpSocket* socket = nullptr) : m_socket(socket ? socket : new QTcpSocket)
    {
        m_socket->setParent(this);
        connect(m_socket, &QTcpSocket::readyRead, this, [this] {
            m_received += m_socket->readAll();
            if (m_onData)
                m_onData();
        });
        connect(m_socket, &QTcpSocket::disconnected, this, [this] { m_bClosed = true; });
    }

    void ConnectToGame() { m_socket->connectToHost(QStringLiteral("127.0.0.1"), NET_PORT); }
    void Send(const QByteArray& bytes) { m_socket->write(bytes), m_socket->flush(); }
    bool IsConnected() const { return m_socket->state() == QAbstractSocket::ConnectedState; }
};

// A server played by the test: the program's connection becomes m_peer unless m_onConnection takes it.
class CPeerServer : public QObject {
public:
    QTcpServer m_server;
    std::unique_ptr<CPeer> m_peer;
    std::function<void(QTcpSocket*)> m_onConnection;
    int m_nConnections = 0;

    bool Listen() { return m_server.listen(QHostAddress::Any, NET_PORT); }

    CPeerServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                ++m_nConnections;
                m_onConnection ? m_onConnection(socket) : void(m_peer = std::make_unique<CPeer>(socket));
            }
        });
    }
};

// The main window on a fresh profile, shown, with no game running.
class CWindowUnderTest {
public:
    explicit CWindowUnderTest(bool english = true, bool tradition = true)
    {
        const QString ini = m_dir.filePath(QStringLiteral("Tidebolt.ini"));
        QSettings(ini, QSettings::IniFormat).setValue("Options/CompDelay", 0);
        QSettings(ini, QSettings::IniFormat).setValue("Options/English", int(english));
        QSettings(ini, QSettings::IniFormat).setValue("Options/Tradition", int(tradition));
        m_profile = std::make_unique<CQSettingsProfile>(ini);
        SetProfile(m_profile.get());
        GameInProgress = MyTurn = 0;
        PlayerOne.m_nWins = PlayerTwo.m_nWins = 0;
        PlayerTwo.SetName("");
        m_dlg = std::make_unique<CGameDlg>();
        m_dlg->SkipSplash();
        m_dlg->OnInitDialog();
        m_dlg->show();
    }

    ~CWindowUnderTest() { m_dlg.reset(), SetProfile(nullptr); }

    CGameDlg* operator->() const { return m_dlg.get(); }
    CGameDlg* get() const { return m_dlg.get(); }

    // The records table as a player reads it.
    QStringList Records() const
    {
        const CRecordTable& table = m_dlg->Records();
        QStringList rows;
        for (int i = 0; i < table.GetCount(); ++i)
            rows << QStringLiteral("%1 %2 %3 %4").arg(QString::fromStdString(table.GetName(i)))
                        .arg(table.GetWins(i)).arg(table.GetLosses(i)).arg(table.GetScore(i));
        return rows;
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CQSettingsProfile> m_profile;
    std::unique_ptr<CGameDlg> m_dlg;
};

inline void ClickLater(CPilot& pilot, QAbstractButton* button)
{
    pilot.Later([guard = QPointer<QAbstractButton>(button)] { guard ? guard->click() : void(); });
}

// The player picks "client" and connects to this machine.
inline void ConnectLater(CPilot& pilot, CNetDlg* dlg, const QString& server = QStringLiteral("127.0.0.1"))
{
    pilot.Later([dlg, server] {
        dlg->m_rbClient->click();
        dlg->m_cbServer->setEditText(server);
        dlg->m_btnConnect->click();
    });
}

inline QByteArray ChatBytes(const QByteArray& body)
{
    return Bytes(MakeExtMsg(NET_EXT_CHAT, body.toStdString()));
}

inline QByteArray ShotBytes(int cell)
{
    return Bytes(MakeShotMsg(cell / BOARD_SIZE, cell % BOARD_SIZE));
}

inline QByteArray OpeningBytes(const char* name, const char* picture = StandardFleetPicture())
{
    const std::vector<unsigned char> cells = Exported(FleetCodes(picture));
    return Bytes(MakeFleetMsg(cells.data())) + Bytes(MakeNameMsg(name)) + Bytes(MakeSignalMsg(NET_READY));
}

// Every deck of our fleet as the partner's shots; with the rule on each
// hit keeps the partner's turn.
inline QByteArray Volley()
{
    QByteArray volley;
    for (int i = 0; i < BOARD_CELLS; ++i)
        if (PlayerOne.m_fleet[i] == CELL_SHIP)
            volley += ShotBytes(i);
    return volley;
}

// The window in a battle, with the other machine at the end of Peer().
class CBattle {
public:
    CWindowUnderTest w;
    CPilot pilot;

    virtual ~CBattle() = default;
    virtual bool Start() = 0;
    virtual CPeer& Peer() = 0;
    // Everything a player would see change if a stray message acted, as
    // text so that a difference shows in the failure.
    QString State() const
    {
        const auto hex = [](const signed char* cells) { return QByteArray((const char*)cells, BOARD_CELLS).toHex(); };
        return QStringLiteral("battle %1 turn %2 waiting %3 role %4 connected %5 rival %6 records [%7] notices [%8] ours %9 theirs %10")
            .arg(GameInProgress).arg(MyTurn).arg(w->Session().ShowsWait()).arg(int(w->NetRole()))
            .arg(w->Connection().IsConnected())
            .arg(QString::fromStdString(PlayerTwo.GetName()), w.Records().join(';'),
                 pilot.m_boxes.join(';'), QString::fromLatin1(hex(PlayerOne.m_fleet)), QString::fromLatin1(hex(PlayerTwo.m_fleet)));
    }

    // Hands the turn to the partner with a shot into open water (row 9 of
    // the standard fleet has none of its ships).
    void PassTheTurn()
    {
        for (int col = 9; col >= 0 && MyTurn; --col)
            if (PlayerTwo.m_view[90 + col] == CELL_WATER)
                QTest::mouseClick(w->ClientArea(), Qt::LeftButton, {}, CellCentre(*w.get(), PlayerTwo, 90 + col));
    }
    // The partner misses, so the turn is ours.
    bool TakeTheTurn()
    {
        if (!MyTurn)
            Peer().Send(ShotBytes(OpenWater()));
        return QTest::qWaitFor([] { return MyTurn != 0; }, 5000);
    }
    // A water cell of our own board not yet shot at.
    int OpenWater() const
    {
        for (int i = BOARD_CELLS - 1; i >= 0; --i)
            if (PlayerOne.m_fleet[i] == CELL_WATER)
                return i;
        return -1;
    }
    bool EndedWithConnectClosed() const
    {
        return w->NetRole() == ENetRole::Computer && !GameInProgress && pilot.m_boxes.contains(QStringLiteral("Connect closed"));
    }
    // Waits until all the peer has sent is received and acted on.
    bool Drained()
    {
        const bool sent = QTest::qWaitFor([this] { return Peer().m_socket->bytesToWrite() == 0; }, 20000);
        QTest::qWait(100);   // the bytes' way into the queue
        const bool read = QTest::qWaitFor([this] { return w->Connection().Waiting() == 0; }, 20000);
        QTest::qWait(60);    // the last record's pass
        return sent && read;
    }

protected:
    // A battle not begun in 15 s (port 2004 taken, say) closes whatever
    // window waits, so the test fails instead of hanging.
    void OpenNetGame()
    {
        QElapsedTimer clock;
        clock.start();
        QTimer deadline;
        QObject::connect(&deadline, &QTimer::timeout, [&clock] {
            if (QWidget* window = QApplication::activeModalWidget(); window && clock.elapsed() > 15000)
                window->close();
        });
        deadline.start(1000);
        w->ShowNetGame();
    }
    void AnswerNamesAndResults(QWidget* window)
    {
        if (auto* names = qobject_cast<CNameDlg*>(window))
            ClickLater(pilot, names->findChild<QPushButton*>(QStringLiteral("IDOK")));
        else if (auto* result = qobject_cast<CResultDlg*>(window))
            ClickLater(pilot, result->m_btnOK);
    }
    static bool BattleBegins() { return QTest::qWaitFor([] { return GameInProgress != 0; }, 5000); }
};

// This program as server; the test's client answers the first new game
// with the standard fleet under the name "Rival".
class CServerBattle : public CBattle {
public:
    CPeer client;
    // The test's client is a copy of this game: it signs as it connects.
    bool m_bSigns = false;

    CServerBattle()
    {
        client.m_onData = [this] {
            QByteArray heard = client.m_received;
            if (m_bSigns)
                heard.replace(Bytes(MakeSignMsg()), QByteArray());
            if (heard == Bytes({NET_NEW_GAME, 0}))
                client.Send(OpeningBytes("Rival"));
        };
        QObject::connect(client.m_socket, &QTcpSocket::connected, [this] {
            if (m_bSigns)
                client.Send(Bytes(MakeSignMsg()));
        });
        pilot.m_onWindow = [this](QWidget* window) {
            AnswerNamesAndResults(window);
            auto* dlg = qobject_cast<CNetDlg*>(window);
            if (dlg && !dlg->m_rbServer->isChecked())
                ClickLater(pilot, dlg->m_rbServer);
            else if (dlg && w->Connection().IsListening() && client.m_socket->state() == QAbstractSocket::UnconnectedState)
                client.ConnectToGame();
            else if (dlg && dlg->m_btnStart->isEnabled())
                ClickLater(pilot, dlg->m_btnStart);
        };
    }
    bool Start() override
    {
        OpenNetGame();
        return BattleBegins();
    }
    CPeer& Peer() override { return client; }
};

// This program as client of the test's server, which opens a game with
// the rule on, lets the client shoot first, and sends its set-up while the
// client's name dialog is open.
class CClientBattle : public CBattle {
public:
    CPeerServer host;

    CClientBattle()
    {
        pilot.m_onWindow = [this](QWidget* window) {
            if (auto* names = qobject_cast<CNameDlg*>(window); names && !std::exchange(m_bSetUpSent, true)) {
                host.m_peer->Send(Bytes({NET_TRADITION, 1, 0}) + OpeningBytes("Host"));
                QTimer::singleShot(200, names, [this, names] { ClickLater(pilot, names->findChild<QPushButton*>(QStringLiteral("IDOK"))); });
                return;
            }
            AnswerNamesAndResults(window);
            auto* dlg = qobject_cast<CNetDlg*>(window);
            if (dlg && !std::exchange(m_bAsked, true))
                ConnectLater(pilot, dlg);
            else if (dlg && dlg->m_btnStart->isEnabled() && !pilot.m_boxes.isEmpty())
                ClickLater(pilot, dlg->m_btnStart);
        };
    }
    bool Start() override
    {
        if (!host.Listen())
            return false;
        OpenNetGame();
        if (!host.m_peer || w->NetRole() != ENetRole::Client)
            return false;
        host.m_peer->Send(Bytes({NET_NEW_GAME, 0}));
        return BattleBegins();
    }
    CPeer& Peer() override { return *host.m_peer; }

private:
    bool m_bAsked = false, m_bSetUpSent = false;
};
