#include "ui/gamedlg.h"

#include "game/globals.h"
#include "game/player.h"
#include "net/netsession.h"
#include "store/settings.h"
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

SSceneFacts CGameDlg::SceneFacts() const
{
    SSceneFacts facts;
    facts.m_bDrawn = true;
    facts.m_shows = FrameShows();
    facts.m_bNetwork = NetRole() != ENetRole::Computer;
    facts.m_bShowShipCount = ShowShipCount != 0;
    facts.m_strLanguage = Language;
    facts.m_margin = palette().color(QPalette::Window).rgb();
    facts.m_two = SSceneFacts::Side(PlayerTwo);
    facts.m_one = SSceneFacts::Side(PlayerOne);
    return facts;
}

// Everything below the menu bar in scene pixels; the painter's clip says
// which part is wanted, and the drawing within it is the same either way.
void CGameDlg::PaintScene(QPainter& painter)
{
    painter.fillRect(0, 0, MAIN_CLIENT_WIDTH, MAIN_CLIENT_HEIGHT, palette().color(QPalette::Window));
    CQtDrawContext dc(painter);
    DrawScene(dc);
    // The frame control's thin black border around the board frame.
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(FRAME_X, FRAME_Y, FRAME_WIDTH - 1, FRAME_HEIGHT - 1);
}

QImage CGameDlg::RenderScene() const
{
    QImage scene(MAIN_CLIENT_WIDTH, MAIN_CLIENT_HEIGHT, QImage::Format_RGB32);
    QPainter painter(&scene);
    const_cast<CGameDlg*>(this)->PaintScene(painter);
    return scene;
}

QWidget* CGameDlg::ClientArea() const
{
    return m_client;
}

// The view keeps the scene: only what changed since the last drawing is
// drawn again, enlarged and repainted. A new scale only enlarges the kept
// scene again, which does not depend on it.
void CGameDlg::Redraw()
{
    if (!m_client)
        return;
    const SSceneFacts now = SceneFacts();
    const QRegion changed = ChangedParts(m_drawn, now);
    m_drawn = now;
    m_client->SetShows(now.m_shows);
    m_client->Render(changed, [this](QPainter& painter) { PaintScene(painter); });
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
