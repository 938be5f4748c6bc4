#pragma once

#include "net/netmsg.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <vector>

class CGameDlg;
class QTcpServer;
class QTcpSocket;

// One end of the game's TCP traffic: either the server's listener or the
// connection that carries a game. Its three notifications go to the main
// window, whose handlers decide what they mean for the game.
class CNetSocket : public QObject {
    Q_OBJECT
public:
    explicit CNetSocket(QObject* parent = nullptr);
    ~CNetSocket() override;

    CGameDlg* pdlg = nullptr;   // not owned

    // Listener: listens on every local address; false when the port is taken.
    bool Listen(std::uint16_t port);
    // Connection: waits (events still flowing) until connected, refused or
    // timed out.
    bool Connect(const QString& host, std::uint16_t port, int timeoutMs = CONNECT_TIMEOUT_MS);
    // Takes the listener's oldest pending connection as this connection.
    bool Accept(CNetSocket& listener);
    // The listener's oldest pending connection, for a peer we turn away;
    // the caller owns it.
    QTcpSocket* TakePending();
    bool HasPending() const;
    // Closing locally never raises the close notification.
    void Close();

    bool IsListening() const;
    bool IsConnected() const;
    // Changes whenever this socket takes up a new connection.
    std::uint32_t Serial() const { return m_nSerial; }

    void Send(const std::vector<unsigned char>& bytes);
    std::vector<unsigned char> ReceiveAll();
    // The parse of this connection's stream, kept across reads.
    CNetParser& Parser() { return m_parser; }

    static constexpr int CONNECT_TIMEOUT_MS = 10000;

    // While held, notifications wait and then come in their order: a notice
    // the player is reading is never covered by the next one.
    class CHold {
    public:
        explicit CHold(CNetSocket* socket) : m_pSocket(socket) { if (m_pSocket) ++m_pSocket->m_nHold; }
        ~CHold() { if (m_pSocket) m_pSocket->Release(); }
        CHold(const CHold&) = delete;
        CHold& operator=(const CHold&) = delete;
    private:
        CNetSocket* m_pSocket;
    };

protected:
    virtual void OnReceive(int nErrorCode);
    virtual void OnAccept(int nErrorCode);
    virtual void OnClose(int nErrorCode);

private:
    void Adopt(QTcpSocket* socket);
    void Drop();
    void NotifyReceive();
    void NotifyClose();
    void Release();

    QTcpSocket* m_socket = nullptr;
    QTcpServer* m_server = nullptr;
    CNetParser m_parser;
    std::uint32_t m_nSerial = 0;
    std::uint32_t m_nTaken = 0;   // pending connections handed out
    bool m_bCloseNotified = false;
    int m_nHold = 0;
    bool m_bReceiveWaiting = false;
    bool m_bCloseWaiting = false;
};
