#include "game/player.h"

// Player two first: the opponent's board is set up before the human's.
CPlayer PlayerTwo(false);
CPlayer PlayerOne(true);
