#pragma once

#include "ui/pulseoutput.h"
#include "ui/wavclip.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>

// Plays the game's sounds on a thread of its own, so a shot never waits for
// the sound server. A new sound cuts the one playing; an empty path only
// silences it. Each file is read once. The thread and the stream exist only
// while sounds play: a quiet game holds neither.
class CSoundPlayer {
public:
    // Told, from the sound thread, why sounds are off; once until a sound
    // plays again.
    using Notice = std::function<void(const std::string& why)>;

    explicit CSoundPlayer(Notice notice) : m_notice(std::move(notice)) {}
    CSoundPlayer(const CSoundPlayer&) = delete;
    CSoundPlayer& operator=(const CSoundPlayer&) = delete;
    ~CSoundPlayer();

    void Play(const std::string& path);
    // Cuts the sound and ends the thread, waiting no longer than `patience`
    // for a server that has stopped answering: false leaves the thread
    // behind, and with it this player, which must then outlive it.
    bool Stop(std::chrono::milliseconds patience);

private:
    void Run();
    void PlayOne(const std::string& path);
    bool Interrupted();
    const CWavClip* Clip(const std::string& path);
    void Failed(const std::string& why);

    Notice m_notice;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_ended;
    std::thread m_thread;
    // Guarded by m_mutex.
    std::string m_strPending;
    bool m_bPending = false;
    bool m_bQuit = false;
    bool m_bRunning = false;
    // The sound thread's own.
    CPulseOutput m_output;
    std::map<std::string, CWavClip> m_clips;  // an empty clip: unreadable
    bool m_bSaidOff = false;
};
