#pragma once

// The main window as a player meets it: its profile in a temporary folder,
// the computer answering at once, shown and active; and a keyboard that
// types into whatever has the focus, as a player's would.

#include "game/gamerand.h"
#include "game/globals.h"
#include "game/player.h"
#include "store/settings.h"
#include "store/tempprofile.h"
#include "ui/boardview.h"
#include "ui/gamedlg.h"
#include "ui/placeshipsdlg.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <memory>

// A fresh main window on the profile in use, past its splash, with no game
// or wins left over from the last test and the dice seeded alike each time.
inline std::unique_ptr<CGameDlg> OpenGameWindow()
{
    GameInProgress = 0;
    MyTurn = 0;
    PlayerOne.m_nWins = PlayerTwo.m_nWins = 0;
    auto dlg = std::make_unique<CGameDlg>();
    dlg->SkipSplash();
    dlg->OnInitDialog();
    GameSrand(7);
    dlg->show();
    return dlg;
}

// The middle of a board's cell as the window shows it, at whatever
// multiple: where a player's pointer goes to shoot at it.
inline QPoint CellCentre(const CGameDlg& wnd, const CPlayer& board, int cell)
{
    const auto* view = static_cast<const CBoardView*>(wnd.ClientArea());
    return view->CellRect(board, cell / BOARD_SIZE, cell % BOARD_SIZE).center();
}

// What the window holds that a player reads elsewhere: the table of records
// (the scores window) and whether F1 to F3 answer.
inline const CRecordTable& WindowRecords(const CGameDlg* dlg)
{
    return dlg->Records();
}

inline bool WindowBusy(const CGameDlg* dlg)
{
    return dlg->IsBusy();
}

class GameWindow {
public:
    explicit GameWindow(bool english = true)
        : m_profile(english ? "[Options]\nCompDelay=0\nEnglish=1\n" : "[Options]\nCompDelay=0\nEnglish=0\n")
    {
        m_dlg = OpenGameWindow();
        m_bActive = QTest::qWaitForWindowActive(m_dlg.get());
    }

    CGameDlg* operator->() const { return m_dlg.get(); }
    CGameDlg* get() const { return m_dlg.get(); }
    bool IsActive() const { return m_bActive; }

private:
    TempProfile m_profile;
    std::unique_ptr<CGameDlg> m_dlg;
    bool m_bActive = false;
};

// Where a player's keystroke goes: into an open menu, else to the focus of
// the modal window on top, else to the focus of the main window, made
// active again as a window manager would after a dialog has closed (the
// offscreen platform leaves that to us).
inline QWidget* KeyboardTarget()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    QWidget* window = QApplication::activeModalWidget();
    if (!window) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!window && w->isVisible() && w->windowType() != Qt::Popup)
                window = w;
        }
        if (window && QApplication::activeWindow() != window) {
            window->activateWindow();
            // The keys reach the window's focus all the same if it never turns active.
            static_cast<void>(QTest::qWaitForWindowActive(window));
        }
    }
    if (!window)
        return nullptr;
    return window->focusWidget() ? window->focusWidget() : window;
}

// Presses keys: "Tab Down*3 Space" is Tab, three times Down, then Space;
// "Alt+O" is a letter with Alt; any other word is typed.
inline void Keys(const QString& script)
{
    static const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } names[] = {
        {"Left", Qt::Key_Left, {}},      {"Right", Qt::Key_Right, {}},   {"Up", Qt::Key_Up, {}},
        {"Down", Qt::Key_Down, {}},      {"Home", Qt::Key_Home, {}},     {"End", Qt::Key_End, {}},
        {"PgUp", Qt::Key_PageUp, {}},    {"PgDn", Qt::Key_PageDown, {}}, {"Space", Qt::Key_Space, {}},
        {"Enter", Qt::Key_Return, {}},   {"Esc", Qt::Key_Escape, {}},    {"Tab", Qt::Key_Tab, {}},
        {"Backtab", Qt::Key_Backtab, Qt::ShiftModifier},                 {"R", Qt::Key_R, {}},
        {"F2", Qt::Key_F2, {}},          {"Alt", Qt::Key_Alt, {}},
    };
    for (const QString& word : script.split(' ', Qt::SkipEmptyParts)) {
        const QString name = word.section('*', 0, 0);
        const int times = word.contains('*') ? word.section('*', 1).toInt() : 1;
        bool known = false;
        for (const auto& n : names) {
            if (name != QLatin1String(n.name))
                continue;
            known = true;
            for (int i = 0; i < times; ++i)
                QTest::keyClick(KeyboardTarget(), n.key, n.modifiers);
        }
        if (known)
            continue;
        // Typed text, or a menu's letter with Alt; Cyrillic too, which
        // QTest::keyClicks cannot type: Qt names a letter's key by its capital.
        const bool alt = name.startsWith("Alt+") && name.size() == 5;
        for (const QChar c : alt ? name.mid(4) : name) {
            for (int i = 0; i < times; ++i)
                QTest::sendKeyEvent(QTest::Click, KeyboardTarget(), Qt::Key(c.toUpper().unicode()), QString(c),
                                    alt ? Qt::AltModifier : Qt::NoModifier);
        }
    }
}

// A legal fleet in fleet order: (row, column), every ship across.
inline const int TIDY_FLEET[CShipLayout::SHIP_COUNT][2] = {{0, 0}, {2, 0}, {2, 4}, {4, 0}, {4, 3},
                                                           {4, 6}, {6, 0}, {6, 2}, {6, 4}, {6, 6}};
// Stands the tidy fleet on an open placement dialog's board.
inline void PutTidyFleet(CPlaceShipsDlg* dlg)
{
    std::fill(PlaceGrid, PlaceGrid + BOARD_CELLS, 0);
    for (int i = 0; i < CShipLayout::SHIP_COUNT; ++i) {
        CPlacedShip& ship = dlg->m_layout.m_ships[i];
        ship.m_nRow = TIDY_FLEET[i][0], ship.m_nCol = TIDY_FLEET[i][1], ship.m_bHorz = 1;
        ship.Mark();
    }
    dlg->Redraw(), dlg->UpdateOK();
}
// Its twenty decks, row by row.
inline const int TIDY_DECKS[] = {0, 1, 2, 3, 20, 21, 22, 24, 25, 26, 40, 41, 43, 44, 46, 47, 60, 62, 64, 66};

inline QString Repeat(const char* key, int times)
{
    return times > 0 ? QStringLiteral("%1*%2 ").arg(key).arg(times) : QString();
}

// The keys from anywhere to a cell: to the nearer end of the row and of the
// column first, then step by step.
inline QString KeysTo(int row, int col)
{
    return (col < 5 ? "Home " + Repeat("Right", col) : "End " + Repeat("Left", 9 - col))
           + (row < 5 ? "PgUp " + Repeat("Down", row) : "PgDn " + Repeat("Up", 9 - row));
}

// Puts the fleet where TIDY_FLEET says, with Tab, R and the arrows, then OK by Enter.
inline void ArrangeTidyFleetByKeys(CPlaceShipsDlg* dlg)
{
    for (int i = 0; i < CShipLayout::SHIP_COUNT; ++i) {
        Keys("Tab");
        const CPlacedShip& ship = dlg->m_layout.m_ships[i];
        if (!ship.m_bHorz)
            Keys("R");
        const int dr = TIDY_FLEET[i][0] - ship.m_nRow;
        const int dc = TIDY_FLEET[i][1] - ship.m_nCol;
        Keys(Repeat(dr < 0 ? "Up" : "Down", std::abs(dr)) + Repeat(dc < 0 ? "Left" : "Right", std::abs(dc)));
    }
    Keys("Enter");
}
