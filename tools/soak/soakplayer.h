#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <random>
#include <string>

class CGameDlg;

// A player of games against the computer on the real main window: starts
// each game from the menu, answers the name dialog and the result picture,
// and clicks untouched cells of the enemy board at random.
class CSoakPlayer : public QObject {
public:
    CSoakPlayer(CGameDlg& wnd, unsigned int seed);

    // Plays one game at the current level under the given name and checks
    // what it left behind; empty, or what was inconsistent.
    std::string PlayGame(const std::string& name, const QString& iniPath);
    int Shots() const { return m_nShots; }
    int Wins() const { return m_nWins; }

private:
    void AnswerModal();
    bool NewGameFromMenu();
    std::string Battle();

    CGameDlg& m_wnd;
    QTimer m_timer;
    std::mt19937 m_rng;
    std::string m_strName;
    QPointer<QWidget> m_pAnswered;   // answered, on its way out
    int m_nWinShown = 0;
    int m_nLossShown = 0;
    QString m_strUnexpected;
    int m_nShots = 0;               // in all games so far
    int m_nWins = 0;
};
