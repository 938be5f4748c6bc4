#pragma once

#include "game/player.h"
#include "net/netmsg.h"

#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <deque>
#include <random>
#include <string>
#include <utility>
#include <vector>

class CGameDlg;

// The other machine of a network game, played in raw messages by a script
// at random moments: it takes whichever role the window leaves free, opens
// games as a server, answers them as a client, shoots at untouched cells of
// the window's fleet, and now and then leaves. It keeps both fleets and
// replays every shot by the same rules, as a second copy of the game
// would, so that after every shot either side takes it can tell whether
// the two machines still see the same boards and the same turn.
class CNetPartner : public QObject {
public:
    explicit CNetPartner(unsigned int seed);

    void Attach(CGameDlg* wnd);
    // The window is about to listen: the port must be free for it.
    void StepAside();
    // Every shot that changed a cell of the window's boards, from the rules' report.
    void OnWindowShot(const CPlayer& target, int row, int col);
    // The first disagreement found, empty while none.
    const std::string& Fault() const { return m_strFault; }
    int Connections() const { return m_nConnections; }
    int ShotsSent() const { return m_nShotsSent; }
    int MessagesReceived() const { return m_nReceived; }
    // What it sent and heard last, for the report of a fault.
    const std::deque<std::string>& Trace() const { return m_trace; }
    // While it resolves a shot in its own copy, the rules' report is its own.
    static bool Resolving();

private:
    enum class Phase { Off, Idle, Naming, Setting, Battle, Over };
    struct SentShot {
        int epoch;
        int cell;
        signed char fleet[BOARD_CELLS];   // the window's fleet as it must stand after it
        bool windowTurn;                  // MyTurn as it must stand after it
    };
    struct WindowShot {
        int cell;
        signed char fleet[BOARD_CELLS];   // ours as the window holds it after the shot
        bool windowTurn;
    };

    void Tick();
    void Watch();
    void Adopt(QTcpSocket* socket, bool server);
    void Drop();
    void OnBytes();
    void Arrive(const QByteArray& bytes);
    void Take(const NETMSG& rec);
    void OpenGame();
    void Named();
    void ChangeRule();
    void TryStart();
    void Shoot();
    void OnShotReceived(int row, int col);
    void Send(const std::vector<unsigned char>& bytes);
    // Pauses of a partner who thinks: mostly short, now and then long.
    int Pause();
    int Chance(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_rng); }
    void Fail(const std::string& fault);
    bool Resolve(CPlayer& target, int row, int col);

    QPointer<CGameDlg> m_pWnd;
    std::mt19937 m_rng;
    QTimer m_timer;
    QTcpServer m_server;
    QPointer<QTcpSocket> m_socket;
    QPointer<QTcpSocket> m_connecting;   // one call at a time, as a player makes it
    CNetParser m_parser;
    bool m_bServer = false;
    Phase m_phase = Phase::Off;
    long long m_nNow = 0;          // the partner's clock, ms
    long long m_nDueAt = 0;        // the next act of its own
    long long m_nConnectAt = -1;
    std::deque<std::pair<long long, QByteArray>> m_wire;   // bytes on their way, due at
    std::deque<NETMSG> m_inbox;    // held while its own name dialog is open
    CPlayer m_own{false};          // its fleet, under the window's shots
    CPlayer m_theirs{true};        // the window's fleet, under its shots
    bool m_bMyTurn = false;
    bool m_bRule = true;           // the rule of the battle it plays
    bool m_bRuleSetting = true;    // the server's rule as last set, for the next battle
    bool m_bLocalReady = false, m_bPeerReady = false, m_bNamed = false, m_bFleet = false;
    bool m_bOpenAgain = false;     // server: the next game is due
    int m_nUnanswered = 0;         // server: openings whose set-up has not ended with its ready
    int m_nEpoch = 0;              // games it opened or answered
    std::deque<SentShot> m_sent;
    std::deque<WindowShot> m_heard;   // the window's shots on their way here
    void Note(const std::string& what);
    std::deque<std::string> m_trace;
    std::string m_strFault;
    int m_nConnections = 0;
    int m_nShotsSent = 0;
    int m_nReceived = 0;
};
