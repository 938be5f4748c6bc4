#pragma once

#include "net/netmsg.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

// Commands the dispatch hands to the window, each with its block: the name,
// the shot and the fleet; the three signals that change game flags, posted
// too so that every flag is written on the window's thread alone; and the
// window's own "New game" (32780).
enum {
    ID_NET_NAME = 108,
    ID_NET_SHOT = 109,
    ID_NET_BOARD = 110,
    ID_NET_READY = 111,
    ID_NET_SERVER_FIRST = 112,
    ID_NET_TRADITION = 113,
};
constexpr int NET_CMD_NEW_GAME = 32780;

// One record on its way to the window.
struct NetDelivery {
    int commandId = 0;
    std::vector<unsigned char> block;  // name with its zero; two int32; 100 codes; one flag byte
    NETMSG record;                     // to put back when it arrives too late
    std::uint32_t generation = 0;      // the connection it belongs to
};

// Hands a delivery to the window's thread; called on the dispatch thread.
class INetPost {
public:
    virtual ~INetPost() = default;
    virtual void Post(NetDelivery delivery) = 0;
};

// The command and block a record becomes; false for a type nobody acts on.
bool MakeDelivery(const NETMSG& rec, NetDelivery& out);
// The shot's row + 1 and column + 1 as they travel in a block.
bool ReadShotBlock(const std::vector<unsigned char>& block, int& row1, int& col1);

// Received records wait here, oldest first, while QueueEnabled is clear.
// A thread looks every 50 ms and hands the front record to the window, one
// at a time: the next leaves only when the window has taken the last one.
// The window takes a record only while delivery is still on (a name dialog
// may have opened after it was posted) and otherwise puts it back in front,
// which keeps the order because no other record is ever on its way.
class CNetQueue {
public:
    // Far beyond anything a game sends between two looks of the dispatch;
    // a peer that gets there is flooding us.
    static constexpr std::size_t MAX_RECORDS = 4096;

    CNetQueue() = default;
    ~CNetQueue();
    CNetQueue(const CNetQueue&) = delete;
    CNetQueue& operator=(const CNetQueue&) = delete;

    // False when the queue is full: the record is dropped.
    bool Append(const NETMSG& rec);
    // The connection ended: nothing of it may reach a later game.
    void Clear();
    std::size_t Size() const;

    void Start(INetPost* post, std::chrono::milliseconds period = std::chrono::milliseconds(50));
    void Stop();   // joins the thread
    bool IsRunning() const { return m_thread.joinable(); }

    // One pass of the dispatch: posts the front record when delivery is on
    // and nothing is on its way. True when a record left the queue.
    bool DispatchOne(INetPost& post);

    // On the window's thread, when a posted record arrives. True: apply it,
    // then call Done. False: it was put back or belongs to a closed
    // connection; do nothing.
    bool Take(const NetDelivery& delivery);
    void Done(const NetDelivery& delivery);

private:
    void Run(INetPost* post, std::chrono::milliseconds period);

    mutable std::mutex m_lock;
    std::deque<NETMSG> m_records;
    bool m_bInFlight = false;
    std::uint32_t m_nGeneration = 0;

    std::thread m_thread;
    std::mutex m_stopLock;
    std::condition_variable m_stopSignal;
    bool m_bStop = false;
};

extern CNetQueue NetQueue;
