// The "Options" dialog: what it shows, the language buttons, OK's checks and Cancel.
#include "game/globals.h"
#include "game/resources.h"
#include "store/settings.h"
#include "ui/dialogids.h"
#include "ui/optionsdlg.h"
#include "ui/pictures.h"

#include <QApplication>
#include <QtTest>
#include <QtWidgets>

namespace {

QString Settings()
{
    return QStringLiteral("L%1 E%2 T%3 S%4 C%5 D%6")
        .arg(Level).arg(English).arg(Tradition).arg(Sound).arg(ShowShipCount).arg(CompDelay);
}

void Click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
}

// The check boxes and radio buttons in the order their names and states are written.
QList<QAbstractButton*> Buttons(const COptionsDlg& dlg)
{
    return {dlg.m_radEasy, dlg.m_radNormal, dlg.m_radHard, dlg.m_chkTradition,
            dlg.m_chkShowCount, dlg.m_chkSound, dlg.m_radRussian, dlg.m_radEnglish};
}
const QStringList NAMES = {"easy", "normal", "hard", "tradition", "count", "sound", "russian", "english"};

// Plays the player's actions, comma-separated: a button by its name,
// "delay N", or "pick L" for a language of the list.
void Do(COptionsDlg& dlg, const QString& actions)
{
    for (const QString& action : actions.split(',', Qt::SkipEmptyParts)) {
        if (NAMES.contains(action))
            Click(Buttons(dlg)[NAMES.indexOf(action)]);
        if (action.startsWith("pick")) {
            const int index = dlg.m_cmbLanguage->findData(action.mid(5));
            dlg.m_cmbLanguage->setCurrentIndex(index);
            emit dlg.m_cmbLanguage->activated(index);  // as a choice from its popup
        }
        if (!action.startsWith("delay"))
            continue;
        dlg.m_edtDelay->selectAll();
        QTest::keyClick(dlg.m_edtDelay, Qt::Key_Delete);
        QTest::keyClicks(dlg.m_edtDelay, action.mid(6));
    }
}

// Every text the language buttons change, with the flag shown.
QStringList Texts(const COptionsDlg& dlg)
{
    const bool usFlag = dlg.m_stcFlag->pixmap().toImage() == Picture(IDI_FLAG_US).toImage();
    return {dlg.windowTitle(), dlg.m_grpLevel->title(), dlg.m_radEasy->text(),
            dlg.m_radNormal->text(), dlg.m_radHard->text(), dlg.m_chkTradition->text(),
            dlg.m_chkShowCount->text(), dlg.m_chkSound->text(), dlg.m_stcDelay->text(),
            dlg.m_stcNote->text(), usFlag ? "US flag" : "Russian flag"};
}

const QStringList RUSSIAN = {
    "Опции", "Сложность *", "Легко", "Нормально", "Сложно", "Традиционная игра *",
    "Показывать число живых кораблей", "Озвучивать игру", "Задержка хода компа (мс)",
    "* При изменении этих настроек текущая игра будет прервана.", "Russian flag"};
const QStringList ENGLISH = {
    "Options", "Difficulty *", "Easy", "Normal", "Hard", "Tradition game *",
    "Show number of ships", "Play sound", "Delay then computer went (ms)",
    "* Current game will be stoped.", "US flag"};
// A language the game does not speak meanwhile still comes from its catalogue.
const QStringList GERMAN = {
    "Optionen", "Schwierigkeit *", "Leicht", "Normal", "Schwer", "Klassische Regel *",
    "Anzahl der Schiffe zeigen", "Ton abspielen", "Bedenkzeit des Computers (ms)",
    "* Eine laufende Partie wird dabei abgebrochen.", "US flag"};

// What the dialog shows: levels, boxes and languages (x checked), the delay.
QString Shown(const COptionsDlg& dlg)
{
    QString shown;
    for (const QAbstractButton* b : Buttons(dlg))
        shown += b->isChecked() ? 'x' : '-';
    return shown + ' ' + dlg.m_edtDelay->text();
}

} // namespace

class TestOptionsDlg : public QObject {
    Q_OBJECT
private slots:
    // A first run: Russian, Easy, every box checked, 200 ms.
    void init()
    {
        Level = 1, English = 0, Tradition = 1, Sound = 1, ShowShipCount = 1, CompDelay = 200, GameInProgress = 0;
        Language = "ru";
    }

    // The list offers every language; the two buttons say whether it is
    // Russian, and English brings back the other language chosen last.
    void languageListAndButtonsAgree_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("shown");   // Русский and English (x checked), the list
        QTest::addColumn<QString>("saved");   // English and Language after OK
        QTest::newRow("German picked on a Russian game") << "ru" << "pick de" << "-x de" << "1 de";
        QTest::newRow("German, then Русский") << "ru" << "pick de,russian" << "x- ru" << "0 ru";
        QTest::newRow("German, Русский, English again: German") << "ru" << "pick de,russian,english" << "-x de" << "1 de";
        QTest::newRow("English button on a Russian game") << "ru" << "english" << "-x en" << "1 en";
        QTest::newRow("a Polish game opens on Polish") << "pl" << "" << "-x pl" << "1 pl";
        QTest::newRow("Russian picked from the list on a Polish game") << "pl" << "pick ru" << "x- ru" << "0 ru";
        QTest::newRow("Polish, Русский, English: Polish again") << "pl" << "russian,english" << "-x pl" << "1 pl";
    }
    void languageListAndButtonsAgree()
    {
        QFETCH(QString, stored);
        QFETCH(QString, actions);
        ChooseLanguage(stored.toStdString());
        COptionsDlg dlg;
        QString shown;
        QTimer::singleShot(0, &dlg, [&] {
            Do(dlg, actions);
            shown = QStringLiteral("%1%2 %3").arg(dlg.m_radRussian->isChecked() ? 'x' : '-')
                        .arg(dlg.m_radEnglish->isChecked() ? 'x' : '-')
                        .arg(dlg.m_cmbLanguage->currentData().toString());
            Click(dlg.m_btnOK);
        });
        QCOMPARE(dlg.DoModal(), int(IDOK));
        QTEST(shown, "shown");
        QTEST(QStringLiteral("%1 %2").arg(English).arg(QString::fromStdString(GameLanguage())), "saved");
    }

    // On opening, then relabelled by the language buttons, then Cancel.
    void opensShowingTheSettingsAndCancelKeepsThem_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("english");
        QTest::addColumn<int>("boxes");  // rule, sound and count alike
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QStringList>("relabelled");
        QTest::newRow("first run, English clicked") << 1 << 0 << 1 << "x--xxxx- 200" << "english" << ENGLISH;
        QTest::newRow("English, Hard, boxes clear; Русский clicked") << 3 << 1 << 0 << "--x----x 200" << "russian" << RUSSIAN;
        QTest::newRow("Level 7 checks no level, there and back") << 7 << 0 << 1 << "---xxxx- 200" << "english,russian" << RUSSIAN;
        QTest::newRow("first run, German picked") << 1 << 0 << 1 << "x--xxxx- 200" << "pick de" << GERMAN;
    }
    void opensShowingTheSettingsAndCancelKeepsThem()
    {
        QFETCH(int, level);
        QFETCH(int, english);
        QFETCH(int, boxes);
        QFETCH(QString, clicks);
        Level = level, English = english, Tradition = Sound = ShowShipCount = boxes;
        const QString before = Settings();
        COptionsDlg dlg;
        QString shown;
        QStringList opened, relabelled;
        QRect cancelOpened, cancelRelabelled;  // where Cancel stands in the window
        QTimer::singleShot(0, &dlg, [&] {
            shown = Shown(dlg);
            opened = Texts(dlg);
            cancelOpened = QRect(dlg.m_btnCancel->mapTo(&dlg, QPoint(0, 0)), dlg.m_btnCancel->size());
            Do(dlg, clicks + ",hard,sound,delay 5");
            QApplication::processEvents();  // the layout follows the new texts
            relabelled = Texts(dlg);
            cancelRelabelled = QRect(dlg.m_btnCancel->mapTo(&dlg, QPoint(0, 0)), dlg.m_btnCancel->size());
            Click(dlg.m_btnCancel);
        });
        QCOMPARE(dlg.DoModal(), int(IDCANCEL));
        QTEST(shown, "shown");
        QCOMPARE(opened, english ? ENGLISH : RUSSIAN);
        QTEST(relabelled, "relabelled");
        // A new language moves no button from under the pointer.
        QCOMPARE(cancelRelabelled, cancelOpened);
        QCOMPARE(Settings(), before);
    }

    // OK's message box, if any, and the settings left ("open": nothing written).
    void okChecksThenWrites_data()
    {
        QTest::addColumn<int>("battle");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<int>("answer");  // a button, or 0 for Enter
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("after");
        const int yes = QMessageBox::Yes, no = QMessageBox::No, ok = QMessageBox::Ok;
        const QString russian = "Tidebolt: Изменены настройки при которых текущая игра не может быть продолжена.\nНачать новую игру ? / Да";
        QTest::newRow("1000 accepted") << 0 << 1 << "english,delay 1000" << ok << "" << "L1 E1 T1 S1 C1 D1000";
        QTest::newRow("1001 refused") << 0 << 1 << "hard,delay 1001" << ok << "Tidebolt: Please enter an integer between 0 and 1000." << "open";
        QTest::newRow("empty refused") << 0 << 1 << "hard,delay " << ok << "Tidebolt: Please enter a positive integer." << "open";
        QTest::newRow("no question outside a battle") << 0 << 1 << "hard,tradition,count" << ok << "" << "L3 E0 T0 S1 C0 D200";
        QTest::newRow("battle: delay, sound, language ask nothing") << 1 << 1 << "delay 10,sound,english" << ok << "" << "L1 E1 T1 S0 C1 D10";
        QTest::newRow("battle: new level, Yes") << 1 << 1 << "english,normal" << yes << "Tidebolt: Begin new game ? / Yes" << "L2 E1 T1 S1 C1 D200";
        QTest::newRow("battle: new rule, No") << 1 << 1 << "tradition" << no << russian << "open";
        QTest::newRow("battle: new level, Enter means Yes") << 1 << 1 << "english,hard" << 0 << "Tidebolt: Begin new game ? / Yes" << "L3 E1 T1 S1 C1 D200";
        QTest::newRow("Level 7 kept outside a battle") << 0 << 7 << "" << ok << "" << "L0 E0 T1 S1 C1 D200";
    }
    void okChecksThenWrites()
    {
        QFETCH(int, battle);
        QFETCH(int, level);
        QFETCH(QString, actions);
        QFETCH(int, answer);
        QFETCH(QString, box);
        QFETCH(QString, after);
        GameInProgress = battle, Level = level;
        const QString before = Settings();
        COptionsDlg dlg;
        QStringList boxes;
        bool delayChosen = false;
        QTimer::singleShot(0, &dlg, [&] {
            Do(dlg, actions);
            QTimer answering;  // notes each message box and answers it
            connect(&answering, &QTimer::timeout, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    // A question's Yes speaks the dialog's language, as its text does.
                    const QAbstractButton* yes = box->button(QMessageBox::Yes);
                    boxes << box->windowTitle() + ": " + box->text() + (yes ? " / " + yes->text().remove('&') : "");
                    QAbstractButton* button = box->button(QMessageBox::StandardButton(answer));
                    if (answer == 0)
                        QTest::keyClick(box, Qt::Key_Return);
                    else
                        button ? button->click() : box->reject();
                }
            });
            answering.start(10);
            Click(dlg.m_btnOK);
            delayChosen = dlg.focusWidget() == dlg.m_edtDelay && dlg.m_edtDelay->selectedText() == dlg.m_edtDelay->text();
            if (dlg.isVisible())
                dlg.reject();
        });
        const int result = dlg.DoModal();
        QCOMPARE(boxes.join('|'), box);
        QCOMPARE(result, after == "open" ? int(IDCANCEL) : int(IDOK));
        QCOMPARE(Settings(), after == "open" ? before : after);
        QCOMPARE(int(dlg.m_bNewGame), int(result == IDOK && (answer == QMessageBox::Yes || answer == 0)));
        QCOMPARE(delayChosen, box.contains("integer"));  // a refused delay is chosen for typing again
    }
};

QTEST_MAIN(TestOptionsDlg)
#include "tst_optionsdlg.moc"
