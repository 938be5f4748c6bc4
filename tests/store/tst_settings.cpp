// The options and remembered values: what a first run sees, what a stored
// profile gives back, and what a save leaves in the profile.

#include "store/settings.h"
#include "store/tempprofile.h"

#include <QtTest>

namespace {

// The options as loaded: Level, English and the language, Tradition, Sound,
// CompDelay, then the name, the current server and the server list.
QString Options()
{
    QStringList servers;
    for (const std::string& server : ServerList)
        servers << QString::fromStdString(server);
    return QStringLiteral("L%1 E%2 %3 T%4 S%5 D%6 N=%7 C=%8 [%9]")
        .arg(Level).arg(English).arg(QString::fromStdString(Language)).arg(Tradition).arg(Sound).arg(CompDelay)
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
        QTest::addColumn<QString>("desktop");  // the language the front end finds on the desktop
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QStringList>("saved");  // "key=value", or "key" when absent
        const QString defaults = "L1 E0 ru T1 S1 D200 N=Player C= []";
        QTest::newRow("first run on a Russian desktop: Easy, Russian, traditional rule, sound, 200 ms, Player") << "ru" << QByteArray() << defaults
            << QStringList{"Options/Level=1", "Options/English=0", "Options/Language=ru", "Options/Tradition=1", "Options/Sound=1", "Options/CompDelay=200",
                           "Options/Name=Player", "Options/CurServer=", "Options/Server1", "Options/ShowShipCount"};
        QTest::newRow("first run on an English desktop: English") << "en" << QByteArray() << "L1 E1 en T1 S1 D200 N=Player C= []"
            << QStringList{"Options/English=1", "Options/Language=en"};
        QTest::newRow("first run on a German desktop: German, stored as not Russian") << "de" << QByteArray()
            << "L1 E1 de T1 S1 D200 N=Player C= []" << QStringList{"Options/English=1", "Options/Language=de"};
        QTest::newRow("Russian chosen before rules on an English desktop") << "en" << QByteArray("[Options]\nEnglish=0\n")
            << defaults << QStringList{"Options/English=0", "Options/Language=ru"};
        QTest::newRow("English chosen before other languages came, on a German desktop") << "de"
            << QByteArray("[Options]\nEnglish=1\n") << "L1 E1 en T1 S1 D200 N=Player C= []"
            << QStringList{"Options/English=1", "Options/Language=en"};
        QTest::newRow("Polish chosen") << "ru" << QByteArray("[Options]\nEnglish=1\nLanguage=pl\n")
            << "L1 E1 pl T1 S1 D200 N=Player C= []" << QStringList{"Options/English=1", "Options/Language=pl"};
        QTest::newRow("a Russian English flag outweighs a hand-edited language") << "en"
            << QByteArray("[Options]\nEnglish=0\nLanguage=de\n") << defaults << QStringList{"Options/English=0", "Options/Language=ru"};
        QTest::newRow("a language that could be no catalogue reads as English") << "ru"
            << QByteArray("[Options]\nEnglish=1\nLanguage=../x\n") << "L1 E1 en T1 S1 D200 N=Player C= []"
            << QStringList{"Options/Language=en"};
        QTest::newRow("every stored option is taken") << "ru"
            << QByteArray("[Options]\nLevel=3\nEnglish=1\nTradition=0\nSound=0\nCompDelay=750\nName=Капитан Немо\nCurServer=b\nServer1=a\nServer2=b\n")
            << "L3 E1 en T0 S0 D750 N=Капитан Немо C=b [a b]" << QStringList{"Options/Server2=b", "Options/Server3"};
        QTest::newRow("a stored English of 5 means English, saved as 1") << "ru" << QByteArray("[Options]\nEnglish=5\n") << "L1 E1 en T1 S1 D200 N=Player C= []" << QStringList{"Options/English=1"};
        QTest::newRow("hand-edited non-numbers read as the defaults") << "ru" << QByteArray("[Options]\nLevel=abc\nSound=yes\nCompDelay=fast\n") << defaults << QStringList{"Options/Level=1", "Options/CompDelay=200"};
        QTest::newRow("the list ends at its first gap: Server3 after no Server2 is not read") << "ru"
            << QByteArray("[Options]\nServer1=alpha\nServer3=gamma\n") << "L1 E0 ru T1 S1 D200 N=Player C= [alpha]"
            << QStringList{"Options/Server1=alpha", "Options/Server2", "Options/Server3=gamma"};
        QTest::newRow("the same server stored twice is listed once") << "ru"
            << QByteArray("[Options]\nServer1=alpha\nServer2=alpha\n") << "L1 E0 ru T1 S1 D200 N=Player C= [alpha]"
            << QStringList{"Options/Server1=alpha", "Options/Server2=alpha", "Options/Server3"};
    }
    void profileIsLoadedAndSavedBack()
    {
        QFETCH(QString, desktop);
        QFETCH(QByteArray, ini);
        QFETCH(QStringList, saved);
        FirstRunLanguage = desktop.toStdString();
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
