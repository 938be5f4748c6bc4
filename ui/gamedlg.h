#pragma once

#include "game/cellcursor.h"
#include "net/netqueue.h"  // the commands the network dispatch posts
#include "store/records.h"

#include <QDialog>
#include <QIcon>
#include <QImage>

#include <cstdint>
#include <memory>
#include <vector>

class CAnimatedCursor;
class CDrawContext;
class CNetDlg;
class CNetSocket;
class CPlayer;
class QMenuBar;
class QPainter;
class QShortcut;
class QWidget;

// Menu command ids.
enum {
    ID_GAME_EXIT = 32771,
    ID_HELP_ABOUT = 32772,
    ID_OPTIONS = 32773,
    ID_HELP_HELP = 32778,
    ID_GAME_SCORES = 32779,
    ID_GAME_NEWGAME = 32780,
    ID_GAME_NETWORK = 32784,
    ID_GAME_COMPUTER = 32785,
    ID_SYS_ABOUT = 1044,
};

// Fixed geometry of the main window, in client pixels below the menu bar.
constexpr int MAIN_CLIENT_WIDTH = 750;
constexpr int MAIN_CLIENT_HEIGHT = 509;
constexpr int FRAME_X = 11, FRAME_Y = 0, FRAME_WIDTH = 729, FRAME_HEIGHT = 497;

// The program's only top-level window: both boards in one frame, the menus,
// the keys, and the course of every game.
class CGameDlg : public QDialog {
    Q_OBJECT
public:
    explicit CGameDlg(QWidget* parent = nullptr);
    ~CGameDlg() override;

    // Start-up (app): everything the window prepares before it is shown.
    bool OnInitDialog();

    // Menu commands and the commands posted by the network dispatch.
    void OnCommand(int id);
    void OnNetCommand(int id, const std::vector<unsigned char>& block);

    // Game controller
    void NewGame();
    void CheckReady();
    void StartGame();
    void OnLButtonUp(int flags, int x, int y);
    void ComputerTurn();
    void ApplyOptions(bool newGame, unsigned char traditionBefore);

    // Main window
    void ShowHelp();
    void ShowAbout();
    void ShowOptions();
    void ShowScores();
    void ConfirmExit();
    void SetLanguage(bool english);
    void UpdateModeUI();
    void OnOK();       // Enter: shoots at the cell cursor or at the cell under the pointer
    void OnCancel();   // Esc and "Exit"

    // The keyboard's cell cursor on the opponent's board
    bool OnCursorKey(int key);
    void FireAtCursor();
    void HideCellCursor();
    void OnPointerMoved(const QPoint& global);

    // What a screen reader is told: each shot's result, the turn, the end
    void StartSpeech();
    void StopSpeech();
    void AnnounceShot(const CPlayer& target, int row, int col);
    void AnnounceYourTurn();

    // Board frame drawing and the wait cursor
    void DrawScene(CDrawContext& dc);
    void Redraw();
    void UpdateCursor();
    void FlashIfInactive();
    // The client area as the window shows it, for tests and screenshots.
    QImage RenderScene();
    // The widget below the menu bar: client coordinates are its coordinates.
    QWidget* ClientArea() const { return m_client; }

    // Network: connection set-up, messages and the network game
    void SendSignal(int type);
    void SendBytes(const std::vector<unsigned char>& bytes);
    void OnSocketReceive();
    void OnSocketAccept();
    void OnSocketClose();
    void Disconnect();
    void ShowNetGame();
    void GameWithComputer();
    void OpponentShot(int row, int col);
    void OnNetName(const std::vector<unsigned char>& block);
    void OnNetBoard(const std::vector<unsigned char>& block);
    void StartNetDispatch();
    void StopNetDispatch();

    // Members, in the order of the original window
    unsigned char Busy = 0;
    QIcon m_hIcon;
    CRecordTable m_records;
    CAnimatedCursor* WaitCursor = nullptr;
    std::uint32_t Waiting = 0;
    std::uint32_t LocalReady = 0;
    std::uint32_t PeerReady = 0;
    std::uint32_t NetRole = 0;   // 0 computer, 1 server, 2 client, 3 network dialog open
    unsigned char BoardsShown = 0;
    std::unique_ptr<CNetSocket> m_connSocket;
    std::unique_ptr<CNetSocket> m_listenSocket;
    CNetDlg* m_pNetDlg = nullptr;
    unsigned char TallyReset = 0;
    unsigned char NameReceived = 0;
    unsigned char BoardReceived = 0;
    unsigned char Connected = 0;

    // Start-up shows the splash picture; tests that build many windows leave it out.
    bool m_bShowSplash = true;

    CCellCursor m_cursor;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void accept() override;

private:
    friend class CBoardView;
    void PaintClient(QPainter& painter);
    void OnHotKey(int id);
    void BuildMenu(bool english);
    void PauseComputer(unsigned int milliseconds);
    void WinAgainstComputer();
    void LossAgainstComputer();
    void NetworkWin();
    void SendOpening();

    QWidget* m_client = nullptr;   // the area below the menu bar
    QMenuBar* m_menuBar = nullptr;
    QShortcut* m_keyNewGame = nullptr;
    QShortcut* m_keyScores = nullptr;
    bool m_bSavedCursor = false;     // the wait cursor has replaced the pointer once
    bool m_bInComputerTurn = false;
    bool m_bCloseRequested = false;  // a close that arrived during the computer's turn
    bool m_bClosing = false;
    QPoint m_lastPointer;            // where the pointer was when last seen
};
