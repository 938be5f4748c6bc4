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

// Extensions, understood by copies of this game alone. The sign says "I
// understand extensions": two bytes that no message begins with and that
// are not zero, so a partner that knows only the messages above steps over
// each as a type it does not know, even joined with other messages in one
// read. An extension message (NET_EXT, its kind, its body's length high
// byte first, the body) goes only to a partner that gave the sign.
constexpr unsigned char NET_EXT_SIGN[2] = {0xF5, 0x9A};
constexpr unsigned char NET_EXT = 0xF6;
enum : unsigned char {
    NET_EXT_SIGNED = 0,   // not on the wire: the partner's sign, as the parse reports it
    NET_EXT_CHAT = 1,     // a line of chat, UTF-8
};
constexpr std::size_t NET_EXT_HEADER = 4;
// No extension needs more; a longer body is stepped over, never held.
constexpr std::size_t NET_EXT_MAX_BODY = 1024;

struct CNetExtMsg {
    unsigned char kind = NET_EXT_SIGNED;
    std::string body;
};

std::vector<unsigned char> MakeSignMsg();
// The body is cut at NET_EXT_MAX_BODY bytes.
std::vector<unsigned char> MakeExtMsg(unsigned char kind, const std::string& body);

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
    // Extension messages go to `ext`, when given, in their order; they are
    // taken only after the partner's sign, and the sign itself is reported.
    NetParseResult Feed(const unsigned char* bytes, std::size_t count, std::vector<NETMSG>& out,
                        std::vector<CNetExtMsg>* ext = nullptr);
    NetParseResult Feed(const std::vector<unsigned char>& bytes, std::vector<NETMSG>& out,
                        std::vector<CNetExtMsg>* ext = nullptr)
    {
        return Feed(bytes.data(), bytes.size(), out, ext);
    }
    void Reset();
    std::size_t Pending() const { return m_tail.size(); }

private:
    // Bytes the message starting at m_tail[pos] needs, 0 while its end is
    // not yet known.
    std::size_t MessageLength(std::size_t pos) const;
    void TakeMessage(std::size_t pos, std::size_t length, std::vector<NETMSG>& out);
    // Bytes taken by whatever begins at m_tail[pos] with a type byte no
    // message has; 0 while more must come to tell.
    std::size_t TakeExtension(std::size_t pos, std::vector<CNetExtMsg>* ext);

    std::vector<unsigned char> m_tail;
    bool m_bSkipName = false;   // inside the rest of an over-long name
    bool m_bPeerSigned = false;
    std::size_t m_nSkipBody = 0;   // bytes left of an over-long extension body
};
