// tidebolt_duel: one side of a network game between two real copies of the
// main window, played by a robot player over port 2004 (127.0.0.1 unless
// told otherwise).
//
//   tidebolt_duel --server|--client [--host HOST | --from-list NAME] [--cut-ok]
//                 [--games N] [--seed S] --profile PATH [--name NAME]
//                 [--timeout SECONDS]
//
// Prints "WAITING" once the server waits for its client, "BATTLE <n>" as
// each battle starts, "GAME <n> WIN|LOSS shots=<k>"
// per game, "CLOSED" when the connection is lost (with --cut-ok), then
// "RESULT games=<n> wins=<w> losses=<l>" and one
// "RECORD <name> <wins> <losses> <score>" per row of the record table.
// Exit codes: 0 done, 1 lost connection or unexpected window, 2 bad
// arguments, 3 timed out.
#include "duelopts.h"
#include "duelplayer.h"
#include "duelwatchdog.h"

#include "game/gamerand.h"
#include "store/profile.h"
#include "store/qt/qsettingsprofile.h"
#include "store/settings.h"
#include "ui/gamedlg.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Headless unless asked otherwise (QT_QPA_PLATFORM=xcb to watch it play).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tidebolt"));
    QApplication::setOrganizationName(QStringLiteral("Orvex software"));

    DuelOptions opts;
    QString error;
    if (!ParseDuelOptions(QApplication::arguments(), opts, error)) {
        std::fprintf(stderr,
                     "tidebolt_duel: %s\nusage: tidebolt_duel --server|--client [--host HOST | --from-list NAME] "
                     "[--cut-ok] [--games N] [--seed S] --profile PATH [--name NAME] [--timeout SECONDS]\n",
                     qPrintable(error));
        return 2;
    }

    CDuelWatchdog watchdog(opts.nTimeoutSec);
    CQSettingsProfile profile(opts.strProfile);
    SetProfile(&profile);
    bool finished = false;
    {
        CGameDlg wnd;
        wnd.SkipSplash();
        wnd.OnInitDialog();
        // The robot reads the English texts of the boxes.
        English = 1;
        wnd.SetLanguage(true);
        if (opts.bSeeded)
            GameSrand(opts.nSeed);
        CDuelPlayer player(wnd, opts);
        player.Start();
        wnd.exec();
        finished = player.Finished();
    }
    SetProfile(nullptr);
    if (!finished)
        std::fprintf(stderr, "tidebolt_duel: the window closed before the games were over\n");
    return finished ? 0 : 1;
}
