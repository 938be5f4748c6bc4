#pragma once

#include "game/cellcursor.h"

// What the board frame shows at a moment, worked out once by the window and
// read alike by the drawing, the keys and screen readers.
struct SFrameShows {
    enum EContent { Nothing, PleaseWait, Boards };

    EContent m_eContent = Nothing;
    CCellCursor m_cursor;   // on the opponent's board; drawn only over the boards

    bool HasBoards() const { return m_eContent == Boards; }
    bool operator==(const SFrameShows& o) const
    {
        return m_eContent == o.m_eContent && m_cursor == o.m_cursor;
    }
};
