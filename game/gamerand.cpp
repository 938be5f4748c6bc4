#include "game/gamerand.h"

namespace {
// The classic linear congruential generator of the C runtime the game was
// first played with: cheap, and the same sequence on every platform.
unsigned int g_state = 1;
}

void GameSrand(unsigned int seed)
{
    g_state = seed;
}

int GameRand()
{
    g_state = g_state * 214013u + 2531011u;
    return int((g_state >> 16) & 0x7fff);
}
