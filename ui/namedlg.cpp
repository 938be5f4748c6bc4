#include "ui/namedlg.h"

#include "game/player.h"
#include "net/cp1251.h"
#include "store/records.h"
#include "store/settings.h"
#include "ui/dialogids.h"
#include "ui/dlgunits.h"
#include "ui/placeshipsdlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

CNameDlg::CNameDlg(QWidget* parent)
    : QDialog(parent)
{
    m_btnOK = new QPushButton(QStringLiteral("OK"), this);
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
    if (English) {
        setWindowTitle(QStringLiteral("Enter your name"));
        m_btnPutShips->setText(QStringLiteral("Put the ships"));
    } else {
        setWindowTitle(QStringLiteral("Введите ваше имя"));
        m_btnPutShips->setText(QStringLiteral("Ростановка кораблей"));
    }
    m_combo->clear();
    if (m_pRecords) {
        for (int i = 0; i < m_pRecords->GetCount(); ++i)
            m_combo->addItem(QString::fromStdString(m_pRecords->GetName(i)));
    }
    // Filling the list picks its first entry; the field shows the current name.
    m_combo->setCurrentIndex(-1);
    m_combo->setEditText(QString::fromStdString(m_strName));
    // The hint exists only in Russian and reads the same in both languages.
    m_btnOK->setToolTip(QStringLiteral("Начать игру"));
    m_bPlacedByHand = 0;
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
    QMessageBox::warning(this, QStringLiteral("Tidebolt"), message);
    m_combo->setFocus(Qt::OtherFocusReason);
    if (m_combo->lineEdit())
        m_combo->lineEdit()->selectAll();
}

void CNameDlg::OnOK()
{
    const QString text = m_combo->currentText();
    if (text.toUcs4().size() > MAX_NAME_CHARS) {
        Refuse(QStringLiteral("Please enter no more than %1 characters.").arg(MAX_NAME_CHARS));
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
        Refuse(English
                   ? QStringLiteral("The name contains characters that cannot be used. "
                                    "Please use Latin or Cyrillic letters, digits and ordinary signs.")
                   : QStringLiteral("Имя содержит символы, которые нельзя использовать. "
                                    "Используйте латинские или русские буквы, цифры и обычные знаки."));
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
