#pragma once

class QAccessibleEvent;
class QAccessibleInterface;
class QString;
class QWidget;

// Tells the player's screen reader a short text: "E5: hit", "Your turn", a
// network notice. The text becomes the accessible description of the board
// view of the window `where` belongs to (or of `where` itself, in a window
// without boards), and a description-changed event is raised on it; on Linux
// that reaches AT-SPI. Any widget of the main window will do as `where`.
void Announce(QWidget* where, const QString& text);
// The same on one object of the accessibility tree, e.g. the board that was
// shot at, so that the reader can tell whose board the news is about.
void Announce(QAccessibleInterface* source, const QString& text);

// Every accessibility event of the game passes here on its way to Qt. Qt
// delivers events only while a screen reader has switched accessibility on,
// which a platform without one (the tests' offscreen one) never does; a
// listener set here hears them all the same.
using AccessibleListener = void (*)(QAccessibleEvent* event);
void SetAccessibleListener(AccessibleListener listener);
bool SomeoneListens();
void RaiseAccessibleEvent(QAccessibleEvent* event);
