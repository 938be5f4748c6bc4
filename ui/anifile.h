#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One frame of an animated cursor: an ICO or CUR image as stored in the file,
// and the point of the image that is the pointer's tip.
struct CAniFrame {
    std::vector<unsigned char> image;
    int hotX = 0;
    int hotY = 0;
};

// An animated cursor (RIFF "ACON") as read from its bytes. The steps are
// complete: without a sequence in the file every frame is shown once in
// order; without per-step rates every step lasts the header's rate.
struct CAniFile {
    std::vector<CAniFrame> frames;
    std::vector<int> sequence;                 // frame index for each step
    std::vector<std::uint32_t> ratesJiffies;   // duration of each step, 1/60 s
};

enum : std::uint32_t {
    AF_ICON = 0x1,       // frames are ICO/CUR images, not raw bitmaps
    AF_SEQUENCE = 0x2,   // the file carries a "seq " chunk
};

// Reads the whole file from memory. False, with a reason in *error when it is
// given, for anything truncated or inconsistent; out is then left empty.
bool ReadAniFile(const unsigned char* data, std::size_t size, CAniFile& out, std::string* error);

// The hot spot of one ICO/CUR image: from the first directory entry for a
// cursor, the image's centre for an icon. False when the directory is broken.
bool ReadIconHotspot(const unsigned char* data, std::size_t size, int& hotX, int& hotY);
