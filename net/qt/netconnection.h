#pragma once

#include "net/netmsg.h"
#include "net/netqueue.h"
#include "net/netsession.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <vector>

class QTcpServer;
class QTcpSocket;

// The game's one TCP connection and everything that keeps it: the server's
// listener and the turn-away of a second client, the client's attempt to
// connect, the parse of the stream and the queue of received records, which
// go to the window one at a time, a pass apart, only while delivery is on.
// It never opens a window itself: it says what happened by its signals.
class CNetConnection : public QObject, public INetLink {
    Q_OBJECT
public:
    // How long a silent partner is given. The partner's machine answers
    // these probes even while its player thinks, so only a machine that is
    // off or cut off fails them.
    struct CKeepAlive {
        int idleSeconds = 10;
        int intervalSeconds = 5;
        int probes = 4;
    };

    explicit CNetConnection(QObject* parent = nullptr);
    ~CNetConnection() override;

    // Server: listens on every local address; false when the port is taken.
    bool Listen(std::uint16_t port);
    // Client: starts one attempt; connected() or connectFailed() follows.
    // Refused while an attempt runs.
    bool Connect(const QString& host, std::uint16_t port, int timeoutMs = CONNECT_TIMEOUT_MS);
    // Listener, connection and attempt closed, and what they left behind
    // forgotten. Closing locally raises no signal.
    void Close();

    bool IsListening() const;
    bool IsConnected() const;
    bool IsConnecting() const { return m_attempt != nullptr; }
    // The server has taken its one client; every other is turned away.
    bool Connected = false;
    // Changes whenever a new connection is taken up.
    std::uint32_t Serial() const { return m_nSerial; }

    void Send(const std::vector<unsigned char>& bytes) override;

    // Delivery of received records to the window.
    void EnableQueue(bool on);
    bool QueueEnabled() const { return m_bQueueEnabled; }
    std::size_t Waiting() const { return m_netQueue.Size(); }
    std::size_t Unparsed() const { return m_parser.Pending(); }

    CKeepAlive m_keepAlive;
    static constexpr int CONNECT_TIMEOUT_MS = 10000;

    // While held, nothing is delivered and no notice is raised; they come
    // afterwards, in their order. A notice the player is reading is never
    // covered by the next, and no handler runs inside another.
    class CHold {
    public:
        explicit CHold(CNetConnection& net) : m_net(net) { ++m_net.m_nHold; }
        ~CHold() { m_net.Release(); }
        CHold(const CHold&) = delete;
        CHold& operator=(const CHold&) = delete;

    private:
        CNetConnection& m_net;
    };

signals:
    void connected();
    void connectFailed();
    void message(const NETMSG& rec);
    // The partner's sign or an extension message, at once as it is read:
    // it bypasses the game's queue, so it never holds up a game message.
    void extension(const CNetExtMsg& msg);
    void partnerBusy();
    // The partner's end is gone: raised at once, even while delivery is off
    // or a notice is held, for a window that cannot wait for what is queued.
    void gone();
    // Raised once everything that came before the close has been delivered.
    void closed();

private:
    void OnNewConnection();
    void Adopt(QTcpSocket* socket, bool asClient);
    void SetKeepAlive(QTcpSocket* socket) const;
    // Parses what the socket holds into the queue; false when the peer floods us.
    bool TakeBytes();
    void OnReadyRead();
    void OnSocketGone();
    void DropSocket();
    void AnnounceGone();
    void FinishAttempt(bool ok);
    void Release();
    void Schedule();
    void Pump();

    QTcpServer* m_listenSocket = nullptr;
    QTcpSocket* m_connSocket = nullptr;
    QTcpSocket* m_attempt = nullptr;
    QTimer m_attemptTimer;
    bool m_bClient = false;          // the connection was made by Connect
    CNetParser m_parser;
    CNetQueue m_netQueue;
    QTimer m_pass;
    bool m_bQueueEnabled = false;
    int m_nHold = 0;
    bool m_bBusyPending = false;
    bool m_bBusyShown = false;       // once per connection is enough
    bool m_bClosePending = false;
    std::uint32_t m_nSerial = 0;
};
