#pragma once

#include <string>

// The version the build was made from, e.g. "1.0".
const char* ProgramVersion();

// The two questions every Linux program answers without starting: --help
// (or -h) and --version. Returns the text to print before quitting, or an
// empty string to start the game. Anything else on the command line is left
// alone: Qt takes its own options (-platform, -style) and the game reads none.
std::string CommandLineAnswer(int argc, const char* const argv[]);
