#pragma once

// A sound server of the test's own: PulseAudio with one null sink, in a
// runtime folder, home and session bus address of its own, so a test never
// reaches the desktop's server or any bus. Its sink's monitor hears exactly
// what the game plays.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class CPrivateSoundServer {
public:
    static constexpr const char* SINK = "tidebolt_test";

    ~CPrivateSoundServer() { Stop(); }

    // The sink takes the game's sounds in their own format, so nothing is
    // resampled and the samples that arrive are the file's.
    bool Start(int rate, int channels)
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (program.isEmpty() || !m_dir.isValid())
            return false;
        QDir(m_dir.path()).mkpath(QStringLiteral("runtime"));
        QDir(m_dir.path()).mkpath(QStringLiteral("home"));
        QFile::setPermissions(m_dir.filePath(QStringLiteral("runtime")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir.filePath(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.filePath(QStringLiteral("runtime")));
        env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), m_dir.filePath(QStringLiteral("runtime/pulse")));
        env.insert(QStringLiteral("PULSE_STATE_PATH"), m_dir.filePath(QStringLiteral("home/state")));
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=") + m_dir.filePath(QStringLiteral("no-bus")));
        env.remove(QStringLiteral("PULSE_SERVER"));
        m_server.setProcessEnvironment(env);
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start(program, {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                                 QStringLiteral("--disable-shm"), QStringLiteral("--use-pid-file=no"), QStringLiteral("--log-level=error"),
                                 QStringLiteral("-L"),
                                 QStringLiteral("module-null-sink sink_name=%1 rate=%2 channels=%3 format=s16le").arg(SINK).arg(rate).arg(channels),
                                 QStringLiteral("-L"),
                                 QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + Socket()});
        if (!m_server.waitForStarted())
            return false;
        for (int i = 0; i < 100 && !QFile::exists(Socket()); ++i)
            QTest::qWait(50);
        return QFile::exists(Socket()) && m_server.state() == QProcess::Running;
    }

    void Stop()
    {
        if (m_server.state() == QProcess::NotRunning)
            return;
        m_server.terminate();
        if (!m_server.waitForFinished(5000))
            m_server.kill(), m_server.waitForFinished();
    }

    // A server that stops answering, as a hung one does, and comes back.
    void Freeze(bool frozen) { ::kill(static_cast<pid_t>(m_server.processId()), frozen ? SIGSTOP : SIGCONT); }

    // What a client needs to reach this server and no other, and to keep
    // its cookie and runtime folder out of the user's home.
    QList<QPair<QString, QString>> ClientEnvironment() const
    {
        return {{QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + Socket()},
                {QStringLiteral("PULSE_COOKIE"), m_dir.filePath(QStringLiteral("client-cookie"))},
                {QStringLiteral("PULSE_RUNTIME_PATH"), m_dir.filePath(QStringLiteral("client-runtime"))}};
    }

private:
    QString Socket() const { return m_dir.filePath(QStringLiteral("runtime/native")); }

    QTemporaryDir m_dir;
    QProcess m_server;
};

// Records the sink's monitor, as raw 16-bit samples, from the moment it starts.
class CSinkRecorder {
public:
    bool Start(const CPrivateSoundServer& server, int rate, int channels)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const auto& [name, value] : server.ClientEnvironment())
            env.insert(name, value);
        m_parec.setProcessEnvironment(env);
        m_parec.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_parec.start(QStringLiteral("parec"), {QStringLiteral("--device=%1.monitor").arg(CPrivateSoundServer::SINK), QStringLiteral("--raw"),
                                                QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(rate),
                                                QStringLiteral("--channels=%1").arg(channels), QStringLiteral("--latency-msec=20")});
        if (!m_parec.waitForStarted())
            return false;
        // Listening only once the sink's silence arrives: a sound played
        // before would be missed at its start.
        for (int i = 0; i < 200 && Heard().isEmpty(); ++i)
            QTest::qWait(25);
        return !Heard().isEmpty();
    }

    // Everything heard so far, sample by sample.
    const QVector<qint16>& Heard()
    {
        m_bytes += m_parec.readAllStandardOutput();
        const int whole = m_bytes.size() / 2;
        for (int i = m_samples.size(); i < whole; ++i)
            m_samples.push_back(static_cast<qint16>(static_cast<quint8>(m_bytes[2 * i]) | (static_cast<quint8>(m_bytes[2 * i + 1]) << 8)));
        return m_samples;
    }

    ~CSinkRecorder()
    {
        m_parec.kill();
        m_parec.waitForFinished();
    }

private:
    QProcess m_parec;
    QByteArray m_bytes;
    QVector<qint16> m_samples;
};
