#include "ui/aboutdlg.h"

#include "game/resources.h"
#include "ui/dialogids.h"
#include "ui/dlgunits.h"
#include "ui/mediaplayer.h"
#include "ui/pictures.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The program's name and the years are the same in every language; the
// version is the build's own.
const char* const CREDIT_HEAD = "Tidebolt %1\n\nOrvex software, 2025\u20132026\n\n";

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
{
    m_credit = new QLabel(this);
    m_credit->setObjectName(QStringLiteral("IDC_CREDIT"));
    m_credit->setTextFormat(Qt::PlainText);
    m_credit->setWordWrap(true);
    m_credit->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_credit->setFixedWidth(DluX(129));

    m_btnOK = new QPushButton(this);
    m_btnOK->setObjectName(QStringLiteral("IDOK"));
    m_btnOK->setDefault(true);
    m_btnOK->setFixedWidth(DluX(50));
    connect(m_btnOK, &QPushButton::clicked, this, &QDialog::accept);

    m_icon = new QLabel(this);
    const QPixmap icon = Icon(IDI_TIDEBOLT).pixmap(32, 32);
    m_icon->setPixmap(icon);
    // A static icon takes the icon's own size: the template's box of
    // 20 x 20 units is narrower than 32 pixels and would cut it.
    m_icon->setFixedSize(icon.deviceIndependentSize().toSize());

    m_author = new QLabel(this);
    m_author->setObjectName(QStringLiteral("IDC_AUTHOR"));
    m_author->setTextFormat(Qt::PlainText);

    m_player = new CMediaPlayer2(this);
    m_player->setFixedSize(DluX(159), DluY(110));

    // Arranged like the template: the credit at the left, OK and the icon at
    // the right, the author's name below, the film at the bottom.
    auto* side = new QVBoxLayout;
    side->setSpacing(DluY(24));
    side->addWidget(m_btnOK);
    side->addWidget(m_icon, 0, Qt::AlignHCenter);
    side->addStretch();

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(DluX(7), DluY(8), DluX(7), DluY(7));
    grid->setHorizontalSpacing(DluX(9));
    grid->setVerticalSpacing(DluY(4));
    grid->addWidget(m_credit, 0, 0);
    grid->addLayout(side, 0, 1);
    grid->addWidget(m_author, 1, 0, 1, 2);
    grid->addWidget(m_player, 2, 0, 1, 2, Qt::AlignLeft);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setColumnMinimumWidth(1, DluX(50));
    SetTexts();
}

int CAboutDlg::DoModal()
{
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CAboutDlg::OnInitDialog()
{
    m_bInitDone = true;
    SetTexts();
}

void CAboutDlg::SetTexts()
{
    setWindowTitle(tr("About Tidebolt"));
    m_btnOK->setText(tr("OK"));
    m_author->setText(tr("Andrei Sokolov"));
    m_credit->setText(QString::fromUtf8(CREDIT_HEAD).arg(QCoreApplication::applicationVersion())
                      + tr("Petrozavodsk, Petrozavodsk State University, group 22405") + QStringLiteral("\n\n")
                      + tr("Made with C++ and Qt 6"));
}

void CAboutDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        SetTexts();
    QDialog::changeEvent(event);
}

void CAboutDlg::showEvent(QShowEvent* event)
{
    if (!m_bInitDone)
        OnInitDialog();
    QDialog::showEvent(event);
}

void CAboutDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
