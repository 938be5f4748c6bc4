#include "game/globals.h"

unsigned char GameInProgress = 0;
unsigned char MyTurn = 0;

CRect BoardFrame;
