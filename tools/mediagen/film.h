#pragma once

#include <string>

// The about box's film: a warship riding the swell at dusk, a seamless loop,
// written as an AVI of run-length-encoded 256-colour frames, the
// kind the about box plays itself.
bool WriteFilm(const std::string& dataDir);
