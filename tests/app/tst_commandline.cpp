// What the program answers on the command line before it opens a window.
#include "app/commandline.h"

#include <QTest>

#include <vector>

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void onlyHelpAndVersionAreAnswered_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("answer");  // "help", "version" or empty: the game starts
        QTest::newRow("started from the menu") << QStringList() << "";
        QTest::newRow("--version") << QStringList{"--version"} << "version";
        QTest::newRow("--help") << QStringList{"--help"} << "help";
        QTest::newRow("-h") << QStringList{"-h"} << "help";
        QTest::newRow("the first question wins") << QStringList{"--help", "--version"} << "help";
        QTest::newRow("after Qt's own options") << QStringList{"-platform", "offscreen", "--version"} << "version";
        QTest::newRow("a near miss is ignored") << QStringList{"--versions", "-help", "--h"} << "";
        QTest::newRow("a file named --help") << QStringList{"--", "--help"} << "";
    }
    void onlyHelpAndVersionAreAnswered()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, answer);
        std::vector<QByteArray> bytes{"tidebolt"};
        for (const QString& arg : args)
            bytes.push_back(arg.toUtf8());
        std::vector<const char*> argv;
        for (const QByteArray& arg : bytes)
            argv.push_back(arg.constData());
        argv.push_back(nullptr);

        const QString printed = QString::fromStdString(CommandLineAnswer(int(bytes.size()), argv.data()));
        if (answer == "version")
            QCOMPARE(printed, QStringLiteral("Tidebolt " TIDEBOLT_EXPECTED_VERSION "\n"));
        else if (answer == "help")
            QVERIFY2(printed.startsWith("Usage: tidebolt") && printed.contains("--version"), qPrintable(printed));
        else
            QVERIFY2(printed.isEmpty(), qPrintable(printed));
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
