#include "net/netqueue.h"

bool CNetQueue::Append(const NETMSG& rec)
{
    if (m_records.size() >= MAX_RECORDS)
        return false;
    m_records.push_back(rec);
    return true;
}

void CNetQueue::Clear()
{
    m_records.clear();
}

CNetQueue::Clock::duration CNetQueue::Wait(Clock::time_point now) const
{
    const Clock::duration since = now - m_lastTaken;
    return since >= PASS ? Clock::duration::zero() : PASS - since;
}

NETMSG CNetQueue::Take(Clock::time_point now)
{
    if (m_records.empty())
        return NETMSG{};
    NETMSG rec = m_records.front();
    m_records.pop_front();
    m_lastTaken = now;
    return rec;
}
