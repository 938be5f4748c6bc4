#pragma once

#include "game/drawcontext.h"

// The game flags shared by the rules, the controller and the network game.
extern unsigned char GameInProgress;  // a battle is under way
extern unsigned char MyTurn;          // the local human is to shoot

// The board frame's background, never changed.
constexpr COLORREF BackgroundColour = RGB(40, 70, 100);

// The frame control's rectangle in client pixels, shrunk by one pixel on
// each side; measured once at start-up. Both boards are placed from it.
extern CRect BoardFrame;
