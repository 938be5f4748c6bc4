// The game's run-time files as a player meets them: the data folder found
// from wherever the game was started, the wait cursor (animated, or the
// system's when its file is unusable), the shot sounds, the about box's film.
#include "game/sound.h"
#include "ui/animatedcursor.h"
#include "ui/datapath.h"
#include "ui/gamesound.h"
#include "ui/mediaplayer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>
#include <set>
#include <thread>

namespace {

const QString SHIPPED = QStringLiteral(TIDEBOLT_DATA_DIR);
const QString PROBE = QStringLiteral("Data/tst-media-probe.wav");

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray Shipped(const char* name)
{
    QFile file(SHIPPED + QLatin1Char('/') + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The shipped cursor with every frame's picture header spoiled: the file's
// structure is sound, but no frame is a picture anyone can draw.
QByteArray CursorWithUndrawableFrames()
{
    QByteArray bytes = Shipped("APPSTART.ANI");
    for (qsizetype at = bytes.indexOf("icon"); at >= 0; at = bytes.indexOf("icon", at + 4)) {
        const qsizetype bitCount = at + 8 + 22 + 14;
        bytes[bitCount] = 7;   // 7 bits per pixel exists in no bitmap
    }
    return bytes;
}

} // namespace

class TestMedia : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void dataFilesAreFoundInTheCurrentFolderFirstThenBesideTheProgram_data();
    void dataFilesAreFoundInTheCurrentFolderFirstThenBesideTheProgram();

    void unusableCursorFileFallsBackToTheSystemWaitCursor_data();
    void unusableCursorFileFallsBackToTheSystemWaitCursor();
    void shippedCursorIsAnAnimatedRadarPointingAtItsCentre();
    void waitCursorStepsAtTheFilesPaceAndStopsWhenHidden();
    void hidingTheWaitCursorGivesTheWidgetBackItsOwn_data();
    void hidingTheWaitCursorGivesTheWidgetBackItsOwn();

    void shotSoundsPlayTheirFileOrNothingWhenItIsMissing_data();
    void shotSoundsPlayTheirFileOrNothingWhenItIsMissing();
    void shippedSoundsAreShortMonoPcmThatQtCanLoad_data();
    void shippedSoundsAreShortMonoPcmThatQtCanLoad();
    void eachSoundFileIsLoadedOnlyOnce();
    void soundAskedForFromAnotherThreadPlaysOnTheWindowsThread();

    void aboutFilmIsAnEmptyAreaWithoutItsFile();
    void aboutFilmLoadsAndLoopsWhenItsFileIsThere();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_strOldCwd;
    QString m_strBesideProgram;
};

void TestMedia::init()
{
    m_strOldCwd = QDir::currentPath();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir::setCurrent(m_dir->path()));
    m_strBesideProgram = QDir(QCoreApplication::applicationDirPath()).filePath(PROBE);
}

void TestMedia::cleanup()
{
    QDir::setCurrent(m_strOldCwd);
    m_dir.reset();
    QFile::remove(m_strBesideProgram);
    QDir(QCoreApplication::applicationDirPath()).rmdir(QStringLiteral("Data"));   // only if we left it empty
}

void TestMedia::dataFilesAreFoundInTheCurrentFolderFirstThenBesideTheProgram_data()
{
    QTest::addColumn<bool>("inCurrentFolder");
    QTest::addColumn<bool>("besideProgram");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("found");   // "current", "program" or empty

    QTest::newRow("only in the current folder") << true << false << PROBE << "current";
    QTest::newRow("in both places: the current folder wins") << true << true << PROBE << "current";
    QTest::newRow("only beside the program") << false << true << PROBE << "program";
    QTest::newRow("nowhere") << false << false << PROBE << "";
    QTest::newRow("written with a backslash") << false << true << QStringLiteral("Data\\tst-media-probe.wav") << "program";
    QTest::newRow("a folder of that name is not a file") << false << false << QStringLiteral("Data") << "";
    QTest::newRow("an empty name") << true << true << QString() << "";
}

void TestMedia::dataFilesAreFoundInTheCurrentFolderFirstThenBesideTheProgram()
{
    QFETCH(bool, inCurrentFolder);
    QFETCH(bool, besideProgram);
    QFETCH(QString, asked);
    QFETCH(QString, found);
    QVERIFY(QDir().mkpath(QStringLiteral("Data")));
    if (inCurrentFolder)
        QVERIFY(WriteFile(PROBE, "here"));
    if (besideProgram)
        QVERIFY(WriteFile(m_strBesideProgram, "there"));

    const QString path = DataFilePath(asked.toUtf8().constData());
    if (found == QLatin1String("current"))
        QCOMPARE(path, PROBE);
    else if (found == QLatin1String("program"))
        QCOMPARE(QFileInfo(path).canonicalFilePath(), QFileInfo(m_strBesideProgram).canonicalFilePath());
    else
        QCOMPARE(path, QString());
}

void TestMedia::unusableCursorFileFallsBackToTheSystemWaitCursor_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("exists");
    const QByteArray cursor = Shipped("APPSTART.ANI");
    QTest::newRow("no file") << QByteArray() << false;
    QTest::newRow("an empty file") << QByteArray() << true;
    QTest::newRow("a text file") << QByteArray("not a cursor\n") << true;
    QTest::newRow("the cursor cut in half") << cursor.left(cursor.size() / 2) << true;
    QTest::newRow("frames that are not pictures") << CursorWithUndrawableFrames() << true;
}

void TestMedia::unusableCursorFileFallsBackToTheSystemWaitCursor()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, exists);
    const QString path = QStringLiteral("Data/APPSTART.ANI");
    if (exists)
        QVERIFY(WriteFile(path, contents));

    CAnimatedCursor cursor;
    QVERIFY(!cursor.LoadFromFile(path));
    QCOMPARE(cursor.FrameCount(), 0);
    QVERIFY(!cursor.IsAnimated());
    QWidget window;
    cursor.Show(&window);
    QCOMPARE(window.cursor().shape(), Qt::WaitCursor);
    cursor.Hide(&window);
    QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
}

void TestMedia::shippedCursorIsAnAnimatedRadarPointingAtItsCentre()
{
    CAnimatedCursor cursor;
    QVERIFY(cursor.LoadFromFile(SHIPPED + QStringLiteral("/APPSTART.ANI")));
    QCOMPARE(cursor.FrameCount(), 8);
    QVERIFY(cursor.IsAnimated());
    const QCursor current = cursor.CurrentCursor();
    QCOMPARE(current.shape(), Qt::BitmapCursor);
    QCOMPARE(current.hotSpot(), QPoint(16, 16));
    QCOMPARE(current.pixmap().size(), QSize(32, 32));

    // A broken file loaded afterwards leaves no frame of the old one behind.
    QVERIFY(!cursor.LoadFromFile(QStringLiteral("Data/none.ani")));
    QCOMPARE(cursor.CurrentCursor().shape(), Qt::WaitCursor);
}

void TestMedia::waitCursorStepsAtTheFilesPaceAndStopsWhenHidden()
{
    CAnimatedCursor cursor;
    QVERIFY(cursor.LoadFromFile(SHIPPED + QStringLiteral("/APPSTART.ANI")));
    QWidget window;
    std::set<int> seen;
    QElapsedTimer clock;
    clock.start();
    cursor.Show(&window);
    // The file asks for 6 jiffies (0.1 s) a step: a full turn of 8 steps
    // cannot come round in much less than 0.8 s, and must well within 10 s.
    bool wrapped = false;
    int last = cursor.CurrentStep();
    while (!wrapped && clock.elapsed() < 10000) {
        QTest::qWait(5);
        const int step = cursor.CurrentStep();
        QVERIFY(window.cursor() == cursor.CurrentCursor());
        seen.insert(step);
        wrapped = step < last;
        last = step;
    }
    QVERIFY2(wrapped, "the cursor never came round to its first step");
    QVERIFY2(clock.elapsed() >= 600, qPrintable(QStringLiteral("a full turn took only %1 ms").arg(clock.elapsed())));
    QVERIFY(seen.size() >= 4);

    cursor.Hide(&window);
    const int stopped = cursor.CurrentStep();
    QTest::qWait(350);
    QCOMPARE(cursor.CurrentStep(), stopped);
    QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
}

void TestMedia::hidingTheWaitCursorGivesTheWidgetBackItsOwn_data()
{
    QTest::addColumn<bool>("animated");
    QTest::addColumn<bool>("inWindow");   // a part of a window rather than the window itself
    QTest::addColumn<int>("own");         // the cursor it has, -1 for none of its own
    QTest::addColumn<int>("restored");    // what it shows once the wait is over

    const int none = -1;
    const int arrow = int(Qt::ArrowCursor);
    const int cross = int(Qt::CrossCursor);
    const int hand = int(Qt::PointingHandCursor);
    QTest::newRow("animated, window with no cursor of its own") << true << false << none << arrow;
    QTest::newRow("animated, window with a cross") << true << false << cross << cross;
    QTest::newRow("animated, part of a window showing a cross") << true << true << none << cross;
    QTest::newRow("animated, part of a window with its own pointing hand") << true << true << hand << hand;
    QTest::newRow("system wait cursor, window with a pointing hand") << false << false << hand << hand;
    QTest::newRow("system wait cursor, window with no cursor of its own") << false << false << none << arrow;
    QTest::newRow("system wait cursor, part of a window showing a cross") << false << true << none << cross;
}

void TestMedia::hidingTheWaitCursorGivesTheWidgetBackItsOwn()
{
    QFETCH(bool, animated);
    QFETCH(bool, inWindow);
    QFETCH(int, own);
    QFETCH(int, restored);
    CAnimatedCursor cursor;
    QCOMPARE(cursor.LoadFromFile(animated ? SHIPPED + QStringLiteral("/APPSTART.ANI") : QStringLiteral("missing.ani")), animated);
    QWidget window;
    QWidget* part = new QWidget(&window);
    if (inWindow)
        window.setCursor(Qt::CrossCursor);
    QWidget* target = inWindow ? part : &window;
    if (own >= 0)
        target->setCursor(static_cast<Qt::CursorShape>(own));

    cursor.Show(target);
    QCOMPARE(target->cursor().shape(), animated ? Qt::BitmapCursor : Qt::WaitCursor);
    cursor.Show(target);   // shown again while showing: must not take itself for the widget's own
    cursor.Hide(target);
    QCOMPARE(int(target->cursor().shape()), restored);
    if (inWindow)   // a part without a cursor of its own goes back to following its window
        QCOMPARE(target->testAttribute(Qt::WA_SetCursor), own >= 0);
    cursor.Hide(target);   // hiding twice changes nothing
    QCOMPARE(int(target->cursor().shape()), restored);
    QCOMPARE(window.cursor().shape(), inWindow ? Qt::CrossCursor : static_cast<Qt::CursorShape>(restored));
}

void TestMedia::shotSoundsPlayTheirFileOrNothingWhenItIsMissing_data()
{
    QTest::addColumn<QString>("sound");
    QTest::addColumn<bool>("present");
    const char* const sounds[] = {SOUND_MISS, SOUND_HIT, SOUND_WIN, SOUND_LOSE};
    for (const char* sound : sounds) {
        QTest::addRow("%s present", sound) << QString::fromUtf8(sound) << true;
        QTest::addRow("%s missing", sound) << QString::fromUtf8(sound) << false;
    }
}

void TestMedia::shotSoundsPlayTheirFileOrNothingWhenItIsMissing()
{
    QFETCH(QString, sound);
    QFETCH(bool, present);
    const QByteArray file = sound.toUtf8();
    if (present)
        QVERIFY(WriteFile(sound, Shipped(file.constData() + 5)));   // "Data/" left off
    InstallGameSound();
    PlayGameSound(SOUND_MISS == sound ? SOUND_HIT : SOUND_MISS);   // something else first
    PlayGameSound(file.constData());
    QCOMPARE(LastGameSoundFile(), present ? sound : QString());
    QTest::qWait(50);   // let the effect try its file and the audio device
}

void TestMedia::shippedSoundsAreShortMonoPcmThatQtCanLoad_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("shortest");
    QTest::addColumn<double>("longest");
    QTest::newRow("a miss: a splash") << "Mimo.wav" << 0.3 << 0.7;
    QTest::newRow("a hit: an explosion") << "Crash.wav" << 0.6 << 1.0;
    QTest::newRow("a win: a fanfare") << "Yes.wav" << 1.0 << 1.5;
    QTest::newRow("a loss: a falling phrase") << "No.wav" << 1.0 << 1.5;
}

void TestMedia::shippedSoundsAreShortMonoPcmThatQtCanLoad()
{
    QFETCH(QString, name);
    QFETCH(double, shortest);
    QFETCH(double, longest);
    const QByteArray wav = Shipped(name.toUtf8().constData());
    QVERIFY(wav.size() > 44);
    const auto u16 = [&wav](int at) { return quint16(quint8(wav[at]) | quint8(wav[at + 1]) << 8); };
    const auto u32 = [&](int at) { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; };
    QCOMPARE(wav.left(4), QByteArray("RIFF"));
    QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(u16(20), quint16(1));      // PCM
    QCOMPARE(u16(22), quint16(1));      // mono
    QCOMPARE(u32(24), quint32(22050));
    QCOMPARE(u16(34), quint16(16));
    QCOMPARE(wav.mid(36, 4), QByteArray("data"));
    QCOMPARE(qsizetype(u32(40)), wav.size() - 44);
    const double seconds = u32(40) / (2.0 * 22050);
    QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(QString::number(seconds)));

    QSoundEffect effect;
    effect.setSource(QUrl::fromLocalFile(SHIPPED + QLatin1Char('/') + name));
    QTRY_VERIFY_WITH_TIMEOUT(effect.status() == QSoundEffect::Ready || effect.status() == QSoundEffect::Error, 10000);
    QCOMPARE(effect.status(), QSoundEffect::Ready);
}

void TestMedia::eachSoundFileIsLoadedOnlyOnce()
{
    QVERIFY(WriteFile(QStringLiteral("Data/Mimo.wav"), Shipped("Mimo.wav")));
    QVERIFY(WriteFile(QStringLiteral("Data/Crash.wav"), Shipped("Crash.wav")));
    InstallGameSound();
    const int before = LoadedGameSoundCount();
    for (int i = 0; i < 5; ++i) {
        PlayGameSound(SOUND_MISS);
        PlayGameSound(SOUND_HIT);
    }
    PlayGameSound(SOUND_WIN);   // not there: nothing to load
    QCOMPARE(LoadedGameSoundCount(), before + 2);
}

void TestMedia::soundAskedForFromAnotherThreadPlaysOnTheWindowsThread()
{
    QVERIFY(WriteFile(QStringLiteral("Data/Crash.wav"), Shipped("Crash.wav")));
    InstallGameSound();
    PlayGameSound(SOUND_MISS);   // missing here: resolves to nothing
    QCOMPARE(LastGameSoundFile(), QString());
    std::thread other([] { PlayGameSound(SOUND_HIT); });
    other.join();
    QCOMPARE(LastGameSoundFile(), QString());   // not touched from the other thread itself
    QTRY_COMPARE(LastGameSoundFile(), QString::fromUtf8(SOUND_HIT));
}

void TestMedia::aboutFilmIsAnEmptyAreaWithoutItsFile()
{
    QVERIFY(DataFilePath("Data/Tidebolt.avi").isEmpty());
    QWidget about;
    auto* film = new CMediaPlayer2(&about);
    film->setGeometry(33, 167, 239, 179);
    about.show();
    QTest::qWait(50);
    QCOMPARE(film->Source(), QString());
    QVERIFY(film->Player() == nullptr);
}

void TestMedia::aboutFilmLoadsAndLoopsWhenItsFileIsThere()
{
    QVERIFY(WriteFile(QStringLiteral("Data/Tidebolt.avi"), Shipped("Tidebolt.avi")));
    QWidget about;
    auto* film = new CMediaPlayer2(&about);
    film->setGeometry(33, 167, 239, 179);
    about.show();
    QCOMPARE(film->Source(), QStringLiteral("Data/Tidebolt.avi"));
    QMediaPlayer* player = film->Player();
    QVERIFY(player);
    QCOMPARE(player->loops(), int(QMediaPlayer::Infinite));
    if (!player->isAvailable())
        QSKIP("this machine has no media backend to play the film with");
    // 42 frames at 12 a second.
    QTRY_VERIFY_WITH_TIMEOUT(player->duration() > 0 || player->error() != QMediaPlayer::NoError, 15000);
    QCOMPARE(player->error(), QMediaPlayer::NoError);
    QVERIFY2(player->duration() >= 3000 && player->duration() <= 4000, qPrintable(QString::number(player->duration())));
    QVERIFY(player->hasVideo());
    QVERIFY(!player->hasAudio());

    // Pictures really come out of it, at the film's own size.
    QVideoWidget* screen = film->findChild<QVideoWidget*>();
    QVERIFY(screen && screen->videoSink());
    QSize frameSize;
    connect(screen->videoSink(), &QVideoSink::videoFrameChanged, this,
            [&frameSize](const QVideoFrame& frame) { if (frame.isValid()) frameSize = frame.size(); });
    QTRY_VERIFY_WITH_TIMEOUT(frameSize.isValid(), 15000);
    QCOMPARE(frameSize, QSize(160, 110));
}

QTEST_MAIN(TestMedia)
#include "tst_media.moc"
