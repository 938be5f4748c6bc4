#include "net/netqueue.h"

#include "game/globals.h"

#include <cstring>

CNetQueue NetQueue;

bool MakeDelivery(const NETMSG& rec, NetDelivery& out)
{
    out.record = rec;
    out.block.clear();
    switch (rec.type) {
    case NET_READY:
        out.commandId = ID_NET_READY;
        return true;
    case NET_SERVER_FIRST:
        out.commandId = ID_NET_SERVER_FIRST;
        return true;
    case NET_NEW_GAME:
        out.commandId = NET_CMD_NEW_GAME;
        return true;
    case NET_NAME: {
        const unsigned char* end = static_cast<const unsigned char*>(std::memchr(rec.data, 0, NETMSG_DATA));
        const std::size_t length = end ? static_cast<std::size_t>(end - rec.data) : NETMSG_DATA - 1;
        out.commandId = ID_NET_NAME;
        out.block.assign(rec.data, rec.data + length);
        out.block.push_back(0);
        return true;
    }
    case NET_SHOT: {
        const std::int32_t cell[2] = {static_cast<signed char>(rec.data[0]),
                                      static_cast<signed char>(rec.data[1])};
        out.commandId = ID_NET_SHOT;
        out.block.resize(sizeof cell);
        std::memcpy(out.block.data(), cell, sizeof cell);
        return true;
    }
    case NET_FLEET:
        out.commandId = ID_NET_BOARD;
        out.block.assign(rec.data, rec.data + NET_FLEET_CELLS);
        return true;
    case NET_TRADITION:
        out.commandId = ID_NET_TRADITION;
        out.block.push_back(static_cast<signed char>(rec.data[0]) != 0 ? 1 : 0);
        return true;
    default:
        return false;
    }
}

bool ReadShotBlock(const std::vector<unsigned char>& block, int& row1, int& col1)
{
    std::int32_t cell[2];
    if (block.size() != sizeof cell)
        return false;
    std::memcpy(cell, block.data(), sizeof cell);
    row1 = cell[0];
    col1 = cell[1];
    return true;
}

CNetQueue::~CNetQueue()
{
    Stop();
}

bool CNetQueue::Append(const NETMSG& rec)
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_records.size() >= MAX_RECORDS)
        return false;
    m_records.push_back(rec);
    return true;
}

void CNetQueue::Clear()
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_records.clear();
    m_bInFlight = false;
    ++m_nGeneration;
}

std::size_t CNetQueue::Size() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_records.size();
}

bool CNetQueue::DispatchOne(INetPost& post)
{
    NetDelivery delivery;
    bool deliver = false;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (!QueueEnabled || m_records.empty() || m_bInFlight)
            return false;
        deliver = MakeDelivery(m_records.front(), delivery);
        m_records.pop_front();
        if (deliver) {
            delivery.generation = m_nGeneration;
            m_bInFlight = true;
        }
    }
    // Posted outside the lock: the window's thread may be appending.
    if (deliver)
        post.Post(std::move(delivery));
    return true;
}

bool CNetQueue::Take(const NetDelivery& delivery)
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (delivery.generation != m_nGeneration)
        return false;   // its connection is gone; Clear already freed the way
    if (QueueEnabled)
        return true;
    m_records.push_front(delivery.record);
    m_bInFlight = false;
    return false;
}

void CNetQueue::Done(const NetDelivery& delivery)
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (delivery.generation == m_nGeneration)
        m_bInFlight = false;
}

void CNetQueue::Start(INetPost* post, std::chrono::milliseconds period)
{
    if (m_thread.joinable() || !post)
        return;
    {
        std::lock_guard<std::mutex> guard(m_stopLock);
        m_bStop = false;
    }
    m_thread = std::thread(&CNetQueue::Run, this, post, period);
}

void CNetQueue::Stop()
{
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard<std::mutex> guard(m_stopLock);
        m_bStop = true;
    }
    m_stopSignal.notify_all();
    m_thread.join();
}

void CNetQueue::Run(INetPost* post, std::chrono::milliseconds period)
{
    std::unique_lock<std::mutex> stopGuard(m_stopLock);
    while (!m_bStop) {
        stopGuard.unlock();
        DispatchOne(*post);
        stopGuard.lock();
        m_stopSignal.wait_for(stopGuard, period, [this] { return m_bStop; });
    }
}
