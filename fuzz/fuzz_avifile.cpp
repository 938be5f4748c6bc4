// The about box's clip reader against any file a user may drop into Data/.
// Input: the file's bytes.

#include "fuzz/fuzzcheck.h"
#include "ui/avifile.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// What the about box's player relies on when the reader said yes.
void CheckPlayable(const CAviClip& clip)
{
    FUZZ_CHECK(clip.width > 0 && clip.height > 0);
    FUZZ_CHECK(clip.width <= AVI_MAX_SIDE && clip.height <= AVI_MAX_SIDE);
    FUZZ_CHECK(clip.width * clip.height <= AVI_MAX_PIXELS);
    FUZZ_CHECK(clip.frameMicroseconds >= AVI_MIN_FRAME_US && clip.frameMicroseconds <= AVI_MAX_FRAME_US);
    FUZZ_CHECK(!clip.frames.empty());
    FUZZ_CHECK(clip.bitCount > 8 || clip.palette.size() == 256);

    // The player goes round the loop: every frame draws, twice over, and
    // leaves only opaque pixels, so a rerun of frame 0 starts clean.
    std::vector<std::uint32_t> picture(static_cast<std::size_t>(clip.width) * clip.height, 0);
    for (int round = 0; round < 2; ++round) {
        for (std::size_t i = 0; i < clip.frames.size(); ++i)
            FUZZ_CHECK(DecodeAviFrame(clip, i, picture));
    }
    for (std::uint32_t pixel : picture)
        FUZZ_CHECK((pixel >> 24) == 0xff);

    // A picture of the wrong size or a frame past the end is refused, not drawn.
    std::vector<std::uint32_t> none;
    FUZZ_CHECK(!DecodeAviFrame(clip, 0, none));
    FUZZ_CHECK(!DecodeAviFrame(clip, clip.frames.size(), picture));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CAviClip clip;
    std::string error;
    const bool ok = ReadAviClip(data, size, clip, &error);
    if (ok) {
        CheckPlayable(clip);
    } else {
        // A refused file leaves nothing half-read behind and says why.
        FUZZ_CHECK(clip.frames.empty() && clip.palette.empty() && clip.width == 0);
        FUZZ_CHECK(!error.empty());
    }

    // Asking for no reason changes nothing about the answer.
    CAviClip again;
    again.frames.resize(3);  // leftovers from an earlier read must go
    FUZZ_CHECK(ReadAviClip(data, size, again, nullptr) == ok);
    FUZZ_CHECK(again.frames == clip.frames && again.palette == clip.palette && again.width == clip.width
               && again.height == clip.height && again.frameMicroseconds == clip.frameMicroseconds);
    return 0;
}
