#include "ui/gamedlg.h"

#include "game/globals.h"
#include "game/player.h"
#include "game/sound.h"
#include "net/cp1251.h"
#include "net/fleetcheck.h"
#include "net/netmsg.h"
#include "net/netqueue.h"
#include "net/qt/netlink.h"
#include "store/settings.h"
#include "ui/resultdlg.h"

#include <QMessageBox>

#include <algorithm>

namespace {
// The name dialog takes no more, so no partner of ours sends more.
constexpr std::size_t MAX_NAME_CHARS = 20;

void LoseNetGame(CGameDlg& wnd)
{
    GameInProgress = 0;
    if (Sound)
        PlayGameSound(SOUND_LOSE);
    QueueEnabled = 0;
    CLoseDlg(&wnd).DoModal();
    // The connection may have ended while the picture was up.
    if (wnd.NetRole == 1 || wnd.NetRole == 2)
        QueueEnabled = 1;
    ++PlayerTwo.m_nWins;
    PlayerTwo.RevealFleet();
    wnd.Redraw();
    wnd.m_records.AddWin(PlayerTwo.GetName(), 3);
    wnd.m_records.AddLoss(PlayerOne.GetName(), 3);
    wnd.UpdateCursor();
}

bool IsOnBoard(int row, int col)
{
    return row >= 0 && row < BOARD_SIZE && col >= 0 && col < BOARD_SIZE;
}
} // namespace

void CGameDlg::OnNetCommand(int id, const std::vector<unsigned char>& block)
{
    // A message of a connection that is gone never touches a game against
    // the computer.
    if (NetRole == 0)
        return;
    // The rule, the first shot and the opening of a game are the server's
    // to decide; a server takes none of them from its client.
    const bool fromServer = NetRole != 1;
    // Name, fleet and ready set up the coming game, and a partner in step
    // sends them only after this side has opened it. Any other time they
    // are left over from a finished game or sent in the middle of a battle,
    // and must touch neither.
    const bool settingUp = LocalReady != 0;
    switch (id) {
    case ID_NET_NAME:
        if (settingUp)
            OnNetName(block);
        break;
    case ID_NET_SHOT: {
        int row1 = 0;
        int col1 = 0;
        if (ReadShotBlock(block, row1, col1))
            OpponentShot(row1 - 1, col1 - 1);
        break;
    }
    case ID_NET_BOARD:
        if (settingUp)
            OnNetBoard(block);
        break;
    case ID_NET_READY:
        if (!settingUp)
            break;
        PeerReady = 1;
        CheckReady();
        break;
    case ID_NET_SERVER_FIRST:
        if (fromServer)
            MyTurn = 0;
        break;
    case ID_NET_TRADITION:
        if (fromServer && !block.empty())
            Tradition = block[0] != 0 ? 1 : 0;
        break;
    case NET_CMD_NEW_GAME:
        if (fromServer)
            NewGame();
        break;
    default:
        break;
    }
}

void CGameDlg::OnNetName(const std::vector<unsigned char>& block)
{
    const auto zero = std::find(block.begin(), block.end(), 0);
    std::string bytes(block.begin(), zero);
    if (bytes.size() > MAX_NAME_CHARS)
        bytes.resize(MAX_NAME_CHARS);   // one byte a character in Windows-1251
    PlayerTwo.SetName(Windows1251ToUtf8(bytes));
    Redraw();
    NameReceived = 1;
    CheckReady();
}

void CGameDlg::OnNetBoard(const std::vector<unsigned char>& block)
{
    if (block.size() != BOARD_CELLS || !IsValidFleet(block.data())) {
        // Both machines replay every shot against this fleet; a fleet
        // outside the rules means a partner we cannot play with.
        ShowNetBox(this, QMessageBox::Warning,
                   "The partner's fleet breaks the rules of the game. The connection is closed.",
                   "Флот партнёра не отвечает правилам игры. Соединение закрыто.");
        EndNetPlay(*this);
        return;
    }
    PlayerTwo.ClearGrids();
    for (int row = 0; row < BOARD_SIZE; ++row)
        for (int col = 0; col < BOARD_SIZE; ++col)
            PlayerTwo.SetCell(row, col, static_cast<signed char>(block[row * BOARD_SIZE + col]));
    PlayerTwo.HideFleet();
    BoardReceived = 1;
    CheckReady();
}

void CGameDlg::OpponentShot(int row, int col)
{
    if (!IsOnBoard(row, col))
        return;
    // Shots come only in the partner's turn of a battle; any other is not
    // the game both machines are replaying.
    if (!GameInProgress || MyTurn)
        return;
    PlayerOne.Shoot(row, col);
    Redraw();
    FlashIfInactive();
    UpdateCursor();
    if (PlayerOne.AllSunk())
        LoseNetGame(*this);
}

void CGameDlg::GameWithComputer()
{
    if (NetRole != 0) {
        // Leaving the network ends its battle: the partner is gone, and
        // playing on against the computer with the partner's fleet and
        // half a game would be neither game.
        GameInProgress = 0;
        Disconnect();
        TallyReset = 1;
        if (Waiting)
            Busy = 0;
        Waiting = 0;
        Redraw();
    }
    NetRole = 0;
    UpdateModeUI();
    UpdateCursor();
}
