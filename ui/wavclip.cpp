#include "ui/wavclip.h"

#include "ui/riffchunks.h"

#include <fstream>

namespace {

constexpr unsigned WAVE_FORMAT_PCM = 1;
// More than the server mixes for an event sound is a damaged header.
constexpr unsigned MAX_CHANNELS = 8;
constexpr unsigned MIN_RATE = 1000;
constexpr unsigned MAX_RATE = 192000;
// The game's sounds are a second or two; a file far larger is not one of them.
constexpr std::size_t MAX_FILE_BYTES = 16u << 20;

bool ReadFormat(const riff::Chunk& chunk, CWavClip& clip)
{
    if (chunk.size < 16)
        return false;
    const unsigned char* p = chunk.body;
    if (riff::ReadU16(p) != WAVE_FORMAT_PCM)
        return false;
    clip.m_nChannels = riff::ReadU16(p + 2);
    clip.m_nRate = riff::ReadU32(p + 4);
    clip.m_nBits = riff::ReadU16(p + 14);
    return clip.m_nChannels >= 1 && clip.m_nChannels <= MAX_CHANNELS && clip.m_nRate >= MIN_RATE
        && clip.m_nRate <= MAX_RATE && (clip.m_nBits == 8 || clip.m_nBits == 16);
}

bool ParseInto(const unsigned char* data, std::size_t size, CWavClip& clip)
{
    if (size < 12 || !riff::IsTag(data, "RIFF") || !riff::IsTag(data + 8, "WAVE"))
        return false;
    riff::CChunkWalker walker(data + 12, size - 12);
    bool haveFormat = false;
    riff::Chunk chunk;
    while (walker.Next(chunk)) {
        if (riff::IsTag(chunk.id, "fmt ")) {
            haveFormat = ReadFormat(chunk, clip);
            if (!haveFormat)
                return false;
        } else if (riff::IsTag(chunk.id, "data") && haveFormat) {
            // A torn last frame would shift every sample after a cut; drop it.
            const std::size_t whole = chunk.size - chunk.size % clip.FrameBytes();
            clip.m_samples.assign(chunk.body, chunk.body + whole);
            return !clip.m_samples.empty();
        }
    }
    return false;
}

} // namespace

bool ParseWavClip(const unsigned char* data, std::size_t size, CWavClip& clip)
{
    clip = CWavClip();
    if (ParseInto(data, size, clip))
        return true;
    clip = CWavClip();
    return false;
}

bool LoadWavClip(const std::string& path, CWavClip& clip)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::vector<unsigned char> bytes;
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size <= 0 || static_cast<std::size_t>(size) > MAX_FILE_BYTES)
        return false;
    file.seekg(0);
    bytes.resize(static_cast<std::size_t>(size));
    if (!file.read(reinterpret_cast<char*>(bytes.data()), size))
        return false;
    return ParseWavClip(bytes.data(), bytes.size(), clip);
}
