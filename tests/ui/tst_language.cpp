// The game's languages: the first run picks one from the desktop's list,
// every catalogue is whole, and a switch reaches Qt's own buttons and every
// window already open.
#include "store/records.h"
#include "store/settings.h"
#include "ui/language.h"
#include "ui/namedlg.h"
#include "ui/scoresdlg.h"

#include <QFile>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

namespace {

// What a catalogue leaves undone: unfinished entries, and placeholders
// (%1, %n) of the source that the translation drops or invents.
QStringList Flaws(const QString& language)
{
    QFile file(QStringLiteral(I18N_DIR "/tidebolt_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("no catalogue file")};
    static const QRegularExpression placeholder(QStringLiteral("%[0-9n]"));
    const auto placeholders = [](const QString& text) {
        QStringList found;
        for (auto m = placeholder.globalMatch(text); m.hasNext();)
            found << m.next().captured();
        found.sort();
        return found;
    };
    QStringList flaws;
    QString source;
    QStringList forms;
    bool numerus = false;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            for (const QString& form : forms) {
                if (form.trimmed().isEmpty() || placeholders(form) != placeholders(source))
                    flaws << QStringLiteral("\"%1\" for \"%2\"").arg(form, source);
            }
            forms.clear();
        }
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QLatin1String("message")) {
            numerus = attributes.value(QStringLiteral("numerus")) == QLatin1String("yes");
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            if (attributes.hasAttribute(QStringLiteral("type")))
                flaws << attributes.value(QStringLiteral("type")).toString() + QStringLiteral(": ") + source;
            if (!numerus)
                forms << xml.readElementText();
        } else if (xml.name() == QLatin1String("numerusform")) {
            forms << xml.readElementText();
        }
    }
    if (xml.hasError())
        flaws << xml.errorString();
    return flaws;
}

QString StandardButtons()
{
    QMessageBox box(QMessageBox::Question, "Tidebolt", "?", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QStringList shown;
    for (const auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
        shown << box.button(button)->text().remove('&');
    return shown.join(' ');
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void firstRunFollowsTheDesktop_data()
    {
        QTest::addColumn<QStringList>("desktop");  // its languages, best first
        QTest::addColumn<QString>("language");
        QTest::newRow("Russian desktop") << QStringList{"ru-RU", "ru"} << "ru";
        QTest::newRow("American desktop") << QStringList{"en-US", "en"} << "en";
        QTest::newRow("Austrian German reads German") << QStringList{"de-AT", "de"} << "de";
        QTest::newRow("Brazilian desktop") << QStringList{"pt-BR"} << "pt_BR";
        QTest::newRow("Portugal reads the Brazilian catalogue") << QStringList{"pt-PT"} << "pt_BR";
        QTest::newRow("mainland China") << QStringList{"zh-CN", "zh-Hans-CN"} << "zh_CN";
        QTest::newRow("Taiwan writes another script: English") << QStringList{"zh-TW"} << "en";
        QTest::newRow("Japanese first, then Polish") << QStringList{"ja-JP", "pl-PL"} << "pl";
        QTest::newRow("Ukrainian before Russian") << QStringList{"uk-UA", "ru-RU"} << "uk";
        QTest::newRow("Dutch alone: no catalogue, English") << QStringList{"nl-NL"} << "en";
        QTest::newRow("the bare C locale") << QStringList{"C"} << "en";
    }
    void firstRunFollowsTheDesktop()
    {
        QFETCH(QStringList, desktop);
        QTEST(DesktopLanguage(desktop, GameLanguages()), "language");
    }

    void tenLanguagesAreBuiltIn()
    {
        QCOMPARE(GameLanguages().join(' '), QStringLiteral("de en es fr it pl pt_BR ru uk zh_CN"));
    }

    void everyCatalogueIsWhole_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : GameLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }
    void everyCatalogueIsWhole()
    {
        QFETCH(QString, language);
        QCOMPARE(Flaws(language).join(QStringLiteral("; ")), QString());
    }

    // Every script the catalogues are written in has an installed font: a
    // missing one shows the player boxes instead of letters.
    void everyLanguageHasAFont_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : GameLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }
    void everyLanguageHasAFont()
    {
        QFETCH(QString, language);
        const QLocale::Script script = QLocale(language).script();
        const QFontDatabase::WritingSystem system = script == QLocale::CyrillicScript ? QFontDatabase::Cyrillic
            : script == QLocale::SimplifiedHanScript                                 ? QFontDatabase::SimplifiedChinese
            : script == QLocale::LatinScript                                         ? QFontDatabase::Latin
                                                                                     : QFontDatabase::Any;
        QVERIFY2(system != QFontDatabase::Any, "a script this test does not know yet");
        QVERIFY2(!QFontDatabase::families(system).isEmpty(), qPrintable(QLocale::scriptToString(script)));
    }

    // Rows run in order, so each switches from the language of the one before.
    void standardButtonsSpeakTheGameLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("catalogue");  // Qt's translations are where Qt keeps them
        QTest::addColumn<QString>("buttons");
        QTest::newRow("Russian") << "ru" << true << "Да Нет Отмена";
        QTest::newRow("then English") << "en" << true << "Yes No Cancel";
        QTest::newRow("then German") << "de" << true << "Ja Nein Abbrechen";
        QTest::newRow("Russian again") << "ru" << true << "Да Нет Отмена";
        QTest::newRow("Russian without Qt's catalogue") << "ru" << false << "Yes No Cancel";
    }
    void standardButtonsSpeakTheGameLanguage()
    {
        QFETCH(QString, language);
        QFETCH(bool, catalogue);
        const QTemporaryDir empty;
        UseLanguage(language, catalogue ? QString() : empty.path());
        QTEST(StandardButtons(), "buttons");
    }

    // One scores window and one name dialog stay open through the switches.
    void openWindowsFollowASwitch_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("scores");  // caption, Delete, headings
        QTest::addColumn<QString>("name");    // caption, the placement button
        QTest::newRow("Russian") << "ru" << "Лучшая десятка|Удалить|№|Имя|Побед|Поражений|Очки"
                                 << "Введите ваше имя|Ростановка кораблей";
        QTest::newRow("then German") << "de" << "Top 10|Löschen|Nr.|Name|Siege|Niederlagen|Punkte"
                                     << "Gib deinen Namen ein|Schiffe aufstellen";
        QTest::newRow("then English") << "en" << "Top 10|Delete|№|Name|Win|Lose|Score"
                                      << "Enter your name|Put the ships";
    }
    void openWindowsFollowASwitch()
    {
        if (!m_scores) {
            m_scores = std::make_unique<CScoresDlg>(nullptr, &m_table);
            m_scores->setAttribute(Qt::WA_DeleteOnClose, false);
            m_name = std::make_unique<CNameDlg>();
        }
        CScoresDlg& scores = *m_scores;
        CNameDlg& name = *m_name;
        scores.show();
        name.show();
        QFETCH(QString, language);
        UseLanguage(language);
        QCoreApplication::sendPostedEvents();  // the switch reaches windows as posted events
        QStringList shown{scores.windowTitle(), scores.m_btnDelete->text()};
        for (int c = 0; c < scores.m_list->columnCount(); ++c)
            shown << scores.m_list->headerItem()->text(c);
        QTEST(shown.join('|'), "scores");
        QTEST(name.windowTitle() + '|' + name.m_btnPutShips->text(), "name");
    }
    void cleanupTestCase()
    {
        m_scores.reset();
        m_name.reset();
    }

private:
    CRecordTable m_table;
    std::unique_ptr<CScoresDlg> m_scores;
    std::unique_ptr<CNameDlg> m_name;
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
