#pragma once

class CPlayer;
class QAccessibleInterface;
class QWidget;

// Screen readers see the main window's board view as the opponent's board
// and the player's, each a table of a hundred named cells, followed by the
// two tables of ships afloat while they are drawn.

// Registers the accessibility factory once; later calls do nothing.
void InstallBoardAccess();
// The accessible board of a player in the view, or null while the boards
// are not shown.
QAccessibleInterface* BoardAccessible(QWidget* view, const CPlayer& player);
// Tells the screen reader that the keyboard's cell has moved (a focus event
// on the cell).
void NotifyCursorMoved(QWidget* view);
