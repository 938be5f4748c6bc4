#pragma once

#include <cstddef>
#include <cstdint>

// Little-endian reads and chunk walking for the RIFF files the game reads
// from Data/ (the wait cursor, the about box's clip). Plain C++: the readers
// that use it are fuzzed without the toolkit.
namespace riff {

inline std::uint16_t ReadU16(const unsigned char* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t ReadU32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8)
        | (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline std::int32_t ReadI32(const unsigned char* p)
{
    const std::uint32_t u = ReadU32(p);
    return u <= 0x7fffffffu ? static_cast<std::int32_t>(u) : -static_cast<std::int32_t>(~u) - 1;
}

inline bool IsTag(const unsigned char* p, const char* tag)
{
    return p[0] == static_cast<unsigned char>(tag[0]) && p[1] == static_cast<unsigned char>(tag[1])
        && p[2] == static_cast<unsigned char>(tag[2]) && p[3] == static_cast<unsigned char>(tag[3]);
}

struct Chunk {
    const unsigned char* id = nullptr;
    const unsigned char* body = nullptr;
    std::size_t size = 0;

    // A LIST (or RIFF) chunk of the given form: its body after the form tag.
    bool IsList(const char* form) const { return IsTag(id, "LIST") && size >= 4 && IsTag(body, form); }
};

// Steps through the chunks of one RIFF container body.
class CChunkWalker {
public:
    CChunkWalker(const unsigned char* begin, std::size_t size) : m_p(begin), m_left(size) {}

    bool AtEnd() const { return m_left == 0; }

    // False when the next chunk does not fit in what is left.
    bool Next(Chunk& chunk)
    {
        if (m_left < 8)
            return false;
        const std::size_t size = ReadU32(m_p + 4);
        if (size > m_left - 8)
            return false;
        chunk.id = m_p;
        chunk.body = m_p + 8;
        chunk.size = size;
        // Chunks are padded to an even length; a writer that left out the
        // very last pad byte still wrote every byte of content, so allow it.
        const std::size_t step = 8 + size + (size & 1);
        const std::size_t taken = step < m_left ? step : m_left;
        m_p += taken;
        m_left -= taken;
        return true;
    }

private:
    const unsigned char* m_p;
    std::size_t m_left;
};

}  // namespace riff
