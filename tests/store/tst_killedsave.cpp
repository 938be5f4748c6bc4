// A program killed while saving the records leaves the table it had or the one it
// was writing, never a mixture: a writer saving two tables by turns is killed at random.
#include "store/profile.h"
#include "store/qt/qsettingsprofile.h"
#include "store/records.h"

#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {
// Every row as the scores window would show it.
QStringList Rows(const CRecordTable& table)
{
    QStringList rows;
    for (int i = 0; i < table.GetCount(); ++i)
        rows << QStringLiteral("%1 %2 %3 %4").arg(QString::fromStdString(table.GetName(i)))
                    .arg(table.GetWins(i)).arg(table.GetLosses(i)).arg(table.GetScore(i));
    return rows;
}

QStringList Load(const QString& path)
{
    CQSettingsProfile profile(path);
    SetProfile(&profile);
    CRecordTable table;
    table.LoadRecords();
    SetProfile(nullptr);
    return Rows(table);
}

// A table of `players` whose every counter differs from the other table's.
QStringList Save(const QString& path, const char* prefix, int players, int games)
{
    CQSettingsProfile profile(path);
    SetProfile(&profile);
    CRecordTable table;
    for (int i = 0; i < players; ++i) {
        const std::string name = prefix + std::to_string(i);
        for (int g = 0; g <= (i * games) % 7; ++g) {
            table.AddWin(name, 1 + (i + g) % 3);
            if ((i + g) % 2)
                table.AddLoss(name, 2);
        }
    }
    table.SaveRecords();
    SetProfile(nullptr);
    return Rows(table);
}
} // namespace

class TestKilledSave : public QObject {
    Q_OBJECT
private slots:
    void killedSaveLeavesOneWholeTable()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString target = dir.filePath(QStringLiteral("Tidebolt.ini"));
        const QString fileA = dir.filePath(QStringLiteral("a.ini")), fileB = dir.filePath(QStringLiteral("b.ini"));
        const QStringList tableA = Save(fileA, "Ann", 10, 3), tableB = Save(fileB, "Boris", 7, 5);
        QVERIFY(QFile::copy(fileA, target));

        // scripts/reliability.sh asks for more than the test run's hundred.
        const int KILLS = qEnvironmentVariableIntValue("TIDEBOLT_KILLS") > 0 ? qEnvironmentVariableIntValue("TIDEBOLT_KILLS") : 100;
        QRandomGenerator rng(2004);
        int wholeA = 0, wholeB = 0;
        QStringList loadedLast;
        for (int kill = 0; kill < KILLS; ++kill) {
            QProcess writer;
            writer.start(QStringLiteral(RECORD_WRITER), {target, fileA, fileB});
            QVERIFY(writer.waitForStarted(5000));
            // A save held by a lock the last kill left behind never gets here.
            QVERIFY2(writer.waitForReadyRead(10000), "the writer never finished its first save");
            QThread::usleep(rng.bounded(20000u));
            writer.kill();
            QVERIFY(writer.waitForFinished(5000));
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

            const QStringList loaded = Load(target);
            loadedLast = loaded;
            QVERIFY2(loaded == tableA || loaded == tableB, qPrintable(QStringLiteral("kill %1 left a mixed table:\n%2").arg(kill).arg(loaded.join('\n'))));
            (loaded == tableA ? wholeA : wholeB)++;
        }
        // Both tables seen: the kills fell in different saves, not at one moment.
        QVERIFY(wholeA > 0 && wholeB > 0);
        // Copies a killed save left behind go at the next start, once old
        // enough to be no save under way; a fresh one may be another copy of
        // the game saving, and stays.
        const QStringList copies = QDir(dir.path()).entryList({QStringLiteral("Tidebolt.ini.??????")}, QDir::Files);
        for (const QString& name : copies + QStringList{QStringLiteral("Tidebolt.ini.k1lled"), QStringLiteral("Tidebolt.ini.wr1tes")}) {
            QFile copy(dir.filePath(name));
            QVERIFY(copy.open(QIODevice::ReadWrite));
            if (!name.endsWith(QLatin1String("wr1tes")))
                QVERIFY(copy.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime));
        }
        QCOMPARE(Load(target).size(), loadedLast.size());
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("Tidebolt.ini.??????")}, QDir::Files), QStringList{"Tidebolt.ini.wr1tes"});
        qInfo().noquote() << QStringLiteral(
                                 "FIGURE: killed record save | SIGKILL at random moments of a writer saving two "
                                 "tables by turns | %1 kills | %2 whole tables (A %3, B %4), 0 mixed, stray copies %5, "
                                 "all removed at the next start")
                                 .arg(KILLS).arg(wholeA + wholeB).arg(wholeA).arg(wholeB).arg(copies.size());
    }
};

QTEST_GUILESS_MAIN(TestKilledSave)
#include "tst_killedsave.moc"
