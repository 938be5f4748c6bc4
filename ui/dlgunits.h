#pragma once

#include <QRect>

// Dialog units of the templates' font (base units 6 x 13) to pixels,
// rounded to the nearest pixel, halves up.
inline int DluX(int dlu) { return (dlu * 6 + 2) / 4; }
inline int DluY(int dlu) { return (dlu * 13 + 4) / 8; }
inline QRect DluRect(int x, int y, int width, int height)
{
    return QRect(DluX(x), DluY(y), DluX(width), DluY(height));
}
