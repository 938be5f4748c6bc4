#pragma once

// The application: opens the main window, runs it until it closes, and ends.
class CGameApp {
public:
    bool InitInstance();
};
