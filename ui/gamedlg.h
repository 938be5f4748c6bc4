#pragma once

#include "game/cellcursor.h"
#include "net/netrole.h"
#include "store/records.h"
#include "ui/busyflag.h"
#include "ui/frameshows.h"
#include "ui/scenefacts.h"
#include "ui/scenegeometry.h"

#include <QDialog>
#include <QIcon>
#include <QImage>

#include <cstdint>
#include <memory>
#include <string>

class CAnimatedCursor;
class CBoardView;
class CChatPanel;
class CDrawContext;
class CNetConnection;
class CNetDlg;
class CNetSession;
class CResultDlg;
struct NETMSG;
class CPlayer;
class QAction;
class QMenuBar;
class QPainter;
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
    ID_GAME_CHAT = 32786,
    ID_SYS_ABOUT = 1044,
};

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
    // The one way a shot leaves the window: the mouse, the keys and a
    // screen reader's action all come here with a cell of the opponent's board.
    void ShootAt(int row, int col);
    void ComputerTurn();
    void ApplyOptions(bool newGame, unsigned char traditionBefore);

    // Main window
    void ShowHelp();
    void ShowAbout();
    void ShowOptions();
    void ShowScores();
    void ConfirmExit();
    void SetLanguage(bool english);
    // Menus, title and frame in the language now in force.
    void Retranslate();
    void UpdateModeUI();
    void OnOK();       // Enter: shoots at the cell cursor or at the cell under the pointer
    void OnCancel();   // Esc and "Exit"

    // The keyboard's cell cursor on the opponent's board
    bool OnCursorKey(int key);
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
    // What the frame shows now: the single answer drawing, keys and screen
    // readers go by.
    SFrameShows FrameShows() const;
    // The client area in scene pixels, one per pixel of the 100 % drawing.
    QImage RenderScene() const;
    // The widget below the menu bar, which shows the scene.
    QWidget* ClientArea() const;

    // Network: the connection's notices and the session's decisions
    void OnNetMessage(const NETMSG& rec);
    void OnSocketAccept();
    void OnSocketClose();
    void OnPartnerGone();
    void Disconnect();
    void ShowNetGame();
    // The connection stands and the player chose to be its server or
    // client: the window takes on that role (a server then opens a game).
    void BeginNetPlay(bool server);
    void GameWithComputer();

    // What tests and tools may ask of the window. The connection is handed
    // out whole: they play its far end and pull its cable.
    ENetRole NetRole() const;
    const CNetSession& Session() const { return *m_session; }
    CNetConnection& Connection() const { return *m_connection; }
    const CRecordTable& Records() const { return m_records; }
    bool IsBusy() const { return Busy != 0; }
    bool BoardsShown() const { return m_bBoardsShown; }
    const CCellCursor& CellCursor() const { return m_cursor; }
    // Start-up shows the splash picture; tests that build many windows leave it out.
    void SkipSplash() { m_bShowSplash = false; }
    // Chat with the network partner, in a window of its own
    void ToggleChat();
    CChatPanel* Chat() const { return m_chat; }

signals:
    // The task-bar button was asked to flash: the window was not in front.
    void Flashed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void reject() override;
    void accept() override;

private:
    void OnHotKey(int id);
    void OnMenuCommand(int id);
    void BuildMenu();
    // An item of the Game menu as the menu shows it, its Alt letter marked.
    static QString MenuItemText(int id);
    void PauseComputer(unsigned int milliseconds);
    bool HoldDuringComputerTurn(int id);
    void WinAgainstComputer();
    void LossAgainstComputer();
    void NetworkWin();
    void NetworkLoss();
    void ShowNetResult(CResultDlg& dlg);
    void RecordNetGame(const std::string& winner, const std::string& loser);
    void ConnectNetSignals();
    void ConnectView();
    void StartChat();
    // The chat item says how many of the partner's lines wait unread.
    void MarkChatItem();
    QAction* FindAction(int id) const;
    // Network play is over on this machine: back in the mode of a game
    // against the computer.
    void EndNetPlay();
    // The network game is over, its connection left as it is.
    void EndNetGame();

    // What the scene is drawn from now, and everything below the menu bar
    // drawn through a painter, within its clip.
    SSceneFacts SceneFacts() const;
    void PaintScene(QPainter& painter);

    // The window's first size: the largest whole multiple of the board that
    // fits the screen, unless the player's own size from last time fits.
    void FitToScreen();
    void RememberSize();

    // Members, in the order of the original window
    CBusyFlag Busy;
    QIcon m_hIcon;
    CRecordTable m_records;
    CAnimatedCursor* WaitCursor = nullptr;
    bool m_bBoardsShown = false;
    // The game's connection, and the course of the network game played on it.
    std::unique_ptr<CNetConnection> m_connection;
    std::unique_ptr<CNetSession> m_session;
    CNetDlg* m_pNetDlg = nullptr;
    unsigned char TallyReset = 0;
    bool m_bShowSplash = true;
    CCellCursor m_cursor;
    SSceneFacts m_drawn;   // what the view's kept scene was drawn from

    CBoardView* m_client = nullptr;   // the area below the menu bar
    CChatPanel* m_chat = nullptr;
    QMenuBar* m_menuBar = nullptr;
    QShortcut* m_keyNewGame = nullptr;
    QShortcut* m_keyScores = nullptr;
    QTimer* m_flashCheck = nullptr;  // asks whether to flash once activation has settled
    bool m_bSavedCursor = false;     // the wait cursor has replaced the pointer once
    bool m_bInComputerTurn = false;
    int m_nHeldCommand = 0;          // the first command that came during the computer's turn
    bool m_bClosing = false;
    bool m_bSized = false;           // the first size has been chosen
    QPoint m_lastPointer;            // where the pointer was when last seen
};
