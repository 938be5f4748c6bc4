// A settings file damaged between two runs: the window starts as usual with what it
// can read, asks nothing, and leaves a whole file that the next run reads back.
#include "game/globals.h"
#include "store/profile.h"
#include "store/qt/qsettingsprofile.h"
#include "store/records.h"
#include "store/settings.h"
#include "ui/gamedlg.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {
enum Damage { Written, Unreadable, Directory };

// What the game runs with; compared before exit and after reloading.
QString Current()
{
    return QStringLiteral("L%1 E%2 T%3 S%4 D%5 %6").arg(Level).arg(English).arg(Tradition).arg(Sound)
        .arg(CompDelay).arg(QString::fromStdString(Name));
}

const QString Defaults = "L1 E0 T1 S1 D200 Player";

QByteArray Garbage(quint32 seed, int size)
{
    QRandomGenerator rng(seed);
    QByteArray bytes(size, 0);
    for (char& b : bytes)
        b = char(rng.bounded(256));
    return bytes;
}

// Spoils the file. A file we may not read can only be made by a user whom
// permissions bind; for root a link to nowhere stands in for it.
void Spoil(const QString& ini, const QByteArray& content, Damage damage)
{
    if (damage == Directory) {
        QVERIFY(QDir().mkpath(ini));
        return;
    }
    QFile file(ini);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    if (damage != Unreadable)
        return;
    QVERIFY(::chmod(QFile::encodeName(ini).constData(), 0) == 0);
    if (!file.open(QIODevice::ReadOnly))
        return;
    file.close();
    QVERIFY(QFile::remove(ini));
    QVERIFY(QFile::link(QStringLiteral("gone/Tidebolt.ini"), ini));
}
} // namespace

class TestDamagedFiles : public QObject {
    Q_OBJECT
private slots:
    void startsWithWhatItCanReadAndSavesAWholeFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("damage");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("records");

        const QByteArray good = "[Options]\nLevel=3\nEnglish=1\nTradition=0\nSound=0\nCompDelay=750\nName=Ann\n"
                                "[Records]\ncount=2\nN0=Ann\nw0=997\nl0=999\ns0=990\nN1=Bob\nw1=999\nl1=998\ns1=995\n";
        const QString goodOptions = "L3 E1 T0 S0 D750 Ann";
        QTest::newRow("empty file") << QByteArray() << int(Written) << Defaults << 0;
        QTest::newRow("whole file, for reference") << good << int(Written) << goodOptions << 2;
        QTest::newRow("cut in the middle of a line") << good.left(good.indexOf("CompDelay") + 7) << int(Written) << "L3 E1 T0 S0 D200 Player" << 0;
        QTest::newRow("cut inside a record row") << good.left(good.indexOf("s1=") + 2) << int(Written) << goodOptions << 2;
        QTest::newRow("binary garbage") << Garbage(2004, 8192) << int(Written) << Defaults << 0;
        QTest::newRow("garbage after good lines") << good + Garbage(7, 2048) << int(Written) << goodOptions << 2;
        QTest::newRow("values of the wrong type")
            << QByteArray("[Options]\nLevel=abc\nCompDelay=-5\nEnglish=yes\nSound=\nTradition=[]\nName=\n"
                          "[Records]\ncount=many\nN0=Ann\nw0=\nl0=x\ns0=1e9\n")
            << int(Written) << "L1 E0 T1 S1 D200 " << 0;
        QTest::newRow("delay of weeks, count past the table")
            << QByteArray("[Options]\nCompDelay=2000000000\n[Records]\ncount=99999\nN0=Ann\nw0=\nN1=Ann\nN2=Cy\n")
            << int(Written) << Defaults << 2;
        QTest::newRow("name of 100000 letters, quote never closed")
            << QByteArray("[Options]\nName=") + QByteArray(100000, 'z') + "\nCurServer=\"host\nLevel=2\n"
            << int(Written) << "L1 E0 T1 S1 D200 " + QString(100000, 'z') << 0;
        QTest::newRow("unreadable") << good << int(Unreadable) << Defaults << 0;
        QTest::newRow("a directory in its place") << QByteArray() << int(Directory) << Defaults << 0;
    }
    void startsWithWhatItCanReadAndSavesAWholeFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, damage);
        QFETCH(QString, expected);
        QFETCH(int, records);
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("Tidebolt.ini"));
        Spoil(ini, content, Damage(damage));
        if (QTest::currentTestFailed())
            return;

        QElapsedTimer clock;
        clock.start();
        {
            CQSettingsProfile profile(ini);
            SetProfile(&profile);
            GameInProgress = 0;
            CGameDlg dlg;
            dlg.SkipSplash();
            dlg.OnInitDialog();
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            QCOMPARE(QApplication::activeModalWidget(), nullptr);
            QCOMPARE(Current(), expected);
            QCOMPARE(dlg.Records().GetCount(), records);
            dlg.ConfirmExit();
            QVERIFY(!dlg.isVisible());
            SetProfile(nullptr);
        }
        const qint64 elapsed = clock.elapsed();
        // The file left behind is whole and gives the next run the same game.
        const QFileInfo written(ini);
        QVERIFY(written.isFile() && written.isReadable());
        QCOMPARE(QSettings(ini, QSettings::IniFormat).status(), QSettings::NoError);
        Level = 0, English = Tradition = Sound = 9, CompDelay = 1, Name.clear();
        CQSettingsProfile reread(ini);
        SetProfile(&reread);
        LoadSettings();
        CRecordTable table;
        table.LoadRecords();
        SetProfile(nullptr);
        QCOMPARE(Current(), expected);
        QCOMPARE(table.GetCount(), records);
        if (damage != Written)  // what stood in the file's place is kept aside, not destroyed
            QVERIFY(QFileInfo(ini + ".unreadable").isSymLink() || QFileInfo::exists(ini + ".unreadable"));

        qInfo().noquote() << QStringLiteral("FIGURE: damaged settings file | %1 | 1 start and exit in %2 ms | "
                                            "usual window, %3 records, %4-byte file written back and reread")
                                 .arg(QString::fromUtf8(QTest::currentDataTag())).arg(elapsed).arg(records).arg(written.size());
    }
};

QTEST_MAIN(TestDamagedFiles)
#include "tst_damagedfiles.moc"
