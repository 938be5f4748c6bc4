#pragma once

#include "game/drawcontext.h"
#include "game/geometry.h"

// The keyboard's cell on the opponent's board. Keys move it and show it;
// any use of the mouse hides it again, and while it is hidden Enter belongs
// to the pointer. It keeps its cell while hidden, so the keys carry on from
// where they left off.
class CCellCursor {
public:
    enum Move { LEFT, RIGHT, UP, DOWN, ROW_START, ROW_END, COLUMN_TOP, COLUMN_BOTTOM };

    // One key's move, stopping at the edges; the cursor shows afterwards.
    void Step(Move move);
    void Hide() { m_bShown = false; }
    void Show() { m_bShown = true; }

    // The frame around its cell of the board at rc, only while shown: a
    // hidden cursor leaves every pixel of the board as it was.
    void Draw(CDrawContext& dc, const CRect& board) const;

    bool operator==(const CCellCursor& o) const
    {
        return m_nRow == o.m_nRow && m_nCol == o.m_nCol && m_bShown == o.m_bShown;
    }
    bool operator!=(const CCellCursor& o) const { return !(*this == o); }

    int m_nRow = 0;   // from A1, the corner where reading starts
    int m_nCol = 0;
    bool m_bShown = false;   // the keys were used after the mouse
};

// A frame three pixels wide centred on the grid lines around the cells
// first..last (row, column) of the board at rc; the placement dialog marks
// the ship the keys have picked with it too.
void DrawFocusFrame(CDrawContext& dc, const CRect& board, int firstRow, int firstCol, int lastRow,
                    int lastCol);
