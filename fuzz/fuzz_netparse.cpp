// The wire parse against whatever a peer may send, cut into reads anywhere,
// the extensions and what the chat makes of their lines included.
//
// Input: one byte n (taken modulo 16), then n read lengths, then the stream.
// The lengths are used in turn, over and over, to cut the stream into reads;
// a length of 0 is an empty read. With n = 0 the stream arrives in one read.

#include "fuzz/fuzzcheck.h"
#include "net/netchat.h"
#include "net/netmsg.h"
#include "net/utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr std::size_t MAX_CUTS = 16;
// Empty reads beyond this many are pointless; the rest then comes at once.
constexpr int MAX_EMPTY_READS = 64;

bool SameRecord(const NETMSG& a, const NETMSG& b)
{
    return a.type == b.type && std::memcmp(a.data, b.data, NETMSG_DATA) == 0;
}

void CheckRecords(const std::vector<NETMSG>& records, std::size_t from)
{
    for (std::size_t i = from; i < records.size(); ++i) {
        const NETMSG& rec = records[i];
        // A zero is never a type and the busy signal never becomes a record.
        FUZZ_CHECK(rec.type != 0);
        FUZZ_CHECK(rec.type != NET_BUSY);
        // Whoever reads a name as a C string must find its end in the record.
        if (rec.type == NET_NAME)
            FUZZ_CHECK(std::memchr(rec.data, 0, NETMSG_DATA) != nullptr);
    }
}

bool SameExtension(const CNetExtMsg& a, const CNetExtMsg& b)
{
    return a.kind == b.kind && a.body == b.body;
}

// A chat line shown is valid UTF-8, within its length, without controls.
void CheckChatLine(const std::string& body)
{
    const std::string text = ChatText(body);
    std::size_t chars = 0;
    for (std::size_t pos = 0; pos < text.size(); ++chars) {
        const std::uint32_t cp = NextCodePoint(text, pos);
        FUZZ_CHECK(cp != UTF8_BAD && cp >= 0x20 && (cp < 0x7F || cp > 0x9F));
    }
    FUZZ_CHECK(chars <= CHAT_MAX_CHARS);
}

// Feeds one read and checks what every read must leave behind.
NetParseResult FeedChecked(CNetParser& parser, const unsigned char* bytes, std::size_t count,
                           std::vector<NETMSG>& records, std::vector<CNetExtMsg>& ext)
{
    const std::size_t before = records.size();
    const std::size_t extBefore = ext.size();
    const NetParseResult result = parser.Feed(bytes, count, records, &ext);
    CheckRecords(records, before);
    for (std::size_t i = extBefore; i < ext.size(); ++i) {
        FUZZ_CHECK(ext[i].body.size() <= NET_EXT_MAX_BODY);
        CheckChatLine(ext[i].body);
    }
    // Only the unfinished last message may wait, and none is longer than
    // a record's body or an extension's.
    FUZZ_CHECK(parser.Pending() <= NET_EXT_HEADER + NET_EXT_MAX_BODY);
    if (result == NetParseResult::Busy)
        FUZZ_CHECK(parser.Pending() == 0);
    return result;
}

// What we send, the partner reads back: the stream's bytes up to its first
// zero taken as a player's name, its first bytes as a shot and a fleet.
void CheckOwnMessagesReadBack(const unsigned char* bytes, std::size_t count)
{
    const std::string name(reinterpret_cast<const char*>(bytes), strnlen(reinterpret_cast<const char*>(bytes), count));
    const int row = count > 0 ? bytes[0] % 10 : 0;
    const int col = count > 1 ? bytes[1] % 10 : 0;
    unsigned char exported[NET_FLEET_CELLS];
    for (std::size_t i = 0; i < NET_FLEET_CELLS; ++i)
        exported[i] = static_cast<unsigned char>(1 + (i < count ? bytes[i] % 6 : 0));

    std::vector<unsigned char> wire = MakeNameMsg(name);
    for (const auto& msg : {MakeShotMsg(row, col), MakeFleetMsg(exported), MakeTraditionMsg(count % 2 != 0)})
        wire.insert(wire.end(), msg.begin(), msg.end());

    CNetParser parser;
    std::vector<NETMSG> records;
    FUZZ_CHECK(parser.Feed(wire, records) == NetParseResult::Ok);
    FUZZ_CHECK(parser.Pending() == 0);
    FUZZ_CHECK(records.size() == 4);
    // A name longer than a record's room arrives cut to that room.
    const std::string sent = name.substr(0, NET_NAME_ROOM);
    FUZZ_CHECK(records[0].type == NET_NAME);
    FUZZ_CHECK(std::string(reinterpret_cast<const char*>(records[0].data)) == sent);
    FUZZ_CHECK(records[1].type == NET_SHOT && records[1].data[0] == row + 1 && records[1].data[1] == col + 1);
    FUZZ_CHECK(records[2].type == NET_FLEET);
    for (std::size_t i = 0; i < NET_FLEET_CELLS; ++i)
        FUZZ_CHECK(records[2].data[i] == exported[i] - 1);
    FUZZ_CHECK(records[3].type == NET_TRADITION && records[3].data[0] == (count % 2 != 0 ? 1 : 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t nCuts = data[0] % MAX_CUTS;
    if (size < 1 + nCuts)
        return 0;
    const std::uint8_t* cuts = data + 1;
    const unsigned char* stream = data + 1 + nCuts;
    const std::size_t length = size - 1 - nCuts;

    CNetParser whole;
    std::vector<NETMSG> wholeRecords;
    std::vector<CNetExtMsg> wholeExt;
    const NetParseResult wholeResult = FeedChecked(whole, stream, length, wholeRecords, wholeExt);

    CNetParser pieces;
    std::vector<NETMSG> pieceRecords;
    std::vector<CNetExtMsg> pieceExt;
    std::size_t extBeforeBusy = 0;
    bool sawBusy = false;
    std::size_t recordsBeforeBusy = 0;
    std::size_t pos = 0;
    int emptyReads = 0;
    for (std::size_t j = 0; pos < length; ++j) {
        std::size_t take = length - pos;
        if (nCuts != 0 && emptyReads < MAX_EMPTY_READS) {
            take = cuts[j % nCuts];
            if (take > length - pos)
                take = length - pos;
            if (take == 0)
                ++emptyReads;
        }
        // A busy server ends the conversation; the parser must still take
        // whatever follows without harm, but the records stop counting.
        if (FeedChecked(pieces, stream + pos, take, pieceRecords, pieceExt) == NetParseResult::Busy && !sawBusy) {
            sawBusy = true;
            recordsBeforeBusy = pieceRecords.size();
            extBeforeBusy = pieceExt.size();
        }
        pos += take;
    }
    if (!sawBusy) {
        recordsBeforeBusy = pieceRecords.size();
        extBeforeBusy = pieceExt.size();
    }

    // How the stream was cut into reads never changes the records up to the
    // busy signal, nor whether there was one.
    FUZZ_CHECK(sawBusy == (wholeResult == NetParseResult::Busy));
    FUZZ_CHECK(recordsBeforeBusy == wholeRecords.size());
    for (std::size_t i = 0; i < wholeRecords.size(); ++i)
        FUZZ_CHECK(SameRecord(wholeRecords[i], pieceRecords[i]));
    FUZZ_CHECK(extBeforeBusy == wholeExt.size());
    for (std::size_t i = 0; i < wholeExt.size(); ++i)
        FUZZ_CHECK(SameExtension(wholeExt[i], pieceExt[i]));
    if (!sawBusy)
        FUZZ_CHECK(pieces.Pending() == whole.Pending());

    CheckOwnMessagesReadBack(stream, length);
    return 0;
}
