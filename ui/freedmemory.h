#pragma once

// Gives the memory the program has freed back to the system. The C library
// keeps freed blocks for later allocations, and a game leaves megabytes of
// them (the scenes of every shot, the dialogs, the result picture) that the
// next game may not ask for for a long while.
void ReturnFreedMemory();
