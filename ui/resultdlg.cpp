#include "ui/resultdlg.h"

#include "game/resources.h"
#include "game/spokentext.h"
#include "ui/announce.h"
#include "ui/dialogids.h"
#include "ui/dlgunits.h"
#include "ui/freedmemory.h"
#include "ui/pictures.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

CResultDlg::CResultDlg(QWidget* parent, int pictureId)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Tidebolt"));

    // The picture at its own size: scaling would only blur its letters.
    m_picture = new QLabel(this);
    // Loaded for this window alone: once a game, not worth keeping between games.
    m_picture->setPixmap(LoadPicture(pictureId));

    m_btnOK = new QPushButton(tr("OK"), this);
    m_btnOK->setObjectName(QStringLiteral("IDOK"));
    m_btnOK->setMinimumWidth(DluX(50));
    m_btnOK->setDefault(true);
    connect(m_btnOK, &QPushButton::clicked, this, &QDialog::accept);

    // Arranged like the template: the picture, OK centred below it.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(DluX(7), DluY(7), DluX(7), DluY(7));
    layout->setSpacing(0);
    layout->addWidget(m_picture);
    layout->addWidget(m_btnOK, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // The words are only in the picture; a screen reader gets them in the
    // player's language.
    m_picture->setAccessibleName(QString::fromStdString(Phrase(pictureId == IDB_WIN ? SAY_YOU_WIN : SAY_YOU_LOSE)));
}

int CResultDlg::DoModal()
{
    Announce(parentWidget(), m_picture->accessibleName());
    const int result = exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    // The game is over: once this picture has gone too, what the game held
    // goes back to the system.
    QTimer::singleShot(0, &ReturnFreedMemory);
    return result;
}

CWinDlg::CWinDlg(QWidget* parent)
    : CResultDlg(parent, IDB_WIN)
{
}

CLoseDlg::CLoseDlg(QWidget* parent)
    : CResultDlg(parent, IDB_LOSE)
{
}
