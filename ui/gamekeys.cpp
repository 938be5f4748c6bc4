#include "ui/gamedlg.h"

#include "game/globals.h"
#include "game/player.h"
#include "ui/boardaccess.h"
#include "ui/boardview.h"

#include <QCursor>

namespace {

struct CursorKey {
    int key;
    CCellCursor::Move move;
};

const CursorKey CURSOR_KEYS[] = {
    {Qt::Key_Left, CCellCursor::LEFT},
    {Qt::Key_Right, CCellCursor::RIGHT},
    {Qt::Key_Up, CCellCursor::UP},
    {Qt::Key_Down, CCellCursor::DOWN},
    {Qt::Key_Home, CCellCursor::ROW_START},
    {Qt::Key_End, CCellCursor::ROW_END},
    {Qt::Key_PageUp, CCellCursor::COLUMN_TOP},
    {Qt::Key_PageDown, CCellCursor::COLUMN_BOTTOM},
};

} // namespace

// The arrows, Home/End, PgUp/PgDn and Space; false for any other key.
bool CGameDlg::OnCursorKey(int key)
{
    // The cursor lives on the drawn board: before the first battle and while
    // a network game waits there is none to move.
    if (!FrameShows().HasBoards())
        return false;
    if (key == Qt::Key_Space) {
        // Space shows where it fires, also after the mouse hid the cursor.
        if (!m_cursor.m_bShown) {
            m_cursor.Show();
            m_lastPointer = QCursor::pos();
            Redraw();
            NotifyCursorMoved(m_client);
        }
        ShootAt(m_cursor.m_nRow, m_cursor.m_nCol);
        return true;
    }
    for (const CursorKey& k : CURSOR_KEYS) {
        if (k.key != key)
            continue;
        m_cursor.Step(k.move);
        // A pointer resting where it was is not a use of the mouse.
        m_lastPointer = QCursor::pos();
        Redraw();
        NotifyCursorMoved(m_client);
        return true;
    }
    return false;
}

void CGameDlg::OnOK()
{
    // Enter follows whichever the player used last, the keys or the pointer.
    if (m_cursor.m_bShown && FrameShows().HasBoards()) {
        ShootAt(m_cursor.m_nRow, m_cursor.m_nCol);
        return;
    }
    int row, col;
    if (m_client->CellAt(PlayerTwo, m_client->mapFromGlobal(QPointF(QCursor::pos())), row, col))
        ShootAt(row, col);
}

void CGameDlg::HideCellCursor()
{
    if (!m_cursor.m_bShown)
        return;
    m_cursor.Hide();
    Redraw();
}

void CGameDlg::OnPointerMoved(const QPoint& global)
{
    // Qt reports a move when a window closes over a resting pointer; only a
    // pointer that really moved takes Enter back from the keys.
    if (global == m_lastPointer)
        return;
    m_lastPointer = global;
    HideCellCursor();
}
