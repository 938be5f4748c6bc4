#pragma once

#include <cstddef>
#include <string>

struct CWavClip;

// One playback stream to the desktop's sound server (PulseAudio, or
// PipeWire's PulseAudio server) through libpulse's simple API. The library is
// opened only when the first sound plays, so a game that never sounds never
// maps it. Used from one thread at a time.
class CPulseOutput {
public:
    CPulseOutput() = default;
    CPulseOutput(const CPulseOutput&) = delete;
    CPulseOutput& operator=(const CPulseOutput&) = delete;
    ~CPulseOutput() { Close(); }

    // Opens a stream for the clip's format, or keeps the open one when it
    // already has that format. On failure says why in error.
    bool OpenFor(const CWavClip& clip, std::string& error);
    bool IsOpen() const { return m_pStream != nullptr; }
    // Blocks while the server's buffer is full, so the caller writes in small
    // steps and can stop between them.
    bool Write(const unsigned char* data, std::size_t size, std::string& error);
    // Drops what the server still holds of this stream: the sound stops now.
    void Flush();
    // Lets what was written play out, then closes.
    void Close();

private:
    void* m_pStream = nullptr;  // pa_simple*
    unsigned m_nRate = 0, m_nChannels = 0, m_nBits = 0;
};
