#include "ui/resultdlg.h"

#include "game/resources.h"
#include "game/spokentext.h"
#include "ui/announce.h"
#include "ui/dialogids.h"
#include "ui/dlgunits.h"
#include "ui/pictures.h"

#include <QKeyEvent>
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
    // The words are only in the picture; a screen reader gets them in the
    // player's language.
    m_picture->setAccessibleName(QString::fromUtf8(Phrase(pictureId == IDB_WIN ? SAY_YOU_WIN : SAY_YOU_LOSE)));
}

int CResultDlg::DoModal()
{
    Announce(parentWidget(), m_picture->accessibleName());
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CResultDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

CWinDlg::CWinDlg(QWidget* parent)
    : CResultDlg(parent, IDB_WIN, 109, 88)
{
}

CLoseDlg::CLoseDlg(QWidget* parent)
    : CResultDlg(parent, IDB_LOSE, 110, 89)
{
}
