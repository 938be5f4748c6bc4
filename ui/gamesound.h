#pragma once

// Installs the player behind PlayGameSound: the desktop's sound server plays
// each sound without the game waiting, and a new sound cuts the one still
// playing. A missing file only silences the sound playing; without a sound
// server the game stays silent and says so once on the error output.
void InstallGameSound();
