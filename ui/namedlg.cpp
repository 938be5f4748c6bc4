#include "ui/namedlg.h"

#include "game/player.h"
#include "net/cp1251.h"
#include "store/records.h"
#include "ui/dialogids.h"
#include "ui/dlgunits.h"
#include "ui/messagebox.h"
#include "ui/placeshipsdlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

CNameDlg::CNameDlg(QWidget* parent)
    : QDialog(parent)
{
    m_btnOK = new QPushButton(this);
    m_btnOK->setObjectName(QStringLiteral("IDOK"));
    m_btnOK->setDefault(true);
    m_btnOK->setMinimumWidth(DluX(50));

    m_combo = new QComboBox(this);
    m_combo->setObjectName(QStringLiteral("IDC_NAME"));
    m_combo->setEditable(true);
    // Enter confirms the dialog; it must not also grow the list of names.
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setMinimumWidth(DluX(102));

    m_btnPutShips = new QPushButton(this);
    m_btnPutShips->setObjectName(QStringLiteral("IDC_PUTSHIPS"));
    m_btnPutShips->setMinimumWidth(DluX(84));
    m_btnPutShips->setAutoDefault(false);

    // Arranged like the template: the name and OK on one line, the
    // placement button centred below.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(DluX(7), DluY(10), DluX(7), DluY(7));
    grid->setHorizontalSpacing(DluX(21));
    grid->setVerticalSpacing(DluY(15));
    grid->addWidget(m_combo, 0, 0);
    grid->addWidget(m_btnOK, 0, 1);
    grid->addWidget(m_btnPutShips, 1, 0, 1, 2, Qt::AlignHCenter);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(m_btnOK, m_combo);
    setTabOrder(m_combo, m_btnPutShips);

    connect(m_btnOK, &QPushButton::clicked, this, &CNameDlg::OnOK);
    connect(m_btnPutShips, &QPushButton::clicked, this, &CNameDlg::OnPutShips);
}

void CNameDlg::Setup(std::string* name, CRecordTable* records)
{
    m_pName = name;
    m_strName = name ? *name : std::string();
    m_pRecords = records;
}

int CNameDlg::DoModal()
{
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CNameDlg::OnInitDialog()
{
    m_bInitDone = true;
    SetTexts();
    m_combo->clear();
    if (m_pRecords) {
        for (int i = 0; i < m_pRecords->GetCount(); ++i)
            m_combo->addItem(QString::fromStdString(m_pRecords->GetName(i)));
    }
    // Filling the list picks its first entry; the field shows the current name.
    m_combo->setCurrentIndex(-1);
    m_combo->setEditText(QString::fromStdString(m_strName));
    m_bPlacedByHand = 0;
}

void CNameDlg::SetTexts()
{
    setWindowTitle(tr("Enter your name"));
    m_btnOK->setText(tr("OK"));
    m_btnPutShips->setText(tr("Put the ships"));
    // The hint was written only in Russian and reads so in English too.
    m_btnOK->setToolTip(tr("Начать игру"));
}

void CNameDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        SetTexts();
    QDialog::changeEvent(event);
}

void CNameDlg::showEvent(QShowEvent* event)
{
    if (!m_bInitDone)
        OnInitDialog();
    QDialog::showEvent(event);
    m_combo->setFocus(Qt::OtherFocusReason);
}

void CNameDlg::OnPutShips()
{
    CPlaceShipsDlg dlg(this);
    if (dlg.DoModal() == IDOK)
        m_bPlacedByHand = 1;
}

void CNameDlg::Refuse(const QString& message)
{
    ShowMessage(this, QMessageBox::Warning, message);
    m_combo->setFocus(Qt::OtherFocusReason);
    if (m_combo->lineEdit())
        m_combo->lineEdit()->selectAll();
}

void CNameDlg::OnOK()
{
    const QString text = m_combo->currentText();
    if (text.toUcs4().size() > MAX_NAME_CHARS) {
        Refuse(tr("Please enter no more than %1 characters.").arg(MAX_NAME_CHARS));
        return;
    }
    m_strName = text.toStdString();
    if (m_strName.empty()) {
        m_combo->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The name travels to a network partner as Windows-1251 bytes and must
    // arrive as typed.
    if (!IsWindows1251Text(m_strName)) {
        Refuse(tr("The name contains characters that cannot be used. "
                  "Please use Latin or Cyrillic letters, digits and ordinary signs."));
        return;
    }
    if (m_pName)
        *m_pName = m_strName;
    if (!m_bPlacedByHand)
        PlayerOne.PlaceFleetRandom();
    QDialog::accept();
}

void CNameDlg::accept()
{
    OnOK();
}
