#pragma once

#include <QString>

// Where a file the game reads at run time (e.g. "Data/Mimo.wav") really is:
// the path as written when it exists relative to the current directory,
// else the same path under the folder of the running program, else empty.
QString DataFilePath(const char* relative);
