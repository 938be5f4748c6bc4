#pragma once

// The texts of the main window, the network, options and placement
// dialogs, kept in the catalogue before those files ask for them by tr():
// each stands in the context that will ask for it, so moving a text is a change of code alone. Never
// compiled; only lupdate reads it. A line goes when its text moves.

// clang-format off
static const char* const WINDOW_TEXTS[] = {
    // Titles, the question on leaving, the help box.
    QT_TRANSLATE_NOOP("CGameDlg", "Tidebolt [ Server ]"),
    QT_TRANSLATE_NOOP("CGameDlg", "Tidebolt [ Client ]"),
    QT_TRANSLATE_NOOP("CGameDlg", "Do you want exit game?"),
    //: Columns are aligned by tabs; keep each line short.
    QT_TRANSLATE_NOOP("CGameDlg",
    "Game->New game\t-  start new game\nGame->Scores  \t-  open window Scores\nGame->Exit    \t-  exit game\n\n"
    "Options            \t-  open window Options\n  >>Difficulty     \t-  difficulty game\n"
    "  >>Language       \t-  language the game\n  >>Tradition      \t-  tradition game\n"
    "  >>Auto put mimo  \t-  auto put mimo if to get\n  >>Number of ships\t-  show number of ships\n"
    "  >>Play sound     \t-  sound support\n\nHelp->Help     \t-  open this window\n"
    "Help->About    \t-  autor this game\n\n    Hot keys:\nF1 \t-  open window Help\n"
    "F2 \t-  start new game\nF3 \t-  open window Scores\nEsc\t-  exit game\n\n\t           Good luck."),
    // Network boxes raised by the main window (netplay).
    QT_TRANSLATE_NOOP("CGameDlg", "Server now is plaing."),
    QT_TRANSLATE_NOOP("CGameDlg", "Connect closed"),

    QT_TRANSLATE_NOOP("COptionsDlg", "Options"),
    QT_TRANSLATE_NOOP("COptionsDlg", "OK"),
    QT_TRANSLATE_NOOP("COptionsDlg", "Cancel"),
    QT_TRANSLATE_NOOP("COptionsDlg", "Difficulty *"),
    QT_TRANSLATE_NOOP("COptionsDlg", "Easy"),
    QT_TRANSLATE_NOOP("COptionsDlg", "Normal"),
    QT_TRANSLATE_NOOP("COptionsDlg", "Hard"),
    QT_TRANSLATE_NOOP("COptionsDlg", "Tradition game *"),
    QT_TRANSLATE_NOOP("COptionsDlg", "Show number of ships"),
    QT_TRANSLATE_NOOP("COptionsDlg", "Play sound"),
    QT_TRANSLATE_NOOP("COptionsDlg", "Delay then computer went (ms)"),
    QT_TRANSLATE_NOOP("COptionsDlg", "* Current game will be stoped."),
    QT_TRANSLATE_NOOP("COptionsDlg", "Язык/Language"),
    QT_TRANSLATE_NOOP("COptionsDlg", "Русский"),
    //: The button for every language but Russian: this language's own name.
    QT_TRANSLATE_NOOP("COptionsDlg", "English"),
    QT_TRANSLATE_NOOP("COptionsDlg", "Begin new game ?"),
    QT_TRANSLATE_NOOP("COptionsDlg", "Please enter a positive integer."),
    QT_TRANSLATE_NOOP("COptionsDlg", "Please enter an integer between %1 and %2."),

    QT_TRANSLATE_NOOP("CNetDlg", "Game in Network"),
    QT_TRANSLATE_NOOP("CNetDlg", "Start Game"),
    QT_TRANSLATE_NOOP("CNetDlg", "Cancel"),
    QT_TRANSLATE_NOOP("CNetDlg", "This computer name"),
    QT_TRANSLATE_NOOP("CNetDlg", "IP addres"),
    QT_TRANSLATE_NOOP("CNetDlg", "Please choice type"),
    QT_TRANSLATE_NOOP("CNetDlg", "Server"),
    QT_TRANSLATE_NOOP("CNetDlg", "Client"),
    QT_TRANSLATE_NOOP("CNetDlg", "Server name or IP"),
    QT_TRANSLATE_NOOP("CNetDlg", "Connect"),
    QT_TRANSLATE_NOOP("CNetDlg", "Error gethostname."),
    QT_TRANSLATE_NOOP("CNetDlg", "Wait for client..."),
    QT_TRANSLATE_NOOP("CNetDlg", "Connect successful!"),
    QT_TRANSLATE_NOOP("CNetDlg", "Connect failed"),
    QT_TRANSLATE_NOOP("CNetDlg", "Connect successful"),
    QT_TRANSLATE_NOOP("CNetDlg", "Connect closed"),

    QT_TRANSLATE_NOOP("CPlaceShipsDlg", "Placing ships"),
    QT_TRANSLATE_NOOP("CPlaceShipsDlg", "Left MB :\n   Move\n\nRight MB :\n   Rotate"),
    QT_TRANSLATE_NOOP("CPlaceShipsDlg", "OK"),
    QT_TRANSLATE_NOOP("CPlaceShipsDlg", "Cancel"),
    QT_TRANSLATE_NOOP("CPlaceShipsDlg", "Random"),
    QT_TRANSLATE_NOOP("CPlaceShipsDlg", "!"),
};
// clang-format on
