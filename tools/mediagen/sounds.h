#pragma once

#include <string>

// The four sounds of the game, synthesised: 16-bit PCM mono at 22050 Hz.
bool WriteSounds(const std::string& dataDir);
