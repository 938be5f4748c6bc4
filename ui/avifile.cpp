#include "ui/avifile.h"

#include "ui/riffchunks.h"

#include <algorithm>

// Plain C++ on purpose, like the cursor's reader: the clip is a file anyone
// can replace, so it is read without the toolkit and fuzzed on its own. The
// headers are checked against each other and every frame is decoded once
// before the clip is accepted, so the player never meets a broken frame.

namespace {

using riff::CChunkWalker;
using riff::Chunk;
using riff::IsTag;
using riff::ReadI32;
using riff::ReadU16;
using riff::ReadU32;

constexpr std::size_t AVIH_SIZE = 40;
constexpr std::size_t STRH_SIZE = 48;
constexpr std::size_t BITMAPINFOHEADER_SIZE = 40;
constexpr std::uint32_t DEFAULT_FRAME_US = 66667;  // 15 a second, when the file names no rate
constexpr std::uint32_t OPAQUE = 0xff000000u;

bool Fail(std::string* error, const char* why)
{
    if (error)
        *error = why;
    return false;
}

// What the chunks of the file hold, before they are checked against each other.
struct AviParts {
    std::uint32_t mainFrameUs = 0;
    int streams = 0;
    int videoStream = -1;
    const unsigned char* strh = nullptr;
    const unsigned char* strf = nullptr;
    std::size_t strfSize = 0;
    std::vector<Chunk> frames;
};

bool ReadStreamList(const Chunk& list, AviParts& parts, std::string* error)
{
    const int stream = parts.streams++;
    if (parts.videoStream >= 0)
        return true;  // the first video stream is the clip
    const unsigned char* strh = nullptr;
    const unsigned char* strf = nullptr;
    std::size_t strfSize = 0;
    CChunkWalker walker(list.body + 4, list.size - 4);
    while (!walker.AtEnd()) {
        Chunk chunk;
        if (!walker.Next(chunk))
            return Fail(error, "stream header runs past its list");
        if (IsTag(chunk.id, "strh")) {
            if (chunk.size < STRH_SIZE)
                return Fail(error, "stream header too short");
            strh = chunk.body;
        } else if (IsTag(chunk.id, "strf")) {
            strf = chunk.body;
            strfSize = chunk.size;
        }
    }
    if (!strh || !IsTag(strh, "vids"))
        return true;
    if (!strf)
        return Fail(error, "video stream without a format");
    parts.videoStream = stream;
    parts.strh = strh;
    parts.strf = strf;
    parts.strfSize = strfSize;
    return true;
}

bool ReadHeaderList(const Chunk& list, AviParts& parts, std::string* error)
{
    CChunkWalker walker(list.body + 4, list.size - 4);
    while (!walker.AtEnd()) {
        Chunk chunk;
        if (!walker.Next(chunk))
            return Fail(error, "header runs past its list");
        if (IsTag(chunk.id, "avih")) {
            if (chunk.size < AVIH_SIZE)
                return Fail(error, "main header too short");
            parts.mainFrameUs = ReadU32(chunk.body);
        } else if (chunk.IsList("strl")) {
            if (!ReadStreamList(chunk, parts, error))
                return false;
        }
    }
    return true;
}

// A chunk of the clip's stream: two digits of its number, then "db"
// (uncompressed) or "dc" (compressed); writers use either for either.
bool IsFrameChunk(const Chunk& chunk, int stream)
{
    const unsigned char* id = chunk.id;
    return stream < 100 && id[0] == '0' + stream / 10 && id[1] == '0' + stream % 10 && id[2] == 'd'
        && (id[3] == 'b' || id[3] == 'c');
}

bool ReadMovieList(const unsigned char* body, std::size_t size, AviParts& parts, std::string* error)
{
    CChunkWalker walker(body, size);
    while (!walker.AtEnd()) {
        Chunk chunk;
        if (!walker.Next(chunk))
            return Fail(error, "frame runs past the end of the movie");
        if (chunk.IsList("rec ")) {
            if (!ReadMovieList(chunk.body + 4, chunk.size - 4, parts, error))
                return false;
        } else if (IsFrameChunk(chunk, parts.videoStream)) {
            parts.frames.push_back(chunk);
        }
        // Sound, palette changes and padding are not shown.
    }
    return true;
}

bool ReadChunks(const unsigned char* body, std::size_t size, AviParts& parts, std::string* error)
{
    CChunkWalker walker(body, size);
    std::vector<Chunk> movies;
    while (!walker.AtEnd()) {
        Chunk chunk;
        if (!walker.Next(chunk))
            return Fail(error, "chunk runs past the end of the file");
        if (chunk.IsList("hdrl")) {
            if (!ReadHeaderList(chunk, parts, error))
                return false;
        } else if (chunk.IsList("movi")) {
            movies.push_back(chunk);
        }
        // The index and anything else are not needed: the movie is read in order.
    }
    if (parts.videoStream < 0)
        return Fail(error, "no video stream");
    for (const Chunk& movie : movies) {
        if (!ReadMovieList(movie.body + 4, movie.size - 4, parts, error))
            return false;
    }
    return true;
}

std::uint32_t FrameMicroseconds(const AviParts& parts)
{
    const std::uint64_t scale = ReadU32(parts.strh + 20);
    const std::uint64_t rate = ReadU32(parts.strh + 24);
    std::uint64_t us = parts.mainFrameUs;
    if (scale && rate)
        us = scale * 1000000u / rate;
    if (us == 0)
        us = DEFAULT_FRAME_US;
    return static_cast<std::uint32_t>(std::clamp<std::uint64_t>(us, AVI_MIN_FRAME_US, AVI_MAX_FRAME_US));
}

bool ReadPalette(const AviParts& parts, std::uint32_t headerSize, std::uint32_t used, CAviClip& clip,
                 std::string* error)
{
    const std::uint32_t most = 1u << clip.bitCount;
    const std::uint32_t count = used ? used : most;
    if (count > most)
        return Fail(error, "more colours than the pixels can name");
    if (headerSize > parts.strfSize || count > (parts.strfSize - headerSize) / 4)
        return Fail(error, "palette runs past the format");
    clip.palette.assign(256, OPAQUE);  // an index past the palette shows black
    const unsigned char* p = parts.strf + headerSize;
    for (std::uint32_t i = 0; i < count; ++i, p += 4)
        clip.palette[i] = OPAQUE | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
    return true;
}

bool ReadFormat(const AviParts& parts, CAviClip& clip, std::string* error)
{
    if (parts.strfSize < BITMAPINFOHEADER_SIZE)
        return Fail(error, "video format too short");
    const unsigned char* f = parts.strf;
    const std::uint32_t headerSize = ReadU32(f);
    const std::int32_t width = ReadI32(f + 4);
    const std::int32_t height = ReadI32(f + 8);
    clip.bitCount = ReadU16(f + 14);
    clip.compression = ReadU32(f + 16);
    if (clip.compression == 0x20424944u)  // "DIB ": uncompressed by its codec's name
        clip.compression = AVI_RGB;
    if (headerSize < BITMAPINFOHEADER_SIZE)
        return Fail(error, "video format too short");
    if (width <= 0 || height == 0 || width > AVI_MAX_SIDE || height > AVI_MAX_SIDE || height < -AVI_MAX_SIDE)
        return Fail(error, "picture size out of range");
    clip.width = width;
    clip.height = height < 0 ? -height : height;
    clip.topDown = height < 0;
    if (clip.width * clip.height > AVI_MAX_PIXELS)
        return Fail(error, "picture size out of range");

    const int bits = clip.bitCount;
    const bool known = (clip.compression == AVI_RGB && (bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32))
        || (clip.compression == AVI_RLE8 && bits == 8) || (clip.compression == AVI_RLE4 && bits == 4);
    if (!known)
        return Fail(error, "frames neither uncompressed nor run-length encoded");
    if (clip.topDown && clip.compression != AVI_RGB)
        return Fail(error, "run-length frames stored top row first");
    if (bits <= 8)
        return ReadPalette(parts, headerSize, ReadU32(f + 32), clip, error);
    return true;
}

std::size_t Stride(const CAviClip& clip)
{
    return (static_cast<std::size_t>(clip.width) * clip.bitCount + 31) / 32 * 4;
}

std::uint32_t PixelOfRow(const CAviClip& clip, const unsigned char* row, int x)
{
    switch (clip.bitCount) {
    case 4: return clip.palette[(x & 1) ? (row[x / 2] & 0x0f) : (row[x / 2] >> 4)];
    case 8: return clip.palette[row[x]];
    case 16: {
        const std::uint32_t v = ReadU16(row + 2 * x);  // five bits each of red, green, blue
        const auto five = [](std::uint32_t c) { return (c << 3) | (c >> 2); };
        return OPAQUE | (five((v >> 10) & 31) << 16) | (five((v >> 5) & 31) << 8) | five(v & 31);
    }
    default: {
        const unsigned char* p = row + x * (clip.bitCount / 8);
        return OPAQUE | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
    }
    }
}

bool DecodeUncompressed(const CAviClip& clip, const std::vector<unsigned char>& data,
                        std::vector<std::uint32_t>& picture)
{
    const std::size_t stride = Stride(clip);
    if (data.size() / stride < static_cast<std::size_t>(clip.height))
        return false;
    for (int y = 0; y < clip.height; ++y) {
        const unsigned char* row = data.data() + stride * y;
        const int line = clip.topDown ? y : clip.height - 1 - y;
        std::uint32_t* out = picture.data() + static_cast<std::size_t>(line) * clip.width;
        for (int x = 0; x < clip.width; ++x)
            out[x] = PixelOfRow(clip, row, x);
    }
    return true;
}

// Run-length frames, bottom row first: pairs of a count and a colour, or a
// zero and an escape (end of line, end of picture, a jump, or a run of
// colours written out). Pixels past the picture's edge are dropped, as the
// window system does.
bool DecodeRunLength(const CAviClip& clip, const std::vector<unsigned char>& data,
                     std::vector<std::uint32_t>& picture)
{
    const bool four = clip.compression == AVI_RLE4;
    const unsigned char* p = data.data();
    const std::size_t n = data.size();
    long x = 0;
    long y = 0;
    const auto put = [&](unsigned index) {
        if (x < clip.width && y < clip.height)
            picture[static_cast<std::size_t>(clip.height - 1 - y) * clip.width + x] = clip.palette[index];
        ++x;
    };
    std::size_t i = 0;
    while (i + 1 < n) {
        const unsigned count = p[i];
        const unsigned value = p[i + 1];
        i += 2;
        if (count > 0) {
            for (unsigned k = 0; k < count; ++k)
                put(four ? ((k & 1) ? (value & 0x0f) : (value >> 4)) : value);
            continue;
        }
        if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            if (n - i < 2)
                return false;
            x += p[i];
            y += p[i + 1];
            i += 2;
        } else {
            const std::size_t bytes = four ? (value + 1) / 2 : value;
            if (n - i < bytes)
                return false;
            for (unsigned k = 0; k < value; ++k)
                put(four ? ((k & 1) ? (p[i + k / 2] & 0x0f) : (p[i + k / 2] >> 4)) : p[i + k]);
            i += bytes + (bytes & 1);  // runs keep the data on 16-bit words
        }
    }
    return true;  // no end mark: what was drawn stands
}

}  // namespace

bool DecodeAviFrame(const CAviClip& clip, std::size_t index, std::vector<std::uint32_t>& picture)
{
    const std::size_t pixels = static_cast<std::size_t>(clip.width) * clip.height;
    if (index >= clip.frames.size() || picture.size() != pixels || pixels == 0)
        return false;
    if (index == 0)
        std::fill(picture.begin(), picture.end(), OPAQUE);
    const std::vector<unsigned char>& data = clip.frames[index];
    if (data.empty())
        return true;  // a dropped frame: the one before stays
    if (clip.compression == AVI_RGB)
        return DecodeUncompressed(clip, data, picture);
    return DecodeRunLength(clip, data, picture);
}

bool ReadAviClip(const unsigned char* data, std::size_t size, CAviClip& out, std::string* error)
{
    out = CAviClip();
    if (!data || size < 12)
        return Fail(error, "too short for a RIFF file");
    if (!IsTag(data, "RIFF") || !IsTag(data + 8, "AVI "))
        return Fail(error, "not an AVI clip");
    const std::size_t riffSize = ReadU32(data + 4);
    if (riffSize < 4 || riffSize > size - 8)
        return Fail(error, "file shorter than its RIFF header says");

    AviParts parts;
    if (!ReadChunks(data + 12, riffSize - 4, parts, error))
        return false;
    CAviClip clip;
    if (!ReadFormat(parts, clip, error))
        return false;
    if (parts.frames.empty())
        return Fail(error, "no frames");
    clip.frameMicroseconds = FrameMicroseconds(parts);
    for (const Chunk& frame : parts.frames)
        clip.frames.emplace_back(frame.body, frame.body + frame.size);

    std::vector<std::uint32_t> picture(static_cast<std::size_t>(clip.width) * clip.height);
    for (std::size_t i = 0; i < clip.frames.size(); ++i) {
        if (!DecodeAviFrame(clip, i, picture))
            return Fail(error, "a frame breaks off");
    }
    out = std::move(clip);
    return true;
}
