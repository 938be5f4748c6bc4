#pragma once

#include <string>

// Names travel between the two machines as Windows-1251 bytes; the game
// keeps them as UTF-8.

// True when every character of the UTF-8 text has a Windows-1251 byte (and
// the text is valid UTF-8).
bool IsWindows1251Text(const std::string& utf8);

// The Windows-1251 bytes of the text; a character without one becomes '?'.
std::string Utf8ToWindows1251(const std::string& utf8);

// The UTF-8 text of Windows-1251 bytes; the one unassigned byte, 0x98,
// becomes U+FFFD.
std::string Windows1251ToUtf8(const std::string& bytes);
