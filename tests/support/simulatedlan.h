#pragma once

// A LAN of several machines for the tests: each a network namespace with
// its own address, system bus and mDNS daemon (built by lanmachines.sh),
// all nested in a network and mount namespace of the test's own, so that
// nothing reaches this machine's network, its bus or its daemons.

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#ifdef __linux__
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cctype>
#include <memory>
#include <vector>

// Empty when the test may build its LAN, else why it cannot.
inline QString g_strNoLan;

// Call before anything starts a thread.
inline void EnterLanNamespaces()
{
#ifdef __linux__
    for (const char* program : {"ip", "dbus-daemon", "avahi-daemon", "avahi-browse", "unshare"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty()
            && QStandardPaths::findExecutable(QString::fromLatin1(program), {"/usr/sbin", "/sbin"}).isEmpty()) {
            g_strNoLan = QStringLiteral("%1 is not installed (scripts/deps.sh installs it)").arg(program);
            return;
        }
    if (geteuid() != 0) {
        g_strNoLan = QStringLiteral("building machines takes root");
        return;
    }
    if (unshare(CLONE_NEWNET | CLONE_NEWNS) != 0) {
        g_strNoLan = QStringLiteral("no network and mount namespace of our own");
        return;
    }
    // Our own /run: the machines' namespaces and daemons leave nothing behind.
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
        || mount("tmpfs", "/run", "tmpfs", 0, "mode=0755") != 0) {
        g_strNoLan = QStringLiteral("no /run of our own");
        return;
    }
    mkdir("/run/netns", 0755);
    mkdir("/run/avahi-daemon", 0755);
#else
    g_strNoLan = QStringLiteral("machines are built with Linux namespaces");
#endif
}

class CSimulatedLan {
public:
    // A program running on one machine, its output read as it comes.
    struct CProgram {
        QProcess process;
        QString out;

        bool Said(const QString& line)
        {
            out += QString::fromUtf8(process.readAllStandardOutput());
            return out.split('\n').contains(line);
        }
        bool WaitSaid(const QString& line, int ms)
        {
            return QTest::qWaitFor([&] { return Said(line); }, ms);
        }
        // Exit code 0 within the time; one still running is killed.
        bool EndsWell(int ms)
        {
            if (!process.waitForFinished(ms))
                process.kill(), process.waitForFinished();
            out += QString::fromUtf8(process.readAllStandardOutput());
            return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        }
        QString Errors() { return QString::fromUtf8(process.readAllStandardError()); }
    };

    ~CSimulatedLan() { Down(); }

    bool Up(const QStringList& machines)
    {
        return Script(QStringList{"up", m_dir.path()} + machines);
    }
    void Down()
    {
        StopPrograms();
        Script({"down", m_dir.path()});
    }
    // Ends whatever the test started on the machines; the daemons stay.
    void StopPrograms()
    {
        for (auto& program : m_programs)
            if (program->process.state() != QProcess::NotRunning)
                program->process.kill(), program->process.waitForFinished();
        m_programs.clear();
    }
    QString Path(const QString& file) const { return m_dir.filePath(file); }

    CProgram& Start(const QString& machine, const QString& program, const QStringList& args)
    {
        m_programs.push_back(std::make_unique<CProgram>());
        CProgram& started = *m_programs.back();
        started.process.start(QStringLiteral("bash"), QStringList{SCRIPT, "run", m_dir.path(), machine, program} + args);
        return started;
    }
    // Plugs or pulls the machine's cable at the switch.
    bool Link(const QString& machine, bool up)
    {
        return Script({"link", m_dir.path(), machine, up ? "up" : "down"});
    }
    // What avahi-browse on the machine lists of the game's service, resolved:
    // "name;host;address;port", one a game.
    QStringList Browse(const QString& machine)
    {
        QProcess browse;
        browse.start(QStringLiteral("bash"), {SCRIPT, "run", m_dir.path(), machine, "avahi-browse", "-rpt",
                                              "_tidebolt._tcp"});
        if (!browse.waitForFinished(10000))
            browse.kill(), browse.waitForFinished();
        QStringList games;
        for (const QString& line : QString::fromUtf8(browse.readAllStandardOutput()).split('\n')) {
            const QStringList f = line.split(';');
            if (f.size() >= 9 && f[0] == QLatin1String("="))
                games << QStringList{Unescape(f[3]), f[6], f[7], f[8]}.join(';');
        }
        games.sort();
        return games;
    }
    // Waits for what the machine's browser lists to become `games`; how long
    // it took, or -1 when it did not within `ms`.
    qint64 WaitListed(const QString& machine, const QStringList& games, int ms)
    {
        QElapsedTimer clock;
        clock.start();
        do {
            if (Browse(machine) == games)
                return clock.elapsed();
        } while (!clock.hasExpired(ms));
        return -1;
    }

private:
    static constexpr const char* SCRIPT = TIDEBOLT_SOURCE_DIR "/tests/support/lanmachines.sh";

    bool Script(const QStringList& args)
    {
        QProcess script;
        script.setProcessChannelMode(QProcess::ForwardedChannels);
        script.start(QStringLiteral("bash"), QStringList{SCRIPT} + args);
        return script.waitForFinished(60000) && script.exitStatus() == QProcess::NormalExit && script.exitCode() == 0;
    }
    // avahi-browse -p writes a name's spaces and other bytes as \ddd.
    static QString Unescape(const QString& text)
    {
        QByteArray out;
        const QByteArray in = text.toUtf8();
        for (int i = 0; i < in.size(); ++i) {
            if (in[i] == '\\' && i + 3 < in.size() && std::isdigit(static_cast<unsigned char>(in[i + 1]))) {
                out += static_cast<char>(in.mid(i + 1, 3).toInt());
                i += 3;
            } else if (in[i] == '\\' && i + 1 < in.size()) {
                out += in[++i];
            } else {
                out += in[i];
            }
        }
        return QString::fromUtf8(out);
    }

    QTemporaryDir m_dir;
    std::vector<std::unique_ptr<CProgram>> m_programs;
};
