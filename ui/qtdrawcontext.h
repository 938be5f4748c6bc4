#pragma once

#include "game/drawcontext.h"

#include <QFont>
#include <QPoint>

class QPainter;

// The game's drawing context on a QPainter, keeping the window system's
// conventions the board drawing relies on: exact colours, lines without their
// end point, text placed by its top-left corner, opaque text boxes until the
// background mode is set to transparent.
class CQtDrawContext : public CDrawContext {
public:
    explicit CQtDrawContext(QPainter& painter);

    void FillSolidRect(const CRect& rc, COLORREF colour) override;

    COLORREF GetPen() const override;
    void SelectPen(COLORREF colour) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;

    CFontSpec SelectFont(const CFontSpec& font) override;
    void SetBkModeTransparent() override;
    void SetTextColor(COLORREF colour) override;
    void TextOut(int x, int y, const std::string& text) override;

    void DrawPicture(int x, int y, int resourceId) override;

    // The installed font that stands in for a face the game asks for.
    static QFont MakeFont(const CFontSpec& wanted);

private:
    QPainter& m_painter;
    COLORREF m_crPen = RGB(0, 0, 0);        // a fresh context's stock pen is black
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crBack = RGB(255, 255, 255);  // behind opaque text, as on a fresh context
    bool m_bTransparent = false;
    QPoint m_ptCurrent;
    CFontSpec m_font;
    QFont m_qfont;
    QFont m_qfontOwn;  // the painter's font, which an empty face selects
};
