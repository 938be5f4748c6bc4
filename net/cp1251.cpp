#include "net/cp1251.h"

#include "net/utf8.h"

#include <cstdint>

namespace {

// Code points of the bytes 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F.
const std::uint16_t kHighHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

// The Windows-1251 byte of a code point, or -1 when it has none.
int ByteOf(std::uint32_t cp)
{
    if (cp < 0x80)
        return int(cp);
    if (cp >= 0x0410 && cp <= 0x044F)
        return int(cp - 0x0410 + 0xC0);
    for (int i = 0; i < 64; ++i) {
        if (kHighHalf[i] != 0 && kHighHalf[i] == cp)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

bool IsWindows1251Text(const std::string& utf8)
{
    for (size_t pos = 0; pos < utf8.size();) {
        const std::uint32_t cp = NextCodePoint(utf8, pos);
        if (cp == UTF8_BAD || ByteOf(cp) < 0)
            return false;
    }
    return true;
}

std::string Utf8ToWindows1251(const std::string& utf8)
{
    std::string out;
    for (size_t pos = 0; pos < utf8.size();) {
        const std::uint32_t cp = NextCodePoint(utf8, pos);
        const int b = cp == UTF8_BAD ? -1 : ByteOf(cp);
        out += b < 0 ? '?' : char(b);
    }
    return out;
}

std::string Windows1251ToUtf8(const std::string& bytes)
{
    std::string out;
    for (const char c : bytes) {
        const unsigned char b = static_cast<unsigned char>(c);
        std::uint32_t cp = b;
        if (b >= 0xC0)
            cp = 0x0410 + (b - 0xC0);
        else if (b >= 0x80)
            cp = kHighHalf[b - 0x80] ? kHighHalf[b - 0x80] : 0xFFFD;
        AppendUtf8(out, cp);
    }
    return out;
}
