// The game's sounds as a player hears them: played by a real sound server of
// the test's own, recorded from its sink and compared sample by sample.
#include "game/sound.h"
#include "support/soundserver.h"
#include "ui/gamesound.h"
#include "ui/soundplayer.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QMutex>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>

namespace {

constexpr int RATE = 22050;  // the shipped sounds: 16-bit mono at this rate
constexpr int MS = RATE / 1000;

QVector<qint16> ShippedSamples(const QString& name)
{
    QFile file(QStringLiteral(TIDEBOLT_DATA_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const int data = bytes.indexOf("data");
    QVector<qint16> samples;
    for (int i = data + 8; data >= 0 && i + 1 < bytes.size(); i += 2)
        samples.push_back(static_cast<qint16>(static_cast<quint8>(bytes[i]) | (static_cast<quint8>(bytes[i + 1]) << 8)));
    return samples;
}

// A stream that joins a running sink is mixed in ahead of what the monitor
// already passed on, so the monitor may miss a sound's first milliseconds;
// the rest must arrive sample for sample.
constexpr int MAY_MISS = 50 * MS;
constexpr int PROBE_AT = 100 * MS;

// Where the clip begins in what was heard, found by a stretch of it past
// what may be missed; -1 when it was not heard.
int FindClip(const QVector<qint16>& heard, const QVector<qint16>& clip, int from = 0)
{
    const int probe = 64;
    for (int at = from + PROBE_AT; at + probe <= heard.size(); ++at) {
        if (std::equal(clip.begin() + PROBE_AT, clip.begin() + PROBE_AT + probe, heard.begin() + at))
            return at - PROBE_AT;
    }
    return -1;
}

bool HeardWhole(const QVector<qint16>& heard, const QVector<qint16>& clip, int at)
{
    return at >= 0 && at + clip.size() <= heard.size()
        && std::equal(clip.begin() + MAY_MISS, clip.end(), heard.begin() + at + MAY_MISS);
}

bool Silent(const QVector<qint16>& heard, int from, int to)
{
    return std::all_of(heard.begin() + from, heard.begin() + std::min(to, int(heard.size())), [](qint16 s) { return s == 0; });
}

QMutex g_noticesLock;
QStringList g_notices;

void KeepSoundNotices(QtMsgType, const QMessageLogContext& context, const QString& text)
{
    if (qstrcmp(context.category, "tidebolt.sound") != 0)
        return;
    QMutexLocker lock(&g_noticesLock);
    g_notices << text;
}

int NoticeCount()
{
    QMutexLocker lock(&g_noticesLock);
    return g_notices.size();
}

} // namespace

class TestGameSound : public QObject {
    Q_OBJECT
    CPrivateSoundServer m_server;
    QTemporaryDir m_dir;
    QString m_strOldCwd;

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Orvex software"));
        QCoreApplication::setApplicationName(QStringLiteral("Tidebolt"));
        QVERIFY2(m_server.Start(RATE, 1), "cannot start a private PulseAudio server (scripts/deps.sh installs pulseaudio)");
        // The game is started from a folder holding its sounds and nothing else.
        m_strOldCwd = QDir::currentPath();
        QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("Data"))) && QDir::setCurrent(m_dir.path()));
        for (const char* sound : {SOUND_MISS, SOUND_HIT, SOUND_WIN, SOUND_LOSE})
            QVERIFY(QFile::copy(QStringLiteral(TIDEBOLT_DATA_DIR "/") + QString(sound).mid(5), sound));
        qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("no-data")).toLocal8Bit());
        for (const auto& [name, value] : m_server.ClientEnvironment())
            qputenv(name.toLocal8Bit().constData(), value.toLocal8Bit());
        qInstallMessageHandler(KeepSoundNotices);
        InstallGameSound();
    }
    void cleanupTestCase()
    {
        SetSoundHook(nullptr);
        qInstallMessageHandler(nullptr);
        QDir::setCurrent(m_strOldCwd);
    }

    void eachOutcomeIsHeardWhole_data()
    {
        QTest::addColumn<QString>("sound");
        QTest::addColumn<QString>("file");
        QTest::newRow("a miss") << SOUND_MISS << "Mimo.wav";
        QTest::newRow("a hit") << SOUND_HIT << "Crash.wav";
        QTest::newRow("a won game") << SOUND_WIN << "Yes.wav";
        QTest::newRow("a lost game") << SOUND_LOSE << "No.wav";
    }
    void eachOutcomeIsHeardWhole()
    {
        QFETCH(QString, sound);
        QFETCH(QString, file);
        const QVector<qint16> clip = ShippedSamples(file);
        QVERIFY(clip.size() > 100 * MS);
        CSinkRecorder speaker;
        QVERIFY(speaker.Start(m_server, RATE, 1));
        PlayGameSound(sound.toUtf8().constData());
        QTRY_VERIFY_WITH_TIMEOUT(speaker.Heard().size() > FindClip(speaker.Heard(), clip) + clip.size() + 100 * MS
                                     && FindClip(speaker.Heard(), clip) >= 0, 10000);
        const QVector<qint16>& heard = speaker.Heard();
        const int at = FindClip(heard, clip);
        QVERIFY2(HeardWhole(heard, clip, at), qPrintable(file + " arrived altered or cut short"));
        QVERIFY(Silent(heard, at + clip.size(), heard.size()));  // played once
        QCOMPARE(NoticeCount(), 0);
    }

    void aNewSoundCutsTheOnePlaying_data()
    {
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("file");  // empty: nothing to hear
        QTest::newRow("a hit while the win still sounds") << SOUND_HIT << "Crash.wav";
        QTest::newRow("a missing file silences the win") << "Data/tst-gamesound-none.wav" << "";
    }
    void aNewSoundCutsTheOnePlaying()
    {
        QFETCH(QString, second);
        QFETCH(QString, file);
        const QVector<qint16> win = ShippedSamples(QStringLiteral("Yes.wav"));
        const QVector<qint16> next = file.isEmpty() ? QVector<qint16>() : ShippedSamples(file);
        CSinkRecorder speaker;
        QVERIFY(speaker.Start(m_server, RATE, 1));
        PlayGameSound(SOUND_WIN);
        QTRY_VERIFY_WITH_TIMEOUT(FindClip(speaker.Heard(), win) >= 0, 10000);
        QTest::qWait(300);
        PlayGameSound(second.toUtf8().constData());
        const int began = FindClip(speaker.Heard(), win);
        // Long enough for the win to have played out and the next after it.
        const int enough = began + win.size() + next.size() + 300 * MS;
        QTRY_VERIFY_WITH_TIMEOUT(speaker.Heard().size() > enough, 15000);
        const QVector<qint16>& heard = speaker.Heard();
        int after = began + 600 * MS;  // the win is gone well before it could end
        if (!next.isEmpty()) {
            const int at = FindClip(heard, next, began);
            QVERIFY2(at > began && at < began + win.size() - 200 * MS, qPrintable(QString::number(at - began)));
            QVERIFY2(HeardWhole(heard, next, at), "the hit was mixed with what remained of the win");
            after = at + next.size();
        }
        QVERIFY2(Silent(heard, after, heard.size()), "the win went on after it was cut");
    }

    // The player closes the game while the sound server hangs in the middle
    // of a win: the game still ends at once.
    void aHungServerDoesNotHoldTheGameOpen()
    {
        CSoundPlayer player([](const std::string&) {});
        CSinkRecorder speaker;
        QVERIFY(speaker.Start(m_server, RATE, 1));
        player.Play(QFile::encodeName(QFileInfo(QString::fromLatin1(SOUND_WIN)).absoluteFilePath()).toStdString());
        QTRY_VERIFY_WITH_TIMEOUT(FindClip(speaker.Heard(), ShippedSamples(QStringLiteral("Yes.wav"))) >= 0, 10000);
        m_server.Freeze(true);
        QElapsedTimer clock;
        clock.start();
        const bool ended = player.Stop(std::chrono::milliseconds(500));
        const qint64 waited = clock.elapsed();
        m_server.Freeze(false);
        QVERIFY2(!ended, "the server was to hold the sound, and did not");
        QVERIFY2(waited < 1500, qPrintable(QStringLiteral("the game waited %1 ms for the server").arg(waited)));
    }

    // Last: it takes the server away.
    void withoutAServerTheGameIsSilentAndSaysSoOnce()
    {
        m_server.Stop();
        for (const char* sound : {SOUND_HIT, SOUND_MISS, SOUND_WIN, SOUND_LOSE}) {
            PlayGameSound(sound);
            QTest::qWait(200);
        }
        QTRY_COMPARE(NoticeCount(), 1);
        QTest::qWait(500);
        QCOMPARE(NoticeCount(), 1);
        QMutexLocker lock(&g_noticesLock);
        QVERIFY2(g_notices.first().contains(QLatin1String("sound server")), qPrintable(g_notices.first()));
    }
};

QTEST_MAIN(TestGameSound)
#include "tst_gamesound.moc"
