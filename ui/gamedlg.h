#pragma once

#include "game/cellcursor.h"
#include "store/records.h"
#include "ui/busyflag.h"

#include <QDialog>
#include <QIcon>
#include <QImage>

#include <cstdint>
#include <memory>
#include <string>

class CAnimatedCursor;
class CBoardView;
class CDrawContext;
class CNetConnection;
class CNetDlg;
class CNetSession;
class CResultDlg;
struct NETMSG;
class CPlayer;
class QMenuBar;
class QShortcut;
class QTimer;
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
    // Shows the window and returns once it has ended.
    void Run();

    // Menu commands.
    void OnCommand(int id);

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
    // The client area in scene pixels, one per pixel of the 100 % drawing.
    QImage RenderScene();
    // The widget below the menu bar; at a desktop scale of 100 % its
    // coordinates are scene pixels.
    QWidget* ClientArea() const;

    // Network: the connection's notices and the session's decisions
    void OnNetMessage(const NETMSG& rec);
    void OnSocketAccept();
    void OnSocketClose();
    void Disconnect();
    void ShowNetGame();
    void GameWithComputer();

signals:
    // The task-bar button was asked to flash: the window was not in front.
    void Flashed();

public:
    // Members, in the order of the original window
    CBusyFlag Busy;
    QIcon m_hIcon;
    CRecordTable m_records;
    CAnimatedCursor* WaitCursor = nullptr;
    std::uint32_t NetRole = 0;   // 0 computer, 1 server, 2 client, 3 network dialog open
    unsigned char BoardsShown = 0;
    // The game's connection, and the course of the network game played on it.
    std::unique_ptr<CNetConnection> m_connection;
    std::unique_ptr<CNetSession> m_session;
    CNetDlg* m_pNetDlg = nullptr;
    unsigned char TallyReset = 0;

    // Start-up shows the splash picture; tests that build many windows leave it out.
    bool m_bShowSplash = true;

    CCellCursor m_cursor;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void accept() override;

private:
    void OnHotKey(int id);
    void OnMenuCommand(int id);
    void BuildMenu(bool english);
    void PauseComputer(unsigned int milliseconds);
    void WinAgainstComputer();
    void LossAgainstComputer();
    void NetworkWin();
    void NetworkLoss();
    void ShowNetResult(CResultDlg& dlg);
    void RecordNetGame(const std::string& winner, const std::string& loser);
    void ConnectNetSignals();
    // Network play is over on this machine: back in the mode of a game
    // against the computer.
    void EndNetPlay();

    CBoardView* m_client = nullptr;   // the area below the menu bar
    QMenuBar* m_menuBar = nullptr;
    QShortcut* m_keyNewGame = nullptr;
    QShortcut* m_keyScores = nullptr;
    QTimer* m_flashCheck = nullptr;  // asks whether to flash once activation has settled
    bool m_bSavedCursor = false;     // the wait cursor has replaced the pointer once
    bool m_bInComputerTurn = false;
    bool m_bCloseRequested = false;  // a close that arrived during the computer's turn
    bool m_bClosing = false;
    QPoint m_lastPointer;            // where the pointer was when last seen
};
