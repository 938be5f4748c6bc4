#pragma once

// The main window as a player meets it: its profile in a temporary folder,
// the computer answering at once, shown and active; and a keyboard that
// types into whatever has the focus, as a player's would.

#include "game/gamerand.h"
#include "game/globals.h"
#include "game/player.h"
#include "store/settings.h"
#include "store/tempprofile.h"
#include "ui/gamedlg.h"

#include <QApplication>
#include <QTest>

#include <memory>

class GameWindow {
public:
    explicit GameWindow(bool english = true)
        : m_profile(english ? "[Options]\nCompDelay=0\nEnglish=1\n" : "[Options]\nCompDelay=0\nEnglish=0\n")
    {
        GameInProgress = 0;
        MyTurn = 0;
        PlayerOne.m_nWins = PlayerTwo.m_nWins = 0;
        m_dlg = std::make_unique<CGameDlg>();
        m_dlg->m_bShowSplash = false;
        m_dlg->OnInitDialog();
        GameSrand(7);
        m_dlg->show();
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
// any other word is typed.
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
        if (!known)
            QTest::keyClicks(KeyboardTarget(), name);   // typed text
    }
}
