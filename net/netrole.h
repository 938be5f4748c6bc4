#pragma once

// Who the local machine is in the game: against the computer, or one end
// of a network game.
enum class ENetRole {
    Computer,
    Server,   // opens every game
    Client,   // answers its server's openings
};
