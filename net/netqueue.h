#pragma once

#include "net/netmsg.h"

#include <chrono>
#include <cstddef>
#include <deque>

// Received records wait here, oldest first, until the window may act on
// them. They leave one at a time and at least a pass apart, so the partner's
// opening reaches the game message by message; a record that comes when the
// last one left long ago goes at once. Everything runs on the window's
// thread: the queue needs no lock.
class CNetQueue {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds PASS{50};
    // Far beyond anything a game sends in one go; a peer that gets there
    // is flooding us.
    static constexpr std::size_t MAX_RECORDS = 4096;

    // False when the queue is full: the record is dropped.
    bool Append(const NETMSG& rec);
    void Clear();
    bool Empty() const { return m_records.empty(); }
    std::size_t Size() const { return m_records.size(); }

    // How long before the front record may leave (zero: now).
    Clock::duration Wait(Clock::time_point now) const;
    // Takes the front record; call only when Wait is zero.
    NETMSG Take(Clock::time_point now);

private:
    std::deque<NETMSG> m_records;
    Clock::time_point m_lastTaken{};   // the epoch: long ago
};
