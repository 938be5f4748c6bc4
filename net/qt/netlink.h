#pragma once

class CGameDlg;
class QWidget;

// Helpers the network handlers of the main window share.

// A box titled "Tidebolt" with the text of the current language.
void ShowNetBox(QWidget* owner, int icon, const char* english, const char* russian);
// The connection is over: both sockets closed, any battle ended unscored,
// and the window back in the mode of a game against the computer.
void EndNetPlay(CGameDlg& wnd);
