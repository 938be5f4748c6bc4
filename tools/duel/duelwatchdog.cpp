#include "duelwatchdog.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

CDuelWatchdog::CDuelWatchdog(int seconds)
{
    m_thread = std::thread([this, seconds] {
        std::unique_lock<std::mutex> lock(m_lock);
        if (m_done.wait_for(lock, std::chrono::seconds(seconds), [this] { return m_bCancelled; }))
            return;
        std::fflush(stdout);
        std::fprintf(stderr, "tidebolt_duel: timed out after %d s\n", seconds);
        std::fflush(stderr);
        std::_Exit(3);
    });
}

CDuelWatchdog::~CDuelWatchdog()
{
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_bCancelled = true;
    }
    m_done.notify_all();
    m_thread.join();
}
