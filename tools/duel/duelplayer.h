#pragma once

#include "duelopts.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <random>

class CGameDlg;
class CNameDlg;
class CNetDlg;
class CResultDlg;
class QMessageBox;
class QWidget;

// Plays one side of a network duel on the real main window the way a
// person would: through the "Game in Network" dialog, the name dialog, the
// result pictures, the menu and clicks on the enemy board. It looks at the
// active window every few milliseconds and answers it.
class CDuelPlayer : public QObject {
public:
    CDuelPlayer(CGameDlg& wnd, const DuelOptions& opts);

    // Opens "Game in Network" from the menu and starts looking.
    void Start();
    // All games played and the results printed.
    bool Finished() const { return m_bFinished; }

private:
    void Tick();
    // Fails when nothing on either board or in the course of the games has
    // changed for too long: two copies waiting on each other for good.
    void CheckProgress();
    // Runs `act` from the event loop rather than inside Tick: an act that
    // opens a modal window must not keep the looking timer from firing.
    void Later(std::function<void()> act);

    void AnswerNetDialog(CNetDlg& dlg);
    void AnswerBox(QMessageBox& box);
    void AnswerNames(CNameDlg& dlg);
    void AnswerResult(CResultDlg& dlg);
    void PlayIdle();
    void ShootRandomUntouched();
    void Say(const QString& text);
    bool TriggerMenu(int commandId);
    void Finish();
    [[noreturn]] void Fail(const QString& reason);

    CGameDlg& m_wnd;
    DuelOptions m_opts;
    QString m_strName;
    QTimer m_timer;
    std::mt19937 m_rng;

    bool m_bPending = false;      // a Later act is queued
    qint64 m_nNextConnectMs = 0;
    QPointer<QWidget> m_pLastBox;      // a box lives on the stack: a new one may
    QPointer<QWidget> m_pLastResult;   // take the same address as the last
    bool m_bNeedNewGame = false;  // the server opens the next game when idle
    bool m_bPeerGone = false;
    bool m_bLostLast = false;
    bool m_bFinished = false;
    bool m_bInBattle = false;
    quint32 m_nLastState = 0;
    qint64 m_nLastChangeMs = 0;
    int m_nShots = 0;             // this side's shots in the current game
    int m_nWins = 0;
    int m_nLosses = 0;
};
