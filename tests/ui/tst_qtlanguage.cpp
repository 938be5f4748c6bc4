// The language of a first run follows the desktop's; Qt's own buttons
// follow the game's.
#include "ui/qtlanguage.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestQtLanguage : public QObject {
    Q_OBJECT
private slots:
    void firstRunFollowsTheDesktop_data()
    {
        QTest::addColumn<QStringList>("desktop");  // its languages, best first
        QTest::addColumn<bool>("russian");
        QTest::newRow("Russian desktop") << QStringList{"ru-RU", "ru"} << true;
        QTest::newRow("American desktop") << QStringList{"en-US", "en"} << false;
        QTest::newRow("German first, then Russian") << QStringList{"de-DE", "de", "ru"} << true;
        QTest::newRow("German first, then English, then Russian") << QStringList{"de-DE", "en-GB", "ru-RU"} << false;
        QTest::newRow("Ukrainian alone") << QStringList{"uk-UA", "uk"} << false;
        QTest::newRow("the bare C locale") << QStringList{"C"} << false;
    }
    void firstRunFollowsTheDesktop()
    {
        QFETCH(QStringList, desktop);
        QTEST(PrefersRussian(desktop), "russian");
    }

    // Rows run in order, so each switches from the language of the one before.
    void standardButtonsSpeakTheGameLanguage_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("catalogue");  // Qt's translations are where Qt keeps them
        QTest::addColumn<QString>("buttons");
        QTest::newRow("Russian") << false << true << "Да Нет Отмена";
        QTest::newRow("then English") << true << true << "Yes No Cancel";
        QTest::newRow("Russian again") << false << true << "Да Нет Отмена";
        QTest::newRow("Russian without Qt's catalogue") << false << false << "Yes No Cancel";
    }
    void standardButtonsSpeakTheGameLanguage()
    {
        QFETCH(bool, english);
        QFETCH(bool, catalogue);
        const QTemporaryDir empty;
        if (catalogue)
            UseQtTranslations(english);
        else
            UseQtTranslations(english, empty.path());
        QMessageBox box(QMessageBox::Question, "Tidebolt", "?", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QStringList shown;
        for (const auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            shown << box.button(button)->text().remove('&');
        QTEST(shown.join(' '), "buttons");
    }
};

QTEST_MAIN(TestQtLanguage)
#include "tst_qtlanguage.moc"
