#pragma once

#include <string>

// The about box's film: a warship riding the swell at dusk, a seamless loop,
// written as a Motion-JPEG AVI.
bool WriteFilm(const std::string& dataDir);
