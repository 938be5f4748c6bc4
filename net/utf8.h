#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Text from the partner arrives as bytes; these read and write it as UTF-8.

constexpr std::uint32_t UTF8_BAD = 0xFFFFFFFF;

// Decodes one UTF-8 sequence at pos and steps past it; UTF8_BAD for a
// malformed one (overlong, a surrogate, beyond U+10FFFF, cut short).
std::uint32_t NextCodePoint(const std::string& s, std::size_t& pos);

void AppendUtf8(std::string& out, std::uint32_t cp);
