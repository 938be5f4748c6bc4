// tidebolt_soak: games against the computer at every level on the real main
// window, offscreen, each checked for consistent fleets, counts, tallies and
// records, while the memory the program holds is watched.
//
//   tidebolt_soak --games N [--seed S]      (N games per level)
//
// Prints progress, one FIGURE line per level and one for memory; exits 1 on
// the first inconsistency or when memory grew beyond the bound, 2 on bad
// arguments.
#include "soakplayer.h"
#include "vmrss.h"

#include "game/gamerand.h"
#include "store/profile.h"
#include "store/qt/qsettingsprofile.h"
#include "store/settings.h"
#include "ui/gamedlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

// Games played before the first memory sample: fonts, pictures and Qt's
// caches are loaded by then.
constexpr int WARM_UP_GAMES = 50;
// Growth allowed from the warm-up sample to the end: a fraction of one
// retained picture per game played would already exceed it.
constexpr long RSS_BOUND_KB = 2048;

const char* const LEVEL_NAMES[] = {"Easy", "Normal", "Hard"};

bool ParseArgs(const QStringList& args, int& games, unsigned int& seed)
{
    bool haveGames = false;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        bool ok = false;
        const unsigned long value = args[i + 1].toULong(&ok);
        if (!ok)
            return false;
        if (args[i] == QLatin1String("--games") && value >= 1 && value <= 1000000) {
            games = int(value);
            haveGames = true;
        } else if (args[i] == QLatin1String("--seed") && value <= 0xffffffffUL) {
            seed = unsigned(value);
        } else {
            return false;
        }
    }
    return haveGames && args.size() % 2 == 1;
}

int Fail(const std::string& what, int level, int game)
{
    std::fprintf(stderr, "tidebolt_soak: level %d, game %d: %s\n", level, game, what.c_str());
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int games = 0;
    unsigned int seed = 1;
    if (!ParseArgs(QApplication::arguments(), games, seed)) {
        std::fprintf(stderr, "usage: tidebolt_soak --games N [--seed S]   (N games per level)\n");
        return 2;
    }

    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Tidebolt.ini"));
    {
        QSettings seedProfile(ini, QSettings::IniFormat);
        seedProfile.setValue("Options/CompDelay", 0);
        seedProfile.setValue("Options/English", 1);
    }
    CQSettingsProfile profile(ini);
    SetProfile(&profile);
    int status = 0;
    {
        CGameDlg wnd;
        wnd.SkipSplash();
        wnd.OnInitDialog();
        wnd.show();
        if (!QTest::qWaitForWindowExposed(&wnd))
            return Fail("the main window never showed", 0, 0);
        CSoakPlayer player(wnd, seed);
        GameSrand(seed);
        std::printf("tidebolt_soak: %d games per level, seed %u\n", games, seed);
        long rssWarm = -1;
        int played = 0;
        for (int level = 1; level <= 3 && status == 0; ++level) {
            Level = level;
            // A name per level keeps three rows in the table to sort.
            const std::string name = "Soak" + std::to_string(level);
            const int shotsBefore = player.Shots(), winsBefore = player.Wins();
            QElapsedTimer clock;
            clock.start();
            const auto wins = [&] { return player.Wins() - winsBefore; };
            for (int game = 1; game <= games && status == 0; ++game) {
                if (const std::string fault = player.PlayGame(name, ini); !fault.empty()) {
                    status = Fail(fault, level, game);
                    break;
                }
                if (++played == WARM_UP_GAMES)
                    rssWarm = VmRssKb();
                if (game % std::max(1, games / 5) == 0) {
                    std::printf("level %d: %d/%d games, %d won\n", level, game, games, wins());
                    std::fflush(stdout);
                }
            }
            if (status == 0)
                std::printf("FIGURE: soak against the computer, level %d (%s) | games on the real main window "
                            "offscreen, random shots at untouched cells | %d games, %d shots in %.1f s | "
                            "%d won, %d lost; fleets, ship counts, tallies, records and saved table consistent "
                            "after every game\n",
                            level, LEVEL_NAMES[level - 1], games, player.Shots() - shotsBefore,
                            clock.elapsed() / 1000.0, wins(), games - wins());
        }
        if (status == 0 && rssWarm > 0) {
            const long rssEnd = VmRssKb();
            const long growth = rssEnd - rssWarm;
            std::printf("FIGURE: soak memory | VmRSS after %d warm-up games and after the last game | %d games | "
                        "%.1f MB -> %.1f MB (%+.2f MB, bound +%.1f MB)\n",
                        WARM_UP_GAMES, played, rssWarm / 1024.0, rssEnd / 1024.0, growth / 1024.0,
                        RSS_BOUND_KB / 1024.0);
            if (growth > RSS_BOUND_KB)
                status = Fail("memory grew beyond the bound", 0, played);
        } else if (status == 0) {
            std::printf("tidebolt_soak: fewer than %d games, memory not judged\n", WARM_UP_GAMES);
        }
        std::fflush(stdout);
    }
    SetProfile(nullptr);
    return status;
}
