#pragma once

// A network battle under way, the other machine played by the test, and the
// gauges a hostile peer is judged by: liveness, memory, the battle's state.

#include "netfixture.h"
#include "net/netqueue.h"
#include "net/qt/netsocket.h"
#include "ui/namedlg.h"
#include "ui/resultdlg.h"
#include "wirebytes.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>

inline long VmRssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
    const int at = text.indexOf("VmRSS:");
    return at < 0 ? 0 : text.mid(at + 6).trimmed().split(' ').value(0).toLong();
}

// AddressSanitizer holds freed memory in quarantine (256 MB by default), so
// under it RSS shows the traffic that went through, not what the game keeps.
#if defined(__SANITIZE_ADDRESS__)
constexpr long RSS_SLACK_KB = 256 * 1024;
#else
constexpr long RSS_SLACK_KB = 0;
#endif

// Ticks every 10 ms on the window's thread: the longest gap between ticks
// is how long the window was deaf. Memory is measured from creation.
class CLiveness : public QObject {
public:
    CLiveness() : m_rssStart(VmRssKb())
    {
        m_clock.start();
        connect(&m_timer, &QTimer::timeout, this, [this] { m_maxGapMs = qMax(m_maxGapMs, m_clock.restart()); });
        m_timer.start(10);
    }
    qint64 MaxGapMs() const { return qMax(m_maxGapMs, m_clock.elapsed()); }
    long RssGrowthKb() const { return VmRssKb() - m_rssStart; }
    QString Summary() const
    {
        return QStringLiteral("longest stall %1 ms, RSS %2 MB").arg(MaxGapMs()).arg(RssGrowthKb() / 1024.0, 0, 'f', 1);
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_maxGapMs = 0;
    long m_rssStart;
};

inline void Figure(const QString& check, const QString& feed, const QString& amount, const QString& found)
{
    qInfo().noquote() << QStringLiteral("FIGURE: %1 | %2 | %3 | %4").arg(check, feed, amount, found);
}

inline QStringList RecordRows(const CRecordTable& table)
{
    QStringList rows;
    for (int i = 0; i < table.GetCount(); ++i)
        rows << QStringLiteral("%1 %2 %3 %4").arg(QString::fromStdString(table.GetName(i)))
                    .arg(table.GetWins(i)).arg(table.GetLosses(i)).arg(table.GetScore(i));
    return rows;
}

inline QByteArray ShotBytes(int cell)
{
    return Bytes(MakeShotMsg(cell / BOARD_SIZE, cell % BOARD_SIZE));
}

inline QByteArray OpeningBytes(const char* name)
{
    const std::vector<unsigned char> cells = Exported(FleetCodes(StandardFleetPicture()));
    return Bytes(MakeFleetMsg(cells.data())) + Bytes(MakeNameMsg(name)) + Bytes(MakeSignalMsg(NET_READY));
}

// Waits until all `peer` has sent is received and acted on.
inline bool QueueDrained(CPeer& peer)
{
    const bool sent = QTest::qWaitFor([&peer] { return peer.m_socket->bytesToWrite() == 0; }, 20000);
    QTest::qWait(100);   // the bytes' way into the queue
    const bool read = QTest::qWaitFor([] { return NetQueue.Size() == 0; }, 20000);
    QTest::qWait(150);   // the last record's way to the window
    return sent && read;
}

// The window in a battle, with the other machine at the end of Peer().
class CBattle {
public:
    CWindowUnderTest w;
    CPilot pilot;

    virtual ~CBattle() = default;
    virtual bool Start() = 0;
    virtual CPeer& Peer() = 0;
    // Everything a player would see change if a stray message acted, as
    // text so that a difference shows in the failure.
    QString State() const
    {
        const auto hex = [](const signed char* cells) {
            return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(cells), BOARD_CELLS).toHex());
        };
        return QStringLiteral("battle %1 turn %2 waiting %3 role %4 connected %5 rival %6 records [%7] notices [%8] ours %9 theirs %10")
            .arg(GameInProgress).arg(MyTurn).arg(w->Waiting).arg(w->NetRole)
            .arg(w->m_connSocket && w->m_connSocket->IsConnected())
            .arg(QString::fromStdString(PlayerTwo.GetName()), RecordRows(w->m_records).join(';'),
                 pilot.m_boxes.join(';'), hex(PlayerOne.m_fleet), hex(PlayerTwo.m_fleet));
    }

    // Hands the turn to the partner with a shot into open water (row 9 of
    // the standard fleet has none of its ships).
    void PassTheTurn()
    {
        for (int col = 9; col >= 0 && MyTurn; --col)
            if (PlayerTwo.m_view[90 + col] == CELL_WATER)
                QTest::mouseClick(w->ClientArea(), Qt::LeftButton, {},
                                  QPoint(PlayerTwo.m_rcBoard.left + CELL_PITCH * col + 13,
                                         PlayerTwo.m_rcBoard.top + CELL_PITCH * 9 + 13));
    }
    // The partner misses, so the turn is ours.
    bool TakeTheTurn()
    {
        if (!MyTurn)
            Peer().Send(ShotBytes(OpenWater()));
        return QTest::qWaitFor([] { return MyTurn != 0; }, 5000);
    }
    // A water cell of our own board not yet shot at.
    int OpenWater() const
    {
        for (int i = BOARD_CELLS - 1; i >= 0; --i)
            if (PlayerOne.m_fleet[i] == CELL_WATER)
                return i;
        return -1;
    }
    bool EndedWithConnectClosed() const
    {
        return w->NetRole == 0 && !GameInProgress && pilot.m_boxes.contains(QStringLiteral("Connect closed"));
    }

protected:
    // A battle not begun in 15 s (port 2004 taken, say) closes whatever
    // window waits, so the test fails instead of hanging.
    void OpenNetGame()
    {
        QElapsedTimer clock;
        clock.start();
        QTimer deadline;
        QObject::connect(&deadline, &QTimer::timeout, [&clock] {
            if (QWidget* window = QApplication::activeModalWidget(); window && clock.elapsed() > 15000)
                window->close();
        });
        deadline.start(1000);
        w->ShowNetGame();
    }
    void AnswerResults(QWidget* window)
    {
        if (auto* names = qobject_cast<CNameDlg*>(window))
            ClickLater(pilot, names->findChild<QPushButton*>(QStringLiteral("IDOK")));
        else if (auto* result = qobject_cast<CResultDlg*>(window))
            ClickLater(pilot, result->m_btnOK);
    }
    static bool BattleBegins() { return QTest::qWaitFor([] { return GameInProgress != 0; }, 5000); }
};

// This program as server; the test's client answers every new game with
// the standard fleet under the name "Rival".
class CServerBattle : public CBattle {
public:
    CPeer client;

    CServerBattle()
    {
        client.m_onData = [this] {
            if (client.m_received.endsWith(QByteArray("\x07\x00", 2)))
                client.Send(OpeningBytes("Rival"));
        };
        pilot.m_onWindow = [this](QWidget* window) {
            AnswerResults(window);
            auto* dlg = qobject_cast<CNetDlg*>(window);
            if (dlg && !dlg->m_rbServer->isChecked())
                ClickLater(pilot, dlg->m_rbServer);
            else if (dlg && w->m_listenSocket->IsListening() && client.m_socket->state() == QAbstractSocket::UnconnectedState)
                client.ConnectToGame();
            else if (dlg && dlg->m_btnStart->isEnabled())
                ClickLater(pilot, dlg->m_btnStart);
        };
    }
    bool Start() override
    {
        OpenNetGame();
        return BattleBegins();
    }
    CPeer& Peer() override { return client; }
};

// This program as client of the test's server, which begins with no
// server-first, so the client shoots first.
class CClientBattle : public CBattle {
public:
    CPeerServer host;

    CClientBattle()
    {
        pilot.m_onWindow = [this](QWidget* window) {
            AnswerResults(window);
            auto* dlg = qobject_cast<CNetDlg*>(window);
            if (dlg && !std::exchange(m_bAsked, true)) {
                QPointer<CNetDlg> guard(dlg);
                pilot.Later([guard] {
                    guard->m_rbClient->click();
                    guard->m_cbServer->setEditText(QStringLiteral("127.0.0.1"));
                    guard->m_btnConnect->click();
                });
            } else if (dlg && dlg->m_btnStart->isEnabled() && !pilot.m_boxes.isEmpty()) {
                ClickLater(pilot, dlg->m_btnStart);
            }
        };
    }
    bool Start() override
    {
        if (!host.Listen())
            return false;
        OpenNetGame();
        if (!host.m_peer || w->NetRole != 2)
            return false;
        host.m_peer->Send(Bytes({NET_NEW_GAME, 0, NET_TRADITION, 1, 0}));
        if (!QTest::qWaitFor([this] { return host.m_peer->m_received.endsWith(Bytes({0, 1, 0})); }, 5000))
            return false;
        host.m_peer->Send(OpeningBytes("Host"));
        return BattleBegins();
    }
    CPeer& Peer() override { return *host.m_peer; }

private:
    bool m_bAsked = false;
};
