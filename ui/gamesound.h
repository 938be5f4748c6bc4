#pragma once

#include <QString>

// Installs the player behind PlayGameSound: each sound file is loaded once,
// plays without waiting, and cuts off the sound still playing. A missing
// file or a machine without audio simply stays silent.
void InstallGameSound();

// The file the last sound request resolved to, or empty when there was
// nothing to play; lets tests follow the choice without listening to it.
QString LastGameSoundFile();

// How many times a sound file has been loaded so far.
int LoadedGameSoundCount();
