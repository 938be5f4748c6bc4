#include "ui/aboutdlg.h"

#include "game/resources.h"
#include "store/settings.h"
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

// Below the program's name and version, which come from the build.
const char* const CREDIT_EN =
    "Orvex software, 2025\u20132026\n"
    "\n"
    "Petrozavodsk, Petrozavodsk State University, group 22405\n"
    "\n"
    "Made with C++ and Qt 6";

const char* const CREDIT_RU =
    "Orvex software, 2025\u20132026\n"
    "\n"
    "Петрозаводск, Петрозаводский государственный университет, группа 22405\n"
    "\n"
    "Сделано на C++ и Qt 6";

const char* const AUTHOR_EN = "Andrei Sokolov";
const char* const AUTHOR_RU = "Андрей Соколов";

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Tidebolt"));

    m_credit = new QLabel(this);
    m_credit->setObjectName(QStringLiteral("IDC_CREDIT"));
    m_credit->setTextFormat(Qt::PlainText);
    m_credit->setWordWrap(true);
    m_credit->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_credit->setFixedWidth(DluX(129));

    m_btnOK = new QPushButton(QStringLiteral("OK"), this);
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
}

int CAboutDlg::DoModal()
{
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CAboutDlg::OnInitDialog()
{
    m_bInitDone = true;
    const QString heading = QStringLiteral("Tidebolt %1\n\n").arg(QCoreApplication::applicationVersion());
    if (English) {
        setWindowTitle(QStringLiteral("About Tidebolt"));
        m_author->setText(QString::fromUtf8(AUTHOR_EN));
        m_credit->setText(heading + QString::fromUtf8(CREDIT_EN));
    } else {
        setWindowTitle(QStringLiteral("Про автора"));
        m_author->setText(QString::fromUtf8(AUTHOR_RU));
        m_credit->setText(heading + QString::fromUtf8(CREDIT_RU));
    }
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
