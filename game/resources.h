#pragma once

// Resource numbers of the program's pictures and icons; the front end maps
// each to a picture compiled into the program.
enum {
    IDI_TIDEBOLT = 128,   // program icon
    IDB_HIT = 134,        // cell 3: raised grey block with a crimson cross
    IDB_SHIP = 135,       // cell 2: raised grey block
    IDB_SUNK = 136,       // cell 4: sunken block with a magenta cross
    IDB_MISS = 137,       // cell 1: blue with a yellow ball
    IDB_SHOWN = 138,      // cell 5: raised olive-yellow block
    IDB_WIN = 139,        // "You win !" picture, 370 x 131
    IDB_LOSE = 140,       // "You lose" picture, 370 x 131
    IDB_SPLASH = 149,     // splash picture, 785 x 440
    IDI_NETWORK = 174,    // icon of the "Game in Network" dialog
    IDI_FLAG_US = 175,    // flag of the United States (English)
    IDI_FLAG_RU = 176,    // flag of Russia (Russian)
};
