// Network figures on 127.0.0.1: how long a partner's shot takes from its
// send to the board that resolves it (at once when it comes alone, a pass
// apart when shots follow each other), and how fast the wire parse cuts a
// stream into records.
#include "bench/qt/benchapp.h"
#include "game/globals.h"
#include "game/player.h"
#include "net/netmsg.h"
#include "net/netsession.h"
#include "net/qt/netconnection.h"
#include "store/profile.h"
#include "store/qt/qsettingsprofile.h"
#include "ui/gamedlg.h"
#include "ui/namedlg.h"

#include <QApplication>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The real window as a client in a battle, the partner to shoot, and the
// benchmark as its server speaking raw bytes.
class CShotRig {
public:
    bool Open(std::string& error)
    {
        m_profile = std::make_unique<CQSettingsProfile>(m_dir.filePath(QStringLiteral("Tidebolt.ini")));
        SetProfile(m_profile.get());
        m_wnd = std::make_unique<CGameDlg>();
        m_wnd->SkipSplash();
        m_wnd->OnInitDialog();
        m_wnd->show();
        if (!m_server.listen(QHostAddress::LocalHost, NET_PORT)) {
            error = "port 2004 is taken";
            return false;
        }
        CNetConnection& net = m_wnd->Connection();
        net.Connect(QStringLiteral("127.0.0.1"), NET_PORT);
        const Clock::time_point asked = Clock::now();
        while (!(net.IsConnected() && m_server.hasPendingConnections()) && Clock::now() - asked < std::chrono::seconds(5))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (!net.IsConnected() || !m_server.hasPendingConnections()) {
            error = "no loopback connection";
            return false;
        }
        m_peer = m_server.nextPendingConnection();
        // A client in a battle: the server's opening handed straight to the
        // window, its name dialog answered at once (a random fleet).
        m_wnd->BeginNetPlay(false);
        AnswerNameDialog();
        Tell(*m_wnd, MakeSignalMsg(NET_NEW_GAME));
        unsigned char fleet[BOARD_CELLS];
        PlayerOne.ExportFleet(fleet);   // the partner's fleet matters not: it never loses
        Tell(*m_wnd, MakeFleetMsg(fleet));
        Tell(*m_wnd, MakeNameMsg("Bench"));
        Tell(*m_wnd, MakeSignalMsg(NET_READY));
        // Wakes the wait below now and then, so a lost shot ends the run.
        m_tick.start(100);
        return true;
    }

    ~CShotRig()
    {
        GameInProgress = 0;
        m_wnd.reset();
        SetProfile(nullptr);
    }

    // Sends one shot into open water and waits until the window's board
    // shows it; the seconds in between, or a negative number on a timeout.
    double ShootAndWait()
    {
        const int cell = NextWaterCell();
        MyTurn = 0;   // a miss hands the turn over; the partner shoots on
        const std::vector<unsigned char> shot = MakeShotMsg(cell / BOARD_SIZE, cell % BOARD_SIZE);
        const Clock::time_point sent = Clock::now();
        m_peer->write(reinterpret_cast<const char*>(shot.data()), static_cast<qint64>(shot.size()));
        m_peer->flush();
        while (PlayerOne.m_fleet[cell] == CELL_WATER) {
            if (Clock::now() - sent > std::chrono::seconds(2))
                return -1.0;
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        return std::chrono::duration<double>(Clock::now() - sent).count();
    }

private:
    static void Tell(CGameDlg& wnd, const std::vector<unsigned char>& bytes)
    {
        CNetParser parser;
        std::vector<NETMSG> records;
        parser.Feed(bytes, records);
        for (const NETMSG& rec : records)
            wnd.OnNetMessage(rec);
    }

    // The name dialog's OK as soon as it is up.
    static void AnswerNameDialog()
    {
        auto* poll = new QTimer;
        poll->setInterval(5);
        QObject::connect(poll, &QTimer::timeout, poll, [poll] {
            auto* dlg = dynamic_cast<CNameDlg*>(QApplication::activeModalWidget());
            if (!dlg)
                return;
            poll->deleteLater();
            dlg->accept();
        });
        poll->start();
    }

    void NewFleet()
    {
        PlayerOne.ClearGrids();
        PlayerOne.PlaceFleetRandom();
        PlayerOne.SyncView();
    }

    int NextWaterCell()
    {
        for (int pass = 0; pass < 2; ++pass) {
            for (int cell = 0; cell < BOARD_CELLS; ++cell)
                if (PlayerOne.m_fleet[cell] == CELL_WATER)
                    return cell;
            NewFleet();   // every water cell shot: a fresh board
        }
        return 0;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<CQSettingsProfile> m_profile;
    std::unique_ptr<CGameDlg> m_wnd;
    QTcpServer m_server;
    QTcpSocket* m_peer = nullptr;
    QTimer m_tick;
};

void ReportLatencies(benchmark::State& state, std::vector<double> ms)
{
    if (ms.empty())
        return;
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms)
        sum += v;
    state.counters["mean_ms"] = sum / static_cast<double>(ms.size());
    state.counters["p50_ms"] = ms[ms.size() / 2];
    state.counters["p95_ms"] = ms[ms.size() * 95 / 100];
    state.counters["max_ms"] = ms.back();
}

// range(0): milliseconds the partner thinks before each shot. 0: each shot
// the moment the last one showed, so shots follow each other a pass apart;
// 60: longer than a pass, so each shot comes alone and goes at once.
void BM_NetShotLatency(benchmark::State& state)
{
    BenchApp();
    CShotRig rig;
    std::string error;
    if (!rig.Open(error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    std::vector<double> ms;
    for (auto _ : state) {
        std::this_thread::sleep_for(std::chrono::milliseconds(state.range(0)));
        const double seconds = rig.ShootAndWait();
        if (seconds < 0) {
            state.SkipWithError("a shot never reached the board");
            break;
        }
        state.SetIterationTime(seconds);
        ms.push_back(seconds * 1000.0);
    }
    ReportLatencies(state, std::move(ms));
}
BENCHMARK(BM_NetShotLatency)->ArgName("think_ms")->Arg(0)->Arg(60)->UseManualTime()->Iterations(100)
    ->Unit(benchmark::kMillisecond);

// A stream as games make it: the opening of each game, then its shots.
// `messages` receives how many messages it holds.
std::vector<unsigned char> GameStream(std::size_t atLeast, std::size_t& messages)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> cellPick(0, 9);
    unsigned char fleet[NET_FLEET_CELLS];
    for (std::size_t i = 0; i < NET_FLEET_CELLS; ++i)
        fleet[i] = static_cast<unsigned char>(i % 7 == 0 ? CELL_SHIP + 1 : CELL_WATER + 1);
    const std::string names[] = {"Alpha", "Bravo", "\xc8\xe3\xf0\xee\xea", "A name of twenty ch."};
    std::vector<unsigned char> stream;
    messages = 0;
    const auto add = [&stream, &messages](const std::vector<unsigned char>& msg) {
        stream.insert(stream.end(), msg.begin(), msg.end());
        ++messages;
    };
    for (std::size_t game = 0; stream.size() < atLeast; ++game) {
        add(MakeSignalMsg(NET_NEW_GAME));
        add(MakeSignalMsg(NET_SERVER_FIRST));
        add(MakeTraditionMsg(game % 2 == 0));
        add(MakeFleetMsg(fleet));
        add(MakeNameMsg(names[game % 4]));
        add(MakeSignalMsg(NET_READY));
        for (int shot = 0; shot < 60; ++shot)
            add(MakeShotMsg(cellPick(rng), cellPick(rng)));
    }
    return stream;
}

// range(0): the bytes of each read.
void BM_NetParse(benchmark::State& state)
{
    std::size_t messages = 0;
    const std::vector<unsigned char> stream = GameStream(1 << 20, messages);
    const std::size_t read = static_cast<std::size_t>(state.range(0));
    std::vector<NETMSG> out;
    std::size_t records = 0;
    for (auto _ : state) {
        CNetParser parser;
        records = 0;
        for (std::size_t pos = 0; pos < stream.size(); pos += read) {
            parser.Feed(stream.data() + pos, std::min(read, stream.size() - pos), out);
            records += out.size();
            out.clear();
        }
        benchmark::DoNotOptimize(records);
    }
    if (records != messages)
        state.SkipWithError("the parse lost or invented records");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * stream.size()));
    state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_NetParse)->ArgName("read")->Arg(1)->Arg(7)->Arg(64)->Arg(1460)->Arg(65536);

} // namespace
