#include "ui/gamedlg.h"

#include "game/gamerand.h"
#include "game/globals.h"
#include "game/player.h"
#include "game/sound.h"
#include "net/netsession.h"
#include "net/qt/netconnection.h"
#include "store/settings.h"
#include "ui/dialogids.h"
#include "ui/namedlg.h"
#include "ui/resultdlg.h"

#include <QEventLoop>
#include <QTimer>

namespace {
void SetStartingCounts(CPlayer& player)
{
    for (int length = 1; length <= SHIP_KINDS; ++length)
        player.m_shipsLeft[length - 1] = static_cast<signed char>(SHIP_KINDS + 1 - length);
}
} // namespace

void CGameDlg::NewGame()
{
    const bool network = m_session->IsActive();
    // A client's games are opened by its server, as its grayed menu item says.
    if (network && !m_session->MayOpen())
        return;
    Busy = 1;
    if (network)
        m_session->Open();

    const std::string nameBefore = Name;
    CNameDlg dlg(this);
    dlg.Setup(&Name, &m_records);
    // What the partner sends meanwhile waits for the player's name; a
    // partner who leaves is told at once, and there is nothing left to name.
    if (network) {
        m_connection->EnableQueue(false);
        connect(m_connection.get(), &CNetConnection::gone, &dlg, &QDialog::reject);
        connect(m_connection.get(), &CNetConnection::closed, &dlg, &QDialog::reject);
    }
    if (dlg.DoModal() == IDCANCEL) {
        if (NetRole != 0)
            GameWithComputer();
        Busy = 0;
        return;
    }
    if (nameBefore != Name)
        TallyReset = 1;
    // The partner left while we were naming: there is no game to set up.
    if (network && !m_session->IsActive()) {
        Busy = 0;
        return;
    }
    MyTurn = 1;
    if (network) {
        m_session->Named();
        m_connection->EnableQueue(true);
    }
    CheckReady();
}

void CGameDlg::CheckReady()
{
    if (!m_session->IsActive() || m_session->IsReady()) {
        StartGame();
        return;
    }
    m_session->Waiting = true;
    Redraw();
}

void CGameDlg::StartGame()
{
    GameInProgress = 1;
    BoardsShown = 1;
    FlashIfInactive();
    if (TallyReset) {
        PlayerTwo.m_nWins = 0;
        PlayerOne.m_nWins = 0;
        TallyReset = 0;
    }
    if (NetRole == 0) {
        PlayerTwo.SetComputerName();
        PlayerOne.SetName(Name);
        PlayerTwo.PlaceFleetRandom();
        MyTurn = (GameRand() % 2) != 0;
        PlayerOne.SyncView();
        SetStartingCounts(PlayerOne);
    } else {
        PlayerOne.SetName(Name);
        SetStartingCounts(PlayerTwo);
        SetStartingCounts(PlayerOne);
        PlayerOne.SyncView();
        m_session->Start();
    }
    Redraw();
    if (NetRole != 0)
        UpdateCursor();  // the partner may be the one to begin
    if (MyTurn)
        AnnounceYourTurn();
    if (!MyTurn && NetRole == 0)
        ComputerTurn();
    Busy = 0;
}

void CGameDlg::OnLButtonUp(int /*flags*/, int x, int y)
{
    if (m_session->IsActive()) {
        // Only a battle in our turn takes a shot: under "Please wait..." the
        // old battle's board may still be there, but it is over.
        int col = x;
        int row = y;
        if (!m_session->MayShoot() || !PlayerTwo.PointToCell(col, row))
            return;
        if (m_session->Shoot(row, col))
            UpdateCursor();
        Redraw();
        if (m_session->Phase() == ENetPhase::Over)
            NetworkWin();
        return;
    }
    if (!GameInProgress)
        return;
    PlayerTwo.ShootAtPoint(x, y);
    Redraw();
    if (PlayerTwo.AllSunk()) {
        WinAgainstComputer();
        return;
    }
    if (GameInProgress)
        ComputerTurn();
}

// A pause that lets the window repaint and the wait cursor turn, but takes
// no input: the player cannot shoot while the computer is to move.
void CGameDlg::PauseComputer(unsigned int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(milliseconds), &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void CGameDlg::ComputerTurn()
{
    m_bInComputerTurn = true;
    if (CompDelay != 0)
        UpdateCursor();
    while (!MyTurn) {
        PauseComputer(CompDelay);
        PlayerOne.ComputerShot();
        Redraw();
        if (PlayerOne.AllSunk())
            LossAgainstComputer();
    }
    if (CompDelay != 0)
        UpdateCursor();
    m_bInComputerTurn = false;
    if (m_bCloseRequested) {
        m_bCloseRequested = false;
        ConfirmExit();
    }
}

void CGameDlg::WinAgainstComputer()
{
    GameInProgress = 0;
    if (Sound)
        PlayGameSound(SOUND_WIN);
    CWinDlg(this).DoModal();
    m_records.AddWin(Name, Level);
    PlayerOne.m_nWins++;
    Redraw();
    m_records.SaveRecords();
}

void CGameDlg::LossAgainstComputer()
{
    GameInProgress = 0;
    MyTurn = 1;
    if (Sound)
        PlayGameSound(SOUND_LOSE);
    CLoseDlg(this).DoModal();
    PlayerTwo.m_nWins++;
    PlayerTwo.RevealFleet();
    Redraw();
    m_records.AddLoss(Name, Level);
    m_records.SaveRecords();
}

void CGameDlg::ApplyOptions(bool newGame, unsigned char traditionBefore)
{
    if (NetRole == 0 && GameInProgress)
        PlayerTwo.SetComputerName();
    m_session->SendRule();
    if (NetRole == 2)
        Tradition = m_session->ServerRule(traditionBefore);  // on a client the rule is the server's
    Redraw();
    if (!newGame || !GameInProgress)
        return;
    if (m_session->IsActive() && !m_session->MayOpen())
        return;
    GameInProgress = 0;
    NewGame();
}
