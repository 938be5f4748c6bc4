#include "ui/resultdlg.h"

#include "game/resources.h"
#include "ui/dialogids.h"
#include "ui/dlgunits.h"
#include "ui/pictures.h"

#include <QLabel>
#include <QPushButton>

CResultDlg::CResultDlg(QWidget* parent, int pictureId, int heightDlu, int okTopDlu)
    : QDialog(parent)
{
    setFixedSize(DluX(261), DluY(heightDlu));
    setWindowTitle(QStringLiteral("Tidebolt"));

    m_btnOK = new QPushButton(QStringLiteral("OK"), this);
    m_btnOK->setObjectName(QStringLiteral("IDOK"));
    m_btnOK->setGeometry(DluRect(105, okTopDlu, 50, 14));
    m_btnOK->setDefault(true);
    connect(m_btnOK, &QPushButton::clicked, this, &QDialog::accept);

    // The picture keeps its own size at the area's top-left, as a static
    // picture control shows it: the 247 x 81 area is 371 x 132 pixels, so the
    // 370 x 131 pictures fit whole and scaling would only blur their letters.
    m_picture = new QLabel(this);
    m_picture->setGeometry(DluRect(7, 7, 247, 81));
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picture->setPixmap(Picture(pictureId));
}

int CResultDlg::DoModal()
{
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

CWinDlg::CWinDlg(QWidget* parent)
    : CResultDlg(parent, IDB_WIN, 109, 88)
{
}

CLoseDlg::CLoseDlg(QWidget* parent)
    : CResultDlg(parent, IDB_LOSE, 110, 89)
{
}
