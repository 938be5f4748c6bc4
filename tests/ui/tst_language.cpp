// The game's languages: the first run picks one from the desktop's list,
// every catalogue is whole, and a switch reaches Qt's own buttons and every
// window already open.
#include "net/qt/netconnection.h"
#include "store/records.h"
#include "store/settings.h"
#include "ui/chatpanel.h"
#include "ui/gamedlg.h"
#include "ui/language.h"
#include "ui/namedlg.h"
#include "ui/netdlg.h"
#include "ui/placeshipsdlg.h"
#include "ui/scoresdlg.h"

#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <QtTest>

#include <map>
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

// What a window shows a player first: its caption and a few of its controls.
QString Shown(QWidget* window)
{
    QStringList shown{window->windowTitle()};
    if (auto* main = qobject_cast<CGameDlg*>(window)) {
        for (const QAction* menu : main->findChild<QMenuBar*>()->actions())
            shown << menu->text().remove('&');
    } else if (auto* scores = qobject_cast<CScoresDlg*>(window)) {
        shown << scores->m_btnDelete->text();
        for (int c = 0; c < scores->m_list->columnCount(); ++c)
            shown << scores->m_list->headerItem()->text(c);
    } else if (auto* name = qobject_cast<CNameDlg*>(window)) {
        shown << name->m_btnPutShips->text();
    } else if (auto* placement = qobject_cast<CPlaceShipsDlg*>(window)) {
        shown << placement->m_btnRandom->text() << placement->m_btnCancel->text() << placement->m_help->text();
    } else if (auto* net = qobject_cast<CNetDlg*>(window)) {
        shown << net->m_btnStart->text() << net->m_lblHost->text() << net->m_grpType->title();
    } else if (auto* chat = qobject_cast<CChatPanel*>(window)) {
        shown << chat->m_btnSend->text() << chat->m_lblState->text();
    }
    return shown.join('|');
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

    // Every window that may stand open stays open through the switches;
    // rows run in order, so each switches from the language of the one before.
    void openWindowsFollowASwitch_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("shown");
        QTest::newRow("main, Russian") << "main" << "ru" << "Tidebolt|Игра|Опции|Помощь";
        QTest::newRow("main, then German") << "main" << "de" << "Tidebolt|Spiel|Optionen|Hilfe";
        QTest::newRow("main, then English") << "main" << "en" << "Tidebolt|Game|Options|Help";
        QTest::newRow("scores, Russian") << "scores" << "ru" << "Лучшая десятка|Удалить|№|Имя|Побед|Поражений|Очки";
        QTest::newRow("scores, then German") << "scores" << "de" << "Top 10|Löschen|Nr.|Name|Siege|Niederlagen|Punkte";
        QTest::newRow("scores, then English") << "scores" << "en" << "Top 10|Delete|№|Name|Win|Lose|Score";
        QTest::newRow("name, Russian") << "name" << "ru" << "Введите ваше имя|Ростановка кораблей";
        QTest::newRow("name, then German") << "name" << "de" << "Gib deinen Namen ein|Schiffe aufstellen";
        QTest::newRow("name, then English") << "name" << "en" << "Enter your name|Put the ships";
        QTest::newRow("placement, Russian") << "placement" << "ru"
            << "Расстановка кораблей|Random|Cancel|Left MB :\n   Двигать\n\nRight MB :\n   Поворачивать";
        QTest::newRow("placement, then Chinese") << "placement" << "zh_CN"
            << "布置舰船|随机|取消|鼠标左键：\n   移动\n\n鼠标右键：\n   旋转";
        QTest::newRow("placement, then English") << "placement" << "en"
            << "Placing ships|Random|Cancel|Left MB :\n   Move\n\nRight MB :\n   Rotate";
        QTest::newRow("network, Russian") << "network" << "ru" << "Играем по сети|Начать Игру|Имя этого компа|Выберите тип";
        QTest::newRow("network, then German") << "network" << "de"
            << "Netzwerkspiel|Spiel starten|Name dieses Computers|Rolle wählen";
        QTest::newRow("network, then English") << "network" << "en"
            << "Game in Network|Start Game|This computer name|Please choice type";
        QTest::newRow("chat, Russian") << "chat" << "ru"
            << "Tidebolt: чат|Отправить|Чат работает в сетевой игре, когда партнёр подключён.";
        QTest::newRow("chat, then German") << "chat" << "de"
            << "Tidebolt: Chat|Senden|Der Chat ist im Netzwerkspiel verfügbar, sobald ein Mitspieler verbunden ist.";
        QTest::newRow("chat, then English") << "chat" << "en"
            << "Tidebolt: chat|Send|Chat works in a network game, once a partner is connected.";
    }
    void openWindowsFollowASwitch()
    {
        QFETCH(QString, window);
        QWidget* open = Window(window);
        open->show();
        QFETCH(QString, language);
        UseLanguage(language);
        QCoreApplication::sendPostedEvents();  // the switch reaches windows as posted events
        QTEST(Shown(open), "shown");
    }
    void cleanupTestCase() { m_windows.clear(); }

private:
    // Each window is opened once, in the language then in force, and kept.
    QWidget* Window(const QString& name)
    {
        std::unique_ptr<QWidget>& window = m_windows[name];
        if (window)
            return window.get();
        if (name == QLatin1String("main")) {
            window = std::make_unique<CGameDlg>();
        } else if (name == QLatin1String("scores")) {
            auto scores = std::make_unique<CScoresDlg>(nullptr, &m_table);
            scores->setAttribute(Qt::WA_DeleteOnClose, false);
            window = std::move(scores);
        } else if (name == QLatin1String("name")) {
            window = std::make_unique<CNameDlg>();
        } else if (name == QLatin1String("placement")) {
            window = std::make_unique<CPlaceShipsDlg>();
        } else if (name == QLatin1String("network")) {
            auto net = std::make_unique<CNetDlg>(nullptr, m_connection);
            net->OnInitDialog();
            window = std::move(net);
        } else {
            window = std::make_unique<CChatPanel>(nullptr, m_connection);
        }
        return window.get();
    }

    CRecordTable m_table;
    CNetConnection m_connection;
    std::map<QString, std::unique_ptr<QWidget>> m_windows;
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
