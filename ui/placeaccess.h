#pragma once

// Screen readers see the placement board as a table of a hundred cells, each
// named like a cell of a game board and saying what lies on it, so a blind
// player can explore the layout as the sighted one looks at it.

// Registers the accessibility factory once; later calls do nothing.
void InstallPlaceBoardAccess();
