#include "game/globals.h"
#include "game/player.h"
#include "game/resources.h"
#include "store/settings.h"

#include <string>

namespace {

const COLORREF SEA_COLOUR = RGB(0, 102, 200);
const COLORREF SHADOW_COLOUR = RGB(20, 20, 20);
const COLORREF INNER_GRID_COLOUR = RGB(50, 50, 50);
const COLORREF GRID_COLOUR = RGB(0, 200, 50);
const COLORREF CAPTION_COLOUR = RGB(0, 230, 0);
const COLORREF COUNT_COLOUR = RGB(0, 200, 250);
const COLORREF TEXT_SHADOW_COLOUR = RGB(0, 0, 0);

const int SHADOW_OFFSET = 20;
const int TEXT_SHADOW_OFFSET = 2;
const int COUNT_ROW_PITCH = 31;

// The picture of each cell code; water draws nothing so the sea shows.
const int CELL_PICTURES[] = {0, IDB_MISS, IDB_SHIP, IDB_HIT, IDB_SUNK, IDB_SHOWN};
const int CELL_CODES = sizeof(CELL_PICTURES) / sizeof(CELL_PICTURES[0]);

CFontSpec CaptionFont() { return CFontSpec{"Courier", 20, 400}; }
CFontSpec CountFont() { return CFontSpec{"Benguiat Bk BT", 20, 400}; }

int PictureOfCell(signed char code)
{
    if (code < 0 || code >= CELL_CODES)
        return 0;  // a code no rule writes is better left undrawn than guessed at
    return CELL_PICTURES[int(code)];
}

void Line(CDrawContext& dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

}  // namespace

void CPlayer::DrawSea(CDrawContext& dc, const CRect& rc)
{
    const COLORREF oldPen = dc.GetPen();

    dc.FillSolidRect(rc, SEA_COLOUR);
    dc.FillSolidRect(CRect{rc.right + 1, rc.top + SHADOW_OFFSET, rc.right + SHADOW_OFFSET,
                           rc.bottom + SHADOW_OFFSET},
                     SHADOW_COLOUR);
    dc.FillSolidRect(CRect{rc.left + SHADOW_OFFSET, rc.bottom + 1, rc.right + 1,
                           rc.bottom + SHADOW_OFFSET},
                     SHADOW_COLOUR);

    // The dark lines go first, one pixel in, so each bright line has a dark
    // twin that only shows beside water.
    dc.SelectPen(INNER_GRID_COLOUR);
    for (int k = 0; k <= BOARD_SIZE; ++k) {
        const int d = CELL_PITCH * k;
        Line(dc, rc.left + 1 + d, rc.top + 1, rc.left + 1 + d, rc.bottom);
        Line(dc, rc.left + 1, rc.top + 1 + d, rc.right, rc.top + 1 + d);
    }
    dc.SelectPen(GRID_COLOUR);
    for (int k = 0; k <= BOARD_SIZE; ++k) {
        const int d = CELL_PITCH * k;
        Line(dc, rc.left + d, rc.top, rc.left + d, rc.bottom);
        Line(dc, rc.left, rc.top + d, rc.right + 1, rc.top + d);
    }

    dc.SelectPen(oldPen);
}

void CPlayer::DrawFrame()
{
    if (!m_pDC)
        return;
    DrawSea(*m_pDC, m_rcBoard);
    DrawCaption(false);
}

void CPlayer::Draw()
{
    if (!m_pDC)
        return;
    DrawFrame();
    for (int row = 0; row < BOARD_SIZE; ++row) {
        for (int col = 0; col < BOARD_SIZE; ++col) {
            const int picture = PictureOfCell(m_view[row * BOARD_SIZE + col]);
            if (picture)
                DrawCellImage(m_rcBoard.left + CELL_PITCH * col, m_rcBoard.top + CELL_PITCH * row,
                              picture);
        }
    }
    DrawShipCount();
}

void CPlayer::DrawCaption(bool noFill)
{
    if (!m_pDC)
        return;
    CDrawContext& dc = *m_pDC;
    dc.SetBkModeTransparent();
    if (!noFill)
        dc.FillSolidRect(CRect{m_rcBoard.left, m_rcBoard.top - 20, m_rcBoard.right,
                               m_rcBoard.top - 1},
                         BackgroundColour);

    const CFontSpec oldFont = dc.SelectFont(CaptionFont());
    const std::string text = m_strName + " : " + std::to_string(m_nWins);
    DrawShadowText(m_rcBoard.left, m_rcBoard.top - 23, text, TEXT_SHADOW_COLOUR, CAPTION_COLOUR,
                   dc);
    dc.SelectFont(oldFont);
}

void CPlayer::DrawShipCount()
{
    if (!m_pDC)
        return;
    DrawCountNumbers();
    if (!ShowShipCount)
        return;
    for (int k = 0; k < SHIP_KINDS; ++k) {
        for (int j = 0; j <= k; ++j)
            DrawCellImage(m_rcBoard.left + CELL_PITCH * j,
                          m_rcBoard.bottom + 40 + COUNT_ROW_PITCH * k, IDB_SHIP);
    }
}

void CPlayer::DrawCountNumbers()
{
    if (!ShowShipCount || !m_pDC)
        return;
    CDrawContext& dc = *m_pDC;
    const int x = m_rcBoard.left + 124;
    const int top = m_rcBoard.bottom + 45;
    // The old numbers are wiped first: a sinking redraws only this column.
    dc.FillSolidRect(CRect{x, top, x + 20, m_rcBoard.bottom + 169}, BackgroundColour);

    dc.SetBkModeTransparent();
    const CFontSpec oldFont = dc.SelectFont(CountFont());
    for (int k = 0; k < SHIP_KINDS; ++k)
        DrawShadowText(x, top + COUNT_ROW_PITCH * k, std::to_string(int(m_shipsLeft[k])),
                       TEXT_SHADOW_COLOUR, COUNT_COLOUR, dc);
    dc.SelectFont(oldFont);
}

void CPlayer::DrawCellImage(int x, int y, int picture)
{
    if (!m_pDC)
        return;
    BlitCellImage(*m_pDC, x, y, picture);
}

void CPlayer::BlitCellImage(CDrawContext& dc, int x, int y, int picture)
{
    dc.DrawPicture(x + 1, y + 1, picture);
}

void CPlayer::DrawShadowText(int x, int y, const std::string& text, COLORREF shadow,
                             COLORREF colour, CDrawContext& dc)
{
    dc.SetTextColor(shadow);
    dc.TextOut(x + TEXT_SHADOW_OFFSET, y + TEXT_SHADOW_OFFSET, text);
    dc.SetTextColor(colour);
    dc.TextOut(x, y, text);
}
