// tidebolt_monkey: a hurried player's random input on the real main window,
// offscreen, against the computer, with the rules checked after every input.
//
//   tidebolt_monkey [--network] [--seed S] [--games N] [--seconds T] [--log FILE]
//   tidebolt_monkey [--network] --replay FILE
//
// With --network the window plays a scripted partner over port 2004 in a
// network namespace of its own (root, or a user namespace), never on the
// machine's own network.
//
// Without a seed it takes one from the clock and prints it. Every input goes
// to the log (default monkey-<seed>.log), one a line after a "# seed" line;
// --replay plays a log again with its seed. Exits 0 with a FIGURE line, 1 on
// a broken rule (the seed, the log and the last inputs on the error output),
// 2 on bad arguments, 3 when the window's thread stopped handling events.
#include "monkey.h"

#include "store/tempprofile.h"
#include "support/privatenet.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <thread>

namespace {

struct Args {
    unsigned int seed = 0;
    bool haveSeed = false;
    CMonkey::Limits limits;
    QString log;
    QString replay;
    bool network = false;
};

bool ParseArgs(QStringList args, Args& out)
{
    out.network = args.removeAll(QStringLiteral("--network")) > 0;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        const QString& flag = args[i];
        const QString& value = args[i + 1];
        bool ok = true;
        if (flag == QLatin1String("--seed")) {
            out.seed = value.toUInt(&ok);
            out.haveSeed = true;
        } else if (flag == QLatin1String("--games")) {
            out.limits.games = value.toInt(&ok);
        } else if (flag == QLatin1String("--seconds")) {
            out.limits.seconds = value.toInt(&ok);
        } else if (flag == QLatin1String("--log")) {
            out.log = value;
        } else if (flag == QLatin1String("--replay")) {
            out.replay = value;
        } else {
            return false;
        }
        if (!ok || (flag != QLatin1String("--seed") && value.startsWith('-')))
            return false;
    }
    return args.size() % 2 == 1;
}

// A log as --replay takes it: its seed and its inputs.
bool ReadLog(const QString& path, unsigned int& seed, QStringList& inputs)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    if (lines.isEmpty() || !lines.first().startsWith(QLatin1String("# seed ")))
        return false;
    bool ok = false;
    seed = lines.first().mid(7).section(' ', 0, 0).toUInt(&ok);
    inputs = lines.mid(1);
    return ok && !inputs.isEmpty();
}

// Ends the run when the window's thread has handled nothing for a minute:
// a hang no check on that thread could report.
std::atomic<long long> g_lastBeat{0};
long long NowSeconds()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
constexpr long long HANG_SECONDS = 60;

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Before any thread starts: a namespace is entered by the whole process only then.
    bool wantsNetwork = false;
    for (int i = 1; i < argc; ++i)
        wantsNetwork = wantsNetwork || std::strcmp(argv[i], "--network") == 0;
    if (wantsNetwork && !EnterPrivateNetwork()) {
        std::fprintf(stderr, "tidebolt_monkey: cannot make a network of its own (no network namespace here)\n");
        return 2;
    }
    QApplication app(argc, argv);
    Args args;
    QStringList replay;
    if (!ParseArgs(QApplication::arguments(), args)
        || (!args.replay.isEmpty() && !ReadLog(args.replay, args.seed, replay))) {
        std::fprintf(stderr, "usage: tidebolt_monkey [--network] [--seed S] [--games N] [--seconds T] [--log FILE]\n"
                             "       tidebolt_monkey [--network] --replay FILE\n");
        return 2;
    }
    if (args.replay.isEmpty() && !args.haveSeed)
        args.seed = unsigned(QDateTime::currentMSecsSinceEpoch() % 1000000007);
    if (args.log.isEmpty())
        args.log = QStringLiteral("monkey-%1%2%3.log")
                       .arg(args.network ? "net-" : "")
                       .arg(args.seed)
                       .arg(args.replay.isEmpty() ? "" : "-replay");
    std::FILE* log = std::fopen(QFile::encodeName(args.log).constData(), "w");
    if (!log) {
        std::fprintf(stderr, "tidebolt_monkey: cannot write %s\n", qPrintable(args.log));
        return 2;
    }
    std::fprintf(log, "# seed %u%s\n", args.seed, args.network ? " (replay with --network)" : "");
    std::printf("tidebolt_monkey: seed %u, inputs logged to %s%s\n", args.seed, qPrintable(args.log),
                args.replay.isEmpty() ? "" : qPrintable(" (replaying " + args.replay + ")"));
    std::fflush(stdout);

    // The computer answers at once until the options say otherwise.
    TempProfile profile("[Options]\nCompDelay=0\nEnglish=1\n");
    const QString ini = profile.Path();

    g_lastBeat = NowSeconds();
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout, [] { g_lastBeat = NowSeconds(); });
    beat.start(1000);
    std::thread([seed = args.seed, path = args.log] {
        for (;;) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            if (NowSeconds() - g_lastBeat <= HANG_SECONDS)
                continue;
            std::fprintf(stderr, "tidebolt_monkey: FAULT: the window's thread handled no event for %lld s\n"
                                 "tidebolt_monkey: seed %u; the inputs are in %s\n",
                         HANG_SECONDS, seed, qPrintable(path));
            std::fflush(stderr);
            std::_Exit(3);
        }
    }).detach();

    {
        CMonkey monkey(args.seed, ini, log, args.network);
        monkey.Run(args.limits, replay);
        monkey.PrintFigure();
    }
    std::fclose(log);
    return 0;
}
