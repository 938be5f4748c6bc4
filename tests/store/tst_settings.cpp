// The options and remembered values: what a first run sees, what a stored
// profile gives back, and what a save leaves in the profile.

#include "store/settings.h"
#include "store/tempprofile.h"

#include <QtTest>

namespace {

// The values every run starts with, before the profile is read.
void RestartProgram()
{
    Level = 1;
    English = 0;
    Tradition = 1;
    Sound = 1;
    ShowShipCount = 1;
    CompDelay = 0;
    Name.clear();
    CurServer.clear();
    ServerList.clear();
}

QStringList Servers()
{
    QStringList servers;
    for (const std::string& server : ServerList)
        servers << QString::fromStdString(server);
    return servers;
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void loadTakesProfileValues_data();
    void loadTakesProfileValues();
    void saveWritesProfileValues_data();
    void saveWritesProfileValues();
    void everySettingSurvivesARestart();
};

void TestSettings::loadTakesProfileValues_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("english");
    QTest::addColumn<int>("tradition");
    QTest::addColumn<int>("sound");
    QTest::addColumn<int>("delay");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("curServer");
    QTest::addColumn<QStringList>("servers");

    QTest::newRow("first run: Easy, Russian, tradition, sound, 200 ms, Player")
        << QByteArray() << 1 << 0 << 1 << 1 << 200 << "Player" << "" << QStringList();
    QTest::newRow("every stored option is taken")
        << QByteArray("[Options]\nLevel=3\nEnglish=1\nTradition=0\nSound=0\nCompDelay=750\n"
                      "Name=Anna\nCurServer=sea-2\nServer1=sea-1\nServer2=sea-2\n")
        << 3 << 1 << 0 << 0 << 750 << "Anna" << "sea-2" << QStringList{"sea-1", "sea-2"};
    QTest::newRow("a stored English of 5 means English")
        << QByteArray("[Options]\nEnglish=5\n")
        << 1 << 1 << 1 << 1 << 200 << "Player" << "" << QStringList();
    QTest::newRow("a stored Level of 7 is loaded as it stands")
        << QByteArray("[Options]\nLevel=7\nCompDelay=5000\n")
        << 7 << 0 << 1 << 1 << 5000 << "Player" << "" << QStringList();
    QTest::newRow("a hand-edited non-number reads as the default")
        << QByteArray("[Options]\nLevel=abc\nEnglish=yes\nCompDelay=fast\n")
        << 1 << 0 << 1 << 1 << 200 << "Player" << "" << QStringList();
    QTest::newRow("an empty stored name is kept empty")
        << QByteArray("[Options]\nName=\n")
        << 1 << 0 << 1 << 1 << 200 << "" << "" << QStringList();
    QTest::newRow("the server list ends at its first gap: Server3 after no Server2 is not read")
        << QByteArray("[Options]\nServer1=alpha\nServer3=gamma\n")
        << 1 << 0 << 1 << 1 << 200 << "Player" << "" << QStringList{"alpha"};
    QTest::newRow("the same server stored twice is listed once")
        << QByteArray("[Options]\nServer1=alpha\nServer2=alpha\n")
        << 1 << 0 << 1 << 1 << 200 << "Player" << "" << QStringList{"alpha"};
    QTest::newRow("servers differing in case are two servers")
        << QByteArray("[Options]\nServer1=Alpha\nServer2=alpha\nServer3=Alpha\n")
        << 1 << 0 << 1 << 1 << 200 << "Player" << "" << QStringList{"Alpha", "alpha"};
}

void TestSettings::loadTakesProfileValues()
{
    QFETCH(QByteArray, ini);
    RestartProgram();
    TempProfile profile(ini);
    QVERIFY(profile.IsValid());

    LoadSettings();

    QTEST(Level, "level");
    QTEST(int(English), "english");
    QTEST(int(Tradition), "tradition");
    QTEST(int(Sound), "sound");
    QTEST(int(CompDelay), "delay");
    QTEST(QString::fromStdString(Name), "name");
    QTEST(QString::fromStdString(CurServer), "curServer");
    QTEST(Servers(), "servers");
    QCOMPARE(ShowShipCount, 1);
}

void TestSettings::saveWritesProfileValues_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("expected");  // "key=value", or "key" for a value that must be absent

    QTest::newRow("English 5 is written back as 1")
        << QByteArray("[Options]\nEnglish=5\n")
        << QStringList{"Options/English=1", "Options/Level=1", "Options/Tradition=1",
                       "Options/Sound=1", "Options/CompDelay=200", "Options/Name=Player",
                       "Options/CurServer="};
    QTest::newRow("a repeated server rewrites only Server1 and leaves the old Server2")
        << QByteArray("[Options]\nServer1=alpha\nServer2=alpha\n")
        << QStringList{"Options/Server1=alpha", "Options/Server2=alpha", "Options/Server3"};
    QTest::newRow("servers after a gap stay in the profile unread")
        << QByteArray("[Options]\nServer1=alpha\nServer3=gamma\n")
        << QStringList{"Options/Server1=alpha", "Options/Server2", "Options/Server3=gamma"};
    QTest::newRow("the ship-count table is never stored")
        << QByteArray()
        << QStringList{"Options/ShowShipCount", "Options/Server1"};
    QTest::newRow("Level 7 and a long delay are written as they stand")
        << QByteArray("[Options]\nLevel=7\nCompDelay=5000\n")
        << QStringList{"Options/Level=7", "Options/CompDelay=5000"};
}

void TestSettings::saveWritesProfileValues()
{
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, expected);
    RestartProgram();
    TempProfile profile(ini);
    LoadSettings();

    SaveSettings();

    for (const QString& item : expected) {
        const int eq = item.indexOf(QLatin1Char('='));
        if (eq < 0) {
            QVERIFY2(!profile.Has(item), qPrintable(item));
            continue;
        }
        const QString key = item.left(eq);
        QVERIFY2(profile.Has(key), qPrintable(key));
        QCOMPARE(profile.Stored(key).toString(), item.mid(eq + 1));
    }
}

void TestSettings::everySettingSurvivesARestart()
{
    RestartProgram();
    TempProfile profile;
    LoadSettings();
    Level = 3;
    English = 1;
    Tradition = 0;
    Sound = 0;
    CompDelay = 1000;
    Name = "Капитан Немо";
    CurServer = "192.168.0.7";
    AddServer("harbour");
    AddServer("192.168.0.7");
    SaveSettings();

    RestartProgram();
    profile.Reopen();
    LoadSettings();

    QCOMPARE(Level, 3);
    QCOMPARE(English, 1);
    QCOMPARE(Tradition, 0);
    QCOMPARE(Sound, 0);
    QCOMPARE(CompDelay, 1000u);
    QCOMPARE(Name, std::string("Капитан Немо"));
    QCOMPARE(CurServer, std::string("192.168.0.7"));
    QCOMPARE(Servers(), (QStringList{"harbour", "192.168.0.7"}));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
