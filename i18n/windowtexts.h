#pragma once

// The texts of the main window, kept in the catalogue before its files ask
// for them by tr(): each stands in the context that will ask for it, so
// moving a text is a change of code alone. Never compiled; only lupdate
// reads it. A line goes when its text moves.

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
};
// clang-format on
