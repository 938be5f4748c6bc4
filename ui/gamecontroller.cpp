#include "ui/gamedlg.h"

#include "game/gamerand.h"
#include "game/globals.h"
#include "game/player.h"
#include "game/sound.h"
#include "net/cp1251.h"
#include "net/netmsg.h"
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
    Busy = 1;
    BoardReceived = 0;
    NameReceived = 0;
    if (NetRole == 1)
        SendSignal(NET_NEW_GAME);

    const std::string nameBefore = Name;
    CNameDlg dlg(this);
    dlg.Setup(&Name, &m_records);
    QueueEnabled = 0;
    if (dlg.DoModal() == IDCANCEL) {
        if (NetRole != 0)
            GameWithComputer();
        Busy = 0;
        return;
    }
    if (nameBefore != Name)
        TallyReset = 1;
    QueueEnabled = 1;
    MyTurn = 1;
    LocalReady = 1;
    if (NetRole != 0)
        SendOpening();
    CheckReady();
}

void CGameDlg::SendOpening()
{
    if (NetRole == 1) {
        // The server draws who begins and owns the rule.
        MyTurn = (GameRand() % 2) != 0;
        if (MyTurn)
            SendSignal(NET_SERVER_FIRST);
        SendBytes(MakeTraditionMsg(Tradition != 0));
    }
    unsigned char fleet[BOARD_CELLS];
    PlayerOne.ExportFleet(fleet);
    SendBytes(MakeFleetMsg(fleet));
    SendBytes(MakeNameMsg(Utf8ToWindows1251(Name)));
    SendSignal(NET_READY);
}

void CGameDlg::CheckReady()
{
    if (NetRole == 0) {
        StartGame();
        return;
    }
    if (PeerReady && LocalReady && NameReceived && BoardReceived) {
        Waiting = 0;
        StartGame();
        return;
    }
    Waiting = 1;
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
        PeerReady = 0;
        LocalReady = 0;
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
    if (!GameInProgress)
        return;
    if (NetRole != 0) {
        if (!MyTurn)
            return;
        if (PlayerTwo.ShootAtPoint(x, y)) {
            int col = x;
            int row = y;
            PlayerTwo.PointToCell(col, row);
            SendBytes(MakeShotMsg(row, col));
            UpdateCursor();
        }
        Redraw();
        if (PlayerTwo.AllSunk())
            NetworkWin();
        return;
    }
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

void CGameDlg::NetworkWin()
{
    GameInProgress = 0;
    if (Sound)
        PlayGameSound(SOUND_WIN);
    QueueEnabled = 0;
    CWinDlg(this).DoModal();
    QueueEnabled = 1;
    PlayerOne.m_nWins++;
    m_records.AddWin(PlayerOne.GetName(), 3);
    m_records.AddLoss(PlayerTwo.GetName(), 3);
    Redraw();
}

void CGameDlg::ApplyOptions(bool newGame, unsigned char traditionBefore)
{
    if (NetRole == 0 && GameInProgress)
        PlayerTwo.SetComputerName();
    if (NetRole == 1)
        SendBytes(MakeTraditionMsg(Tradition != 0));
    if (NetRole == 2)
        Tradition = traditionBefore;  // on a client the rule is the server's
    Redraw();
    if (newGame && GameInProgress) {
        GameInProgress = 0;
        NewGame();
    }
}
