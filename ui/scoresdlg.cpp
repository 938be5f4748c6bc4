#include "ui/scoresdlg.h"

#include "store/records.h"
#include "store/settings.h"
#include "ui/dlgunits.h"
#include "ui/messagebox.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int COLUMNS = 5;
constexpr int NAME_COLUMN = 1;

// The widths are the templates' least; a column grows to what its heading
// and cells need in any language.
struct Column {
    const char* heading;
    int englishWidth;
    int russianWidth;
    Qt::Alignment alignment;
};

constexpr Column COLUMN_TABLE[COLUMNS] = {
    {QT_TRANSLATE_NOOP("CScoresDlg", "№"), 30, 30, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("CScoresDlg", "Name"), 160, 160, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("CScoresDlg", "Win"), 60, 50, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("CScoresDlg", "Lose"), 60, 70, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("CScoresDlg", "Score"), 60, 60, Qt::AlignLeft},
};

const QColor TEXT_COLOUR(0, 0, 200);
const QColor TEXT_BACKGROUND(220, 250, 250);

} // namespace

CScoresDlg::CScoresDlg(QWidget* parent, CRecordTable* records)
    : QDialog(parent)
    , m_pRecords(records)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    m_btnOK = new QPushButton(this);
    m_btnOK->setDefault(true);
    m_btnOK->setMinimumWidth(DluX(50));
    m_list = new QTreeWidget(this);
    m_btnDelete = new QPushButton(this);
    m_btnDelete->setMinimumWidth(DluX(50));

    m_list->setColumnCount(COLUMNS);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSortingEnabled(false);
    m_list->header()->setSectionsClickable(false);
    m_list->header()->setSectionsMovable(false);
    m_list->header()->setStretchLastSection(false);
    // FitList makes room for every row and column; a scroll bar shown for a
    // moment while the list was still small would only hide some of them.
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // Arranged like the template: the list, OK centred below it and
    // "Delete" at its right edge.
    auto* buttons = new QGridLayout;
    buttons->addWidget(m_btnOK, 0, 1);
    buttons->addWidget(m_btnDelete, 0, 2, Qt::AlignRight);
    buttons->setColumnStretch(0, 1);
    buttons->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(DluX(7), DluY(7), DluX(7), DluY(7));
    layout->setSpacing(DluY(7));
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_btnOK, &QPushButton::clicked, this, &CScoresDlg::accept);
    connect(m_btnDelete, &QPushButton::clicked, this, &CScoresDlg::OnDelete);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &CScoresDlg::OnClickList);

    OnInitDialog();
    // As wide left of OK as "Delete" in its language stands right of it.
    buttons->setColumnMinimumWidth(0, m_btnDelete->sizeHint().expandedTo(m_btnDelete->minimumSize()).width());
    InsertColumns();
    InsertRows();
    m_nRow = 0;
    FitList();
}

void CScoresDlg::SetRecords(CRecordTable* records)
{
    m_pRecords = records;
    OnClickList();
}

void CScoresDlg::OnInitDialog()
{
    SetTexts();
    m_btnDelete->setEnabled(false);
}

void CScoresDlg::SetTexts()
{
    setWindowTitle(tr("Top 10"));
    m_btnOK->setText(tr("OK"));
    m_btnDelete->setText(tr("Delete"));
}

void CScoresDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && m_list) {
        SetTexts();
        InsertColumns();
        FitList();
    }
    QDialog::changeEvent(event);
}

void CScoresDlg::InsertColumns()
{
    QTreeWidgetItem* heading = m_list->headerItem();
    for (int c = 0; c < COLUMNS; ++c) {
        const Column& column = COLUMN_TABLE[c];
        heading->setText(c, tr(column.heading));
        heading->setTextAlignment(c, column.alignment | Qt::AlignVCenter);
    }
}

void CScoresDlg::FitList()
{
    // Each column is as wide as the template asks or its heading and cells
    // need, and the list is exactly as large as its columns and ten rows:
    // every row and every column shows whole, in either language, at any
    // font, without a scroll bar.
    int width = 0;
    for (int c = 0; c < COLUMNS; ++c) {
        const int templateWidth = GameLanguage() == "ru" ? COLUMN_TABLE[c].russianWidth : COLUMN_TABLE[c].englishWidth;
        m_list->resizeColumnToContents(c);
        m_list->setColumnWidth(c, std::max(templateWidth, m_list->columnWidth(c)));
        width += m_list->columnWidth(c);
    }
    const QAbstractItemView* view = m_list;  // where the row's measure is public
    const int rows = view->sizeHintForRow(0) * CRecordTable::SHOWN;
    const int frame = 2 * m_list->frameWidth();
    m_list->setFixedSize(width + frame, m_list->header()->sizeHint().height() + rows + frame);
}

void CScoresDlg::InsertRows()
{
    for (int row = 0; row < CRecordTable::SHOWN; ++row) {
        auto* item = new QTreeWidgetItem(m_list);
        for (int c = 0; c < COLUMNS; ++c) {
            item->setTextAlignment(c, COLUMN_TABLE[c].alignment | Qt::AlignVCenter);
            item->setForeground(c, TEXT_COLOUR);
            item->setBackground(c, TEXT_BACKGROUND);
        }
        item->setText(0, QString::number(row + 1));
    }
}

void CScoresDlg::AddRow(const std::string& name, int wins, int losses, int score)
{
    QTreeWidgetItem* item = m_list->topLevelItem(m_nRow);
    if (!item)
        return;
    item->setText(1, QString::fromStdString(name));
    item->setText(2, QString::number(wins));
    item->setText(3, QString::number(losses));
    item->setText(4, QString::number(score));
    ++m_nRow;
    FitList();
    OnClickList();
}

void CScoresDlg::ClearRows()
{
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = m_list->topLevelItem(row);
        for (int c = 1; c < COLUMNS; ++c)
            item->setText(c, QString());
    }
    m_nRow = 0;
}

void CScoresDlg::FillFromTable()
{
    m_list->clearSelection();
    ClearRows();
    for (int i = 0; i < m_pRecords->GetCount(); ++i)
        AddRow(m_pRecords->GetName(i), m_pRecords->GetWins(i), m_pRecords->GetLosses(i),
               m_pRecords->GetScore(i));
    OnClickList();
}

QString CScoresDlg::SelectedName() const
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text(NAME_COLUMN);
}

void CScoresDlg::OnClickList()
{
    m_btnDelete->setEnabled(m_pRecords && !SelectedName().isEmpty());
}

bool CScoresDlg::ConfirmDelete(const QString& name)
{
    const auto answer = ShowMessage(this, QMessageBox::Question,
                                    tr("Delete the player \"%1\" from the table of records?").arg(name),
                                    QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

void CScoresDlg::OnDelete()
{
    const QString name = SelectedName();
    if (!m_pRecords || name.isEmpty() || !ConfirmDelete(name))
        return;
    // The player is looked up by name: the table may have changed since this
    // window was filled, and a row number would then point at someone else.
    const std::string player = name.toStdString();
    for (int i = 0; i < m_pRecords->GetCount(); ++i) {
        if (m_pRecords->GetName(i) == player) {
            m_pRecords->Remove(i);
            m_pRecords->SaveRecords();
            break;
        }
    }
    FillFromTable();
}
