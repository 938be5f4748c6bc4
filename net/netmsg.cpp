#include "net/netmsg.h"

#include <algorithm>

std::vector<unsigned char> MakeSignalMsg(unsigned char type)
{
    return {type, 0};
}

std::vector<unsigned char> MakeShotMsg(int row, int col)
{
    // Plus one on the wire, so no body byte is ever zero.
    return {NET_SHOT, static_cast<unsigned char>(row + 1), static_cast<unsigned char>(col + 1), 0};
}

std::vector<unsigned char> MakeFleetMsg(const unsigned char exported[NET_FLEET_CELLS])
{
    std::vector<unsigned char> msg;
    msg.reserve(NET_FLEET_CELLS + 2);
    msg.push_back(NET_FLEET);
    msg.insert(msg.end(), exported, exported + NET_FLEET_CELLS);
    msg.push_back(0);
    return msg;
}

std::vector<unsigned char> MakeNameMsg(const std::string& cp1251Name)
{
    std::vector<unsigned char> msg{NET_NAME};
    for (char c : cp1251Name) {
        if (c == 0 || msg.size() > NET_NAME_ROOM)
            break;
        msg.push_back(static_cast<unsigned char>(c));
    }
    msg.push_back(0);
    return msg;
}

std::vector<unsigned char> MakeTraditionMsg(bool tradition)
{
    return {NET_TRADITION, static_cast<unsigned char>(tradition ? 1 : 0), 0};
}

std::vector<unsigned char> MakeSignMsg()
{
    return {NET_EXT_SIGN[0], NET_EXT_SIGN[1]};
}

std::vector<unsigned char> MakeExtMsg(unsigned char kind, const std::string& body)
{
    const std::size_t length = std::min(body.size(), NET_EXT_MAX_BODY);
    std::vector<unsigned char> msg(NET_EXT_HEADER + length);
    msg[0] = NET_EXT;
    msg[1] = kind;
    msg[2] = static_cast<unsigned char>(length >> 8);
    msg[3] = static_cast<unsigned char>(length & 0xFF);
    std::copy(body.begin(), body.begin() + static_cast<std::ptrdiff_t>(length), msg.begin() + NET_EXT_HEADER);
    return msg;
}

void CNetParser::Reset()
{
    m_tail.clear();
    m_bSkipName = false;
    m_bPeerSigned = false;
    m_nSkipBody = 0;
}

std::size_t CNetParser::MessageLength(std::size_t pos) const
{
    const std::size_t available = m_tail.size() - pos;
    std::size_t length = 1;
    switch (m_tail[pos]) {
    case NET_READY:
    case NET_SERVER_FIRST:
    case NET_NEW_GAME:
        length = 2;
        break;
    case NET_SHOT:
        length = 4;
        break;
    case NET_FLEET:
        length = NET_FLEET_CELLS + 2;
        break;
    case NET_TRADITION:
        length = 3;
        break;
    case NET_NAME: {
        const auto first = m_tail.begin() + static_cast<std::ptrdiff_t>(pos + 1);
        const auto last = first + static_cast<std::ptrdiff_t>(std::min(available - 1, NET_NAME_ROOM));
        const auto zero = std::find(first, last, 0);
        if (zero != last)
            return static_cast<std::size_t>(zero - first) + 2;
        // No zero within the record's room: the name is cut there.
        return available > NET_NAME_ROOM ? NET_NAME_ROOM + 1 : 0;
    }
    default:
        break;
    }
    return available >= length ? length : 0;
}

void CNetParser::TakeMessage(std::size_t pos, std::size_t length, std::vector<NETMSG>& out)
{
    NETMSG rec;
    rec.type = m_tail[pos];
    const unsigned char* body = m_tail.data() + pos + 1;
    switch (rec.type) {
    case NET_NAME:
        std::copy(body, body + length - 1, rec.data);
        if (body[length - 2] != 0)
            m_bSkipName = true;   // the record keeps its final zero from the fill
        break;
    case NET_SHOT:
        rec.data[0] = body[0];
        rec.data[1] = body[1];
        break;
    case NET_FLEET:
        // A zero inside the body ends the copy; the cells left are water,
        // which the fleet check then refuses.
        for (std::size_t i = 0; i < NET_FLEET_CELLS && body[i] != 0; ++i)
            rec.data[i] = static_cast<unsigned char>(body[i] - 1);
        break;
    case NET_TRADITION:
        rec.data[0] = body[0];
        break;
    default:
        break;
    }
    out.push_back(rec);
}

std::size_t CNetParser::TakeExtension(std::size_t pos, std::vector<CNetExtMsg>* ext)
{
    const std::size_t available = m_tail.size() - pos;
    if (m_tail[pos] == NET_EXT_SIGN[0]) {
        if (available < 2)
            return 0;
        if (m_tail[pos + 1] != NET_EXT_SIGN[1])
            return 1;
        m_bPeerSigned = true;
        if (ext)
            ext->push_back({});
        return 2;
    }
    // Before the sign this byte means nothing, as to any other partner.
    if (m_tail[pos] != NET_EXT || !m_bPeerSigned)
        return 1;
    if (available < NET_EXT_HEADER)
        return 0;
    const std::size_t length = static_cast<std::size_t>(m_tail[pos + 2]) << 8 | m_tail[pos + 3];
    if (length > NET_EXT_MAX_BODY) {
        m_nSkipBody = length;
        return NET_EXT_HEADER;
    }
    if (available < NET_EXT_HEADER + length)
        return 0;
    if (ext) {
        const auto body = m_tail.begin() + static_cast<std::ptrdiff_t>(pos + NET_EXT_HEADER);
        ext->push_back({m_tail[pos + 1], std::string(body, body + static_cast<std::ptrdiff_t>(length))});
    }
    return NET_EXT_HEADER + length;
}

NetParseResult CNetParser::Feed(const unsigned char* bytes, std::size_t count, std::vector<NETMSG>& out,
                                std::vector<CNetExtMsg>* ext)
{
    m_tail.insert(m_tail.end(), bytes, bytes + count);
    std::size_t pos = 0;
    while (pos < m_tail.size()) {
        if (m_nSkipBody > 0) {
            const std::size_t skipped = std::min(m_nSkipBody, m_tail.size() - pos);
            pos += skipped;
            m_nSkipBody -= skipped;
            continue;
        }
        if (m_bSkipName) {
            const auto zero = std::find(m_tail.begin() + static_cast<std::ptrdiff_t>(pos), m_tail.end(), 0);
            pos = static_cast<std::size_t>(zero - m_tail.begin());
            if (zero == m_tail.end())
                break;
            ++pos;
            m_bSkipName = false;
            continue;
        }
        const unsigned char type = m_tail[pos];
        if (type == 0) {
            // Only a peer out of step sends a zero where a type belongs;
            // stepping over it keeps the records independent of the reads.
            ++pos;
            continue;
        }
        if (type == NET_BUSY) {
            Reset();
            return NetParseResult::Busy;
        }
        if (type > NET_NEW_GAME) {
            // No message has this type: nothing would act on its record,
            // and a stream of them must not cost the game a pass each.
            const std::size_t taken = TakeExtension(pos, ext);
            if (taken == 0)
                break;
            pos += taken;
            continue;
        }
        const std::size_t length = MessageLength(pos);
        if (length == 0)
            break;   // the rest comes with the next read
        TakeMessage(pos, length, out);
        pos += length;
    }
    m_tail.erase(m_tail.begin(), m_tail.begin() + static_cast<std::ptrdiff_t>(pos));
    return NetParseResult::Ok;
}
