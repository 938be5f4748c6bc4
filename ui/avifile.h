#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A clip of the kind the about box plays: a RIFF "AVI " file whose video
// stream holds uncompressed frames (8, 16, 24 or 32 bits, or 4 with a
// palette) or run-length-encoded ones (RLE8, RLE4). Any other stream, a
// sound track say, is left aside: the box is silent.
struct CAviClip {
    int width = 0;
    int height = 0;
    std::uint32_t frameMicroseconds = 0;  // how long each frame stays
    int bitCount = 0;
    std::uint32_t compression = 0;        // AVI_RGB, AVI_RLE8 or AVI_RLE4
    bool topDown = false;                 // uncompressed rows stored top row first
    std::vector<std::uint32_t> palette;   // 0xffRRGGBB, 256 entries for 4 and 8 bits
    std::vector<std::vector<unsigned char>> frames;  // each frame's data; empty: the last one stays
};

enum : std::uint32_t { AVI_RGB = 0, AVI_RLE8 = 1, AVI_RLE4 = 2 };

// Limits of a clip we agree to show, so that a file cannot make us allocate
// more than a megabyte or two or wake up more than a hundred times a second.
// The box shows 240 x 180 pixels; a clip of 640 x 480 is already more than
// it can show.
constexpr int AVI_MAX_SIDE = 1024;
constexpr int AVI_MAX_PIXELS = 640 * 480;
constexpr std::uint32_t AVI_MIN_FRAME_US = 10000;
constexpr std::uint32_t AVI_MAX_FRAME_US = 10000000;

// Reads the whole file from memory and checks every frame by decoding it
// once. False, with a reason in *error when it is given, for anything
// truncated, inconsistent or of another kind; out is then left empty.
bool ReadAviClip(const unsigned char* data, std::size_t size, CAviClip& out, std::string* error);

// Draws frame `index` over `picture` (width x height pixels, 0xffRRGGBB, top
// row first), which holds the frame before it: a run-length frame may leave
// pixels as they were. Frame 0 starts from black. False, with the picture
// partly drawn, for data that breaks off; ReadAviClip has refused such clips.
bool DecodeAviFrame(const CAviClip& clip, std::size_t index, std::vector<std::uint32_t>& picture);
