// The options and remembered values: what a first run sees, what a stored
// profile gives back, and what a save leaves in the profile.

#include "store/settings.h"
#include "store/tempprofile.h"

#include <QtTest>

namespace {

// The options as loaded: Level, English, Tradition, Sound, CompDelay, then
// the name, the current server and the server list.
QString Options()
{
    QStringList servers;
    for (const std::string& server : ServerList)
        servers << QString::fromStdString(server);
    return QStringLiteral("L%1 E%2 T%3 S%4 D%5 N=%6 C=%7 [%8]")
        .arg(Level).arg(English).arg(Tradition).arg(Sound).arg(CompDelay)
        .arg(QString::fromStdString(Name), QString::fromStdString(CurServer), servers.join(' '));
}

void LoadAfterRestart()
{
    ServerList.clear();
    LoadSettings();
}

}  // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void profileIsLoadedAndSavedBack_data()
    {
        QTest::addColumn<int>("desktopEnglish");  // the language the front end finds on the desktop
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QStringList>("saved");  // "key=value", or "key" when absent
        const QString defaults = "L1 E0 T1 S1 D200 N=Player C= []";
        QTest::newRow("first run on a Russian desktop: Easy, Russian, traditional rule, sound, 200 ms, Player") << 0 << QByteArray() << defaults
            << QStringList{"Options/Level=1", "Options/English=0", "Options/Tradition=1", "Options/Sound=1", "Options/CompDelay=200",
                           "Options/Name=Player", "Options/CurServer=", "Options/Server1", "Options/ShowShipCount"};
        QTest::newRow("first run on an English desktop: English") << 1 << QByteArray() << "L1 E1 T1 S1 D200 N=Player C= []"
            << QStringList{"Options/English=1"};
        QTest::newRow("Russian chosen before rules on an English desktop") << 1 << QByteArray("[Options]\nEnglish=0\n")
            << defaults << QStringList{"Options/English=0"};
        QTest::newRow("every stored option is taken") << 0
            << QByteArray("[Options]\nLevel=3\nEnglish=1\nTradition=0\nSound=0\nCompDelay=750\nName=Капитан Немо\nCurServer=b\nServer1=a\nServer2=b\n")
            << "L3 E1 T0 S0 D750 N=Капитан Немо C=b [a b]" << QStringList{"Options/Server2=b", "Options/Server3"};
        QTest::newRow("a stored English of 5 means English, saved as 1") << 0 << QByteArray("[Options]\nEnglish=5\n") << "L1 E1 T1 S1 D200 N=Player C= []" << QStringList{"Options/English=1"};
        QTest::newRow("hand-edited non-numbers read as the defaults") << 0 << QByteArray("[Options]\nLevel=abc\nSound=yes\nCompDelay=fast\n") << defaults << QStringList{"Options/Level=1", "Options/CompDelay=200"};
        QTest::newRow("the list ends at its first gap: Server3 after no Server2 is not read") << 0
            << QByteArray("[Options]\nServer1=alpha\nServer3=gamma\n") << "L1 E0 T1 S1 D200 N=Player C= [alpha]"
            << QStringList{"Options/Server1=alpha", "Options/Server2", "Options/Server3=gamma"};
        QTest::newRow("the same server stored twice is listed once") << 0
            << QByteArray("[Options]\nServer1=alpha\nServer2=alpha\n") << "L1 E0 T1 S1 D200 N=Player C= [alpha]"
            << QStringList{"Options/Server1=alpha", "Options/Server2=alpha", "Options/Server3"};
        QTest::newRow("the window's size and maximised state come back") << 0
            << QByteArray("[Options]\nWindowWidth=900\nWindowHeight=640\nWindowMaximized=1\n") << defaults
            << QStringList{"Options/WindowWidth=900", "Options/WindowHeight=640", "Options/WindowMaximized=1"};
        QTest::newRow("a hand-edited size no screen has is forgotten") << 0
            << QByteArray("[Options]\nWindowWidth=-40\nWindowHeight=999999\n") << defaults
            << QStringList{"Options/WindowWidth=0", "Options/WindowHeight=0", "Options/WindowMaximized=0"};
    }
    void profileIsLoadedAndSavedBack()
    {
        QFETCH(int, desktopEnglish);
        QFETCH(QByteArray, ini);
        QFETCH(QStringList, saved);
        FirstRunEnglish = static_cast<unsigned char>(desktopEnglish);
        TempProfile profile(ini);
        LoadAfterRestart();
        QTEST(Options(), "options");
        SaveSettings();
        QCOMPARE(profile.Stored(saved), saved);
        // What was saved comes back unchanged after a restart.
        profile.Reopen();
        LoadAfterRestart();
        QTEST(Options(), "options");
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
