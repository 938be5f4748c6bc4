#pragma once

// The scene below the menu bar, in pixels of the 100 % drawing.
constexpr int MAIN_CLIENT_WIDTH = 750;
constexpr int MAIN_CLIENT_HEIGHT = 509;
constexpr int FRAME_X = 11, FRAME_Y = 0, FRAME_WIDTH = 729, FRAME_HEIGHT = 497;
