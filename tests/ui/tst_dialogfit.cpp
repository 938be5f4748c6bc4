// Every dialog at the desktop fonts players use, in every language: no text
// cut, no column narrower than its contents, no row of the scores hidden.
#include "net/qt/netconnection.h"
#include "store/records.h"
#include "store/settings.h"
#include "ui/aboutdlg.h"
#include "ui/chatpanel.h"
#include "ui/language.h"
#include "ui/messagebox.h"
#include "ui/namedlg.h"
#include "ui/netdlg.h"
#include "ui/optionsdlg.h"
#include "ui/placeshipsdlg.h"
#include "ui/resultdlg.h"
#include "ui/scoresdlg.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QXmlStreamReader>
#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {

QString Describe(const QWidget* widget, const QString& text)
{
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(widget->metaObject()->className()), text);
}

// The room a control's style gives its text, and the text's own size in
// the control's font.
struct Fit {
    QRect room;
    QSize need;
};

Fit LabelFit(const QLabel* label)
{
    const QRect room = label->contentsRect();
    const QFontMetrics metrics(label->font());
    const QSize need = label->wordWrap()
        ? metrics.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, label->text()).size()
        : metrics.size(Qt::TextExpandTabs, label->text());
    return {room, need};
}

Fit ButtonFit(const QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(button))
        contents = QStyle::SE_RadioButtonContents;
    return {button->style()->subElementRect(contents, &option, button),
            QFontMetrics(button->font()).size(Qt::TextShowMnemonic, button->text())};
}

Fit GroupTitleFit(const QGroupBox* box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    // The title's place may run past the frame; what the box shows is its own
    // rectangle. The style gives the title room for its ink, not its advance
    // (a last letter's bearing may reach past it unseen), so the ink is what must fit.
    const QRect ink = QFontMetrics(box->font()).boundingRect(box->title());
    return {label.intersected(box->rect()), QSize(ink.x() + ink.width(), ink.height())};
}

// Headings and cells against their columns, and the ten rows against the
// list's window onto them.
QStringList ListCuts(const QTreeWidget* list)
{
    QStringList cut;
    const QHeaderView* header = list->header();
    const int headingMargin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int cellMargin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const QFontMetrics headingFont(header->font());
    const QFontMetrics cellFont(list->font());
    int columnsWidth = 0;
    for (int c = 0; c < list->columnCount(); ++c) {
        const int room = header->sectionSize(c);
        columnsWidth += room;
        const QString heading = list->headerItem()->text(c);
        if (room < headingFont.horizontalAdvance(heading) + 2 * headingMargin)
            cut << QStringLiteral("heading \"%1\" in %2 px").arg(heading).arg(room);
        for (int r = 0; r < list->topLevelItemCount(); ++r) {
            const QString cell = list->topLevelItem(r)->text(c);
            if (room < cellFont.horizontalAdvance(cell) + 2 * cellMargin)
                cut << QStringLiteral("cell \"%1\" in %2 px").arg(cell).arg(room);
        }
    }
    const QRect shown = list->viewport()->rect();
    if (columnsWidth > shown.width())
        cut << QStringLiteral("columns %1 px in a list %2 px wide").arg(columnsWidth).arg(shown.width());
    const int rows = list->topLevelItemCount();
    if (rows == 0 || !shown.contains(list->visualItemRect(list->topLevelItem(rows - 1))))
        cut << QStringLiteral("row %1 hidden").arg(rows);
    return cut;
}

// Everything the window cannot show whole, one line each; empty when it fits.
QStringList Cuts(QWidget* window)
{
    QStringList cut;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        const QRect inWindow(widget->mapTo(window, QPoint(0, 0)), widget->size());
        if (!window->rect().contains(inWindow))
            cut << Describe(widget, widget->objectName()) + " sticks out of its window";
        Fit fit;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty())
            fit = LabelFit(label), text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !button->text().isEmpty())
            fit = ButtonFit(button), text = button->text();
        else if (auto* box = qobject_cast<QGroupBox*>(widget); box && !box->title().isEmpty())
            fit = GroupTitleFit(box), text = box->title();
        else if (auto* list = qobject_cast<QTreeWidget*>(widget))
            cut << ListCuts(list);
        if (!text.isEmpty() && (fit.room.width() < fit.need.width() || fit.room.height() < fit.need.height()))
            cut << QStringLiteral("%1: %2 x %3 shown of %4 x %5")
                       .arg(Describe(widget, text))
                       .arg(fit.room.width()).arg(fit.room.height())
                       .arg(fit.need.width()).arg(fit.need.height());
    }
    return cut;
}

// Ten players, the longest name as long as the name dialog allows.
CRecordTable& TenPlayers()
{
    static CRecordTable table;
    if (table.GetCount() > 0)
        return table;
    const char* const names[] = {"Константин Михайлов", "Wolfgang Amadeus Moz", "Ann", "Bob", "Мария",
                                 "Player", "Капитан Немо", "Xi", "Tom", "Ёж"};
    int wins = 1;
    for (const char* name : names) {
        for (int i = 0; i < wins; ++i)
            table.AddWin(name, 3);
        table.AddLoss(name, 1);
        wins += 11;
    }
    return table;
}

std::unique_ptr<QDialog> Open(const QString& dialog)
{
    if (dialog == "placement")
        return std::make_unique<CPlaceShipsDlg>();
    if (dialog == "name") {
        static std::string name = "Player";
        auto dlg = std::make_unique<CNameDlg>();
        dlg->Setup(&name, &TenPlayers());
        return dlg;
    }
    if (dialog == "options")
        return std::make_unique<COptionsDlg>();
    if (dialog == "scores") {
        CRecordTable& table = TenPlayers();
        auto dlg = std::make_unique<CScoresDlg>(nullptr, &table);
        for (int i = 0; i < table.GetCount(); ++i)
            dlg->AddRow(table.GetName(i), table.GetWins(i), table.GetLosses(i), table.GetScore(i));
        dlg->setAttribute(Qt::WA_DeleteOnClose, false);
        return dlg;
    }
    if (dialog == "win")
        return std::make_unique<CWinDlg>();
    if (dialog == "lose")
        return std::make_unique<CLoseDlg>();
    if (dialog == "about")
        return std::make_unique<CAboutDlg>();
    auto* net = new CNetConnection;
    if (dialog == "chat") {
        auto chat = std::make_unique<CChatPanel>(nullptr, *net);
        net->setParent(chat.get());
        return chat;
    }
    auto dlg = std::make_unique<CNetDlg>(nullptr, *net);
    net->setParent(dlg.get());
    dlg->OnInitDialog();
    if (dialog == "network, client")  // the server's name and Connect show only now
        dlg->findChild<QAbstractButton*>(QStringLiteral("IDC_CLIENT"))->click();
    return dlg;
}

// The help's source text, as the catalogue holds it.
QString HelpSource()
{
    QFile file(QStringLiteral(I18N_DIR "/tidebolt_en.ts"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("source"))
            continue;
        const QString source = xml.readElementText();
        if (source.startsWith(QStringLiteral("Game->New game")))
            return source;
    }
    return {};
}

// What the help box cannot show as laid out: a cell of its table wrapping
// onto a second line, or the table larger than its label.
QString HelpCuts(const QLabel* label)
{
    QTextDocument document;
    document.setDocumentMargin(0);  // as a label lays out its text
    document.setDefaultFont(label->font());
    document.setHtml(label->text());
    document.setTextWidth(label->contentsRect().width());
    QStringList cut;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.layout()->lineCount() > 1)
            cut << QStringLiteral("\"%1\" wraps").arg(block.text());
    }
    const QSize needed = document.size().toSize();
    if (needed.height() > label->contentsRect().height())
        cut << QStringLiteral("%1 px of text in %2 px").arg(needed.height()).arg(label->contentsRect().height());
    return cut.join(QStringLiteral("; "));
}

} // namespace

class TestDialogFit : public QObject {
    Q_OBJECT
private slots:
    void everyTextShowsWhole_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("dialog");
        // Every text comes from the catalogues, so every catalogue is tried.
        const char* const dialogs[] = {"name",    "scores",  "win",     "lose",           "about",
                                       "placement", "options", "network", "network, client", "chat"};
        for (const int points : {9, 10, 11, 12}) {
            for (const QString& language : GameLanguages()) {
                for (const char* dialog : dialogs)
                    QTest::addRow("%s, %d pt, %s", dialog, points, qPrintable(language))
                        << points << language << QString::fromLatin1(dialog);
            }
        }
    }
    void everyTextShowsWhole()
    {
        QFETCH(int, points);
        QFETCH(QString, language);
        QFETCH(QString, dialog);
        QFont font = QApplication::font();
        font.setPointSize(points);
        QApplication::setFont(font);
        ChooseLanguage(language.toStdString());
        UseLanguage(language);
        const std::unique_ptr<QDialog> dlg = Open(dialog);
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
        QCOMPARE(Cuts(dlg.get()).join(QStringLiteral("; ")), QString());
    }

    // The help's two columns stay side by side, no description wrapping,
    // at the larger fonts where a message box's width runs short first.
    void helpKeepsItsColumns_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("language");
        for (const int points : {11, 12}) {
            for (const QString& language : GameLanguages())
                QTest::addRow("%d pt, %s", points, qPrintable(language)) << points << language;
        }
    }
    void helpKeepsItsColumns()
    {
        QFETCH(int, points);
        QFETCH(QString, language);
        static const QString source = HelpSource();
        QVERIFY(!source.isEmpty());
        QFont font = QApplication::font();
        font.setPointSize(points);
        QApplication::setFont(font);
        UseLanguage(language);
        const QString help = QCoreApplication::translate("CGameDlg", source.toUtf8());
        const auto box = HelpBox(nullptr, QStringLiteral("Help"), help);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        QCOMPARE(HelpCuts(label), QString());
    }
};

QTEST_MAIN(TestDialogFit)
#include "tst_dialogfit.moc"
