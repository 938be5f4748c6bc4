// The network game's session against whatever a partner may send, mixed
// with whatever the local player may do, in any order.
//
// Input: one byte of set-up (bit 0 server, bit 1 the rule, bit 2 English),
// then steps. A step byte s: s % 8 is 0 New game, 1 the name dialog's OK,
// 2 a shot at the cell of the next byte, 3 leaving network play, 4 a new
// connection, 5 the server's rule sent; 6 and 7 the partner's bytes: the
// next byte is a length, that many bytes follow, parsed as the stream goes.
// The session's outcomes are acted on as the window acts on them.

#include "fuzz/fuzzcheck.h"
#include "game/gamerand.h"
#include "game/globals.h"
#include "game/player.h"
#include "net/netsession.h"
#include "store/settings.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// What the session sends, read back as the partner would read it.
struct CWire : INetLink {
    CNetParser m_parser;
    std::vector<NETMSG> m_sent;
    void Send(const std::vector<unsigned char>& bytes) override
    {
        FUZZ_CHECK(m_parser.Feed(bytes, m_sent) == NetParseResult::Ok);
        FUZZ_CHECK(m_parser.Pending() == 0);   // every message goes whole
    }
};

int Decks(const CPlayer& player)
{
    int decks = 0;
    for (int i = 0; i < BOARD_CELLS; ++i) {
        FUZZ_CHECK(player.m_fleet[i] >= CELL_WATER && player.m_fleet[i] <= CELL_SHOWN);
        decks += player.m_fleet[i] >= CELL_SHIP;
    }
    return decks;
}

void CheckInvariants(const CNetSession& session, const CWire& wire, std::size_t sentBefore, bool server)
{
    const ENetPhase phase = session.Phase();
    FUZZ_CHECK((GameInProgress != 0) == (phase == ENetPhase::Battle));
    FUZZ_CHECK(!session.MayShoot() || (phase == ENetPhase::Battle && MyTurn));
    FUZZ_CHECK(session.IsActive() || (!session.MayOpen() && !session.MayShoot() && !session.IsReady()));
    // Readiness belongs to a game being set up; the battle's start clears it.
    if (phase == ENetPhase::Battle || phase == ENetPhase::Over)
        FUZZ_CHECK(!session.LocalReady() && !session.PeerReady());
    FUZZ_CHECK(Decks(PlayerOne) == 20);
    // A fleet is taken only whole and lawful; until then player two has none.
    const int theirs = Decks(PlayerTwo);
    FUZZ_CHECK(theirs == 0 || theirs == 20);
    if (phase == ENetPhase::Battle)
        FUZZ_CHECK(theirs == 20 && !PlayerOne.AllSunk() && !PlayerTwo.AllSunk());
    if (phase == ENetPhase::Over)
        FUZZ_CHECK(PlayerOne.AllSunk() || PlayerTwo.AllSunk());
    // The rule, the first shot and the opening of games are the server's alone.
    for (std::size_t i = sentBefore; i < wire.m_sent.size(); ++i) {
        const unsigned char type = wire.m_sent[i].type;
        FUZZ_CHECK(type >= NET_READY && type <= NET_NEW_GAME);
        if (!server)
            FUZZ_CHECK(type != NET_SERVER_FIRST && type != NET_TRADITION && type != NET_NEW_GAME);
    }
}

// As the window's start of a battle: our fleet shown, then the session's.
void StartIfReady(CNetSession& session)
{
    if (!session.IsReady())
        return;
    PlayerOne.SyncView();
    session.Start();
}

void Act(CNetSession& session, ENetOutcome outcome)
{
    switch (outcome) {
    case ENetOutcome::Open:
        FUZZ_CHECK(session.MayOpen());
        session.Open();
        break;
    case ENetOutcome::SetUp:
        StartIfReady(session);
        break;
    case ENetOutcome::Refused:
        session.End();
        break;
    case ENetOutcome::Lost:
        FUZZ_CHECK(session.Phase() == ENetPhase::Over && PlayerOne.AllSunk());
        break;
    default:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const bool server = (data[0] & 1) != 0;
    Tradition = (data[0] & 2) != 0;
    English = (data[0] & 4) != 0;
    Name = "Fuzz";
    GameInProgress = MyTurn = 0;
    GameSrand(2004);
    PlayerTwo.ClearGrids();
    PlayerOne.ClearGrids();
    PlayerOne.PlaceFleetRandom();

    CWire wire;
    CNetSession session(wire);
    CNetParser partner;
    session.Begin(server);
    for (std::size_t pos = 1; pos < size;) {
        const std::uint8_t step = data[pos++];
        const std::size_t sentBefore = wire.m_sent.size();
        switch (step % 8) {
        case 0:
            if (session.MayOpen())
                session.Open();
            break;
        case 1:
            // The name dialog gives player one a fresh fleet, as a player would.
            if (session.Phase() == ENetPhase::Naming) {
                PlayerOne.ClearGrids();
                PlayerOne.PlaceFleetRandom();
                session.Named();
            }
            StartIfReady(session);
            break;
        case 2: {
            const int cell = pos < size ? data[pos++] % BOARD_CELLS : 0;
            const bool mayShoot = session.MayShoot();
            const bool shot = session.Shoot(cell / BOARD_SIZE, cell % BOARD_SIZE);
            FUZZ_CHECK(!shot || mayShoot);
            FUZZ_CHECK(shot == (wire.m_sent.size() > sentBefore));
            break;
        }
        case 3:
            session.End();
            partner.Reset();
            break;
        case 4:
            session.Begin(server);
            partner.Reset();
            break;
        case 5:
            session.SendRule();
            break;
        default: {
            const std::size_t length = pos < size ? data[pos++] : 0;
            const std::size_t count = length < size - pos ? length : size - pos;
            std::vector<NETMSG> records;
            partner.Feed(data + pos, count, records);
            pos += count;
            for (const NETMSG& rec : records)
                Act(session, session.Receive(rec));
            break;
        }
        }
        CheckInvariants(session, wire, sentBefore, server);
    }
    session.End();
    FUZZ_CHECK(!session.IsActive() && !GameInProgress);
    return 0;
}
