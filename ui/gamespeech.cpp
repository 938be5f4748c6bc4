#include "ui/gamedlg.h"

#include "game/globals.h"
#include "game/player.h"
#include "game/shothook.h"
#include "game/spokentext.h"
#include "ui/announce.h"
#include "ui/boardaccess.h"
#include "ui/boardview.h"

namespace {

CGameDlg* g_speaker = nullptr;   // the one main window of the run

void OnShot(const CPlayer& target, int row, int col)
{
    if (g_speaker && SomeoneListens())
        g_speaker->AnnounceShot(target, row, col);
}

} // namespace

void CGameDlg::StartSpeech()
{
    g_speaker = this;
    SetShotHook(&OnShot);
}

void CGameDlg::StopSpeech()
{
    if (g_speaker != this)
        return;
    g_speaker = nullptr;
    SetShotHook(nullptr);
}

void CGameDlg::AnnounceShot(const CPlayer& target, int row, int col)
{
    // The news goes on the board that was shot at, so the reader can tell
    // the player's shots from the opponent's: the opponent's board by its
    // caption, the player's own as "your board" rather than by the name the
    // player typed.
    const QString report = QString::fromStdString(ShotReport(target, row, col));
    const QString whose = target.m_bHuman ? QString::fromStdString(Phrase(SAY_YOUR_BOARD))
                                          : QString::fromStdString(target.GetName());
    if (QAccessibleInterface* board = BoardAccessible(m_client, target))
        Announce(board, report, whose);
    else
        Announce(m_client, report);
    // The opponent's shot that hands the turn back.
    if (target.m_bHuman && MyTurn && GameInProgress && !target.AllSunk())
        AnnounceYourTurn();
}

void CGameDlg::AnnounceYourTurn()
{
    Announce(m_client, QString::fromStdString(Phrase(SAY_YOUR_TURN)));
}
