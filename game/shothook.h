#pragma once

class CPlayer;

// Every shot that changes a cell is reported here after the rules have
// marked it and passed the turn, whoever fired it: the player, the
// computer or a partner over the network. The front end installs a hook
// that tells a screen reader (none: nobody is told).
using ShotHook = void (*)(const CPlayer& target, int row, int col);

void SetShotHook(ShotHook hook);
void ReportShot(const CPlayer& target, int row, int col);
