// The animated cursor reader against any file a user may drop into Data/.
// Input: the file's bytes.

#include "fuzz/fuzzcheck.h"
#include "ui/anifile.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// What the cursor player relies on when the reader said yes.
void CheckPlayable(const CAniFile& file)
{
    FUZZ_CHECK(!file.frames.empty());
    FUZZ_CHECK(!file.sequence.empty());
    FUZZ_CHECK(file.ratesJiffies.size() == file.sequence.size());
    for (int frame : file.sequence)
        FUZZ_CHECK(frame >= 0 && static_cast<std::size_t>(frame) < file.frames.size());
    for (const CAniFrame& frame : file.frames) {
        // The player hands each image to the toolkit again; it must still
        // read as an icon with the same tip.
        int hotX = -1;
        int hotY = -1;
        FUZZ_CHECK(ReadIconHotspot(frame.image.data(), frame.image.size(), hotX, hotY));
        FUZZ_CHECK(hotX == frame.hotX && hotY == frame.hotY);
        FUZZ_CHECK(hotX >= 0 && hotX < 256 && hotY >= 0 && hotY < 256);
    }
}

bool SameFile(const CAniFile& a, const CAniFile& b)
{
    if (a.sequence != b.sequence || a.ratesJiffies != b.ratesJiffies || a.frames.size() != b.frames.size())
        return false;
    for (std::size_t i = 0; i < a.frames.size(); ++i) {
        if (a.frames[i].image != b.frames[i].image || a.frames[i].hotX != b.frames[i].hotX
            || a.frames[i].hotY != b.frames[i].hotY)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CAniFile file;
    std::string error;
    const bool ok = ReadAniFile(data, size, file, &error);
    if (ok) {
        CheckPlayable(file);
    } else {
        // A refused file leaves nothing half-read behind and says why.
        FUZZ_CHECK(file.frames.empty() && file.sequence.empty() && file.ratesJiffies.empty());
        FUZZ_CHECK(!error.empty());
    }

    // Asking for no reason changes nothing about the answer.
    CAniFile again;
    again.sequence.push_back(7);   // leftovers from an earlier read must go
    FUZZ_CHECK(ReadAniFile(data, size, again, nullptr) == ok);
    FUZZ_CHECK(SameFile(file, again));

    // The bare icon reader on the same bytes: any answer, but never a bad read
    // and never a tip outside a 256-pixel image.
    int hotX = 0;
    int hotY = 0;
    if (ReadIconHotspot(data, size, hotX, hotY))
        FUZZ_CHECK(hotX >= 0 && hotX < 256 && hotY >= 0 && hotY < 256);
    return 0;
}
