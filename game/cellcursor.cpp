#include "game/cellcursor.h"

#include "game/player.h"

namespace {

// Yellow stands out on the sea, on every cell picture and on the frame's
// background; no drawing rule of the boards uses it at a cell's edge.
const COLORREF FOCUS_FRAME_COLOUR = RGB(255, 255, 0);
const int FOCUS_FRAME_WIDTH = 3;

int Clamp(int v)
{
    return v < 0 ? 0 : v >= BOARD_SIZE ? BOARD_SIZE - 1 : v;
}

} // namespace

void CCellCursor::Step(Move move)
{
    switch (move) {
    case LEFT: m_nCol = Clamp(m_nCol - 1); break;
    case RIGHT: m_nCol = Clamp(m_nCol + 1); break;
    case UP: m_nRow = Clamp(m_nRow - 1); break;
    case DOWN: m_nRow = Clamp(m_nRow + 1); break;
    case ROW_START: m_nCol = 0; break;
    case ROW_END: m_nCol = BOARD_SIZE - 1; break;
    case COLUMN_TOP: m_nRow = 0; break;
    case COLUMN_BOTTOM: m_nRow = BOARD_SIZE - 1; break;
    }
    m_bShown = true;
}

void CCellCursor::Draw(CDrawContext& dc, const CRect& board) const
{
    if (m_bShown)
        DrawFocusFrame(dc, board, m_nRow, m_nCol, m_nRow, m_nCol);
}

void DrawFocusFrame(CDrawContext& dc, const CRect& board, int firstRow, int firstCol, int lastRow,
                    int lastCol)
{
    // The outer edge lies one pixel outside the grid lines around the cells.
    const int left = board.left + CELL_PITCH * firstCol - 1;
    const int top = board.top + CELL_PITCH * firstRow - 1;
    const int right = board.left + CELL_PITCH * (lastCol + 1) + 2;
    const int bottom = board.top + CELL_PITCH * (lastRow + 1) + 2;
    const int w = FOCUS_FRAME_WIDTH;
    dc.FillSolidRect(CRect{left, top, right, top + w}, FOCUS_FRAME_COLOUR);
    dc.FillSolidRect(CRect{left, bottom - w, right, bottom}, FOCUS_FRAME_COLOUR);
    dc.FillSolidRect(CRect{left, top + w, left + w, bottom - w}, FOCUS_FRAME_COLOUR);
    dc.FillSolidRect(CRect{right - w, top + w, right, bottom - w}, FOCUS_FRAME_COLOUR);
}
