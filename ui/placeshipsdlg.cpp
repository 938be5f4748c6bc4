#include "ui/placeshipsdlg.h"

#include "game/globals.h"
#include "ui/boardview.h"
#include "ui/dialogids.h"
#include "ui/dlgunits.h"
#include "ui/messagebox.h"
#include "ui/placeboard.h"
#include "ui/qtdrawcontext.h"
#include "ui/windowframe.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace {

constexpr int CLIENT_WIDTH = 501;
constexpr int CLIENT_HEIGHT = 380;
constexpr int BOARD_SHIFT = 350;   // this board stands that far left of player one's
const CRect FRAME_RECT{11, 11, 11 + 374, 11 + 358};
// Where player one's board stands once the main window has measured its frame.
const CRect DEFAULT_MAIN_BOARD{405, 51, 665, 311};

CRect BoardRectFromPlayerOne()
{
    CRect rc = PlayerOne.m_rcBoard;
    // Before the main window has placed its boards the dialog still needs a board.
    if (rc == CRect{})
        rc = DEFAULT_MAIN_BOARD;
    rc.left -= BOARD_SHIFT;
    rc.right -= BOARD_SHIFT;
    return rc;
}

QPushButton* MakeButton(QWidget* parent, const char* objectName)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(objectName));
    // Enter means OK whichever button has the focus: a button that took the
    // default along with the focus would let Enter cancel a hand-placed
    // fleet once a drag had disabled OK and moved the focus on to Cancel.
    button->setAutoDefault(false);
    return button;
}

// A button at its template place, widened only as far as its text needs:
// the style's own minimum width would widen the window at any font.
void PlaceButton(QPushButton* button, const QRect& rc)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = QRect(QPoint(0, 0), rc.size());
    const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const int need = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
    button->setGeometry(rc.x(), rc.y(), rc.width() + std::max(0, need - room.width()),
                        std::max(rc.height(), button->sizeHint().height()));
}

} // namespace

CPlaceShipsDlg::CPlaceShipsDlg(QWidget* parent)
    : QDialog(parent)
{
    setFixedSize(CLIENT_WIDTH, CLIENT_HEIGHT);
    // Template order; the board widget sets the tab order.
    m_btnOK = MakeButton(this, "IDOK");
    m_btnCancel = MakeButton(this, "IDCANCEL");
    m_btnRandom = MakeButton(this, "IDC_RANDOM");
    m_help = new QLabel(this);
    m_help->setObjectName(QStringLiteral("IDC_HELPTEXT"));
    m_help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_help->setTextFormat(Qt::PlainText);
    m_keysHelp = new QLabel(this);
    m_keysHelp->setObjectName(QStringLiteral("IDC_KEYSHELP"));
    m_keysHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_keysHelp->setTextFormat(Qt::PlainText);
    m_btnOK->setDefault(true);

    m_board = new CPlaceBoard(m_layout, FRAME_RECT, this);
    // The board first, then the buttons as they stand from top to bottom:
    // the order in which the eye meets them.
    setTabOrder(m_board, m_btnOK);
    setTabOrder(m_btnOK, m_btnRandom);
    setTabOrder(m_btnRandom, m_btnCancel);
    connect(m_board, &CPlaceBoard::changed, this, [this] {
        Redraw();
        UpdateOK();
    });

    connect(m_btnOK, &QPushButton::clicked, this, &CPlaceShipsDlg::OnOK);
    connect(m_btnCancel, &QPushButton::clicked, this, &CPlaceShipsDlg::OnCancel);
    connect(m_btnRandom, &QPushButton::clicked, this, &CPlaceShipsDlg::OnRandom);
}

int CPlaceShipsDlg::DoModal()
{
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CPlaceShipsDlg::OnInitDialog()
{
    m_bInitDone = true;
    m_rcFrame = FRAME_RECT;
    SetTexts();
    LayOut();
    m_layout.m_rcBoard = BoardRectFromPlayerOne();
    m_layout.Shuffle();
    Redraw();
    UpdateOK();
}

void CPlaceShipsDlg::SetTexts()
{
    setWindowTitle(tr("Placing ships"));
    m_help->setText(tr("Left MB :\n   Move\n\nRight MB :\n   Rotate"));
    //: Below the mouse help, in the same layout: the keys that work the board.
    m_keysHelp->setText(tr("Tab :\n   Next ship\nArrows :\n   Move\nR, Space :\n   Rotate"));
    m_btnOK->setText(tr("OK"));
    m_btnCancel->setText(tr("Cancel"));
    m_btnRandom->setText(tr("Random"));
}

void CPlaceShipsDlg::changeEvent(QEvent* event)
{
    // Before the first showing there is nothing laid out to refit.
    if (event->type() == QEvent::LanguageChange && m_bInitDone) {
        SetTexts();
        LayOut();
    }
    QDialog::changeEvent(event);
}

void CPlaceShipsDlg::LayOut()
{
    const QScreen* screen = this->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    const QMargins frame = WindowFrame(*this);
    const auto fits = [&](const QSize& size) { return area.contains(QRect(area.topLeft(), size.grownBy(frame))); };
    // The fleet looks the same size here as on the board it will sail on.
    int most = 0;
    for (const QWidget* w = parentWidget(); w && !most; w = w->parentWidget()) {
        if (const auto* game = w->findChild<const CBoardView*>())
            most = game->Multiple();
    }
    int n = 1;
    while ((most == 0 || n < most) && fits(Arrange(n + 1)))
        ++n;
    setFixedSize(Arrange(n));
}

QSize CPlaceShipsDlg::Arrange(int multiple)
{
    const qreal dpr = screen() ? screen()->devicePixelRatio() : devicePixelRatioF();
    const QSize board = CPixelView::SizeFor(multiple, dpr, QSize(m_rcFrame.Width(), m_rcFrame.Height()));
    m_board->setGeometry(QRect(QPoint(m_rcFrame.left, m_rcFrame.top), board));
    // The board keeps its pixels; the buttons and the help to its right
    // stand as far from it as in the template, take the room their texts
    // need at the desktop's font, and the window widens past its template
    // only as far as a text pushed its control out.
    const int shift = board.width() - m_rcFrame.Width();
    // The keys' help has no place in the template: it takes the room left
    // below the mouse help.
    const QRect templates[] = {TemplateRect(271, 7, 50, 14).translated(shift, 0),
                               TemplateRect(271, 29, 50, 14).translated(shift, 0),
                               TemplateRect(271, 52, 50, 14).translated(shift, 0),
                               TemplateRect(261, 71, 66, 94).translated(shift, 0),
                               TemplateRect(261, 169, 66, 56).translated(shift, 0)};
    PlaceButton(m_btnOK, templates[0]);
    PlaceButton(m_btnRandom, templates[1]);
    PlaceButton(m_btnCancel, templates[2]);
    m_help->setGeometry(QRect(templates[3].topLeft(), templates[3].size().expandedTo(m_help->sizeHint())));
    const QPoint keysAt(templates[4].left(), std::max(templates[4].top(), m_help->geometry().bottom() + 1 + TemplateY(4)));
    m_keysHelp->setGeometry(QRect(keysAt, templates[4].size().expandedTo(m_keysHelp->sizeHint())));
    const QWidget* const column[] = {m_btnOK, m_btnRandom, m_btnCancel, m_help, m_keysHelp};
    int wider = 0;
    int height = CLIENT_HEIGHT + board.height() - m_rcFrame.Height();
    for (int i = 0; i < 5; ++i) {
        wider = std::max(wider, column[i]->geometry().right() - templates[i].right());
        height = std::max(height, column[i]->geometry().bottom() + 1 + TemplateY(7));
    }
    return QSize(CLIENT_WIDTH + shift + wider, height);
}

void CPlaceShipsDlg::OnOK()
{
    if (!m_layout.IsValid()) {
        ShowMessage(this, QMessageBox::NoIcon, tr("!"));
        return;
    }
    PlayerOne.TakePlacement(PlaceGrid);
    QDialog::accept();
}

void CPlaceShipsDlg::OnCancel()
{
    QDialog::reject();
}

void CPlaceShipsDlg::OnRandom()
{
    m_layout.Shuffle();
    Redraw();
    UpdateOK();
}

void CPlaceShipsDlg::accept()
{
    OnOK();
}

void CPlaceShipsDlg::reject()
{
    OnCancel();
}

void CPlaceShipsDlg::UpdateOK()
{
    m_btnOK->setEnabled(m_layout.IsValid());
}

void CPlaceShipsDlg::Redraw()
{
    if (m_rcFrame.Width() <= 0 || m_rcFrame.Height() <= 0)
        return;
    m_board->Render(QRect(QPoint(0, 0), m_board->SceneSize()), [this](QPainter& painter) {
        painter.translate(-m_rcFrame.left, -m_rcFrame.top);
        CQtDrawContext dc(painter);
        dc.FillSolidRect(m_rcFrame, BackgroundColour);
        m_layout.Draw(dc);
        // The frame control's own thin black border.
        painter.resetTransform();
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(0, 0, m_rcFrame.Width() - 1, m_rcFrame.Height() - 1);
    });
}

void CPlaceShipsDlg::showEvent(QShowEvent* event)
{
    if (!m_bInitDone)
        OnInitDialog();
    QDialog::showEvent(event);
}
