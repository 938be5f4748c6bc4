#include "game/globals.h"

unsigned char GameInProgress = 0;
unsigned char MyTurn = 0;
std::atomic<std::uint32_t> QueueEnabled{0};

CRect BoardFrame;
