#pragma once

#include "monkeyrules.h"
#include "netpartner.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

class CGameDlg;
class QWidget;

// A player in a hurry on the real main window: clicks on and off the boards,
// the keys the game knows, the menus, the dialogs answered or cancelled,
// the options changed mid-battle, close requests; each after a random
// pause of its own, so that many land inside the computer's pauses and the
// modal pictures. The rules are checked after every input. Everything it
// does is written to a log, one input a line, that --replay plays again.
// Against the network, the other machine is a scripted partner in the same
// process, and the two sides' boards are compared after every shot.
class CMonkey : public QObject {
public:
    struct Limits {
        int games = 0;          // games brought to their end; 0: no bound
        int seconds = 0;        // 0: no bound
    };

    CMonkey(unsigned int seed, const QString& iniPath, std::FILE* log, bool network);
    ~CMonkey() override;

    // Plays from the seed; or, with a log, the inputs it holds.
    void Run(const Limits& limits, const QStringList& replay = {});

    // The run's figures, as one FIGURE line.
    void PrintFigure() const;
    // Told of every shot of the player, from the rules' report.
    void OnPlayerShot();
    // Every shot that changed a cell of the window's boards.
    void OnShot(const CPlayer& target, int row, int col);

private:
    void OpenWindow();
    void Tick();
    void Schedule();
    QString NextInput();
    QString InputForModal(QWidget* modal);
    QString InputForNetDialog(QWidget* window);
    QString InputForMainWindow();
    void Perform(const QString& input);
    void Click(const QStringList& words);
    void Key(const QStringList& words);
    void Menu(int id);
    void Answer(const QStringList& words);
    bool Done() const;
    QString Mode() const;
    void Stop(const std::string& fault);
    int Chance(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_rng); }

    std::mt19937 m_rng;
    unsigned int m_nSeed;
    QString m_strIni;
    std::FILE* m_pLog;
    CGameDlg* m_pWnd = nullptr;
    CRuleWatch m_rules;
    std::unique_ptr<CNetPartner> m_partner;   // against the network only
    QTimer m_timer;
    QElapsedTimer m_clock;
    Limits m_limits;
    QStringList m_replay;        // inputs still to play from a log
    bool m_bReplaying = false;
    int m_nPause = 0;            // before the next input, ms
    int m_nDepth = 0;            // inputs running inside other inputs' event loops
    // Per depth of inputs, what the click running there must bring: its
    // delivery runs an event loop of its own, where deeper inputs may shoot
    // or start a new game rightfully.
    enum ClickDue : char { NOTHING_DUE, NO_SHOT, A_SHOT, SHOT_CAME };
    std::vector<ClickDue> m_clickAt;
    long long m_nEvents = 0;
    QStringList m_tail;
    bool m_bStopped = false;
};
