#include "ui/soundplayer.h"

#include "ui/freedmemory.h"

#include <algorithm>
#include <chrono>

namespace {

// A step of the clip between looks for a newer sound: the longest a
// superseded sound can go on before it is cut.
constexpr unsigned STEP_MS = 20;
// The stream stays open this long after a sound, so the quick sounds of a
// run of hits reuse it; then the stream and the thread go.
constexpr auto LINGER = std::chrono::seconds(3);

} // namespace

CSoundPlayer::~CSoundPlayer()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bQuit = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

bool CSoundPlayer::Stop(std::chrono::milliseconds patience)
{
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_bQuit = true;
        m_wake.notify_one();
        if (!m_ended.wait_for(lock, patience, [this] { return !m_bRunning; }))
            return false;
    }
    if (m_thread.joinable())
        m_thread.join();
    return true;
}

void CSoundPlayer::Play(const std::string& path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_strPending = path;
    m_bPending = true;
    if (!m_bRunning) {
        // A thread that went idle has left its loop for good; only joining remains.
        if (m_thread.joinable())
            m_thread.join();
        m_bRunning = true;
        m_thread = std::thread(&CSoundPlayer::Run, this);
    }
    m_wake.notify_one();
}

void CSoundPlayer::Run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        if (!m_bQuit && !m_bPending && m_output.IsOpen())
            m_wake.wait_for(lock, LINGER, [this] { return m_bPending || m_bQuit; });
        if (m_bQuit || !m_bPending) {
            lock.unlock();
            m_output.Close();
            // What the stream and the sound library held is freed now, and
            // the quiet after a game's last sound is the time to hand it back.
            ReturnFreedMemory();
            lock.lock();
            // A sound asked for while the stream closed is still played.
            if (m_bPending && !m_bQuit)
                continue;
            m_bRunning = false;
            m_ended.notify_all();
            return;
        }
        const std::string path = std::move(m_strPending);
        m_bPending = false;
        lock.unlock();
        PlayOne(path);
        lock.lock();
    }
}

bool CSoundPlayer::Interrupted()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_bPending || m_bQuit;
}

void CSoundPlayer::PlayOne(const std::string& path)
{
    m_output.Flush();
    if (path.empty())
        return;
    const CWavClip* clip = Clip(path);
    if (!clip)
        return;
    std::string why;
    if (!m_output.OpenFor(*clip, why)) {
        Failed(why);
        return;
    }
    m_bSaidOff = false;
    const std::size_t step = clip->m_nRate * STEP_MS / 1000 * clip->FrameBytes();
    const std::vector<unsigned char>& samples = clip->m_samples;
    for (std::size_t at = 0; at < samples.size(); at += step) {
        if (Interrupted())
            return;
        const std::size_t size = std::min(step, samples.size() - at);
        if (!m_output.Write(samples.data() + at, size, why)) {
            m_output.Close();
            Failed(why);
            return;
        }
    }
}

const CWavClip* CSoundPlayer::Clip(const std::string& path)
{
    auto it = m_clips.find(path);
    if (it == m_clips.end()) {
        it = m_clips.emplace(path, CWavClip()).first;
        if (!LoadWavClip(path, it->second))
            it->second = CWavClip();
    }
    return it->second.m_samples.empty() ? nullptr : &it->second;
}

void CSoundPlayer::Failed(const std::string& why)
{
    if (m_bSaidOff)
        return;
    m_bSaidOff = true;
    if (m_notice)
        m_notice(why);
}
