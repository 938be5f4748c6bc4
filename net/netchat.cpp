#include "net/netchat.h"

#include "net/utf8.h"
#include "store/settings.h"

namespace {
bool IsHidden(std::uint32_t cp)
{
    // Controls would break the panel's lines; direction marks and overrides
    // would let a line rearrange how its neighbours read.
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || (cp >= 0x202A && cp <= 0x202E)
        || (cp >= 0x2066 && cp <= 0x2069) || cp == 0x200E || cp == 0x200F || cp == 0x061C;
}

bool IsBreak(std::uint32_t cp)
{
    return cp == '\t' || cp == '\n' || cp == '\r' || cp == 0x2028 || cp == 0x2029;
}
} // namespace

std::string ChatText(const std::string& bytes, std::size_t maxChars)
{
    std::string out;
    std::size_t chars = 0;
    bool pendingSpace = false;
    for (std::size_t pos = 0; pos < bytes.size() && chars < maxChars;) {
        std::uint32_t cp = NextCodePoint(bytes, pos);
        if (cp == UTF8_BAD)
            cp = 0xFFFD;
        if (IsBreak(cp) || cp == ' ') {
            pendingSpace = !out.empty();
            continue;
        }
        if (IsHidden(cp))
            continue;
        if (pendingSpace && chars + 1 < maxChars) {
            out += ' ';
            ++chars;
        }
        pendingSpace = false;
        AppendUtf8(out, cp);
        ++chars;
    }
    return out;
}

void CNetChat::Begin(bool client)
{
    m_bConnected = true;
    m_bPeerSigned = false;
    m_bSignGiven = client;
    if (client)
        m_link.Send(MakeSignMsg());
}

void CNetChat::End()
{
    m_bConnected = m_bSignGiven = m_bPeerSigned = false;
}

EChatState CNetChat::State() const
{
    if (!m_bConnected)
        return EChatState::Off;
    return m_bSignGiven && m_bPeerSigned ? EChatState::Open : EChatState::Unavailable;
}

bool CNetChat::Send(const std::string& utf8)
{
    if (State() != EChatState::Open)
        return false;
    std::string text = ChatText(utf8);
    if (text.empty())
        return false;
    const std::string name = ChatText(Name, CHAT_MAX_NAME_CHARS);
    m_link.Send(MakeExtMsg(NET_EXT_CHAT, name + '\n' + text));
    Add(true, name, std::move(text));
    return true;
}

bool CNetChat::Receive(const CNetExtMsg& msg)
{
    if (!m_bConnected)
        return false;
    if (msg.kind == NET_EXT_SIGNED) {
        m_bPeerSigned = true;
        if (!m_bSignGiven) {
            m_bSignGiven = true;
            m_link.Send(MakeSignMsg());
        }
        return false;
    }
    // Kinds a later version adds mean nothing here.
    if (msg.kind != NET_EXT_CHAT || State() != EChatState::Open)
        return false;
    const std::size_t cut = msg.body.find('\n');
    std::string text = ChatText(cut == std::string::npos ? msg.body : msg.body.substr(cut + 1));
    if (text.empty())
        return false;
    std::string name = cut == std::string::npos ? std::string() : ChatText(msg.body.substr(0, cut), CHAT_MAX_NAME_CHARS);
    Add(false, name.empty() ? PartnerName() : name, std::move(text));
    return true;
}

void CNetChat::Add(bool mine, const std::string& author, std::string text)
{
    if (m_lines.size() == MAX_LINES)
        m_lines.pop_front();
    m_lines.push_back({mine, author, std::move(text)});
    ++m_nSerial;
}
