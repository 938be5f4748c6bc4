#pragma once

// The program-wide pseudo-random generator: values 0 to 32767, seeded once
// at start-up (and by tests). Its sequence is the same on every platform, so
// a seed replays a game exactly.
constexpr int GAME_RAND_MAX = 32767;

void GameSrand(unsigned int seed);
int GameRand();
