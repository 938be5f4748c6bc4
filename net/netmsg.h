#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The game's messages on its one TCP connection: a type byte, a body whose
// length follows from the type, and a final zero byte.
enum : unsigned char {
    NET_READY = 1,
    NET_NAME = 2,
    NET_SERVER_FIRST = 3,
    NET_SHOT = 4,
    NET_FLEET = 5,
    NET_TRADITION = 6,
    NET_NEW_GAME = 7,
    NET_BUSY = 8,
};

constexpr unsigned short NET_PORT = 2004;
constexpr std::size_t NETMSG_DATA = 260;
constexpr std::size_t NET_FLEET_CELLS = 100;
constexpr std::size_t NET_NAME_ROOM = NETMSG_DATA - 1;  // bytes of a name before its zero

// A received message as it waits in the queue. The body by type: the name
// with its zero (2), row + 1 and column + 1 (4), the cell codes (5), the
// flag byte (6); nothing for the others.
struct NETMSG {
    unsigned char type = 0;
    unsigned char data[NETMSG_DATA] = {};
};

// Bytes of each message as sent.
std::vector<unsigned char> MakeSignalMsg(unsigned char type);  // NET_READY, NET_SERVER_FIRST, NET_NEW_GAME, NET_BUSY
std::vector<unsigned char> MakeShotMsg(int row, int col);      // row and column 0-9
// The fleet as ExportFleet gives it: every cell code already plus one.
std::vector<unsigned char> MakeFleetMsg(const unsigned char exported[NET_FLEET_CELLS]);
std::vector<unsigned char> MakeNameMsg(const std::string& cp1251Name);
std::vector<unsigned char> MakeTraditionMsg(bool tradition);

enum class NetParseResult {
    Ok,
    Busy,   // the server turned us away; the rest of that read was dropped
};

// Cuts the stream of one connection into records. A message cut by the end
// of a read is kept and completed by the next, so how the stream was split
// into reads never changes the records. A byte where a type belongs that no
// message has is stepped over. Nothing here trusts the peer: every body is
// bounded by the record's room.
class CNetParser {
public:
    NetParseResult Feed(const unsigned char* bytes, std::size_t count, std::vector<NETMSG>& out);
    NetParseResult Feed(const std::vector<unsigned char>& bytes, std::vector<NETMSG>& out)
    {
        return Feed(bytes.data(), bytes.size(), out);
    }
    void Reset();
    std::size_t Pending() const { return m_tail.size(); }

private:
    // Bytes the message starting at m_tail[pos] needs, 0 while its end is
    // not yet known.
    std::size_t MessageLength(std::size_t pos) const;
    void TakeMessage(std::size_t pos, std::size_t length, std::vector<NETMSG>& out);

    std::vector<unsigned char> m_tail;
    bool m_bSkipName = false;   // inside the rest of an over-long name
};
