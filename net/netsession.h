#pragma once

#include "net/netlink.h"
#include "net/netmsg.h"
#include "net/netrole.h"

#include <string>
#include <vector>

class CPlayer;
// Where a network game stands, the same on both machines but for a moment
// while a message travels.
enum class ENetPhase {
    Off,       // no network play
    NoGame,    // connected; no game opened yet
    Naming,    // a game is opened; the local name dialog is open
    Waiting,   // named; the partner's set-up has not all come
    Battle,
    Over,      // won or lost; the server opens the next game
};

// What the window must do about a message the session took.
enum class ENetOutcome {
    Ignored,   // not lawful now: nothing changed
    Taken,     // the rule or who begins changed; nothing to show
    SetUp,     // the partner's name, fleet or ready: the battle may start
    Shot,      // the partner's shot landed on our board
    Lost,      // ...and sank our last ship
    Open,      // the server opened a game: run New game
    Refused,   // a partner outside the rules: end network play, saying why
};

// What a partner who gave no name is called, in the player's language.
std::string PartnerName();

// One network game's course, owned in one place: its phase, which message
// is lawful in which phase, each opening paired with the set-up that
// answers it, whose turn it is and how the game ended. It plays on the
// game's own state (both players, MyTurn, GameInProgress, Tradition), so
// both machines replay every shot alike; the window only shows what the
// session decided.
class CNetSession {
public:
    explicit CNetSession(INetLink& link) : m_link(link) {}

    // The connection stands and the player chose to be server or client.
    void Begin(bool server);
    // Network play is over: the connection is gone or the player left it.
    void End();
    // The partner has gone, and the player is still being told: the game
    // stays on show, but nothing more is played in it.
    void PartnerGone() { m_bPartnerGone = true; }

    ENetPhase Phase() const { return m_phase; }
    bool IsActive() const { return m_phase != ENetPhase::Off; }
    bool IsServer() const { return m_bServer; }
    ENetRole Role() const { return !IsActive() ? ENetRole::Computer : m_bServer ? ENetRole::Server : ENetRole::Client; }

    // The server opens games whenever it likes; a client only answers an
    // opening its server sent, or the two machines would play different games.
    bool MayOpen() const;
    // New game: any battle under way is over, and a server tells its client.
    void Open();
    // The name dialog's OK: the server draws who begins and sends its rule,
    // then both send fleet, name and ready.
    void Named();
    // Both sides named and the partner's fleet and name here.
    bool IsReady() const { return m_bLocalReady && m_bPeerReady && m_bNameReceived && m_bBoardReceived; }
    // What of the coming game's set-up has come from the partner.
    bool PeerReady() const { return m_bPeerReady; }
    bool NameReceived() const { return m_bNameReceived; }
    bool BoardReceived() const { return m_bBoardReceived; }
    bool LocalReady() const { return m_bLocalReady; }
    // The frame shows "Please wait..." rather than the boards: a client
    // before its server's first opening, or a set-up still short of the
    // partner's part.
    bool ShowsWait() const { return m_bWaiting; }
    void Start();
    // The rule the running battle is played by, whatever the setting now says.
    bool BattleRule() const { return m_bBattleRule; }

    bool MayShoot() const;
    // Our shot at player two's cell; false when the rules refuse it. An
    // accepted shot goes to the partner, and may win the game.
    bool Shoot(int row, int col);
    // The server's rule goes to its client whenever it may have changed.
    void SendRule();
    // Client: the rule the server last sent, or `fallback` before it sent any.
    unsigned char ServerRule(unsigned char fallback) const
    {
        return m_nServerRule < 0 ? fallback : static_cast<unsigned char>(m_nServerRule);
    }

    ENetOutcome Receive(const NETMSG& rec);
    // Why a message was refused, in the current language.
    std::string RefusalText() const;

private:
    static bool IsLawful(bool server, unsigned char type, ENetPhase phase);
    bool AnswersLatestOpening(unsigned char type);
    ENetOutcome OnNetName(const NETMSG& rec);
    ENetOutcome OnNetBoard(const NETMSG& rec);
    ENetOutcome OpponentShot(int row, int col);
    void Finish();
    void ClearReadiness() { m_bLocalReady = m_bPeerReady = m_bNameReceived = m_bBoardReceived = false; }
    // Part of the partner's set-up came: the frame waits for the rest.
    ENetOutcome SetUpArrived();

    INetLink& m_link;
    ENetPhase m_phase = ENetPhase::Off;
    bool m_bServer = false;
    bool m_bPartnerGone = false;
    // Server: openings sent whose set-up has not ended with its ready. A
    // client answers each in turn, so only the answer to the latest counts.
    int m_nUnanswered = 0;
    // Client: the server opened a game that New game has not yet run.
    bool m_bOpeningOwed = false;
    // Readiness of the coming game.
    bool m_bLocalReady = false;
    bool m_bPeerReady = false;
    bool m_bNameReceived = false;
    bool m_bBoardReceived = false;
    bool m_bWaiting = false;
    // Client: the rule last received, -1 before any.
    int m_nServerRule = -1;
    // The rule the battle began with: the server's as it sent it with its
    // set-up, which its client then holds too. A rule changed during a
    // battle reaches the partner after shots it may already have replayed
    // under the old one; were it to count at once, a hit in between would
    // keep the turn on one machine and pass it on the other.
    bool m_bBattleRule = true;
};
