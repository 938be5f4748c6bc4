// The window's side of network play: the connection's notices, what the
// session decided about each message shown on the screen, and the ways in
// and out of network play.
#include "ui/gamedlg.h"

#include "game/globals.h"
#include "game/player.h"
#include "game/sound.h"
#include "net/netsession.h"
#include "net/qt/netconnection.h"
#include "store/settings.h"
#include "ui/chatpanel.h"
#include "ui/dialogids.h"
#include "ui/messagebox.h"
#include "ui/netdlg.h"
#include "ui/resultdlg.h"

void CGameDlg::ConnectNetSignals()
{
    connect(m_connection.get(), &CNetConnection::connected, this, &CGameDlg::OnSocketAccept);
    connect(m_connection.get(), &CNetConnection::closed, this, &CGameDlg::OnSocketClose);
    connect(m_connection.get(), &CNetConnection::gone, this, &CGameDlg::OnPartnerGone);
    connect(m_connection.get(), &CNetConnection::message, this, &CGameDlg::OnNetMessage);
    connect(m_connection.get(), &CNetConnection::partnerBusy, this, [this] {
        ShowMessage(this, QMessageBox::NoIcon, tr("Server now is plaing."));
    });
}

void CGameDlg::OnNetMessage(const NETMSG& rec)
{
    switch (m_session->Receive(rec)) {
    case ENetOutcome::Ignored:
    case ENetOutcome::Taken:
        return;
    case ENetOutcome::SetUp:
        CheckReady();
        return;
    case ENetOutcome::Shot:
        Redraw();
        FlashIfInactive();
        UpdateCursor();
        return;
    case ENetOutcome::Lost:
        Redraw();
        FlashIfInactive();
        UpdateCursor();
        NetworkLoss();
        return;
    case ENetOutcome::Open:
        NewGame();
        return;
    case ENetOutcome::Refused:
        ShowMessage(this, QMessageBox::Warning, QString::fromStdString(m_session->RefusalText()));
        EndNetPlay();
        return;
    }
}

// A result picture of a network game: what the partner sends meanwhile
// waits for it to close.
void CGameDlg::ShowNetResult(CResultDlg& dlg)
{
    m_connection->EnableQueue(false);
    dlg.DoModal();
    // The connection may have ended while the picture was up.
    if (m_session->IsActive())
        m_connection->EnableQueue(true);
}

// Both machines record both players at level 3, and the table is written at
// once, so that a crash loses no finished game.
void CGameDlg::RecordNetGame(const std::string& winner, const std::string& loser)
{
    m_records.AddWin(winner, 3);
    m_records.AddLoss(loser, 3);
    m_records.SaveRecords();
}

void CGameDlg::NetworkWin()
{
    if (Sound)
        PlayGameSound(SOUND_WIN);
    CWinDlg dlg(this);
    ShowNetResult(dlg);
    PlayerOne.m_nWins++;
    RecordNetGame(PlayerOne.GetName(), PlayerTwo.GetName());
    Redraw();
}

void CGameDlg::NetworkLoss()
{
    if (Sound)
        PlayGameSound(SOUND_LOSE);
    CLoseDlg dlg(this);
    ShowNetResult(dlg);
    ++PlayerTwo.m_nWins;
    PlayerTwo.RevealFleet();
    Redraw();
    RecordNetGame(PlayerTwo.GetName(), PlayerOne.GetName());
    UpdateCursor();
}

void CGameDlg::OnSocketAccept()
{
    // Our own attempt as a client is the network dialog's to answer.
    if (!m_connection->Connected)
        return;
    TallyReset = 1;
    FlashIfInactive();
    if (m_pNetDlg)
        m_pNetDlg->OnClientConnected();
}

void CGameDlg::OnSocketClose()
{
    // The box below waits for the player, and a screen reader's press can
    // still reach the board meanwhile.
    m_session->PartnerGone();
    if (m_pNetDlg)
        m_pNetDlg->OnConnectionClosed();
    else
        ShowMessage(this, QMessageBox::Warning, tr("Connect closed"));
    EndNetPlay();
}

ENetRole CGameDlg::NetRole() const
{
    return m_session->Role();
}

// Delivery is off while "Game in Network" or the name dialog is open, and the
// close waits behind what came before it; a player in one of them must not
// choose or name on for a partner who has left.
void CGameDlg::OnPartnerGone()
{
    if (m_pNetDlg) {
        // A role chosen in the dialog replaced the running game's
        // connection: that game is over, and nothing this partner sent is its.
        if (m_session->IsActive() && m_connection->Serial() != m_pNetDlg->m_nSerialFound) {
            EndNetGame();
            Redraw();
        }
        // What came before the close goes now: the last shots of a game
        // still running are played and scored, so no role chosen later can
        // throw them away; then the close reaches the dialog.
        m_connection->EnableQueue(true);
        return;
    }
    // A game being named has nothing waiting that still matters.
    if (m_session->Phase() == ENetPhase::Naming)
        OnSocketClose();
}

void CGameDlg::Disconnect()
{
    m_connection->Close();
    m_session->End();
    m_chat->ConnectionEnded();
}

void CGameDlg::EndNetGame()
{
    // A game that ended with a result keeps its boards on show; one cut
    // short is wiped, as before the first game, rather than left half drawn.
    const ENetPhase phase = m_session->Phase();
    if (phase == ENetPhase::Naming || phase == ENetPhase::Waiting || phase == ENetPhase::Battle)
        m_bBoardsShown = false;
    // The wait for the partner held Busy; with the partner gone F1-F3 work again.
    if (phase == ENetPhase::Waiting)
        Busy = 0;
    m_session->End();
    TallyReset = 1;
}

void CGameDlg::EndNetPlay()
{
    EndNetGame();
    Disconnect();
    Redraw();
    UpdateModeUI();
    UpdateCursor();
}

void CGameDlg::GameWithComputer()
{
    // Leaving the network ends its battle: the partner is gone, and playing
    // on against the computer with the partner's fleet and half a game
    // would be neither game.
    if (NetRole() != ENetRole::Computer)
        EndNetPlay();
    UpdateModeUI();
    UpdateCursor();
}

void CGameDlg::BeginNetPlay(bool server)
{
    m_session->Begin(server);
    if (!server) {
        TallyReset = 1;
        Redraw();
    }
    UpdateModeUI();
    m_connection->EnableQueue(true);
}

void CGameDlg::ShowNetGame()
{
    CNetDlg dlg(this, *m_connection);
    m_pNetDlg = &dlg;
    const ENetRole roleBefore = NetRole();
    const std::uint32_t connectionBefore = m_connection->Serial();
    const bool deliveryBefore = m_connection->QueueEnabled();
    // What the partner sends while the dialog is open waits for its end.
    m_connection->EnableQueue(false);
    const int result = dlg.DoModal();
    m_pNetDlg = nullptr;

    if (result == IDOK && dlg.m_nType >= 0 && m_connection->IsConnected()) {
        const bool server = dlg.m_nType == 0;
        if (!server)
            CurServer = dlg.m_strServer.toStdString();
        BeginNetPlay(server);
        if (server)
            NewGame();
        return;
    }
    if (roleBefore == ENetRole::Computer) {
        Disconnect();
        UpdateModeUI();
        return;
    }
    // A game was running: it goes on if the dialog left its connection
    // alone, even one that has closed meanwhile, since what came before the
    // close is still to be played; otherwise the player is back with the
    // computer.
    if (m_connection->Serial() == connectionBefore) {
        m_connection->EnableQueue(deliveryBefore);
        UpdateModeUI();
        return;
    }
    GameWithComputer();
}
