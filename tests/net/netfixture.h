#pragma once

// The main window on a profile of its own, a player who answers its windows
// as the test says, and the other machine played by the test in raw bytes.

#include "game/globals.h"
#include "game/player.h"
#include "net/netmsg.h"
#include "net/qt/netdlg.h"
#include "store/profile.h"
#include "store/qt/qsettingsprofile.h"
#include "store/settings.h"
#include "ui/gamedlg.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
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

// Every 10 ms: a modal message box is noted and closed with OK, any other
// modal window goes to m_onWindow. Actions run queued, so a window opened
// inside one never stops the pilot.
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
        Later([guard = QPointer<QMessageBox>(box)] { guard ? guard->done(QMessageBox::Ok) : void(); });
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

    bool Listen() { return m_server.listen(QHostAddress::Any, NET_PORT); }

    CPeerServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                m_onConnection ? m_onConnection(socket) : void(m_peer = std::make_unique<CPeer>(socket));
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
        GameInProgress = MyTurn = QueueEnabled = 0;
        PlayerOne.m_nWins = PlayerTwo.m_nWins = 0;
        PlayerTwo.SetName("");
        m_dlg = std::make_unique<CGameDlg>();
        m_dlg->m_bShowSplash = false;
        m_dlg->OnInitDialog();
        m_dlg->show();
    }

    ~CWindowUnderTest() { m_dlg.reset(), SetProfile(nullptr); }

    CGameDlg* operator->() const { return m_dlg.get(); }
    CGameDlg* get() const { return m_dlg.get(); }

    bool IsChecked(int id) const
    {
        for (const QAction* top : m_dlg->findChild<QMenuBar*>()->actions())
            for (const QAction* item : top->menu() ? top->menu()->actions() : QList<QAction*>{})
                if (item->data().toInt() == id)
                    return item->isChecked();
        return false;
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
inline void ConnectLater(CPilot& pilot, CNetDlg* dlg)
{
    pilot.Later([dlg] {
        dlg->m_rbClient->click();
        dlg->m_cbServer->setEditText(QStringLiteral("127.0.0.1"));
        dlg->m_btnConnect->click();
    });
}
