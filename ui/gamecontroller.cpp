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

#include <utility>

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
        if (NetRole() != ENetRole::Computer)
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
    Redraw();   // "Please wait..." until the partner's part comes
}

void CGameDlg::StartGame()
{
    GameInProgress = 1;
    m_bBoardsShown = true;
    FlashIfInactive();
    if (TallyReset) {
        PlayerTwo.m_nWins = 0;
        PlayerOne.m_nWins = 0;
        TallyReset = 0;
    }
    const bool network = NetRole() != ENetRole::Computer;
    if (!network) {
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
    if (network)
        UpdateCursor();  // the partner may be the one to begin
    if (MyTurn)
        AnnounceYourTurn();
    if (!MyTurn && !network)
        ComputerTurn();
    Busy = 0;
}

void CGameDlg::ShootAt(int row, int col)
{
    if (m_session->IsActive()) {
        // Only a battle in our turn takes a shot: under "Please wait..." the
        // old battle's board may still be there, but it is over.
        if (!m_session->MayShoot())
            return;
        if (m_session->Shoot(row, col))
            UpdateCursor();
        Redraw();
        if (m_session->Phase() == ENetPhase::Over)
            NetworkWin();
        return;
    }
    // Only the player's turn takes a shot, whatever brought the click: the
    // computer's pauses still let timers, sockets and assistive technologies in.
    if (!GameInProgress || !MyTurn)
        return;
    PlayerTwo.Shoot(row, col);
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
    if (const int id = std::exchange(m_nHeldCommand, 0))
        QTimer::singleShot(0, this, [this, id] { OnCommand(id); });
}

// No command runs inside the computer's turn: a new game, the options or a
// question opened there would take the board from under the computer's next
// shot. The first one asked (a close, a menu item from a screen reader, a
// key) is carried out once the turn is over, after the handler that ran it.
bool CGameDlg::HoldDuringComputerTurn(int id)
{
    if (!m_bInComputerTurn)
        return false;
    if (m_nHeldCommand == 0)
        m_nHeldCommand = id;
    return true;
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
    if (NetRole() == ENetRole::Computer && GameInProgress)
        PlayerTwo.SetComputerName();
    m_session->SendRule();
    if (NetRole() == ENetRole::Client)
        Tradition = m_session->ServerRule(traditionBefore);  // on a client the rule is the server's
    Redraw();
    if (!newGame || !GameInProgress)
        return;
    if (m_session->IsActive() && !m_session->MayOpen())
        return;
    GameInProgress = 0;
    NewGame();
}
