#include "ui/gamedlg.h"

#include "game/globals.h"
#include "game/player.h"
#include "net/netsession.h"
#include "ui/animatedcursor.h"
#include "ui/boardview.h"
#include "ui/qtdrawcontext.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>

namespace {
const COLORREF kWaitTextColour = RGB(0, 200, 250);
// Window managers hand the activation back well within this.
const int FLASH_SETTLE_MS = 500;
}

SFrameShows CGameDlg::FrameShows() const
{
    SFrameShows shows;
    shows.m_cursor = m_cursor;
    if (m_session->ShowsWait())
        shows.m_eContent = SFrameShows::PleaseWait;
    else if (m_bBoardsShown)
        shows.m_eContent = SFrameShows::Boards;
    return shows;
}

void CGameDlg::DrawScene(CDrawContext& dc)
{
    dc.FillSolidRect(BoardFrame, BackgroundColour);
    const SFrameShows shows = FrameShows();
    if (shows.m_eContent == SFrameShows::PleaseWait) {
        // Drawn transparently, like the captions: an opaque box behind the
        // words would look like a rendering fault on the dark frame.
        const CFontSpec previous = dc.SelectFont({"Benguiat Bk BT", 20, 400});
        dc.SetBkModeTransparent();
        CPlayer::DrawShadowText(BoardFrame.Width() / 2, BoardFrame.Height() / 2,
                                tr("Please wait...").toStdString(), RGB(0, 0, 0), kWaitTextColour, dc);
        dc.SelectFont(previous);
        return;
    }
    PlayerTwo.m_pDC = &dc;
    PlayerOne.m_pDC = &dc;
    if (shows.HasBoards()) {
        const bool network = NetRole() != ENetRole::Computer;
        PlayerTwo.Draw();
        PlayerOne.Draw();
        PlayerTwo.DrawCaption(network);
        PlayerOne.DrawCaption(network);
        m_cursor.Draw(dc, PlayerTwo.m_rcBoard);
    }
    PlayerTwo.m_pDC = nullptr;
    PlayerOne.m_pDC = nullptr;
}

// The whole frame is drawn off-screen and shown in one piece, so the
// window is never seen half drawn, also inside the computer's turn.
QImage CGameDlg::RenderScene() const
{
    QImage scene(MAIN_CLIENT_WIDTH, MAIN_CLIENT_HEIGHT, QImage::Format_RGB32);
    scene.fill(palette().color(QPalette::Window));
    QPainter painter(&scene);
    CQtDrawContext dc(painter);
    const_cast<CGameDlg*>(this)->DrawScene(dc);
    // The frame control's thin black border around the board frame.
    painter.setPen(Qt::black);
    painter.drawRect(FRAME_X, FRAME_Y, FRAME_WIDTH - 1, FRAME_HEIGHT - 1);
    return scene;
}

QWidget* CGameDlg::ClientArea() const
{
    return m_client;
}

// The view keeps its picture and repaints only what this scene changed.
void CGameDlg::Redraw()
{
    if (m_client)
        m_client->SetScene(RenderScene(), FrameShows());
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
    // Asked at once, the battle that starts as the name dialog closes would
    // flash every time: the window manager hands the activation back to this
    // window a moment after the dialog has gone. So the question waits for
    // that moment; a second call meanwhile still flashes only once.
    if (!m_flashCheck) {
        m_flashCheck = new QTimer(this);
        m_flashCheck->setSingleShot(true);
        m_flashCheck->setInterval(FLASH_SETTLE_MS);
        connect(m_flashCheck, &QTimer::timeout, this, [this] {
            if (isActiveWindow())
                return;
            QApplication::alert(this);
            emit Flashed();
        });
    }
    if (!m_flashCheck->isActive())
        m_flashCheck->start();
}
