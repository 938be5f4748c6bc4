#include "ui/gamedlg.h"

#include "game/globals.h"
#include "game/player.h"
#include "ui/animatedcursor.h"
#include "ui/qtdrawcontext.h"

#include <QApplication>
#include <QPainter>

namespace {
const COLORREF kWaitTextColour = RGB(0, 200, 250);
}

void CGameDlg::DrawScene(CDrawContext& dc)
{
    dc.FillSolidRect(BoardFrame, BackgroundColour);
    if (Waiting) {
        // Drawn transparently, like the captions: an opaque box behind the
        // words would look like a rendering fault on the dark frame.
        const CFontSpec previous = dc.SelectFont({"Benguiat Bk BT", 20, 400});
        dc.SetBkModeTransparent();
        CPlayer::DrawShadowText(BoardFrame.Width() / 2, BoardFrame.Height() / 2, "Please wait...",
                                RGB(0, 0, 0), kWaitTextColour, dc);
        dc.SelectFont(previous);
        return;
    }
    PlayerTwo.m_pDC = &dc;
    PlayerOne.m_pDC = &dc;
    if (BoardsShown) {
        PlayerTwo.Draw();
        PlayerOne.Draw();
        PlayerTwo.DrawCaption(NetRole != 0);
        PlayerOne.DrawCaption(NetRole != 0);
    }
    PlayerTwo.m_pDC = nullptr;
    PlayerOne.m_pDC = nullptr;
}

QImage CGameDlg::RenderScene()
{
    QImage image(MAIN_CLIENT_WIDTH, MAIN_CLIENT_HEIGHT, QImage::Format_RGB32);
    image.fill(palette().color(QPalette::Window));
    QPainter painter(&image);
    PaintClient(painter);
    return image;
}

// The whole frame is drawn off-screen and copied in one piece, so the
// window is never seen half drawn, also inside the computer's turn.
void CGameDlg::PaintClient(QPainter& painter)
{
    QImage scene(MAIN_CLIENT_WIDTH, MAIN_CLIENT_HEIGHT, QImage::Format_RGB32);
    scene.fill(palette().color(QPalette::Window));
    {
        QPainter offscreen(&scene);
        CQtDrawContext dc(offscreen);
        DrawScene(dc);
        if (BoardsShown && !Waiting)
            m_cursor.Draw(dc, PlayerTwo.m_rcBoard);
        // The frame control's thin black border around the board frame.
        offscreen.setPen(Qt::black);
        offscreen.drawRect(FRAME_X, FRAME_Y, FRAME_WIDTH - 1, FRAME_HEIGHT - 1);
    }
    painter.drawImage(0, 0, scene);
}

void CGameDlg::Redraw()
{
    if (m_client)
        m_client->repaint();
}

void CGameDlg::UpdateCursor()
{
    if (!MyTurn && GameInProgress) {
        WaitCursor->Show(m_client);
        m_bSavedCursor = true;
        return;
    }
    if (m_bSavedCursor)
        WaitCursor->Hide(m_client);
}

void CGameDlg::FlashIfInactive()
{
    if (!isActiveWindow())
        QApplication::alert(this);
}
