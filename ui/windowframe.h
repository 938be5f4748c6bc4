#pragma once

#include <QMargins>
#include <QWidget>

#include <algorithm>

// The room a window manager's title bar and borders take around a window:
// what the platform tells, but at least a title bar about as tall as the
// common Linux desktops draw it, since the window manager may tell its own
// frame only after the window shows.
inline QMargins WindowFrame(const QWidget& window)
{
    const QMargins least(4, 36, 4, 4);
    const QRect inner = window.geometry();
    const QRect outer = window.frameGeometry();
    return QMargins(std::max(inner.left() - outer.left(), least.left()),
                    std::max(inner.top() - outer.top(), least.top()),
                    std::max(outer.right() - inner.right(), least.right()),
                    std::max(outer.bottom() - inner.bottom(), least.bottom()));
}
