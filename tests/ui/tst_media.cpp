// Run-time files: the data folder, the wait cursor, the sounds and the about box's film.
#include "game/resources.h"
#include "game/sound.h"
#include "ui/aboutdlg.h"
#include "ui/animatedcursor.h"
#include "ui/datapath.h"
#include "ui/gamesound.h"
#include "ui/mediaplayer.h"
#include "ui/pictures.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray Shipped(const QString& name)
{
    QFile file(QStringLiteral(TIDEBOLT_DATA_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void PresentOrNot()
{
    QTest::addColumn<bool>("present");
    QTest::newRow("file present") << true;
    QTest::newRow("file missing") << false;
}

} // namespace

class TestMedia : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_strOldCwd;
    const QString m_strProbe = QStringLiteral("Data/tst-media-probe.wav");
    QString BesideProgram() const { return QCoreApplication::applicationDirPath() + '/' + m_strProbe; }

private slots:
    // Each test starts in an empty folder of its own.
    void init()
    {
        m_strOldCwd = QDir::currentPath(), m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_dir->path()));
    }
    void cleanup()
    {
        QDir::setCurrent(m_strOldCwd), m_dir.reset(), QFile::remove(BesideProgram());
        QDir(QCoreApplication::applicationDirPath()).rmdir(QStringLiteral("Data"));  // only if left empty
    }

    void dataFilesAreFoundInTheCurrentFolderFirstThenBesideTheProgram_data()
    {
        QTest::addColumn<bool>("here");
        QTest::addColumn<bool>("beside");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("found");  // "here", "beside" or empty
        QTest::newRow("in both: the current folder wins") << true << true << m_strProbe << "here";
        QTest::newRow("only beside the program") << false << true << m_strProbe << "beside";
        QTest::newRow("written with a backslash") << false << true << "Data\\tst-media-probe.wav" << "beside";
        QTest::newRow("nowhere") << false << false << m_strProbe << "";
    }
    void dataFilesAreFoundInTheCurrentFolderFirstThenBesideTheProgram()
    {
        QFETCH(bool, here);
        QFETCH(bool, beside);
        QFETCH(QString, asked);
        QFETCH(QString, found);
        QVERIFY(!here || WriteFile(m_strProbe, "here"));
        QVERIFY(!beside || WriteFile(BesideProgram(), "beside"));
        const QString expected = found == "here" ? m_strProbe : found == "beside" ? BesideProgram() : QString();
        QCOMPARE(DataFilePath(asked.toUtf8().constData()), expected);
    }

    void waitCursorIsTheFilesOrElseTheSystems_data()
    {
        QTest::addColumn<QByteArray>("contents");  // null: no file
        QTest::addColumn<int>("frames");
        QTest::newRow("the shipped cursor") << Shipped("APPSTART.ANI") << 8;
        QTest::newRow("no file") << QByteArray() << 0;
    }
    void waitCursorIsTheFilesOrElseTheSystems()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, frames);
        QVERIFY(contents.isNull() || WriteFile("Data/APPSTART.ANI", contents));
        CAnimatedCursor cursor;
        QCOMPARE(cursor.LoadFromFile("Data/APPSTART.ANI"), frames > 0);
        QCOMPARE(cursor.FrameCount(), frames);
        QWidget window;
        window.setCursor(Qt::CrossCursor);
        cursor.Show(&window);
        QCOMPARE(window.cursor().shape(), frames ? Qt::BitmapCursor : Qt::WaitCursor);
        if (frames) {
            QTRY_VERIFY(cursor.CurrentStep() != 0);  // the radar turns
            QVERIFY(window.cursor() == cursor.CurrentCursor());
        }
        cursor.Hide(&window);
        QCOMPARE(window.cursor().shape(), Qt::CrossCursor);  // the window's own comes back
    }

    void soundPlaysItsFileOnceLoadedOrNothingWhenMissing_data() { PresentOrNot(); }
    void soundPlaysItsFileOnceLoadedOrNothingWhenMissing()
    {
        QFETCH(bool, present);
        const QString sound = present ? SOUND_HIT : SOUND_WIN;
        QVERIFY(!present || WriteFile(sound, Shipped(sound.mid(5))));  // "Data/" left off
        InstallGameSound();
        const int loaded = LoadedGameSoundCount();
        for (int i = 0; i < 3; ++i) {
            PlayGameSound(SOUND_LOSE);  // missing here: silence in between
            PlayGameSound(sound.toUtf8().constData());
        }
        QCOMPARE(LastGameSoundFile(), present ? sound : QString());
        QCOMPARE(LoadedGameSoundCount(), loaded + (present ? 1 : 0));
        QTest::qWait(50);  // the effect tries its file before the folder goes
    }

    void aboutBoxShowsTheWholeIconAndPlaysTheFilmWhenPresent_data() { PresentOrNot(); }
    void aboutBoxShowsTheWholeIconAndPlaysTheFilmWhenPresent()
    {
        QFETCH(bool, present);
        QVERIFY(!present || WriteFile("Data/Tidebolt.avi", Shipped("Tidebolt.avi")));
        CAboutDlg about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));

        // Every opaque pixel of the program's icon is there to see.
        const QImage icon = Picture(IDI_TIDEBOLT).toImage();
        const QImage shownIcon = about.m_icon->grab().toImage();
        for (int y = 0; y < icon.height(); ++y) {
            for (int x = 0; x < icon.width(); ++x) {
                if (qAlpha(icon.pixel(x, y)) == 255)
                    QVERIFY2(shownIcon.valid(x, y) && shownIcon.pixel(x, y) == icon.pixel(x, y),
                             qPrintable(QString("icon pixel %1, %2").arg(x).arg(y)));
            }
        }

        CMediaPlayer2* film = about.m_player;
        QCOMPARE(film->Source(), present ? QStringLiteral("Data/Tidebolt.avi") : QString());
        if (!present) {
            QVERIFY(film->FilmRect().isNull());
            return;
        }
        // As the film was drawn: a dusk sky, the sun on the horizon, the sea below.
        const auto seen = [film] {
            return film->grab(film->FilmRect()).toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QImage first = seen();
        QCOMPARE(first.size(), QSize(160, 110));
        const QColor sky = first.pixelColor(10, 3), horizon = first.pixelColor(10, 55);
        const QColor sun = first.pixelColor(122, 52), sea = first.pixelColor(60, 100);
        QVERIFY2(sky.blue() > sky.red() + 30 && sky.lightness() < 90, qPrintable(sky.name()));
        QVERIFY2(horizon.red() > horizon.blue() + 80, qPrintable(horizon.name()));
        QVERIFY2(sun.lightness() > 180, qPrintable(sun.name()));
        QVERIFY2(sea.blue() > sea.red() && sea.lightness() < 80, qPrintable(sea.name()));
        // It plays by itself, and the ship moves.
        QTRY_VERIFY(film->FramesShown() >= 6);
        QVERIFY(seen() != first);
        // Hidden, it stops.
        about.hide();
        const long long shown = film->FramesShown();
        QTest::qWait(300);
        QCOMPARE(film->FramesShown(), shown);
    }
};

QTEST_MAIN(TestMedia)
#include "tst_media.moc"
