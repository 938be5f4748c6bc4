#pragma once

#include "game/drawcontext.h"

#include <atomic>
#include <cstdint>

// The game flags shared by the rules, the controller and the network code.
// All of them are read and written on the window's thread only, except
// QueueEnabled, which the network dispatch thread reads as well.
extern unsigned char GameInProgress;  // a battle is under way
extern unsigned char MyTurn;          // the local human is to shoot
extern std::atomic<std::uint32_t> QueueEnabled;  // received messages may be delivered

// The board frame's background, never changed.
constexpr COLORREF BackgroundColour = RGB(40, 70, 100);

// The frame control's rectangle in client pixels, shrunk by one pixel on
// each side; measured once at start-up. Both boards are placed from it.
extern CRect BoardFrame;
