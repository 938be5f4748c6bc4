// The "Top 10" window: ten numbered rows filled from the table of records,
// headings in the player's language that never re-sort, its colours, the
// removal of a player, and a window that frees itself when closed.

#include "store/records.h"
#include "store/settings.h"
#include "store/tempprofile.h"
#include "ui/scoresdlg.h"

#include <QApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

// Watches for message boxes while it lives, notes each one and answers it.
class BoxWatcher {
public:
    explicit BoxWatcher(QMessageBox::StandardButton answer)
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
            if (QAbstractButton* button = box->button(answer))
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

// Plays "W name level" / "L name level" results into the table.
void Play(CRecordTable& table, const QStringList& script)
{
    for (const QString& line : script) {
        const QStringList part = line.split(QLatin1Char(' '));
        if (part[0] == QLatin1String("W"))
            table.AddWin(part[1].toStdString(), part[2].toInt());
        else
            table.AddLoss(part[1].toStdString(), part[2].toInt());
    }
}

// Opens the window the way the main window does.
CScoresDlg* Open(CRecordTable& table, bool withTable = true)
{
    auto* dlg = new CScoresDlg(nullptr, withTable ? &table : nullptr);
    for (int i = 0; i < table.GetCount(); ++i)
        dlg->AddRow(table.GetName(i), table.GetWins(i), table.GetLosses(i), table.GetScore(i));
    dlg->show();
    return dlg;
}

// Each row as the player reads it, cells separated by "|".
QStringList Shown(const CScoresDlg& dlg)
{
    QStringList rows;
    for (int r = 0; r < dlg.m_list->topLevelItemCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < dlg.m_list->columnCount(); ++c)
            cells << dlg.m_list->topLevelItem(r)->text(c);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

QStringList EmptyRows(int from)
{
    QStringList rows;
    for (int n = from; n <= 10; ++n)
        rows << QStringLiteral("%1||||").arg(n);
    return rows;
}

void ClickRow(CScoresDlg& dlg, int row)
{
    QTreeWidgetItem* item = dlg.m_list->topLevelItem(row);
    const QRect rect = dlg.m_list->visualItemRect(item);
    QTest::mouseClick(dlg.m_list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(rect.left() + 40, rect.center().y()));
}

struct Closer {
    void operator()(CScoresDlg* dlg) const { delete dlg; }
};
using Window = std::unique_ptr<CScoresDlg, Closer>;

} // namespace

class TestScoresDlg : public QObject {
    Q_OBJECT

private slots:
    void init();
    void rowsShowTheTable_data();
    void rowsShowTheTable();
    void captionAndHeadingsFollowTheLanguage_data();
    void captionAndHeadingsFollowTheLanguage();
    void listIsDarkBlueOnPaleCyan();
    void headingClickDoesNotReorder();
    void deleteFollowsTheSelection_data();
    void deleteFollowsTheSelection();
    void deleteAsksThenRemovesAndSaves_data();
    void deleteAsksThenRemovesAndSaves();
    void deleteFindsThePlayerAfterTheTableChanged();
    void closedWindowFreesItself_data();
    void closedWindowFreesItself();
    void severalWindowsAtOnce();
};

void TestScoresDlg::init()
{
    English = 1;
}

void TestScoresDlg::rowsShowTheTable_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("an empty table: ten numbered rows and nothing else")
        << QStringList() << EmptyRows(1);
    QTest::newRow("three records, highest score first")
        << QStringList{"W Anna 1", "W Bob 3", "W Cid 2", "L Anna 1"}
        << (QStringList{"1|Bob|1|0|10", "2|Cid|1|0|5", "3|Anna|1|1|0"} + EmptyRows(4));
    QTest::newRow("a negative score keeps its minus sign")
        << QStringList{"L Bob 3"} << (QStringList{"1|Bob|0|1|-10"} + EmptyRows(2));
    QTest::newRow("a Cyrillic name")
        << QStringList{"W Капитан 2"} << (QStringList{"1|Капитан|1|0|5"} + EmptyRows(2));
}

void TestScoresDlg::rowsShowTheTable()
{
    QFETCH(QStringList, script);
    CRecordTable table;
    Play(table, script);
    Window dlg(Open(table));
    QTEST(Shown(*dlg), "rows");
}

void TestScoresDlg::captionAndHeadingsFollowTheLanguage_data()
{
    QTest::addColumn<int>("english");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("deleteText");
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<QList<int>>("widths");

    QTest::newRow("English") << 1 << "Top 10" << "Delete"
                             << QStringList{"№", "Name", "Win", "Lose", "Score"}
                             << QList<int>{30, 160, 60, 60, 60};
    QTest::newRow("Russian") << 0 << "Лучшая десятка" << "Удалить"
                             << QStringList{"№", "Имя", "Побед", "Поражений", "Очки"}
                             << QList<int>{30, 160, 50, 70, 60};
}

void TestScoresDlg::captionAndHeadingsFollowTheLanguage()
{
    QFETCH(int, english);
    QFETCH(QStringList, headings);
    QFETCH(QList<int>, widths);
    English = english;
    CRecordTable table;
    Window dlg(Open(table));

    QTEST(dlg->windowTitle(), "caption");
    QTEST(dlg->m_btnDelete->text(), "deleteText");
    QVERIFY(dlg->m_btnDelete->isVisible());
    QVERIFY(!dlg->m_btnDelete->isEnabled());
    QTreeWidgetItem* heading = dlg->m_list->headerItem();
    const QFontMetrics metrics(dlg->m_list->header()->font());
    for (int c = 0; c < headings.size(); ++c) {
        QCOMPARE(heading->text(c), headings[c]);
        const int width = dlg->m_list->columnWidth(c);
        // The template's width, or more where this font needs it: never a cut heading.
        QVERIFY2(width >= widths[c], qPrintable(headings[c]));
        QVERIFY2(width >= metrics.horizontalAdvance(headings[c]) + 8, qPrintable(headings[c]));
        QVERIFY2(width <= qMax(widths[c], metrics.horizontalAdvance(headings[c]) + 24),
                 qPrintable(headings[c]));
    }
    QCOMPARE(dlg->m_list->columnCount(), 5);
    QVERIFY(dlg->m_list->topLevelItem(9)->textAlignment(0) & Qt::AlignRight);
    QVERIFY(dlg->m_list->topLevelItem(9)->textAlignment(1) & Qt::AlignLeft);
}

void TestScoresDlg::listIsDarkBlueOnPaleCyan()
{
    CRecordTable table;
    Play(table, {"W Anna 3"});
    Window dlg(Open(table));
    QApplication::processEvents();
    const QImage image = dlg->m_list->viewport()->grab().toImage();

    // An empty cell of an unselected row: the text background.
    const QRect empty = dlg->m_list->visualItemRect(dlg->m_list->topLevelItem(5));
    QCOMPARE(QColor(image.pixel(empty.left() + 250, empty.center().y())), QColor(220, 250, 250));

    // The place number of the first row is drawn in the text colour.
    const QRect first = dlg->m_list->visualItemRect(dlg->m_list->topLevelItem(0));
    int textPixels = 0;
    for (int x = first.left(); x < first.left() + 30; ++x)
        for (int y = first.top(); y <= first.bottom(); ++y)
            textPixels += QColor(image.pixel(x, y)) == QColor(0, 0, 200);
    QVERIFY(textPixels > 0);
}

void TestScoresDlg::headingClickDoesNotReorder()
{
    CRecordTable table;
    Play(table, {"W Zed 3", "W Amy 2", "W Max 1"});
    Window dlg(Open(table));
    const QStringList before = Shown(*dlg);

    QHeaderView* header = dlg->m_list->header();
    for (int c = 0; c < 5; ++c) {
        const int x = header->sectionViewportPosition(c) + header->sectionSize(c) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(x, header->height() / 2));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(x, header->height() / 2));
    }

    QCOMPARE(Shown(*dlg), before);
    QCOMPARE(before.first(), QStringLiteral("1|Zed|1|0|10"));
}

void TestScoresDlg::deleteFollowsTheSelection_data()
{
    QTest::addColumn<bool>("withTable");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("nothing selected") << true << QList<int>{} << false;
    QTest::newRow("a player's row") << true << QList<int>{1} << true;
    QTest::newRow("an empty row") << true << QList<int>{7} << false;
    QTest::newRow("a player's row, then an empty one") << true << QList<int>{0, 9} << false;
    QTest::newRow("a window without the table cannot delete") << false << QList<int>{1} << false;
}

void TestScoresDlg::deleteFollowsTheSelection()
{
    QFETCH(bool, withTable);
    QFETCH(QList<int>, clicks);
    CRecordTable table;
    Play(table, {"W A 3", "W B 2", "W C 1"});
    Window dlg(Open(table, withTable));

    for (int row : clicks)
        ClickRow(*dlg, row);

    QTEST(dlg->m_btnDelete->isEnabled(), "enabled");
}

void TestScoresDlg::deleteAsksThenRemovesAndSaves_data()
{
    QTest::addColumn<int>("english");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("stored");  // names in the profile, "|"-joined; "-" when nothing was written

    const int yes = QMessageBox::Yes;
    const int no = QMessageBox::No;
    QTest::newRow("Yes removes the middle player and writes the table")
        << 1 << 1 << yes << "Delete the player \"Bob\" from the table of records?"
        << (QStringList{"1|Ann|1|0|10", "2|Cid|1|0|1"} + EmptyRows(3)) << "Ann|Cid";
    QTest::newRow("Yes in Russian removes the first player")
        << 0 << 0 << yes << "Удалить игрока \"Ann\" из таблицы рекордов?"
        << (QStringList{"1|Bob|1|0|5", "2|Cid|1|0|1"} + EmptyRows(3)) << "Bob|Cid";
    QTest::newRow("No keeps every player and writes nothing")
        << 1 << 2 << no << "Delete the player \"Cid\" from the table of records?"
        << (QStringList{"1|Ann|1|0|10", "2|Bob|1|0|5", "3|Cid|1|0|1"} + EmptyRows(4)) << "-";
}

void TestScoresDlg::deleteAsksThenRemovesAndSaves()
{
    QFETCH(int, english);
    QFETCH(int, row);
    QFETCH(int, answer);
    QFETCH(QString, stored);
    English = english;
    TempProfile profile;
    CRecordTable table;
    Play(table, {"W Ann 3", "W Bob 2", "W Cid 1"});
    Window dlg(Open(table));
    ClickRow(*dlg, row);

    BoxWatcher boxes(static_cast<QMessageBox::StandardButton>(answer));
    QTest::mouseClick(dlg->m_btnDelete, Qt::LeftButton);

    QCOMPARE(boxes.count, 1);
    QTEST(boxes.text, "question");
    QCOMPARE(boxes.title, QStringLiteral("Tidebolt"));
    QCOMPARE(boxes.icon, QMessageBox::Question);
    QCOMPARE(boxes.buttons, QMessageBox::Yes | QMessageBox::No);
    QTEST(Shown(*dlg), "rows");
    QCOMPARE(table.GetCount(), answer == QMessageBox::Yes ? 2 : 3);
    QCOMPARE(dlg->m_btnDelete->isEnabled(), answer == QMessageBox::No);

    if (stored == QLatin1String("-")) {
        QVERIFY(!profile.Has(QStringLiteral("Records/count")));
        return;
    }
    const QStringList names = stored.split(QLatin1Char('|'));
    QCOMPARE(profile.Stored(QStringLiteral("Records/count")).toInt(), names.size());
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(profile.Stored(QStringLiteral("Records/N%1").arg(i)).toString(), names[i]);
    // The next run finds the same table.
    profile.Reopen();
    CRecordTable reloaded;
    reloaded.LoadRecords();
    QCOMPARE(reloaded.GetCount(), names.size());
    QCOMPARE(QString::fromStdString(reloaded.GetName(names.size() - 1)), names.last());
}

void TestScoresDlg::deleteFindsThePlayerAfterTheTableChanged()
{
    TempProfile profile;
    CRecordTable table;
    Play(table, {"W Ann 3", "W Bob 2", "W Cid 1"});
    Window dlg(Open(table));
    // A game ends while the window is open: Dan now leads the table.
    Play(table, {"W Dan 3", "W Dan 3"});
    ClickRow(*dlg, 2);  // the window still shows Cid in row 3

    BoxWatcher boxes(QMessageBox::Yes);
    QTest::mouseClick(dlg->m_btnDelete, Qt::LeftButton);

    QCOMPARE(boxes.count, 1);
    QVERIFY(boxes.text.contains(QStringLiteral("\"Cid\"")));
    QCOMPARE(table.GetCount(), 3);
    QCOMPARE(QString::fromStdString(table.GetName(0)), QStringLiteral("Dan"));
    QCOMPARE(QString::fromStdString(table.GetName(1)), QStringLiteral("Ann"));
    QCOMPARE(QString::fromStdString(table.GetName(2)), QStringLiteral("Bob"));
    QCOMPARE(Shown(*dlg).mid(0, 4),
             (QStringList{"1|Dan|2|0|20", "2|Ann|1|0|10", "3|Bob|1|0|5", "4||||"}));
}

void TestScoresDlg::closedWindowFreesItself_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK") << "ok";
    QTest::newRow("Esc") << "esc";
    QTest::newRow("the close box") << "close";
}

void TestScoresDlg::closedWindowFreesItself()
{
    QFETCH(QString, how);
    CRecordTable table;
    Play(table, {"W Ann 3"});
    QPointer<CScoresDlg> dlg = Open(table);
    QVERIFY(!dlg->isModal());
    QSignalSpy finished(dlg.data(), &QDialog::finished);

    if (how == QLatin1String("ok"))
        QTest::mouseClick(dlg->m_btnOK, Qt::LeftButton);
    else if (how == QLatin1String("esc"))
        QTest::keyClick(dlg.data(), Qt::Key_Escape);
    else
        dlg->close();

    QCOMPARE(finished.count(), 1);
    QTRY_VERIFY(dlg.isNull());
}

void TestScoresDlg::severalWindowsAtOnce()
{
    CRecordTable table;
    Play(table, {"W Ann 3"});
    Window first(Open(table));
    Play(table, {"W Bob 3", "W Bob 3"});
    Window second(Open(table));

    // Each shows the table as it stood when it was opened.
    QCOMPARE(Shown(*first).first(), QStringLiteral("1|Ann|1|0|10"));
    QCOMPARE(Shown(*second).first(), QStringLiteral("1|Bob|2|0|20"));
    QVERIFY(first->isVisible() && second->isVisible());
}

QTEST_MAIN(TestScoresDlg)
#include "tst_scoresdlg.moc"
