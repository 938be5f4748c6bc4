// tidebolt_idle: the real main window held in one state with nothing
// happening, for scripts/wakeups.sh to count how often its threads wake.
//
//   tidebolt_idle window|waiting|battle --profile PATH
//
// window: no game, as after start-up; waiting: a client connected over
// 127.0.0.1 waiting for its server to open a game; battle: a client in a
// battle, the partner to shoot, the wait cursor turning. Prints "READY"
// once there, then idles until killed. Run it from the folder holding Data/.
#include "game/globals.h"
#include "game/player.h"
#include "net/netsession.h"
#include "net/qt/netconnection.h"
#include "store/profile.h"
#include "store/qt/qsettingsprofile.h"
#include "support/modal.h"
#include "ui/gamedlg.h"
#include "ui/namedlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpServer>

#include <cstdio>

namespace {
// A message of the server, handed to the window as the connection would.
void Tell(CGameDlg& wnd, const std::vector<unsigned char>& bytes)
{
    CNetParser parser;
    std::vector<NETMSG> records;
    parser.Feed(bytes, records);
    for (const NETMSG& rec : records)
        wnd.OnNetMessage(rec);
}

// The window as a client of a server played here, which never says a word.
bool Connect(CGameDlg& wnd, QTcpServer& server)
{
    if (!server.listen(QHostAddress::LocalHost, NET_PORT))
        return false;
    CNetConnection& net = wnd.Connection();
    net.Connect(QStringLiteral("127.0.0.1"), NET_PORT);
    QElapsedTimer clock;
    clock.start();
    while (!(net.IsConnected() && server.hasPendingConnections()) && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (!net.IsConnected() || !server.nextPendingConnection())
        return false;
    wnd.BeginNetPlay(false);
    return true;
}

// The server's opening, answered with the name dialog's OK (a random
// fleet), and its set-up, the server to shoot first.
void EnterBattle(CGameDlg& wnd)
{
    const CModalWait named = WhenModal<CNameDlg>([](CNameDlg* dlg) { dlg->accept(); });
    Tell(wnd, MakeSignalMsg(NET_NEW_GAME));
    Tell(wnd, MakeSignalMsg(NET_SERVER_FIRST));
    unsigned char fleet[BOARD_CELLS];
    PlayerOne.ExportFleet(fleet);
    Tell(wnd, MakeFleetMsg(fleet));
    Tell(wnd, MakeNameMsg("Server"));
    Tell(wnd, MakeSignalMsg(NET_READY));
}
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const QString state = args.value(1);
    const int at = int(args.indexOf(QStringLiteral("--profile")));
    if ((state != QLatin1String("window") && state != QLatin1String("waiting") && state != QLatin1String("battle")) ||
        at < 0 || at + 1 >= args.size()) {
        std::fprintf(stderr, "usage: tidebolt_idle window|waiting|battle --profile PATH\n");
        return 2;
    }
    CQSettingsProfile profile(args[at + 1]);
    SetProfile(&profile);
    int code = 0;
    {
        CGameDlg wnd;
        wnd.SkipSplash();
        wnd.OnInitDialog();
        wnd.show();
        QTcpServer server;
        if (state != QLatin1String("window") && !Connect(wnd, server)) {
            std::fprintf(stderr, "tidebolt_idle: no connection on 127.0.0.1 port %d\n", NET_PORT);
            return 1;
        }
        if (state == QLatin1String("battle"))
            EnterBattle(wnd);
        std::printf("READY\n");
        std::fflush(stdout);
        code = app.exec();
    }
    SetProfile(nullptr);
    return code;
}
