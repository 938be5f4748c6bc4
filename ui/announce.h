#pragma once

class QAccessibleEvent;
class QAccessibleInterface;
class QString;
class QWidget;

// Tells the player's screen reader a short text: "E5: hit", "Your turn", a
// network notice, said by a notification that shows; screen readers speak
// those whatever has the focus. (Qt 6.4 hands a changed name or description
// to AT-SPI without its text, and Orca cannot speak that.) `where` is any
// widget of the window the news is about.
void Announce(QWidget* where, const QString& text);
// The news of a shot at a board (an object of the board view's
// accessibility tree), which keeps it as its description; `whose` names the
// board as the player would, so the reader can tell whose board it is about.
void Announce(QAccessibleInterface* board, const QString& text, const QString& whose);

// Every accessibility event of the game passes here on its way to Qt. Qt
// delivers events only while a screen reader has switched accessibility on,
// which a platform without one (the tests' offscreen one) never does; a
// listener set here hears them all the same.
using AccessibleListener = void (*)(QAccessibleEvent* event);
void SetAccessibleListener(AccessibleListener listener);
bool SomeoneListens();
void RaiseAccessibleEvent(QAccessibleEvent* event);
