#include "ui/anifile.h"

#include "ui/riffchunks.h"

// Plain C++ on purpose: this reader takes bytes from a file anyone can edit,
// so it is kept free of the toolkit and fuzzed on its own. Every length and
// count is checked against the bytes that are really there before it is used,
// and nothing is allocated from a count the data has not yet backed.

namespace {

constexpr std::size_t ANIH_SIZE = 36;
constexpr std::size_t ICONDIR_SIZE = 6;
constexpr std::size_t ICONDIRENTRY_SIZE = 16;
constexpr std::uint16_t ICON_TYPE = 1;
constexpr std::uint16_t CURSOR_TYPE = 2;

using riff::Chunk;
using riff::CChunkWalker;
using riff::IsTag;
using riff::ReadU16;
using riff::ReadU32;

struct AniHeader {
    std::uint32_t nFrames = 0;
    std::uint32_t nSteps = 0;
    std::uint32_t iDispRate = 0;
    std::uint32_t flags = 0;
};

// What the chunks of the file hold, before they are checked against each other.
struct AniParts {
    bool haveHeader = false;
    AniHeader header;
    const unsigned char* rate = nullptr;
    std::size_t rateSize = 0;
    const unsigned char* seq = nullptr;
    std::size_t seqSize = 0;
    std::vector<CAniFrame> frames;
};

bool Fail(std::string* error, const char* why)
{
    if (error)
        *error = why;
    return false;
}

bool ReadFrameList(const unsigned char* body, std::size_t size, AniParts& parts, std::string* error)
{
    CChunkWalker walker(body, size);
    while (!walker.AtEnd()) {
        Chunk chunk;
        if (!walker.Next(chunk))
            return Fail(error, "frame list chunk runs past its list");
        if (!IsTag(chunk.id, "icon"))
            continue;
        CAniFrame frame;
        if (!ReadIconHotspot(chunk.body, chunk.size, frame.hotX, frame.hotY))
            return Fail(error, "frame is not an icon or cursor image");
        frame.image.assign(chunk.body, chunk.body + chunk.size);
        parts.frames.push_back(std::move(frame));
    }
    return true;
}

bool ReadHeader(const Chunk& chunk, AniParts& parts, std::string* error)
{
    if (parts.haveHeader)
        return Fail(error, "two headers");
    if (chunk.size < ANIH_SIZE)
        return Fail(error, "header too short");
    const unsigned char* p = chunk.body;
    parts.header.nFrames = ReadU32(p + 4);
    parts.header.nSteps = ReadU32(p + 8);
    parts.header.iDispRate = ReadU32(p + 28);
    parts.header.flags = ReadU32(p + 32);
    parts.haveHeader = true;
    return true;
}

bool ReadChunks(const unsigned char* body, std::size_t size, AniParts& parts, std::string* error)
{
    CChunkWalker walker(body, size);
    while (!walker.AtEnd()) {
        Chunk chunk;
        if (!walker.Next(chunk))
            return Fail(error, "chunk runs past the end of the file");
        if (IsTag(chunk.id, "anih")) {
            if (!ReadHeader(chunk, parts, error))
                return false;
        } else if (IsTag(chunk.id, "rate")) {
            parts.rate = chunk.body;
            parts.rateSize = chunk.size;
        } else if (IsTag(chunk.id, "seq ")) {
            parts.seq = chunk.body;
            parts.seqSize = chunk.size;
        } else if (chunk.IsList("fram")) {
            if (!ReadFrameList(chunk.body + 4, chunk.size - 4, parts, error))
                return false;
        }
        // Anything else (the INFO list with title and author, say) is not ours to show.
    }
    return true;
}

bool BuildSteps(const AniParts& parts, CAniFile& out, std::string* error)
{
    const AniHeader& h = parts.header;
    std::size_t steps = parts.frames.size();
    if (parts.seq) {
        if (h.nSteps == 0 || parts.seqSize / 4 < h.nSteps)
            return Fail(error, "sequence shorter than its step count");
        steps = h.nSteps;
        for (std::size_t i = 0; i < steps; ++i) {
            const std::uint32_t frame = ReadU32(parts.seq + 4 * i);
            if (frame >= parts.frames.size())
                return Fail(error, "sequence names a frame that is not there");
            out.sequence.push_back(static_cast<int>(frame));
        }
    } else {
        // Without a sequence the frames play once each in their order,
        // whatever the header's step count claims.
        for (std::size_t i = 0; i < steps; ++i)
            out.sequence.push_back(static_cast<int>(i));
    }
    if (parts.rate) {
        if (parts.rateSize / 4 < steps)
            return Fail(error, "fewer rates than steps");
        for (std::size_t i = 0; i < steps; ++i)
            out.ratesJiffies.push_back(ReadU32(parts.rate + 4 * i));
    } else {
        out.ratesJiffies.assign(steps, h.iDispRate);
    }
    return true;
}

} // namespace

bool ReadIconHotspot(const unsigned char* data, std::size_t size, int& hotX, int& hotY)
{
    if (!data || size < ICONDIR_SIZE + ICONDIRENTRY_SIZE)
        return false;
    const std::uint16_t type = ReadU16(data + 2);
    const std::uint16_t count = ReadU16(data + 4);
    if (ReadU16(data) != 0 || (type != ICON_TYPE && type != CURSOR_TYPE) || count == 0)
        return false;
    if (count > (size - ICONDIR_SIZE) / ICONDIRENTRY_SIZE)
        return false;
    const unsigned char* entry = data + ICONDIR_SIZE;
    const int width = entry[0] ? entry[0] : 256;
    const int height = entry[1] ? entry[1] : 256;
    const std::size_t bytes = ReadU32(entry + 8);
    const std::size_t offset = ReadU32(entry + 12);
    if (bytes == 0 || offset < ICONDIR_SIZE + ICONDIRENTRY_SIZE * count || offset > size || bytes > size - offset)
        return false;
    if (type == ICON_TYPE) {
        // An icon has no hot spot of its own; its centre is where it points.
        hotX = width / 2;
        hotY = height / 2;
        return true;
    }
    const int x = ReadU16(entry + 4);
    const int y = ReadU16(entry + 6);
    if (x >= width || y >= height)
        return false;
    hotX = x;
    hotY = y;
    return true;
}

bool ReadAniFile(const unsigned char* data, std::size_t size, CAniFile& out, std::string* error)
{
    out = CAniFile();
    if (!data || size < 12)
        return Fail(error, "too short for a RIFF file");
    if (!IsTag(data, "RIFF") || !IsTag(data + 8, "ACON"))
        return Fail(error, "not an animated cursor");
    const std::size_t riffSize = ReadU32(data + 4);
    if (riffSize < 4 || riffSize > size - 8)
        return Fail(error, "file shorter than its RIFF header says");

    AniParts parts;
    if (!ReadChunks(data + 12, riffSize - 4, parts, error))
        return false;
    if (!parts.haveHeader)
        return Fail(error, "no header");
    if (!(parts.header.flags & AF_ICON))
        return Fail(error, "frames are raw bitmaps, not icons");
    if (parts.frames.empty() || parts.frames.size() != parts.header.nFrames)
        return Fail(error, "frame count does not match the header");

    CAniFile file;
    if (!BuildSteps(parts, file, error))
        return false;
    file.frames = std::move(parts.frames);
    out = std::move(file);
    return true;
}
