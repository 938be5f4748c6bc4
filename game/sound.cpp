#include "game/sound.h"

namespace {
SoundHook g_hook = nullptr;
}

void SetSoundHook(SoundHook hook)
{
    g_hook = hook;
}

void PlayGameSound(const char* file)
{
    if (g_hook)
        g_hook(file);
}
