#pragma once

// Sounds of the game, by the file the player hears. The rules only name the
// file; the front end installs a hook that plays it (none: silence).
constexpr const char* SOUND_MISS = "Data/Mimo.wav";
constexpr const char* SOUND_HIT = "Data/Crash.wav";
constexpr const char* SOUND_WIN = "Data/Yes.wav";
constexpr const char* SOUND_LOSE = "Data/No.wav";

using SoundHook = void (*)(const char* file);

void SetSoundHook(SoundHook hook);
// Starts the sound without waiting; a new sound cuts the one still playing.
void PlayGameSound(const char* file);
