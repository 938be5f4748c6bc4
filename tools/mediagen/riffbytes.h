#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Little-endian byte building for the RIFF files the generator writes.
class CRiffBytes {
public:
    std::vector<unsigned char> bytes;

    std::size_t Size() const { return bytes.size(); }
    void U8(unsigned v) { bytes.push_back(static_cast<unsigned char>(v)); }
    void U16(unsigned v)
    {
        U8(v & 0xFF);
        U8((v >> 8) & 0xFF);
    }
    void U32(std::uint32_t v)
    {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void Tag(const char* fourcc) { bytes.insert(bytes.end(), fourcc, fourcc + 4); }
    void Append(const std::vector<unsigned char>& more) { bytes.insert(bytes.end(), more.begin(), more.end()); }

    // Opens a chunk (or a RIFF/LIST with its form type) and returns where its
    // size goes; Close fills the size in and pads the chunk to an even length.
    std::size_t Open(const char* id, const char* form = nullptr)
    {
        Tag(id);
        const std::size_t at = Size();
        U32(0);
        if (form)
            Tag(form);
        return at;
    }
    void Close(std::size_t at)
    {
        const std::uint32_t size = static_cast<std::uint32_t>(Size() - at - 4);
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<unsigned char>((size >> (8 * i)) & 0xFF);
        if (size & 1)
            U8(0);
    }
    void Chunk(const char* id, const std::vector<unsigned char>& body)
    {
        const std::size_t at = Open(id);
        Append(body);
        Close(at);
    }
};

bool WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);
