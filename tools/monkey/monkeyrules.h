#pragma once

#include "../soak/soakchecks.h"

#include <QPointer>
#include <QString>

#include <string>

class CGameDlg;
class CPlayer;
class QWidget;

// What a player may rely on, judged from outside the window after every
// input: the boards, the turn, the pictures, the tallies and the table of
// records, written from the rules of the game rather than from the
// controller's code. Each check returns empty, or the rule that was broken.
class CRuleWatch {
public:
    CRuleWatch(const QString& iniPath) : m_strIni(iniPath) {}

    // A fresh window, as after a restart of the program.
    void Attach(CGameDlg* wnd);
    // Every shot that changed a cell, as the rules report it.
    void OnShot(const CPlayer& target, int row, int col);
    // Before each input: what is on the screen as the player acts.
    void BeforeInput();
    // After each input; nowMs is the harness's clock. Outermost: the input
    // did not come inside another input's event loop, so no handler of the
    // window is still under way.
    std::string Check(long long nowMs, bool outermost);
    // The window was closed by the player: what it saved must be what it showed.
    std::string AfterExit() const;

    // Whether the player may shoot now: a battle in the player's turn with
    // no window over the boards.
    static bool PlayerMayShoot();
    int HumanShots() const { return m_nHumanShots; }
    int ComputerShots() const { return m_nComputerShots; }
    int GamesStarted() const { return m_nGamesStarted; }
    int GamesFinished() const { return m_nGamesFinished; }
    int NetGamesStarted() const { return m_nNetGamesStarted; }
    int NetGamesFinished() const { return m_nNetGamesFinished; }

private:
    struct Game {
        bool live = false;
        bool ended = false;       // a fleet was sunk
        bool won = false;
        bool judged = false;      // its end was checked
        bool playerToShoot = false;
        int pictures = 0;
        std::string name;         // who played it, and at which level, as it ended
        int level = 0;
        std::string partner;      // a network game's other player, recorded too
        int tallies[2] = {0, 0};
        SoakRecords records;
        signed char fleetOne[100] = {};
        signed char fleetTwo[100] = {};
    };

    std::string Opponent() const;
    void DetectNewGame();
    std::string JudgeEnd();
    std::string BoardsOnlyProgress();
    std::string ComputerKeepsMoving(long long nowMs);
    void CountPictures();
    std::string SavedTableFault(const SoakRecords& shown) const;

    CGameDlg* m_pWnd = nullptr;
    QString m_strIni;
    Game m_game;
    std::string m_strShotFault;          // found inside the shot hook, told at the next check
    int m_nShotsSinceCheck = 0;
    int m_nQuietChecks = 0;
    bool m_bNamingSeen = false;          // a name or placement dialog at the last check
    bool m_bSetUpSeen = false;           // a network game's set-up at the last check
    long long m_nComputerWaitSince = -1;
    QPointer<QWidget> m_pLastPicture;
    int m_nHumanShots = 0;
    int m_nComputerShots = 0;
    int m_nGamesStarted = 0;
    int m_nGamesFinished = 0;
    int m_nNetGamesStarted = 0;
    int m_nNetGamesFinished = 0;
};
