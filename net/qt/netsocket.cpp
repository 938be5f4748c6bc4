#include "net/qt/netsocket.h"

#include "ui/gamedlg.h"

#include <QApplication>
#include <QEventLoop>
#include <QHostAddress>
#include <QMessageBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

CNetSocket::CNetSocket(QObject* parent) : QObject(parent) {}

CNetSocket::~CNetSocket()
{
    Close();
}

bool CNetSocket::Listen(std::uint16_t port)
{
    Close();
    m_server = new QTcpServer(this);
    connect(m_server, &QTcpServer::newConnection, this, [this] {
        // One notification per waiting peer; stop when a handler leaves one
        // behind so a careless handler cannot spin here.
        while (HasPending()) {
            const std::uint32_t taken = m_nTaken;
            OnAccept(0);
            if (m_nTaken == taken)
                break;
        }
    });
    return m_server->listen(QHostAddress::AnyIPv4, port);
}

bool CNetSocket::Connect(const QString& host, std::uint16_t port, int timeoutMs)
{
    Close();
    auto* socket = new QTcpSocket(this);
    QEventLoop wait;
    QTimer timer;
    timer.setSingleShot(true);
    connect(socket, &QTcpSocket::connected, &wait, &QEventLoop::quit);
    connect(socket, &QTcpSocket::errorOccurred, &wait, &QEventLoop::quit);
    connect(&timer, &QTimer::timeout, &wait, &QEventLoop::quit);
    socket->connectToHost(host, port);
    timer.start(timeoutMs);
    if (socket->state() != QAbstractSocket::ConnectedState &&
        socket->state() != QAbstractSocket::UnconnectedState)
        wait.exec();
    if (socket->state() != QAbstractSocket::ConnectedState) {
        socket->abort();
        socket->deleteLater();
        return false;
    }
    Adopt(socket);
    return true;
}

bool CNetSocket::HasPending() const
{
    return m_server && m_server->hasPendingConnections();
}

QTcpSocket* CNetSocket::TakePending()
{
    if (!HasPending())
        return nullptr;
    ++m_nTaken;
    return m_server->nextPendingConnection();
}

bool CNetSocket::Accept(CNetSocket& listener)
{
    QTcpSocket* socket = listener.TakePending();
    if (!socket)
        return false;
    Close();
    socket->setParent(this);
    Adopt(socket);
    return true;
}

void CNetSocket::Adopt(QTcpSocket* socket)
{
    m_socket = socket;
    m_parser.Reset();
    m_bCloseNotified = false;
    ++m_nSerial;
    connect(socket, &QTcpSocket::readyRead, this, [this] { NotifyReceive(); });
    connect(socket, &QTcpSocket::disconnected, this, [this] { NotifyClose(); });
    connect(socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) {
        if (m_socket && m_socket->state() == QAbstractSocket::UnconnectedState)
            NotifyClose();
    });
    // Bytes that came before we listened would otherwise wait for the next.
    if (socket->bytesAvailable() > 0)
        QTimer::singleShot(0, this, [this, socket] {
            if (m_socket == socket)
                NotifyReceive();
        });
}

void CNetSocket::NotifyReceive()
{
    if (m_nHold > 0) {
        m_bReceiveWaiting = true;
        return;
    }
    CHold hold(this);
    OnReceive(0);
}

void CNetSocket::NotifyClose()
{
    // A broken connection can report itself twice (error, then disconnected).
    if (m_bCloseNotified)
        return;
    m_bCloseNotified = true;
    if (m_nHold > 0) {
        m_bCloseWaiting = true;
        return;
    }
    OnClose(0);
}

void CNetSocket::Release()
{
    if (--m_nHold > 0)
        return;
    // What came meanwhile, in the order it happened: the bytes before the end.
    if (m_bReceiveWaiting) {
        m_bReceiveWaiting = false;
        if (m_socket)
            NotifyReceive();
        if (m_nHold > 0)
            return;
    }
    if (m_bCloseWaiting) {
        m_bCloseWaiting = false;
        OnClose(0);
    }
}

void CNetSocket::Drop()
{
    if (m_socket) {
        QTcpSocket* socket = m_socket;
        m_socket = nullptr;
        socket->disconnect(this);
        socket->abort();
        // It may be the very socket whose signal runs us.
        socket->deleteLater();
    }
    if (m_server) {
        QTcpServer* server = m_server;
        m_server = nullptr;
        server->disconnect(this);
        server->close();
        server->deleteLater();
    }
}

void CNetSocket::Close()
{
    Drop();
    m_parser.Reset();
    // A closed socket has nothing more to say.
    m_bReceiveWaiting = false;
    m_bCloseWaiting = false;
}

bool CNetSocket::IsListening() const
{
    return m_server && m_server->isListening();
}

bool CNetSocket::IsConnected() const
{
    return m_socket && m_socket->state() == QAbstractSocket::ConnectedState;
}

void CNetSocket::Send(const std::vector<unsigned char>& bytes)
{
    if (!IsConnected() || bytes.empty())
        return;
    m_socket->write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    m_socket->flush();
}

std::vector<unsigned char> CNetSocket::ReceiveAll()
{
    if (!m_socket)
        return {};
    const QByteArray data = m_socket->readAll();
    return std::vector<unsigned char>(data.begin(), data.end());
}

static void ShowNoWindow()
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tidebolt"), QStringLiteral("pdlg == NULL"),
                    QMessageBox::Ok);
    box.exec();
}

void CNetSocket::OnReceive(int)
{
    if (!pdlg) {
        ShowNoWindow();
        return;
    }
    pdlg->OnSocketReceive();
}

void CNetSocket::OnAccept(int)
{
    if (!pdlg) {
        ShowNoWindow();
        return;
    }
    pdlg->OnSocketAccept();
}

void CNetSocket::OnClose(int)
{
    if (!pdlg) {
        ShowNoWindow();
        return;
    }
    pdlg->OnSocketClose();
}
