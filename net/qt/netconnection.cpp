#include "net/qt/netconnection.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <chrono>

#ifdef __linux__
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#endif

namespace {
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

// Stops a socket from talking to us and lets it go; it may be the very
// socket whose signal runs us, so it is deleted later.
void Discard(QTcpSocket* socket, QObject* listener)
{
    if (!socket)
        return;
    socket->disconnect(listener);
    socket->abort();
    socket->deleteLater();
}
} // namespace

CNetConnection::CNetConnection(QObject* parent) : QObject(parent)
{
    m_pass.setSingleShot(true);
    connect(&m_pass, &QTimer::timeout, this, &CNetConnection::Pump);
    m_attemptTimer.setSingleShot(true);
    connect(&m_attemptTimer, &QTimer::timeout, this, [this] { FinishAttempt(false); });
}

CNetConnection::~CNetConnection()
{
    Close();
}

bool CNetConnection::Listen(std::uint16_t port)
{
    if (m_listenSocket) {
        m_listenSocket->close();
        m_listenSocket->deleteLater();
    }
    m_listenSocket = new QTcpServer(this);
    connect(m_listenSocket, &QTcpServer::newConnection, this, &CNetConnection::OnNewConnection);
    return m_listenSocket->listen(QHostAddress::AnyIPv4, port);
}

void CNetConnection::OnNewConnection()
{
    while (m_listenSocket && m_listenSocket->hasPendingConnections()) {
        QTcpSocket* socket = m_listenSocket->nextPendingConnection();
        if (Connected) {
            TurnAway(socket, this);
            continue;
        }
        Connected = true;
        Adopt(socket, false);
        CHold hold(*this);
        emit connected();
    }
}

bool CNetConnection::Connect(const QString& host, std::uint16_t port, int timeoutMs)
{
    // One attempt at a time: a second one could connect too, and the
    // orphan's later close would end the good connection.
    if (m_attempt)
        return false;
    DropSocket();
    m_attempt = new QTcpSocket(this);
    // Queued, so that an attempt that fails at once still reports after
    // this call has returned.
    connect(m_attempt, &QTcpSocket::connected, this, [this] { FinishAttempt(true); }, Qt::QueuedConnection);
    connect(m_attempt, &QTcpSocket::errorOccurred, this, [this] { FinishAttempt(false); }, Qt::QueuedConnection);
    m_attempt->connectToHost(host, port);
    m_attemptTimer.start(timeoutMs);
    return true;
}

void CNetConnection::FinishAttempt(bool ok)
{
    QTcpSocket* socket = m_attempt;
    if (!socket)
        return;   // a late signal of an attempt already decided
    m_attempt = nullptr;
    m_attemptTimer.stop();
    socket->disconnect(this);
    if (!ok || socket->state() != QAbstractSocket::ConnectedState) {
        Discard(socket, this);
        CHold hold(*this);
        emit connectFailed();
        return;
    }
    Adopt(socket, true);
    CHold hold(*this);
    emit connected();
}

void CNetConnection::Adopt(QTcpSocket* socket, bool asClient)
{
    m_connSocket = socket;
    socket->setParent(this);
    m_bClient = asClient;
    m_parser.Reset();
    m_netQueue.Clear();
    m_bBusyPending = m_bBusyShown = m_bClosePending = false;
    ++m_nSerial;
    SetKeepAlive(socket);
    connect(socket, &QTcpSocket::readyRead, this, &CNetConnection::OnReadyRead);
    connect(socket, &QTcpSocket::disconnected, this, &CNetConnection::OnSocketGone);
    connect(socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) {
        if (m_connSocket && m_connSocket->state() == QAbstractSocket::UnconnectedState)
            OnSocketGone();
    });
    // Bytes that came before we listened would otherwise wait for the next.
    if (socket->bytesAvailable() > 0)
        QTimer::singleShot(0, this, [this, guard = QPointer<QTcpSocket>(socket)] {
            if (guard && guard == m_connSocket)
                OnReadyRead();
        });
}

// A partner whose machine went off or lost its cable says nothing; without
// probes we would wait for its shot for ever.
void CNetConnection::SetKeepAlive(QTcpSocket* socket) const
{
    socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
#ifdef __linux__
    const int fd = static_cast<int>(socket->socketDescriptor());
    if (fd < 0)
        return;
    const int idle = m_keepAlive.idleSeconds;
    const int interval = m_keepAlive.intervalSeconds;
    const int probes = m_keepAlive.probes;
    // Unanswered data (our shot to a partner who vanished) gives up as soon.
    const unsigned int userTimeoutMs = static_cast<unsigned int>((idle + interval * probes) * 1000);
    setsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &idle, sizeof idle);
    setsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &interval, sizeof interval);
    setsockopt(fd, IPPROTO_TCP, TCP_KEEPCNT, &probes, sizeof probes);
    setsockopt(fd, IPPROTO_TCP, TCP_USER_TIMEOUT, &userTimeoutMs, sizeof userTimeoutMs);
#endif
}

bool CNetConnection::TakeBytes()
{
    // A slice at a time: a flood of small extension messages never piles up
    // more than a slice's worth before it is handed on.
    constexpr qint64 SLICE = 64 * 1024;
    while (m_connSocket && m_connSocket->bytesAvailable() > 0) {
        const QByteArray bytes = m_connSocket->read(SLICE);
        std::vector<NETMSG> records;
        std::vector<CNetExtMsg> extensions;
        const NetParseResult result = m_parser.Feed(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                                    static_cast<std::size_t>(bytes.size()), records, &extensions);
        for (const CNetExtMsg& msg : extensions)
            emit extension(msg);
        for (const NETMSG& rec : records) {
            // Thousands of messages waiting: no game sends that many.
            if (!m_netQueue.Append(rec))
                return false;
        }
        if (result != NetParseResult::Busy)
            continue;
        // The rest of what came with the busy signal is dropped. Only a
        // server turns anyone away; from our own client it means nothing.
        // The server closes such a connection itself.
        m_connSocket->readAll();
        if (m_bClient && !m_bBusyShown)
            m_bBusyShown = m_bBusyPending = true;
        break;
    }
    return true;
}

void CNetConnection::OnReadyRead()
{
    if (!m_connSocket)
        return;
    if (!TakeBytes()) {
        // A peer that floods us is the connection it no longer is.
        DropSocket();
        m_netQueue.Clear();
        m_bClosePending = true;
        AnnounceGone();
    }
    Schedule();
}

void CNetConnection::OnSocketGone()
{
    if (!m_connSocket)
        return;
    // What came just before the end still counts.
    if (!TakeBytes())
        m_netQueue.Clear();
    DropSocket();
    m_bClosePending = true;
    AnnounceGone();
    Schedule();
}

// Unlike the close, this news jumps the queue and any hold: a player naming
// or choosing a role must hear it while still in that window. Still from the
// event loop, and only while no later connection has been taken up.
void CNetConnection::AnnounceGone()
{
    QTimer::singleShot(0, this, [this, serial = m_nSerial] {
        if (serial == m_nSerial)
            emit gone();
    });
}

void CNetConnection::DropSocket()
{
    QTcpSocket* socket = m_connSocket;
    m_connSocket = nullptr;
    Discard(socket, this);
    m_parser.Reset();
}

void CNetConnection::Close()
{
    if (QTcpSocket* attempt = m_attempt) {
        m_attempt = nullptr;
        m_attemptTimer.stop();
        Discard(attempt, this);
    }
    DropSocket();
    if (m_listenSocket) {
        m_listenSocket->disconnect(this);
        m_listenSocket->close();
        m_listenSocket->deleteLater();
        m_listenSocket = nullptr;
    }
    Connected = false;
    // Nothing of this connection may reach a later game.
    m_netQueue.Clear();
    m_bBusyPending = m_bBusyShown = m_bClosePending = false;
    m_bQueueEnabled = false;
    m_pass.stop();
    ++m_nSerial;
}

bool CNetConnection::IsListening() const
{
    return m_listenSocket && m_listenSocket->isListening();
}

bool CNetConnection::IsConnected() const
{
    return m_connSocket && m_connSocket->state() == QAbstractSocket::ConnectedState;
}

void CNetConnection::Send(const std::vector<unsigned char>& bytes)
{
    // A lost connection shows itself through the close alone.
    if (!IsConnected() || bytes.empty())
        return;
    m_connSocket->write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    m_connSocket->flush();
}

void CNetConnection::EnableQueue(bool on)
{
    m_bQueueEnabled = on;
    if (on)
        Schedule();
}

void CNetConnection::Release()
{
    if (--m_nHold == 0)
        Schedule();
}

// What was received or released is handed over from the event loop, never
// inside whoever called: a handler that opens a dialog must not run inside
// the socket's own notice, which the socket does not repeat meanwhile, nor
// inside code that has its own step of the game to finish first.
void CNetConnection::Schedule()
{
    if (m_nHold == 0)
        m_pass.start(0);
}

// Hands over whatever may go now: the busy notice, the front record when
// delivery is on and a pass has gone by since the last, and the close once
// nothing that came before it waits. Runs from the event loop when a hold
// ends, delivery is switched on, bytes arrive or the pass is over; idle, it
// sleeps.
void CNetConnection::Pump()
{
    m_pass.stop();
    if (m_nHold > 0)
        return;
    if (m_bBusyPending) {
        m_bBusyPending = false;
        CHold hold(*this);
        emit partnerBusy();
        return;
    }
    if (!m_netQueue.Empty()) {
        if (!m_bQueueEnabled)
            return;
        const CNetQueue::Clock::time_point now = CNetQueue::Clock::now();
        const CNetQueue::Clock::duration wait = m_netQueue.Wait(now);
        if (wait > CNetQueue::Clock::duration::zero()) {
            m_pass.start(std::chrono::ceil<std::chrono::milliseconds>(wait));
            return;
        }
        const NETMSG rec = m_netQueue.Take(now);
        CHold hold(*this);
        emit message(rec);
        return;
    }
    if (m_bClosePending) {
        m_bClosePending = false;
        CHold hold(*this);
        emit closed();
    }
}
