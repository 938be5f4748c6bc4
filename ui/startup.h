#pragma once

#include <memory>

class CGameDlg;

// The main window as the game starts it: the splash picture shown first, the
// window built behind it, and the window's start-up once the splash is gone.
std::unique_ptr<CGameDlg> StartGameWindow();
