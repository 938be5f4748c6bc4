#pragma once

#include "net/netmsg.h"
#include "net/netsession.h"   // INetLink

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

// A chat line as the panel may show it: valid UTF-8 (a broken sequence
// becomes U+FFFD), no control or direction-changing characters, breaks
// turned into spaces, at most CHAT_MAX_CHARS characters, no spaces at the
// ends. Empty when nothing is left to show.
constexpr std::size_t CHAT_MAX_CHARS = 200;
std::string ChatText(const std::string& bytes, std::size_t maxChars = CHAT_MAX_CHARS);
// The name dialog takes no longer names.
constexpr std::size_t CHAT_MAX_NAME_CHARS = 20;

struct CChatLine {
    bool m_bMine = false;
    std::string m_strAuthor;
    std::string m_strText;
};

enum class EChatState {
    Off,           // no partner connected
    Unavailable,   // the partner gave no sign: it knows only the game's messages
    Open,
};

// Chat between two copies of the game on their game's own connection. The
// client gives the sign as it connects; the server gives it only in answer,
// so a partner that never signs receives exactly the game's messages from a
// server. Lines flow once both signs are given, and never touch the game.
// Each line carries its writer's name ahead of a line break: lines pass the
// game's queue, so the partner's name message may still wait there.
class CNetChat {
public:
    // A partner flooding us costs at most this many lines of memory.
    static constexpr std::size_t MAX_LINES = 500;

    explicit CNetChat(INetLink& link) : m_link(link) {}

    // A connection stands; `client`: we made it.
    void Begin(bool client);
    // The connection is gone. The lines stay to be read.
    void End();
    EChatState State() const;

    // Our line to the partner; false when it was not sent (chat not open,
    // nothing left of the line).
    bool Send(const std::string& utf8);
    // The partner's sign or line; true when a line was added.
    bool Receive(const CNetExtMsg& msg);

    // The latest lines, oldest first, and how many lines were ever added:
    // the panel shows what came since it last looked.
    const std::deque<CChatLine>& Lines() const { return m_lines; }
    std::uint64_t Serial() const { return m_nSerial; }

private:
    void Add(bool mine, const std::string& author, std::string text);

    INetLink& m_link;
    bool m_bConnected = false;
    bool m_bSignGiven = false;
    bool m_bPeerSigned = false;
    std::deque<CChatLine> m_lines;
    std::uint64_t m_nSerial = 0;
};
