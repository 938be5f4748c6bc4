// The sound file reader against any file a user may drop into Data/.
// Input: the file's bytes.

#include "fuzz/fuzzcheck.h"
#include "ui/wavclip.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CWavClip clip;
    clip.m_samples.assign(3, 0);  // leftovers from an earlier read must go
    if (!ParseWavClip(data, size, clip)) {
        FUZZ_CHECK(clip.m_samples.empty() && clip.m_nRate == 0 && clip.m_nChannels == 0 && clip.m_nBits == 0);
        return 0;
    }
    // What the sound server is told and sent must agree: a format it takes,
    // and whole frames only, all of them from the file.
    FUZZ_CHECK(clip.m_nBits == 8 || clip.m_nBits == 16);
    FUZZ_CHECK(clip.m_nChannels >= 1 && clip.m_nChannels <= 8);
    FUZZ_CHECK(clip.m_nRate >= 1000 && clip.m_nRate <= 192000);
    FUZZ_CHECK(!clip.m_samples.empty() && clip.m_samples.size() % clip.FrameBytes() == 0);
    FUZZ_CHECK(clip.m_samples.size() <= size);
    return 0;
}
