// Run-time files: the data folder, the wait cursor and the about box's film.
#include "game/resources.h"
#include "game/sound.h"
#include "ui/aboutdlg.h"
#include "ui/animatedcursor.h"
#include "ui/datapath.h"
#include "ui/mediaplayer.h"
#include "ui/pictures.h"

#include <QDir>
#include <QHash>
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

// The five files whose absence a player notices: every sound and the wait cursor.
const QStringList NEEDED_AT_START = {SOUND_MISS, SOUND_HIT, SOUND_WIN, SOUND_LOSE, WAIT_CURSOR_FILE};

QStringList g_warnings;

void KeepWarnings(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtWarningMsg)
        g_warnings << text;
}

} // namespace

class TestMedia : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_strOldCwd;
    const QString m_strProbe = QStringLiteral("Data/tst-media-probe.wav");
    // A machine in a folder: the current folder, a program installed under a
    // prefix with its data folder, and the player's own data folder.
    QString Here() const { return m_dir->filePath(QStringLiteral("here")); }
    QString ProgramDir() const { return m_dir->filePath(QStringLiteral("prefix/" TIDEBOLT_INSTALL_BINDIR)); }
    QString InstalledData() const { return m_dir->filePath(QStringLiteral("prefix/" TIDEBOLT_INSTALL_DATADIR "/tidebolt")); }
    QString PlayersData() const { return m_dir->filePath(QStringLiteral("home-data/Orvex software/Tidebolt")); }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Orvex software"));
        QCoreApplication::setApplicationName(QStringLiteral("Tidebolt"));
    }

    // Each test starts in an empty folder of its own, with no data of the player's.
    void init()
    {
        m_strOldCwd = QDir::currentPath(), m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(Here()) && QDir::setCurrent(Here()));
        qputenv("XDG_DATA_HOME", m_dir->filePath(QStringLiteral("home-data")).toLocal8Bit());
    }
    void cleanup() { QDir::setCurrent(m_strOldCwd), m_dir.reset(); }

    void dataFilesAreFoundInTheFirstFolderThatHoldsThem_data()
    {
        QTest::addColumn<QString>("copies");  // h here, b beside the program, i installed, p the player's
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("found");   // which copy the game takes; empty: none
        QTest::newRow("a build folder started from elsewhere") << "b" << m_strProbe << "b";
        QTest::newRow("an installed copy started from anywhere") << "i" << m_strProbe << "i";
        QTest::newRow("only the player's own copy") << "p" << m_strProbe << "p";
        QTest::newRow("everywhere: the current folder wins") << "hbip" << m_strProbe << "h";
        QTest::newRow("a build folder beats the installed data") << "bip" << m_strProbe << "b";
        QTest::newRow("the installed data beats the player's") << "ip" << m_strProbe << "i";
        QTest::newRow("written with a backslash") << "i" << "Data\\tst-media-probe.wav" << "i";
        QTest::newRow("nowhere") << "" << m_strProbe << "";
    }
    void dataFilesAreFoundInTheFirstFolderThatHoldsThem()
    {
        QFETCH(QString, copies);
        QFETCH(QString, asked);
        QFETCH(QString, found);
        const QHash<QChar, QString> places{{'h', Here()}, {'b', ProgramDir()}, {'i', InstalledData()}, {'p', PlayersData()}};
        for (QChar copy : copies)
            QVERIFY(WriteFile(places[copy] + '/' + m_strProbe, "probe"));
        const QString expected = found.isEmpty() ? QString() : found == "h" ? m_strProbe : places[found[0]] + '/' + m_strProbe;
        QCOMPARE(FindDataFile(asked.toUtf8().constData(), DataFolders(ProgramDir())), expected);
    }

    void missingFilesAreNamedInOneNotice_data()
    {
        QTest::addColumn<QStringList>("missing");
        QTest::newRow("all there") << QStringList();
        QTest::newRow("the losing sound lost") << QStringList{SOUND_LOSE};
        QTest::newRow("the cursor and a sound lost") << QStringList{SOUND_HIT, WAIT_CURSOR_FILE};
        QTest::newRow("no data at all") << NEEDED_AT_START;
    }
    void missingFilesAreNamedInOneNotice()
    {
        QFETCH(QStringList, missing);
        for (const QString& name : NEEDED_AT_START)
            QVERIFY(missing.contains(name) || WriteFile(InstalledData() + '/' + name, "data"));
        g_warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(KeepWarnings);
        const QStringList reported = NoteMissingDataFiles(NEEDED_AT_START, DataFolders(ProgramDir()));
        qInstallMessageHandler(previous);
        QCOMPARE(reported, missing);
        QCOMPARE(g_warnings.size(), missing.isEmpty() ? 0 : 1);
        const QString notice = g_warnings.join('\n');
        for (const QString& name : NEEDED_AT_START)
            QVERIFY2(notice.contains(name) == missing.contains(name), qPrintable(name + ": " + notice));
        QVERIFY(missing.isEmpty() || notice.contains(InstalledData()));  // says where it looked
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
