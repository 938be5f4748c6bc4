#pragma once

#include "game/geometry.h"

#include <cstdint>
#include <string>

// Colours in the window system's packing: red in the low byte, then green, then blue.
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int r, int g, int b)
{
    return COLORREF(r & 0xff) | (COLORREF(g & 0xff) << 8) | (COLORREF(b & 0xff) << 16);
}
constexpr int GetRValue(COLORREF c) { return int(c & 0xff); }
constexpr int GetGValue(COLORREF c) { return int((c >> 8) & 0xff); }
constexpr int GetBValue(COLORREF c) { return int((c >> 16) & 0xff); }

// A font as the board asks for it; the rest of its fields are always the same:
// ANSI characters, proof quality, variable pitch, roman family.
struct CFontSpec {
    std::string face;
    int height = 20;  // character cell height in pixels
    int weight = 400;
};

// Everything the game draws goes through this small interface; the front end
// implements it on its toolkit. Coordinates are client pixels.
class CDrawContext {
public:
    virtual ~CDrawContext() = default;

    // Fills left <= x < right, top <= y < bottom.
    virtual void FillSolidRect(const CRect& rc, COLORREF colour) = 0;

    // Lines are drawn with a solid 1-pixel pen; GetPen tells its colour so a
    // caller can put the pen it found back when it is done.
    virtual COLORREF GetPen() const = 0;
    virtual void SelectPen(COLORREF colour) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // Draws from the current point to (x, y) leaving (x, y) itself out, and
    // makes (x, y) the current point.
    virtual void LineTo(int x, int y) = 0;

    // Selects the font and returns the one it replaced.
    virtual CFontSpec SelectFont(const CFontSpec& font) = 0;
    virtual void SetBkModeTransparent() = 0;
    virtual void SetTextColor(COLORREF colour) = 0;
    // UTF-8 text with its top-left corner at (x, y).
    virtual void TextOut(int x, int y, const std::string& text) = 0;

    // Copies a picture of the program (by its resource number) at its own
    // size with its top-left corner at (x, y).
    virtual void DrawPicture(int x, int y, int resourceId) = 0;
};
