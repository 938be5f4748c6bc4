#include "ui/gamedlg.h"

#include "game/globals.h"
#include "net/netmsg.h"
#include "net/netqueue.h"
#include "net/qt/netdlg.h"
#include "net/qt/netlink.h"
#include "net/qt/netsocket.h"
#include "store/settings.h"
#include "ui/dialogids.h"

#include <QMessageBox>
#include <QMetaObject>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

namespace {
// Hands each record the dispatch thread takes to the window's thread. The
// window takes it only while delivery is still on; otherwise it goes back
// to the front of the queue, to come again once the dialog that turned
// delivery off has closed.
class CWindowPost : public INetPost {
public:
    CGameDlg* m_pWnd = nullptr;

    void Post(NetDelivery delivery) override
    {
        CGameDlg* wnd = m_pWnd;
        QMetaObject::invokeMethod(
            wnd,
            [wnd, delivery = std::move(delivery)] {
                if (!NetQueue.Take(delivery))
                    return;
                wnd->OnNetCommand(delivery.commandId, delivery.block);
                NetQueue.Done(delivery);
            },
            Qt::QueuedConnection);
    }
};

CWindowPost s_post;

// A peer we cannot serve gets the busy message and is let go; the socket
// goes away once the bytes are out, or after a while if the peer lingers.
void TurnAway(QTcpSocket* socket, QObject* owner)
{
    socket->setParent(owner);
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    const std::vector<unsigned char> busy = MakeSignalMsg(NET_BUSY);
    socket->write(reinterpret_cast<const char*>(busy.data()), static_cast<qint64>(busy.size()));
    socket->disconnectFromHost();
    QPointer<QTcpSocket> guard(socket);
    QTimer::singleShot(5000, owner, [guard] {
        if (guard) {
            guard->abort();
            guard->deleteLater();
        }
    });
}
} // namespace

void ShowNetBox(QWidget* owner, int icon, const char* english, const char* russian)
{
    QMessageBox box(static_cast<QMessageBox::Icon>(icon), QStringLiteral("Tidebolt"),
                    QString::fromUtf8(English ? english : russian), QMessageBox::Ok, owner);
    box.exec();
}

void EndNetPlay(CGameDlg& wnd)
{
    wnd.Disconnect();
    GameInProgress = 0;
    wnd.NetRole = 0;
    wnd.TallyReset = 1;
    // The wait for the partner held Busy; with the partner gone F1-F3 work again.
    if (wnd.Waiting)
        wnd.Busy = 0;
    wnd.Waiting = 0;
    wnd.Redraw();
    wnd.UpdateModeUI();
    wnd.UpdateCursor();
}

void CGameDlg::StartNetDispatch()
{
    if (NetQueue.IsRunning())
        return;
    s_post.m_pWnd = this;
    NetQueue.Clear();
    NetQueue.Start(&s_post);
}

void CGameDlg::StopNetDispatch()
{
    if (s_post.m_pWnd != this)
        return;
    NetQueue.Stop();
    NetQueue.Clear();
    s_post.m_pWnd = nullptr;
}

void CGameDlg::SendSignal(int type)
{
    SendBytes(MakeSignalMsg(static_cast<unsigned char>(type)));
}

void CGameDlg::SendBytes(const std::vector<unsigned char>& bytes)
{
    // A lost connection shows itself through the close notification only.
    if (m_connSocket)
        m_connSocket->Send(bytes);
}

void CGameDlg::OnSocketReceive()
{
    if (!m_connSocket)
        return;
    const std::vector<unsigned char> bytes = m_connSocket->ReceiveAll();
    std::vector<NETMSG> records;
    const NetParseResult result = m_connSocket->Parser().Feed(bytes, records);
    for (const NETMSG& rec : records) {
        if (NetQueue.Append(rec))
            continue;
        // Thousands of messages waiting: no game sends that many, the peer
        // is flooding us. Treat it as the connection it no longer is.
        ShowNetBox(this, QMessageBox::Warning, "Connect closed", "Соединение разорвано");
        EndNetPlay(*this);
        return;
    }
    if (result != NetParseResult::Busy)
        return;
    // Only a server turns anyone away; from our own client it means nothing.
    if (m_listenSocket && m_listenSocket->IsListening())
        return;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tidebolt"), QStringLiteral("Server now is plaing."),
                    QMessageBox::Ok, this);
    box.exec();
    // The server closes such a connection itself; one that stays and says it
    // again must not cover the window with the same notice.
    if (m_connSocket->IsConnected()) {
        m_connSocket->Close();
        OnSocketClose();
    }
}

void CGameDlg::OnSocketAccept()
{
    if (!m_listenSocket || !m_connSocket)
        return;
    if (!Connected) {
        if (!m_connSocket->Accept(*m_listenSocket))
            return;
        NetQueue.Clear();
        Connected = 1;
        TallyReset = 1;
        FlashIfInactive();
        CNetSocket::CHold hold(m_connSocket.get());
        if (m_pNetDlg)
            m_pNetDlg->OnClientConnected();
        return;
    }
    if (QTcpSocket* extra = m_listenSocket->TakePending())
        TurnAway(extra, this);
}

void CGameDlg::OnSocketClose()
{
    if (m_pNetDlg)
        m_pNetDlg->OnConnectionClosed();
    else
        ShowNetBox(this, QMessageBox::Warning, "Connect closed", "Соединение разорвано");
    EndNetPlay(*this);
}

void CGameDlg::Disconnect()
{
    Connected = 0;
    NetRole = 0;
    if (m_connSocket)
        m_connSocket->Close();
    if (m_listenSocket)
        m_listenSocket->Close();
    QueueEnabled = 0;
    // Nothing of this connection may reach a later game.
    NetQueue.Clear();
}

void CGameDlg::ShowNetGame()
{
    CNetDlg dlg(this);
    dlg.m_pConnSocket = m_connSocket.get();
    dlg.m_pListenSocket = m_listenSocket.get();
    dlg.m_pGameDlg = this;
    m_pNetDlg = &dlg;
    const std::uint32_t roleBefore = NetRole;
    const std::uint32_t connectionBefore = m_connSocket ? m_connSocket->Serial() : 0;
    const std::uint32_t deliveryBefore = QueueEnabled;
    NetRole = 3;
    // What the partner sends while the dialog is open waits for its end.
    QueueEnabled = 0;
    const int result = dlg.DoModal();
    m_pNetDlg = nullptr;

    if (result == IDOK && dlg.m_nType >= 0 && m_connSocket && m_connSocket->IsConnected()) {
        NetRole = static_cast<std::uint32_t>(dlg.m_nType + 1);
        if (NetRole == 2) {
            TallyReset = 1;
            Waiting = 1;
            Redraw();
            CurServer = dlg.m_strServer.toStdString();
        }
        UpdateModeUI();
        QueueEnabled = 1;
        if (NetRole != 2)
            NewGame();
        return;
    }
    if (roleBefore == 0) {
        Disconnect();
        UpdateModeUI();
        return;
    }
    // A game was running: it goes on if the dialog left its connection
    // alone, and otherwise the player is back with the computer.
    const bool sameConnection = m_connSocket && m_connSocket->IsConnected() &&
                                m_connSocket->Serial() == connectionBefore;
    NetRole = roleBefore;
    if (sameConnection) {
        QueueEnabled = deliveryBefore;
        UpdateModeUI();
        return;
    }
    GameWithComputer();
}
