// The "Top 10" window: rows from the table of records, headings, removal.
#include "store/records.h"
#include "store/settings.h"
#include "store/tempprofile.h"
#include "support/modal.h"
#include "ui/language.h"
#include "ui/scoresdlg.h"

#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

// Opens the window the way the main window does.
std::unique_ptr<CScoresDlg> Open(CRecordTable& table)
{
    auto dlg = std::make_unique<CScoresDlg>(nullptr, &table);
    for (int i = 0; i < table.GetCount(); ++i)
        dlg->AddRow(table.GetName(i), table.GetWins(i), table.GetLosses(i), table.GetScore(i));
    dlg->show();
    return dlg;
}

// The rows as read: cells split by "|", rows by " / ", "+N empty" for the rest.
QString Shown(const CScoresDlg& dlg)
{
    QStringList rows;
    int empty = 0;
    for (int r = 0; r < dlg.m_list->topLevelItemCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < dlg.m_list->columnCount(); ++c)
            cells << dlg.m_list->topLevelItem(r)->text(c);
        const bool blank = cells.mid(1).join("").isEmpty() && cells[0] == QString::number(r + 1);
        empty += blank;
        if (!blank)
            rows << cells.join('|');
    }
    return rows.join(" / ") + QStringLiteral(" +%1 empty").arg(empty);
}

void ClickRow(CScoresDlg& dlg, int row)
{
    const QRect rect = dlg.m_list->visualItemRect(dlg.m_list->topLevelItem(row));
    QTest::mouseClick(dlg.m_list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(rect.left() + 40, rect.center().y()));
}

} // namespace

class TestScoresDlg : public QObject {
    Q_OBJECT
private slots:
    void init() { English = 1, UseLanguage(true); }

    void rowsShowTheTable_data()
    {
        QTest::addColumn<QStringList>("wins");    // "name level" for each win, then
        QTest::addColumn<QStringList>("losses");  // the same for each loss
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty table: ten numbered rows") << QStringList() << QStringList() << " +10 empty";
        QTest::newRow("three records, best first") << QStringList{"Ann 1", "Bob 3", "Cid 2"} << QStringList{"Ann 1"}
                                                   << "1|Bob|1|0|10 / 2|Cid|1|0|5 / 3|Ann|1|1|0 +7 empty";
        QTest::newRow("a negative score") << QStringList() << QStringList{"Bob 3"} << "1|Bob|0|1|-10 +9 empty";
    }
    void rowsShowTheTable()
    {
        QFETCH(QStringList, wins);
        QFETCH(QStringList, losses);
        CRecordTable table;
        for (const QString& win : wins)
            table.AddWin(win.section(' ', 0, 0).toStdString(), win.section(' ', 1).toInt());
        for (const QString& loss : losses)
            table.AddLoss(loss.section(' ', 0, 0).toStdString(), loss.section(' ', 1).toInt());
        QTEST(Shown(*Open(table)), "shown");
    }

    void headingsFollowTheLanguageAndNeverSort_data()
    {
        QTest::addColumn<int>("english");
        QTest::addColumn<QString>("words");  // caption, Delete, the headings
        QTest::newRow("English") << 1 << "Top 10|Delete|№|Name|Win|Lose|Score";
        QTest::newRow("Russian") << 0 << "Лучшая десятка|Удалить|№|Имя|Побед|Поражений|Очки";
    }
    void headingsFollowTheLanguageAndNeverSort()
    {
        QFETCH(int, english);
        English = english;
        UseLanguage(english != 0);
        CRecordTable table;
        table.AddWin("Zed", 3);
        table.AddWin("Amy", 2);
        auto dlg = Open(table);
        QStringList words{dlg->windowTitle(), dlg->m_btnDelete->text()};
        for (int c = 0; c < dlg->m_list->columnCount(); ++c)
            words << dlg->m_list->headerItem()->text(c);
        QTEST(words.join('|'), "words");

        QHeaderView* header = dlg->m_list->header();
        for (int c = 0; c < 5; ++c) {
            const QPoint middle(header->sectionViewportPosition(c) + header->sectionSize(c) / 2, header->height() / 2);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, middle);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, middle);
        }
        QCOMPARE(Shown(*dlg), QStringLiteral("1|Zed|1|0|10 / 2|Amy|1|0|5 +8 empty"));
    }

    void deleteAsksThenRemovesAndSaves_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Yes removes Bob") << 1 << true << "Bob" << "1|Ann|1|0|10 / 2|Cid|1|0|1 +8 empty";
        QTest::newRow("No keeps Cid") << 2 << false << "Cid" << "1|Ann|1|0|10 / 2|Bob|1|0|5 / 3|Cid|1|0|1 +7 empty";
    }
    void deleteAsksThenRemovesAndSaves()
    {
        QFETCH(int, row);
        QFETCH(bool, yes);
        QFETCH(QString, name);
        TempProfile profile;
        CRecordTable table;
        table.AddWin("Ann", 3);
        table.AddWin("Bob", 2);
        table.AddWin("Cid", 1);
        auto dlg = Open(table);
        QVERIFY(!dlg->m_btnDelete->isEnabled());
        ClickRow(*dlg, row);
        QString question;
        WhenModal<QMessageBox>([&](QMessageBox* box) {
            question = box->text();
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        QTest::mouseClick(dlg->m_btnDelete, Qt::LeftButton);
        QCOMPARE(question, "Delete the player \"" + name + "\" from the table of records?");
        QTEST(Shown(*dlg), "shown");
        QCOMPARE(profile.Stored({"Records/count"}), QStringList(yes ? "Records/count=2" : "Records/count"));
    }
};

QTEST_MAIN(TestScoresDlg)
#include "tst_scoresdlg.moc"
