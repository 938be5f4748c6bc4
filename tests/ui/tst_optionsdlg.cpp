// The "Options" dialog as a player uses it: what it shows on opening, the
// language buttons, the delay field's checks, the new-game question during
// a battle, and what OK and Cancel leave in the settings.

#include "game/globals.h"
#include "game/resources.h"
#include "store/settings.h"
#include "ui/dialogids.h"
#include "ui/optionsdlg.h"
#include "ui/pictures.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <climits>

namespace {

// Watches for message boxes while it lives, notes each one and answers it.
class BoxWatcher {
public:
    explicit BoxWatcher(QMessageBox::StandardButton answer = QMessageBox::Ok)
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            ++count;
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            buttons = box->standardButtons();
            QAbstractButton* button = box->button(answer);
            if (button)
                button->click();
            else
                box->reject();
        });
        m_timer.start();
    }

    int count = 0;
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;

private:
    QTimer m_timer;
};

struct Options {
    int level;
    int english;
    int tradition;
    int sound;
    int showCount;
    unsigned int delay;
};

void SetOptions(const Options& o)
{
    Level = o.level;
    English = o.english;
    Tradition = o.tradition;
    Sound = o.sound;
    ShowShipCount = o.showCount;
    CompDelay = o.delay;
}

QString CurrentOptions()
{
    return QStringLiteral("level %1 english %2 tradition %3 sound %4 count %5 delay %6")
        .arg(Level).arg(English).arg(Tradition).arg(Sound).arg(ShowShipCount).arg(CompDelay);
}

const Options FIRST_RUN = {1, 0, 1, 1, 1, 200};

void Click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
}

void TypeDelay(COptionsDlg& dlg, const QString& text)
{
    dlg.m_edtDelay->selectAll();
    QTest::keyClick(dlg.m_edtDelay, Qt::Key_Delete);
    QTest::keyClicks(dlg.m_edtDelay, text);
}

// Applies one player action by its name.
void Do(COptionsDlg& dlg, const QString& action)
{
    if (action == QLatin1String("easy")) Click(dlg.m_radEasy);
    else if (action == QLatin1String("normal")) Click(dlg.m_radNormal);
    else if (action == QLatin1String("hard")) Click(dlg.m_radHard);
    else if (action == QLatin1String("tradition")) Click(dlg.m_chkTradition);
    else if (action == QLatin1String("count")) Click(dlg.m_chkShowCount);
    else if (action == QLatin1String("sound")) Click(dlg.m_chkSound);
    else if (action == QLatin1String("russian")) Click(dlg.m_radRussian);
    else if (action == QLatin1String("english")) Click(dlg.m_radEnglish);
    else if (action.startsWith(QLatin1String("delay ")))
        TypeDelay(dlg, action.mid(6));
    else
        QFAIL(qPrintable("unknown action " + action));
}

// Every text the language buttons change, in the dialog's order.
QStringList Texts(const COptionsDlg& dlg)
{
    return {dlg.windowTitle(), dlg.m_grpLevel->title(), dlg.m_radEasy->text(),
            dlg.m_radNormal->text(), dlg.m_radHard->text(), dlg.m_chkTradition->text(),
            dlg.m_chkShowCount->text(), dlg.m_chkSound->text(), dlg.m_stcDelay->text(),
            dlg.m_stcNote->text()};
}

const QStringList RUSSIAN_TEXTS = {
    "Опции", "Сложность *", "Легко", "Нормально", "Сложно", "Традиционная игра *",
    "Показывать число живых кораблей", "Озвучивать игру", "Задержка хода компа (мс)",
    "* При изменении этих настроек текущая игра будет прервана."};
const QStringList ENGLISH_TEXTS = {
    "Options", "Difficulty *", "Easy", "Normal", "Hard", "Tradition game *",
    "Show number of ships", "Play sound", "Delay then computer went (ms)",
    "* Current game will be stoped."};

bool ShowsFlag(const COptionsDlg& dlg, int flag)
{
    const QPixmap shown = dlg.m_stcFlag->pixmap();
    return !shown.isNull() && !Picture(flag).isNull() && shown.toImage() == Picture(flag).toImage();
}

QString CheckedLevel(const COptionsDlg& dlg)
{
    QString checked;
    for (QRadioButton* b : {dlg.m_radEasy, dlg.m_radNormal, dlg.m_radHard})
        checked += b->isChecked() ? QLatin1Char('x') : QLatin1Char('-');
    return checked;
}

} // namespace

class TestOptionsDlg : public QObject {
    Q_OBJECT

private slots:
    void init();
    void opensShowingTheSettings_data();
    void opensShowingTheSettings();
    void languageButtonsRelabelAtOnce_data();
    void languageButtonsRelabelAtOnce();
    void noTextIsCut_data();
    void noTextIsCut();
    void okWritesWhatTheDialogShows_data();
    void okWritesWhatTheDialogShows();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void delayIsCheckedOnOk_data();
    void delayIsCheckedOnOk();
    void delayFieldTakesDigitsOnly();
    void battleAsksBeforeLevelOrRuleChange_data();
    void battleAsksBeforeLevelOrRuleChange();
    void doModalReportsHowItEnded_data();
    void doModalReportsHowItEnded();
};

void TestOptionsDlg::init()
{
    SetOptions(FIRST_RUN);
    GameInProgress = 0;
}

void TestOptionsDlg::opensShowingTheSettings_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("english");
    QTest::addColumn<int>("tradition");
    QTest::addColumn<int>("sound");
    QTest::addColumn<int>("showCount");
    QTest::addColumn<int>("delay");
    QTest::addColumn<QString>("levels");  // x checked, - not, for Easy Normal Hard

    QTest::newRow("first run: Russian, Easy, every box checked, 200")
        << 1 << 0 << 1 << 1 << 1 << 200 << "x--";
    QTest::newRow("English, Hard, every box clear, no delay")
        << 3 << 1 << 0 << 0 << 0 << 0 << "--x";
    QTest::newRow("a stored Level of 7 checks no level")
        << 7 << 0 << 1 << 1 << 1 << 200 << "---";
    QTest::newRow("a hand-edited Level at the integer limit checks no level")
        << int(INT_MIN) << 1 << 1 << 1 << 1 << 200 << "---";
}

void TestOptionsDlg::opensShowingTheSettings()
{
    QFETCH(int, level);
    QFETCH(int, english);
    QFETCH(int, tradition);
    QFETCH(int, sound);
    QFETCH(int, showCount);
    QFETCH(int, delay);
    SetOptions({level, english, tradition, sound, showCount, unsigned(delay)});

    COptionsDlg dlg;
    dlg.show();

    QTEST(CheckedLevel(dlg), "levels");
    QCOMPARE(dlg.m_chkTradition->isChecked(), tradition != 0);
    QCOMPARE(dlg.m_chkSound->isChecked(), sound != 0);
    QCOMPARE(dlg.m_chkShowCount->isChecked(), showCount != 0);
    QCOMPARE(dlg.m_radRussian->isChecked(), english == 0);
    QCOMPARE(dlg.m_radEnglish->isChecked(), english != 0);
    QCOMPARE(dlg.m_edtDelay->text(), QString::number(delay));
    QCOMPARE(Texts(dlg), english ? ENGLISH_TEXTS : RUSSIAN_TEXTS);
    QVERIFY(ShowsFlag(dlg, english ? IDI_FLAG_US : IDI_FLAG_RU));
    // The language group, its buttons and OK/Cancel read the same in both languages.
    QCOMPARE(dlg.m_grpLanguage->title(), QStringLiteral("Язык/Language"));
    QCOMPARE(dlg.m_radRussian->text(), QStringLiteral("Русский"));
    QCOMPARE(dlg.m_radEnglish->text(), QStringLiteral("English"));
    QCOMPARE(dlg.m_btnOK->text(), QStringLiteral("OK"));
    QCOMPARE(dlg.m_btnCancel->text(), QStringLiteral("Cancel"));
    QCOMPARE(dlg.m_bNewGame, 0);
}

void TestOptionsDlg::languageButtonsRelabelAtOnce_data()
{
    QTest::addColumn<int>("english");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<bool>("showsEnglish");

    QTest::newRow("Russian, then English clicked") << 0 << QStringList{"english"} << true;
    QTest::newRow("English, then Русский clicked") << 1 << QStringList{"russian"} << false;
    QTest::newRow("there and back") << 0 << QStringList{"english", "russian"} << false;
}

void TestOptionsDlg::languageButtonsRelabelAtOnce()
{
    QFETCH(int, english);
    QFETCH(QStringList, clicks);
    QFETCH(bool, showsEnglish);
    English = english;
    COptionsDlg dlg;
    dlg.show();

    for (const QString& click : clicks)
        Do(dlg, click);

    QCOMPARE(Texts(dlg), showsEnglish ? ENGLISH_TEXTS : RUSSIAN_TEXTS);
    QVERIFY(ShowsFlag(dlg, showsEnglish ? IDI_FLAG_US : IDI_FLAG_RU));
    QCOMPARE(int(English), english);  // only OK changes the setting
}

void TestOptionsDlg::noTextIsCut_data()
{
    QTest::addColumn<int>("english");
    QTest::newRow("Russian") << 0;
    QTest::newRow("English") << 1;
    QTest::newRow("opened in Russian, switched to English") << 2;
}

void TestOptionsDlg::noTextIsCut()
{
    QFETCH(int, english);
    English = english == 1;
    COptionsDlg dlg;
    dlg.show();
    if (english == 2)
        Do(dlg, QStringLiteral("english"));
    QApplication::processEvents();

    for (QWidget* w : dlg.findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QLabel*>(w)
            && !qobject_cast<QGroupBox*>(w))
            continue;
        const int needed = qobject_cast<QGroupBox*>(w) ? w->minimumSizeHint().width()
                                                        : w->sizeHint().width();
        QVERIFY2(w->width() >= needed, qPrintable(QStringLiteral("%1: %2 < %3")
                                                      .arg(w->metaObject()->className())
                                                      .arg(w->width())
                                                      .arg(needed)));
        QVERIFY(dlg.rect().contains(w->mapTo(&dlg, w->rect().bottomRight())));
    }
}

void TestOptionsDlg::okWritesWhatTheDialogShows_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("after");

    QTest::newRow("nothing changed")
        << 1 << QStringList() << "level 1 english 0 tradition 1 sound 1 count 1 delay 200";
    QTest::newRow("Hard")
        << 1 << QStringList{"hard"} << "level 3 english 0 tradition 1 sound 1 count 1 delay 200";
    QTest::newRow("Normal, every box cleared")
        << 1 << QStringList{"normal", "tradition", "sound", "count"}
        << "level 2 english 0 tradition 0 sound 0 count 0 delay 200";
    QTest::newRow("English and a delay of 1000")
        << 1 << QStringList{"english", "delay 1000"}
        << "level 1 english 1 tradition 1 sound 1 count 1 delay 1000";
    QTest::newRow("a delay with leading zeros")
        << 1 << QStringList{"delay 0050"} << "level 1 english 0 tradition 1 sound 1 count 1 delay 50";
    QTest::newRow("Level 7 and no level chosen writes Level 0")
        << 7 << QStringList() << "level 0 english 0 tradition 1 sound 1 count 1 delay 200";
}

void TestOptionsDlg::okWritesWhatTheDialogShows()
{
    QFETCH(int, level);
    QFETCH(QStringList, actions);
    Level = level;
    COptionsDlg dlg;
    dlg.show();
    for (const QString& action : actions)
        Do(dlg, action);

    BoxWatcher boxes;
    Click(dlg.m_btnOK);

    QCOMPARE(boxes.count, 0);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QTEST(CurrentOptions(), "after");
    QCOMPARE(dlg.m_bNewGame, 0);
}

void TestOptionsDlg::cancelChangesNothing_data()
{
    QTest::addColumn<QString>("close");
    QTest::newRow("Cancel") << "cancel";
    QTest::newRow("Esc") << "esc";
    QTest::newRow("the close box") << "close";
}

void TestOptionsDlg::cancelChangesNothing()
{
    QFETCH(QString, close);
    GameInProgress = 1;
    COptionsDlg dlg;
    dlg.show();
    for (const char* action : {"english", "hard", "tradition", "sound", "count", "delay 5"})
        Do(dlg, QString::fromLatin1(action));

    BoxWatcher boxes;
    if (close == QLatin1String("cancel"))
        Click(dlg.m_btnCancel);
    else if (close == QLatin1String("esc"))
        QTest::keyClick(&dlg, Qt::Key_Escape);
    else
        dlg.close();

    QCOMPARE(boxes.count, 0);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QCOMPARE(CurrentOptions(), QStringLiteral("level 1 english 0 tradition 1 sound 1 count 1 delay 200"));
    QCOMPARE(dlg.m_bNewGame, 0);
}

void TestOptionsDlg::delayIsCheckedOnOk_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");  // empty: accepted
    QTest::addColumn<int>("delay");

    const QString notNumber = QStringLiteral("Please enter a positive integer.");
    const QString range = QStringLiteral("Please enter an integer between 0 and 1000.");
    QTest::newRow("1000 is accepted") << "1000" << "" << 1000;
    QTest::newRow("0 is accepted") << "0" << "" << 0;
    QTest::newRow("1001 is above the range") << "1001" << range << 200;
    QTest::newRow("a huge number is above the range") << "99999999999999999999999" << range << 200;
    QTest::newRow("an empty field is not a number") << "" << notNumber << 200;
}

void TestOptionsDlg::delayIsCheckedOnOk()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    COptionsDlg dlg;
    dlg.show();
    Do(dlg, QStringLiteral("hard"));
    TypeDelay(dlg, typed);

    BoxWatcher boxes;
    Click(dlg.m_btnOK);

    QTEST(int(CompDelay), "delay");
    if (message.isEmpty()) {
        QCOMPARE(boxes.count, 0);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(Level, 3);
        return;
    }
    QCOMPARE(boxes.count, 1);
    QCOMPARE(boxes.text, message);
    QCOMPARE(boxes.title, QStringLiteral("Tidebolt"));
    QCOMPARE(boxes.icon, QMessageBox::Warning);
    QVERIFY(dlg.isVisible());
    QCOMPARE(Level, 1);  // nothing is written
    QVERIFY(dlg.m_radHard->isChecked());  // the entered values stay
    QCOMPARE(dlg.m_edtDelay->text(), typed);
    QCOMPARE(dlg.focusWidget(), static_cast<QWidget*>(dlg.m_edtDelay));
    QCOMPARE(dlg.m_edtDelay->selectedText(), typed);
}

void TestOptionsDlg::delayFieldTakesDigitsOnly()
{
    COptionsDlg dlg;
    dlg.show();
    TypeDelay(dlg, QStringLiteral("-1a2 5.0"));
    QCOMPARE(dlg.m_edtDelay->text(), QStringLiteral("1250"));
}

void TestOptionsDlg::battleAsksBeforeLevelOrRuleChange_data()
{
    QTest::addColumn<int>("inGame");
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("answer");  // QMessageBox::Yes or No
    QTest::addColumn<QString>("question");  // empty: none asked
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("after");

    const QString english = QStringLiteral("Begin new game ?");
    const QString russian = QStringLiteral(
        "Изменены настройки при которых текущая игра не может быть продолжена.\nНачать новую игру ?");
    const QString unchanged = QStringLiteral("level 1 english 0 tradition 1 sound 1 count 1 delay 200");
    const int yes = QMessageBox::Yes;
    const int no = QMessageBox::No;

    QTest::newRow("no battle: a new level asks nothing")
        << 0 << 1 << QStringList{"hard"} << yes << "" << true
        << "level 3 english 0 tradition 1 sound 1 count 1 delay 200";
    QTest::newRow("battle: delay, sound, ship count and language ask nothing")
        << 1 << 1 << QStringList{"delay 10", "sound", "count", "english"} << yes << "" << true
        << "level 1 english 1 tradition 1 sound 0 count 0 delay 10";
    QTest::newRow("battle: the level put back asks nothing")
        << 1 << 1 << QStringList{"hard", "easy"} << yes << "" << true << unchanged;
    QTest::newRow("battle, English chosen: a new level asks in English; Yes restarts")
        << 1 << 1 << QStringList{"english", "normal"} << yes << english << true
        << "level 2 english 1 tradition 1 sound 1 count 1 delay 200";
    QTest::newRow("battle, English chosen: No keeps the dialog open and writes nothing")
        << 1 << 1 << QStringList{"english", "normal"} << no << english << false << unchanged;
    QTest::newRow("battle in Russian: a new rule asks in Russian; Yes restarts")
        << 1 << 1 << QStringList{"tradition"} << yes << russian << true
        << "level 1 english 0 tradition 0 sound 1 count 1 delay 200";
    QTest::newRow("battle: Level 7 and no level chosen counts as a change")
        << 1 << 7 << QStringList() << yes << russian << true
        << "level 0 english 0 tradition 1 sound 1 count 1 delay 200";
}

void TestOptionsDlg::battleAsksBeforeLevelOrRuleChange()
{
    QFETCH(int, inGame);
    QFETCH(int, level);
    QFETCH(QStringList, actions);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(bool, closed);
    GameInProgress = inGame;
    Level = level;
    COptionsDlg dlg;
    dlg.show();
    for (const QString& action : actions)
        Do(dlg, action);
    const QString before = CurrentOptions();

    BoxWatcher boxes(static_cast<QMessageBox::StandardButton>(answer));
    Click(dlg.m_btnOK);

    if (question.isEmpty()) {
        QCOMPARE(boxes.count, 0);
    } else {
        QCOMPARE(boxes.count, 1);
        QCOMPARE(boxes.text, question);
        QCOMPARE(boxes.title, QStringLiteral("Tidebolt"));
        QCOMPARE(boxes.icon, QMessageBox::Question);
        QCOMPARE(boxes.buttons, QMessageBox::Yes | QMessageBox::No);
    }
    QCOMPARE(dlg.isVisible(), !closed);
    QCOMPARE(int(dlg.m_bNewGame), int(closed && !question.isEmpty()));
    if (closed)
        QTEST(CurrentOptions(), "after");
    else
        QCOMPARE(CurrentOptions(), before);
}

void TestOptionsDlg::doModalReportsHowItEnded_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << "OK" << int(IDOK);
    QTest::newRow("Cancel") << "Cancel" << int(IDCANCEL);
}

void TestOptionsDlg::doModalReportsHowItEnded()
{
    QFETCH(QString, button);
    COptionsDlg dlg;
    bool wasModal = false;
    QTimer::singleShot(0, &dlg, [&] {
        wasModal = QApplication::activeModalWidget() == &dlg;
        Click(button == QLatin1String("OK") ? dlg.m_btnOK : dlg.m_btnCancel);
    });
    QTEST(dlg.DoModal(), "result");
    QVERIFY(wasModal);
}

QTEST_MAIN(TestOptionsDlg)
#include "tst_optionsdlg.moc"
