#pragma once

#include <string>

// The wait cursor: a radar scope whose beam sweeps once round in 8 frames,
// written as an animated cursor of 32 x 32 cursor images.
bool WriteWaitCursor(const std::string& dataDir);
