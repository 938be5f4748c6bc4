#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

// Ends the process with exit code 3 when the duel has not finished in time,
// even if the window's thread is stuck where no timer can fire.
class CDuelWatchdog {
public:
    explicit CDuelWatchdog(int seconds);
    ~CDuelWatchdog();
    CDuelWatchdog(const CDuelWatchdog&) = delete;
    CDuelWatchdog& operator=(const CDuelWatchdog&) = delete;

private:
    std::mutex m_lock;
    std::condition_variable m_done;
    bool m_bCancelled = false;
    std::thread m_thread;
};
