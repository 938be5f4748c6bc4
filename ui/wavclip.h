#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A sound as the sound server takes it: plain PCM frames and their format.
struct CWavClip {
    unsigned m_nRate = 0;
    unsigned m_nChannels = 0;
    unsigned m_nBits = 0;  // 8 (unsigned) or 16 (signed, little-endian)
    std::vector<unsigned char> m_samples;

    std::size_t FrameBytes() const { return m_nChannels * m_nBits / 8; }
    bool SameFormat(const CWavClip& other) const
    {
        return m_nRate == other.m_nRate && m_nChannels == other.m_nChannels && m_nBits == other.m_nBits;
    }
};

// Reads an uncompressed WAVE file; false, with the clip left empty, for
// anything else, so a damaged or compressed file is left out rather than
// played as noise. Plain C++, fuzzed on its own.
bool ParseWavClip(const unsigned char* data, std::size_t size, CWavClip& clip);
bool LoadWavClip(const std::string& path, CWavClip& clip);
