#include "duelplayer.h"

#include "game/globals.h"
#include "game/player.h"
#include "net/netsession.h"
#include "net/qt/netconnection.h"
#include "store/settings.h"
#include "support/gamewindow.h"
#include "ui/chatpanel.h"
#include "ui/gamedlg.h"
#include "ui/namedlg.h"
#include "ui/netdlg.h"
#include "ui/resultdlg.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
constexpr int LOOK_INTERVAL_MS = 10;
// A refused connection (the server not listening yet) is tried again this
// much later; the watchdog bounds the whole wait.
constexpr int CONNECT_RETRY_MS = 300;
// The partner is a robot too: it answers within milliseconds, so half a
// minute without any change means the two copies wait on each other.
// A cable pulled on purpose takes that long to be noticed, so then the
// wait is longer.
constexpr qint64 STALL_MS = 30000;
constexpr qint64 CUT_STALL_MS = 90000;

qint64 NowMs()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.elapsed();
}

void Click(QPointer<QAbstractButton> button)
{
    if (button && button->isEnabled())
        button->click();
}
} // namespace

CDuelPlayer::CDuelPlayer(CGameDlg& wnd, const DuelOptions& opts)
    : m_wnd(wnd),
      m_opts(opts),
      m_strName(!opts.strName.isEmpty() ? opts.strName
                                        : QString::fromLatin1(opts.bServer ? "Alpha" : "Bravo")),
      m_rng(opts.bSeeded ? opts.nSeed : std::random_device{}())
{
    m_timer.setInterval(LOOK_INTERVAL_MS);
    connect(&m_timer, &QTimer::timeout, this, [this] { Tick(); });
}

void CDuelPlayer::Start()
{
    // The name a server announces on the LAN is its player's.
    Name = m_strName.toStdString();
    m_timer.start();
    Later([this] {
        if (!TriggerMenu(ID_GAME_NETWORK))
            Fail(QStringLiteral("\"Game in Network\" is not in the menu"));
    });
}

void CDuelPlayer::Later(std::function<void()> act)
{
    m_bPending = true;
    QTimer::singleShot(0, this, [this, act = std::move(act)] {
        m_bPending = false;
        act();
    });
}

void CDuelPlayer::CheckProgress()
{
    quint32 state = static_cast<quint32>(m_nWins * 7919 + m_nLosses * 104729);
    state = state * 31 + GameInProgress * 2u + MyTurn * 4u + m_wnd.Session().ShowsWait() * 8u + (m_bPeerGone ? 16u : 0u);
    for (int cell = 0; cell < BOARD_CELLS; ++cell)
        state = state * 31 + static_cast<quint32>(PlayerOne.m_view[cell] * 8 + PlayerTwo.m_view[cell]);
    const qint64 now = NowMs();
    if (state != m_nLastState || m_nLastChangeMs == 0) {
        m_nLastState = state;
        m_nLastChangeMs = now;
        return;
    }
    const qint64 stallMs = m_opts.bCutOk ? CUT_STALL_MS : STALL_MS;
    if (now - m_nLastChangeMs > stallMs)
        Fail(QStringLiteral("nothing has moved for %1 s (game %2, %3; phase %4, %5 records waiting, delivery %6, "
                            "window \"%7\")")
                 .arg(stallMs / 1000)
                 .arg(m_nWins + m_nLosses + 1)
                 .arg(GameInProgress ? (MyTurn ? "my turn" : "partner's turn") : "no battle")
                 .arg(int(m_wnd.Session().Phase()))
                 .arg(m_wnd.Connection().Waiting())
                 .arg(m_wnd.Connection().QueueEnabled() ? "on" : "off")
                 .arg(QApplication::activeModalWidget() ? QApplication::activeModalWidget()->windowTitle() : QString()));
}

void CDuelPlayer::Tick()
{
    if (m_bFinished)
        return;
    CheckProgress();
    if (GameInProgress != 0 && !m_bInBattle) {
        std::printf("BATTLE %d\n", m_nWins + m_nLosses + 1);
        std::fflush(stdout);
    }
    m_bInBattle = GameInProgress != 0;
    if (m_bPending)
        return;
    QWidget* active = QApplication::activeModalWidget();
    if (!active || active == &m_wnd) {
        PlayIdle();
        return;
    }
    if (!active->isVisible())
        return;
    if (auto* box = qobject_cast<QMessageBox*>(active))
        AnswerBox(*box);
    else if (auto* net = qobject_cast<CNetDlg*>(active))
        AnswerNetDialog(*net);
    else if (auto* names = qobject_cast<CNameDlg*>(active))
        AnswerNames(*names);
    else if (auto* result = qobject_cast<CResultDlg*>(active))
        AnswerResult(*result);
    else
        Fail(QStringLiteral("unexpected window \"%1\"").arg(active->windowTitle()));
}

void CDuelPlayer::AnswerNetDialog(CNetDlg& dlg)
{
    QPointer<CNetDlg> guard(&dlg);
    QRadioButton* role = m_opts.bServer ? dlg.m_rbServer : dlg.m_rbClient;
    if (!role->isChecked()) {
        Later([this, guard, role] {
            if (!guard)
                return;
            role->click();
            if (m_opts.bServer && !m_wnd.Connection().IsListening())
                Fail(QStringLiteral("cannot listen on port %1: is another server running?").arg(NET_PORT));
            if (m_opts.bServer) {
                std::printf("WAITING\n");
                std::fflush(stdout);
            }
        });
        return;
    }
    if (dlg.m_btnStart->isEnabled()) {
        Later([guard] {
            if (guard)
                Click(guard->m_btnStart);
        });
        return;
    }
    // The server waits for its client; a client waits while its attempt
    // runs (Connect is grayed) and a while after a refusal.
    if (m_opts.bServer || !dlg.m_btnConnect->isEnabled() || NowMs() < m_nNextConnectMs)
        return;
    QString server = m_opts.strHost;
    if (!m_opts.strFromList.isEmpty()) {
        // As a player would: wait until the partner's game shows in the list.
        const QString label = m_opts.strFromList + QStringLiteral(" \u2014 ");
        server.clear();
        for (int i = 0; i < dlg.m_cbServer->count() && server.isEmpty(); ++i)
            if (dlg.m_cbServer->itemText(i).startsWith(label))
                server = dlg.m_cbServer->itemText(i);
        if (server.isEmpty())
            return;
    }
    m_nNextConnectMs = NowMs() + CONNECT_RETRY_MS;
    Later([guard, server] {
        if (!guard)
            return;
        guard->m_cbServer->setEditText(server);
        Click(guard->m_btnConnect);
    });
}

void CDuelPlayer::AnswerBox(QMessageBox& box)
{
    if (m_pLastBox == &box)
        return;   // already answered, on its way out
    m_pLastBox = &box;
    const QString text = box.text();
    if (text == QLatin1String("Connect closed"))
        m_bPeerGone = true;   // fatal only before the last game is over
    else if (text != QLatin1String("Connect successful!") && text != QLatin1String("Connect failed"))
        Fail(QStringLiteral("unexpected message \"%1\"").arg(text));
    QPointer<QAbstractButton> ok = box.button(QMessageBox::Ok);
    Later([ok] { Click(ok); });
}

void CDuelPlayer::AnswerNames(CNameDlg& dlg)
{
    dlg.m_combo->setEditText(m_strName);
    QPointer<QAbstractButton> ok = dlg.m_btnOK;
    Later([ok] { Click(ok); });
}

void CDuelPlayer::AnswerResult(CResultDlg& dlg)
{
    if (m_pLastResult == &dlg)
        return;
    m_pLastResult = &dlg;
    const bool won = qobject_cast<CWinDlg*>(&dlg) != nullptr;
    won ? ++m_nWins : ++m_nLosses;
    const int played = m_nWins + m_nLosses;
    std::printf("GAME %d %s shots=%d\n", played, won ? "WIN" : "LOSS", m_nShots);
    std::fflush(stdout);
    m_nShots = 0;
    if (played >= m_opts.nGames)
        m_bLostLast = !won;
    else if (m_opts.bServer)
        m_bNeedNewGame = true;
    QPointer<QAbstractButton> ok = dlg.m_btnOK;
    Later([ok] { Click(ok); });
}

void CDuelPlayer::PlayIdle()
{
    if (m_wnd.isHidden())
        return;   // not shown yet, or closing
    if (m_nWins + m_nLosses >= m_opts.nGames) {
        // The loser of the last game learns of it last, so it may leave at
        // once; the winner stays until the loser has gone, or the last shot
        // would be cut off on its way.
        if (m_bLostLast || m_bPeerGone)
            Finish();
        return;
    }
    if (m_bPeerGone && m_opts.bCutOk) {
        std::printf("CLOSED\n");
        Finish();
        return;
    }
    if (m_bPeerGone)
        Fail(QStringLiteral("connection lost after %1 of %2 games").arg(m_nWins + m_nLosses).arg(m_opts.nGames));
    if (!GameInProgress) {
        if (m_bNeedNewGame && !m_wnd.IsBusy()) {
            m_bNeedNewGame = false;
            Later([this] {
                if (!TriggerMenu(ID_GAME_NEWGAME))
                    Fail(QStringLiteral("\"New game\" is not available"));
            });
        }
        return;
    }
    if (MyTurn)
        Later([this] { ShootRandomUntouched(); });
}

void CDuelPlayer::ShootRandomUntouched()
{
    // The partner's shot may have been delivered since this was queued.
    if (!GameInProgress || !MyTurn || QApplication::activeModalWidget() != &m_wnd)
        return;
    std::vector<int> untouched;
    for (int cell = 0; cell < BOARD_CELLS; ++cell)
        if (PlayerTwo.m_view[cell] == CELL_WATER)
            untouched.push_back(cell);
    if (untouched.empty())
        Fail(QStringLiteral("no untouched cell left, yet the enemy fleet is afloat"));
    std::uniform_int_distribution<std::size_t> pick(0, untouched.size() - 1);
    if (m_nShots == 0)
        Say(QStringLiteral("%1 in game %2").arg(m_strName).arg(m_nWins + m_nLosses + 1));
    ++m_nShots;
    QTest::mouseClick(m_wnd.ClientArea(), Qt::LeftButton, {}, CellCentre(m_wnd, PlayerTwo, untouched[pick(m_rng)]));
}

// A line to the partner through the chat window, opened from the menu and
// closed again, the battle going on behind it.
void CDuelPlayer::Say(const QString& text)
{
    CChatPanel* chat = m_wnd.Chat();
    if (!TriggerMenu(ID_GAME_CHAT) || !chat->isVisible())
        Fail(QStringLiteral("\"Chat\" does not open the chat"));
    if (!chat->m_editLine->isEnabled())
        Fail(QStringLiteral("chat is not open with the partner"));
    chat->m_editLine->setText(text);
    QTest::keyClick(chat->m_editLine, Qt::Key_Return);
    TriggerMenu(ID_GAME_CHAT);
}

bool CDuelPlayer::TriggerMenu(int commandId)
{
    const auto* bar = m_wnd.findChild<QMenuBar*>();
    if (!bar)
        return false;
    for (QAction* top : bar->actions()) {
        if (!top->menu())
            continue;
        for (QAction* item : top->menu()->actions()) {
            if (item->data().toInt() != commandId)
                continue;
            if (!item->isEnabled())
                return false;
            item->trigger();
            return true;
        }
    }
    return false;
}

void CDuelPlayer::Finish()
{
    m_bFinished = true;
    m_timer.stop();
    std::printf("RESULT games=%d wins=%d losses=%d\n", m_nWins + m_nLosses, m_nWins, m_nLosses);
    const CRecordTable& table = m_wnd.Records();
    for (int i = 0; i < table.GetCount(); ++i)
        std::printf("RECORD %s %d %d %d\n", table.GetName(i).c_str(), table.GetWins(i), table.GetLosses(i),
                    table.GetScore(i));
    for (const CChatLine& line : m_wnd.Chat()->Chat().Lines())
        std::printf("CHAT %s %s: %s\n", line.m_bMine ? "SENT" : "HEARD", line.m_strAuthor.c_str(), line.m_strText.c_str());
    std::fflush(stdout);
    // "Exit" saves the settings and the records and closes the window.
    Later([this] {
        if (!TriggerMenu(ID_GAME_EXIT))
            Fail(QStringLiteral("\"Exit\" is not in the menu"));
    });
}

void CDuelPlayer::Fail(const QString& reason)
{
    std::fflush(stdout);
    std::fprintf(stderr, "tidebolt_duel: %s\n", qPrintable(reason));
    std::fflush(stderr);
    // Modal windows may be open several levels deep; leaving through them
    // could wait on the very partner that is gone.
    std::_Exit(1);
}
