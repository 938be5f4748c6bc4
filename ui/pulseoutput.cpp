#include "ui/pulseoutput.h"

#include "ui/wavclip.h"

#include <dlfcn.h>
#include <pulse/error.h>
#include <pulse/simple.h>

#include <cstdint>
#include <mutex>

namespace {

constexpr const char* LIBRARY = "libpulse-simple.so.0";
// What the server buffers ahead of the speaker: short, so a new sound cuts
// the old one without an audible tail, long enough not to stutter under load.
constexpr unsigned BUFFER_MS = 80;

struct PulseApi {
    decltype(&pa_simple_new) simpleNew = nullptr;
    decltype(&pa_simple_write) write = nullptr;
    decltype(&pa_simple_flush) flush = nullptr;
    decltype(&pa_simple_drain) drain = nullptr;
    decltype(&pa_simple_free) free = nullptr;
    decltype(&pa_strerror) strerror = nullptr;
    bool loaded = false;
};

template <typename F>
bool Bind(void* library, const char* name, F& function)
{
    function = reinterpret_cast<F>(dlsym(library, name));
    return function != nullptr;
}

// Kept loaded for the rest of the run: unloading a library with threads of
// its own is not safe, and the next sound would load it again.
const PulseApi& Api()
{
    static PulseApi api;
    static std::once_flag once;
    std::call_once(once, [] {
        void* library = dlopen(LIBRARY, RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return;
        api.loaded = Bind(library, "pa_simple_new", api.simpleNew) && Bind(library, "pa_simple_write", api.write)
            && Bind(library, "pa_simple_flush", api.flush) && Bind(library, "pa_simple_drain", api.drain)
            && Bind(library, "pa_simple_free", api.free) && Bind(library, "pa_strerror", api.strerror);
    });
    return api;
}

pa_simple* Stream(void* stream)
{
    return static_cast<pa_simple*>(stream);
}

} // namespace

bool CPulseOutput::OpenFor(const CWavClip& clip, std::string& error)
{
    if (m_pStream && m_nRate == clip.m_nRate && m_nChannels == clip.m_nChannels && m_nBits == clip.m_nBits)
        return true;
    Close();
    const PulseApi& api = Api();
    if (!api.loaded) {
        error = std::string(LIBRARY) + " is not installed";
        return false;
    }
    pa_sample_spec sampleFormat;
    sampleFormat.format = clip.m_nBits == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    sampleFormat.rate = clip.m_nRate;
    sampleFormat.channels = static_cast<std::uint8_t>(clip.m_nChannels);
    pa_buffer_attr buffer;
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.tlength = static_cast<std::uint32_t>(clip.m_nRate * clip.FrameBytes() * BUFFER_MS / 1000);
    buffer.prebuf = static_cast<std::uint32_t>(-1);
    buffer.minreq = static_cast<std::uint32_t>(-1);
    buffer.fragsize = static_cast<std::uint32_t>(-1);
    int code = 0;
    pa_simple* stream = api.simpleNew(nullptr, "Tidebolt", PA_STREAM_PLAYBACK, nullptr, "game event", &sampleFormat,
                                      nullptr, &buffer, &code);
    if (!stream) {
        error = std::string("cannot reach the sound server: ") + api.strerror(code);
        return false;
    }
    m_pStream = stream;
    m_nRate = clip.m_nRate, m_nChannels = clip.m_nChannels, m_nBits = clip.m_nBits;
    return true;
}

bool CPulseOutput::Write(const unsigned char* data, std::size_t size, std::string& error)
{
    int code = 0;
    if (m_pStream && Api().write(Stream(m_pStream), data, size, &code) == 0)
        return true;
    error = std::string("the sound server stopped taking sound: ") + (m_pStream ? Api().strerror(code) : "no stream");
    return false;
}

void CPulseOutput::Flush()
{
    if (m_pStream)
        Api().flush(Stream(m_pStream), nullptr);
}

void CPulseOutput::Close()
{
    if (!m_pStream)
        return;
    Api().drain(Stream(m_pStream), nullptr);
    Api().free(Stream(m_pStream));
    m_pStream = nullptr;
}
