#include "net/netsession.h"

#include "game/gamerand.h"
#include "game/globals.h"
#include "game/player.h"
#include "net/cp1251.h"
#include "net/fleetcheck.h"
#include "game/texts.h"
#include "store/settings.h"

#include <algorithm>
#include <cstring>

namespace {
// Which machine may hear each message in which phase: S the server, C the
// client, B both, '.' neither. Columns: Off, NoGame, Naming, Waiting,
// Battle, Over. Set-up may come before our own name is given; the first
// shot only after it, since naming hands us the turn. The rule and the
// opening of a game are the server's, and it may send them at any time.
struct CLawRow {
    unsigned char type;
    const char phases[7];
};
const CLawRow kLawful[] = {
    {NET_READY, "..BB.."},
    {NET_NAME, "..BB.."},
    {NET_SERVER_FIRST, "...C.."},
    {NET_SHOT, "....B."},
    {NET_FLEET, "..BB.."},
    {NET_TRADITION, ".CCCCC"},
    {NET_NEW_GAME, ".CCCCC"},
};

// The name dialog takes no more, so no partner of ours sends more.
constexpr std::size_t MAX_NAME_CHARS = 20;

bool IsOnBoard(int row, int col)
{
    return row >= 0 && row < BOARD_SIZE && col >= 0 && col < BOARD_SIZE;
}
} // namespace

bool CNetSession::IsLawful(bool server, unsigned char type, ENetPhase phase)
{
    for (const CLawRow& row : kLawful) {
        if (row.type != type)
            continue;
        const char who = row.phases[static_cast<int>(phase)];
        return who == 'B' || who == (server ? 'S' : 'C');
    }
    return false;
}

void CNetSession::Begin(bool server)
{
    m_bServer = server;
    m_phase = ENetPhase::NoGame;
    m_bPartnerGone = false;
    m_nUnanswered = 0;
    m_bOpeningOwed = false;
    ClearReadiness();
    m_nServerRule = -1;
    // A battle against the computer does not go on under a network game.
    GameInProgress = 0;
    // The client waits for its server to open the first game.
    m_bWaiting = !server;
}

void CNetSession::End()
{
    if (!IsActive())
        return;
    GameInProgress = 0;
    m_phase = ENetPhase::Off;
    m_bPartnerGone = false;
    m_nUnanswered = 0;
    m_bOpeningOwed = false;
    ClearReadiness();
    m_bWaiting = false;
}

bool CNetSession::MayOpen() const
{
    return IsActive() && !m_bPartnerGone && (m_bServer || m_bOpeningOwed);
}

void CNetSession::Open()
{
    // A battle left behind must take no more shots: the partner is
    // setting up the new game, not replaying the old one.
    GameInProgress = 0;
    m_phase = ENetPhase::Naming;
    ClearReadiness();
    if (!m_bServer) {
        m_bOpeningOwed = false;
        return;
    }
    ++m_nUnanswered;
    m_link.Send(MakeSignalMsg(NET_NEW_GAME));
}

void CNetSession::Named()
{
    m_phase = ENetPhase::Waiting;
    m_bLocalReady = true;
    // Until the partner's part is here too, when the battle starts.
    m_bWaiting = true;
    MyTurn = 1;
    if (m_bServer) {
        MyTurn = (GameRand() % 2) != 0;
        if (MyTurn)
            m_link.Send(MakeSignalMsg(NET_SERVER_FIRST));
        SendRule();
        m_bBattleRule = Tradition != 0;
    }
    unsigned char fleet[BOARD_CELLS];
    PlayerOne.ExportFleet(fleet);
    m_link.Send(MakeFleetMsg(fleet));
    m_link.Send(MakeNameMsg(Utf8ToWindows1251(Name)));
    m_link.Send(MakeSignalMsg(NET_READY));
}

void CNetSession::Start()
{
    // The server's set-up brought its rule before its ready.
    if (!m_bServer)
        m_bBattleRule = Tradition != 0;
    m_phase = ENetPhase::Battle;
    m_bLocalReady = m_bPeerReady = false;
    m_bWaiting = false;
    GameInProgress = 1;
}

bool CNetSession::MayShoot() const
{
    return m_phase == ENetPhase::Battle && MyTurn && !m_bPartnerGone;
}

bool CNetSession::Shoot(int row, int col)
{
    if (!MayShoot() || !PlayerTwo.Shoot(row, col, BattleRule()))
        return false;
    m_link.Send(MakeShotMsg(row, col));
    if (PlayerTwo.AllSunk())
        Finish();
    return true;
}

void CNetSession::SendRule()
{
    if (IsActive() && m_bServer)
        m_link.Send(MakeTraditionMsg(Tradition != 0));
}

void CNetSession::Finish()
{
    m_phase = ENetPhase::Over;
    GameInProgress = 0;
}

// A set-up answers the oldest opening not yet answered, and ends with its
// ready; only the answer to the latest opening belongs to the coming game.
bool CNetSession::AnswersLatestOpening(unsigned char type)
{
    if (!m_bServer)
        return true;
    const bool latest = m_nUnanswered == 1;
    if (type == NET_READY && m_nUnanswered > 0)
        --m_nUnanswered;
    return latest;
}

ENetOutcome CNetSession::Receive(const NETMSG& rec)
{
    if (!IsLawful(m_bServer, rec.type, m_phase))
        return ENetOutcome::Ignored;
    switch (rec.type) {
    case NET_NEW_GAME:
        m_bOpeningOwed = true;
        return ENetOutcome::Open;
    case NET_TRADITION:
        Tradition = rec.data[0] != 0 ? 1 : 0;
        m_nServerRule = Tradition;
        return ENetOutcome::Taken;
    case NET_SERVER_FIRST:
        MyTurn = 0;
        return ENetOutcome::Taken;
    case NET_SHOT:
        // Rows and columns travel plus one.
        return OpponentShot(static_cast<signed char>(rec.data[0]) - 1, static_cast<signed char>(rec.data[1]) - 1);
    default:
        break;
    }
    if (!AnswersLatestOpening(rec.type))
        return ENetOutcome::Ignored;
    if (rec.type == NET_NAME)
        return OnNetName(rec);
    if (rec.type == NET_FLEET)
        return OnNetBoard(rec);
    m_bPeerReady = true;
    return SetUpArrived();
}

ENetOutcome CNetSession::OnNetName(const NETMSG& rec)
{
    const auto* zero = static_cast<const unsigned char*>(std::memchr(rec.data, 0, NETMSG_DATA));
    std::string bytes(rec.data, zero ? zero : rec.data + NETMSG_DATA);
    if (bytes.size() > MAX_NAME_CHARS)
        bytes.resize(MAX_NAME_CHARS);   // one byte a character in Windows-1251
    // Both machines record the game under this name; an empty one would
    // vanish from the table at the next start.
    if (bytes.empty())
        bytes = Utf8ToWindows1251(PartnerName());
    PlayerTwo.SetName(Windows1251ToUtf8(bytes));
    m_bNameReceived = true;
    return SetUpArrived();
}

ENetOutcome CNetSession::OnNetBoard(const NETMSG& rec)
{
    // Both machines replay every shot against this fleet; a fleet outside
    // the rules means a partner we cannot play with.
    if (!IsValidFleet(rec.data))
        return ENetOutcome::Refused;
    PlayerTwo.ClearGrids();
    for (int row = 0; row < BOARD_SIZE; ++row)
        for (int col = 0; col < BOARD_SIZE; ++col)
            PlayerTwo.SetCell(row, col, static_cast<signed char>(rec.data[row * BOARD_SIZE + col]));
    PlayerTwo.HideFleet();
    m_bBoardReceived = true;
    return SetUpArrived();
}

ENetOutcome CNetSession::OpponentShot(int row, int col)
{
    // The partner shoots only in its own turn; a shot at any other time
    // is not the game both machines are replaying.
    if (MyTurn || !IsOnBoard(row, col))
        return ENetOutcome::Ignored;
    PlayerOne.Shoot(row, col, BattleRule());
    if (!PlayerOne.AllSunk())
        return ENetOutcome::Shot;
    Finish();
    return ENetOutcome::Lost;
}

std::string PartnerName()
{
    return GameText("CNetSession", QT_TRANSLATE_NOOP("CNetSession", "Partner"));
}

std::string CNetSession::RefusalText() const
{
    return GameText("CNetSession",
                    QT_TRANSLATE_NOOP("CNetSession",
                                      "The partner's fleet breaks the rules of the game. The connection is closed."));
}

ENetOutcome CNetSession::SetUpArrived()
{
    m_bWaiting = true;
    return ENetOutcome::SetUp;
}
