// tidebolt_aboutfigures: what the about box costs the running game. With the
// main window up and the sounds loaded as in play, it measures memory and
// threads, opens the about box and lets its film play, measures the CPU the
// whole program spends meanwhile, closes the box and measures memory and
// threads again three seconds later.
//
//   tidebolt_aboutfigures [seconds-of-film]     (default 10)
//
// Prints one FIGURE line per figure; exits 1 when a bound is broken or the
// film did not play, 2 on bad arguments.
#include "store/profile.h"
#include "store/qt/qsettingsprofile.h"
#include "store/settings.h"
#include "ui/aboutdlg.h"
#include "ui/gamedlg.h"
#include "ui/gamesound.h"
#include "ui/mediaplayer.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

constexpr long MEMORY_BOUND_KB = 5 * 1024;
constexpr double CPU_BOUND_MS_PER_S = 3.0;
constexpr int SETTLE_MS = 3000;
constexpr int FILM_TICK_MS = 83;  // the film's twelve frames a second

long StatusField(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLong();
    return -1;
}

// CPU time of every thread of the program, in milliseconds.
double CpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

// The program's own event loop for a while: nothing polls, as in play.
void Run(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// CPU spent per second of wall time while the event loop runs for `ms`.
double CpuPerSecond(int ms)
{
    const double before = CpuMs();
    Run(ms);
    return (CpuMs() - before) / (ms / 1000.0);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ok = true;
    const int seconds = args.size() > 1 ? args[1].toInt(&ok) : 10;
    if (!ok || seconds < 2 || seconds > 600) {
        std::fprintf(stderr, "usage: tidebolt_aboutfigures [seconds-of-film, 2-600]\n");
        return 2;
    }

    QTemporaryDir profileDir;
    CQSettingsProfile profile(profileDir.filePath("Tidebolt.ini"));
    SetProfile(&profile);
    InstallGameSound();
    CGameDlg dlg;
    dlg.SkipSplash();
    dlg.OnInitDialog();
    dlg.show();
    Run(SETTLE_MS);  // fonts, pictures and the sounds are in by now

    const long rssBefore = StatusField("VmRSS:");
    const long threadsBefore = StatusField("Threads:");
    const double idle = CpuPerSecond(2000);
    // What waking up as often as the film does costs on this machine, with
    // nothing done on waking: the floor under any player of the clip.
    double floor = 0;
    {
        QTimer tick;
        tick.start(FILM_TICK_MS);
        floor = CpuPerSecond(2000) - idle;
    }

    double playing = 0;
    long long frames = 0;
    int frameCount = 0;
    {
        CAboutDlg about(&dlg);
        QTimer::singleShot(0, &about, [&] {
            Run(1000);  // the box and its first frames are drawn
            frames = -about.m_player->FramesShown();
            playing = CpuPerSecond(seconds * 1000);
            frames += about.m_player->FramesShown();
            frameCount = about.m_player->FrameCount();
            about.accept();
        });
        about.DoModal();
    }
    Run(SETTLE_MS);
    const long rssAfter = StatusField("VmRSS:");
    const long threadsAfter = StatusField("Threads:");

    const bool played = frameCount > 1 && frames >= seconds * 5;
    const bool memoryOk = rssAfter - rssBefore <= MEMORY_BOUND_KB;
    // The bound is on what the film adds: the idle window's own share (the
    // network dispatch's pass every 50 ms) is there with or without the box.
    const bool cpuOk = playing - idle <= CPU_BOUND_MS_PER_S;
    const bool threadsOk = threadsAfter <= threadsBefore;
    std::printf("FIGURE: about box memory | VmRSS with the main window up, then %d s after the box closed"
                " | %.1f -> %.1f MiB (%+.1f); bound +%.0f MiB%s\n",
                SETTLE_MS / 1000, rssBefore / 1024.0, rssAfter / 1024.0, (rssAfter - rssBefore) / 1024.0,
                MEMORY_BOUND_KB / 1024.0, memoryOk ? "" : "; BROKEN");
    std::printf("FIGURE: about box CPU | CPU time of the whole program per second while the film plays, %d s,"
                " against the idle window before | %.2f ms/s playing, %.2f idle: the film %.2f ms/s, %lld frames"
                " shown of a %d-frame loop (a bare timer as often: %.2f ms/s); bound %.0f ms/s for the film%s\n",
                seconds, playing, idle, playing - idle, frames, frameCount, floor, CPU_BOUND_MS_PER_S,
                cpuOk && played ? "" : played ? "; BROKEN" : "; THE FILM DID NOT PLAY");
    std::printf("FIGURE: about box threads | threads of the program before the box opened and %d s after it"
                " closed | %ld -> %ld%s\n",
                SETTLE_MS / 1000, threadsBefore, threadsAfter, threadsOk ? "" : "; LEFT BEHIND");
    SetProfile(nullptr);
    return played && memoryOk && cpuOk && threadsOk ? 0 : 1;
}
