#pragma once

// The texts of the main window and of what the game says aloud, kept in the catalogue
// before those files ask for them by tr(): each stands in the context that
// will ask for it, so moving a text is a change of code alone. Never
// compiled; only lupdate reads it. A line goes when its text moves.

// clang-format off
static const char* const WINDOW_TEXTS[] = {
    // The menu bar (CGameDlg::BuildMenu).
    QT_TRANSLATE_NOOP("CGameDlg", "Game"),
    QT_TRANSLATE_NOOP("CGameDlg", "New game"),
    QT_TRANSLATE_NOOP("CGameDlg", "Scores"),
    QT_TRANSLATE_NOOP("CGameDlg", "Game with computer"),
    QT_TRANSLATE_NOOP("CGameDlg", "Game in Network"),
    QT_TRANSLATE_NOOP("CGameDlg", "Exit"),
    QT_TRANSLATE_NOOP("CGameDlg", "Options"),
    QT_TRANSLATE_NOOP("CGameDlg", "Help"),
    QT_TRANSLATE_NOOP("CGameDlg", "About"),
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

    // What the game says to a screen reader (game/spokentext and its callers).
    QT_TRANSLATE_NOOP("SpokenText", "Your turn"),
    QT_TRANSLATE_NOOP("SpokenText", "You win!"),
    QT_TRANSLATE_NOOP("SpokenText", "You lose!"),
    QT_TRANSLATE_NOOP("SpokenText", "Battlefield"),
    QT_TRANSLATE_NOOP("SpokenText", "Your fleet"),
    QT_TRANSLATE_NOOP("SpokenText", "Tab: next ship, arrows: move it, R or Space: turn it"),
    //: The ten column letters of a board, left to right, one character each.
    QT_TRANSLATE_NOOP("SpokenText", "ABCDEFGHIJ"),
    //: A cell of a board.
    QT_TRANSLATE_NOOP("SpokenText", "not shot"),
    //: A cell of a board.
    QT_TRANSLATE_NOOP("SpokenText", "miss"),
    //: A cell of a board.
    QT_TRANSLATE_NOOP("SpokenText", "your deck"),
    //: A cell of a board.
    QT_TRANSLATE_NOOP("SpokenText", "hit"),
    //: A cell of a board.
    QT_TRANSLATE_NOOP("SpokenText", "sunk"),
    //: A cell of a board: a deck shown after a lost game.
    QT_TRANSLATE_NOOP("SpokenText", "afloat"),
    QT_TRANSLATE_N_NOOP("SpokenText", "%n deck(s)"),
    QT_TRANSLATE_NOOP("SpokenText", "Ships afloat"),
    //: Ships afloat: the count of ships of one deck follows.
    QT_TRANSLATE_NOOP("SpokenText", "one-deck"),
    //: Ships afloat: the count of ships of two decks follows.
    QT_TRANSLATE_NOOP("SpokenText", "two-deck"),
    //: Ships afloat: the count of ships of three decks follows.
    QT_TRANSLATE_NOOP("SpokenText", "three-deck"),
    //: Ships afloat: the count of ships of four decks follows.
    QT_TRANSLATE_NOOP("SpokenText", "four-deck"),
    //: Between the first and the last cell of a ship: A1 to A4.
    QT_TRANSLATE_NOOP("SpokenText", " to "),
    QT_TRANSLATE_NOOP("SpokenText", " (ships touch: OK is refused)"),
};
// clang-format on
