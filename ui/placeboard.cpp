#include "ui/placeboard.h"

#include "game/player.h"
#include "game/shiplayout.h"
#include "game/spokentext.h"
#include "ui/announce.h"
#include "ui/placeaccess.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

CPlaceBoard::CPlaceBoard(CShipLayout& layout, const CRect& frame, QWidget* parent)
    : CPixelView(QSize(frame.Width(), frame.Height()), parent), m_layout(layout), m_frameOrigin(frame.left, frame.top)
{
    InstallPlaceBoardAccess();   // before anything asks for this widget's accessible object
    setObjectName(QStringLiteral("IDC_BOARD"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QString::fromStdString(Phrase(SAY_YOUR_FLEET)));
    // Read out after the name, unlike "What's this?", which readers leave alone.
    setAccessibleDescription(QString::fromStdString(Phrase(SAY_PLACEMENT_KEYS)));
}

QPoint CPlaceBoard::ToLayout(const QPointF& pos) const
{
    return ToScene(pos) + m_frameOrigin;
}

QRect CPlaceBoard::CellRect(int row, int col) const
{
    const CRect& rc = m_layout.m_rcBoard;
    const QPoint inside(rc.left + CELL_PITCH * col + 1, rc.top + CELL_PITCH * row + 1);
    return FromScene(QRect(inside - m_frameOrigin, QSize(CELL_PITCH - 1, CELL_PITCH - 1)));
}

bool CPlaceBoard::CellAt(const QPointF& pos, int& row, int& col) const
{
    const QPoint p = ToLayout(pos);
    return m_layout.CellFromPoint(p.x(), p.y(), row, col);
}

void CPlaceBoard::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint p = ToLayout(event->position());
        m_layout.PickShip(p.x(), p.y());
    }
}

void CPlaceBoard::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton) {
        const QPoint p = ToLayout(event->position());
        m_layout.DragTo(p.x(), p.y());
        emit changed();
    }
}

void CPlaceBoard::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = ToLayout(event->position());
    if (event->button() == Qt::LeftButton) {
        m_layout.Drop();
        emit changed();
    } else if (event->button() == Qt::RightButton) {
        m_layout.RotateAt(p.x(), p.y());
        emit changed();
    }
}

void CPlaceBoard::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The dialog opens with the keys on the board; Enter still means OK.
    m_bOpening = true;
    setFocus(Qt::OtherFocusReason);
}

bool CPlaceBoard::focusNextPrevChild(bool next)
{
    const int picked = m_layout.m_nPicked;
    const int last = CShipLayout::SHIP_COUNT - 1;
    if (picked < 0) {
        Pick(next ? 0 : last);
        return true;
    }
    if (next ? picked < last : picked > 0) {
        Pick(picked + (next ? 1 : -1));
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void CPlaceBoard::keyPressEvent(QKeyEvent* event)
{
    CShipLayout& layout = m_layout;
    int dr = 0;
    int dc = 0;
    switch (event->key()) {
    case Qt::Key_Left: dc = -1; break;
    case Qt::Key_Right: dc = 1; break;
    case Qt::Key_Up: dr = -1; break;
    case Qt::Key_Down: dr = 1; break;
    case Qt::Key_R:
    case Qt::Key_Space: break;
    default:
        QWidget::keyPressEvent(event);   // Enter, Esc and the rest go to the dialog
        return;
    }
    // A key before any Tab takes hold of the first ship rather than doing nothing.
    if (layout.m_nPicked < 0) {
        Pick(0);
        return;
    }
    if (dr != 0 || dc != 0)
        layout.MovePicked(dr, dc);
    else
        layout.TurnPicked();
    Changed();
}

void CPlaceBoard::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    // Qt may hand the opening dialog's focus over as if by Tab; no ship is
    // picked until the player asks.
    if (m_bOpening) {
        m_bOpening = false;
        return;
    }
    if (event->reason() == Qt::TabFocusReason)
        Pick(0);
    else if (event->reason() == Qt::BacktabFocusReason)
        Pick(CShipLayout::SHIP_COUNT - 1);
}

void CPlaceBoard::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    // A message box or a menu over the dialog keeps the pick; leaving the
    // board for a button drops it.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        Pick(-1);
}

void CPlaceBoard::Pick(int ship)
{
    m_layout.m_nPicked = ship;
    Changed();
}

void CPlaceBoard::Changed()
{
    emit changed();
    const CShipLayout& layout = m_layout;
    if (layout.m_nPicked < 0)
        return;
    const CPlacedShip& ship = layout.m_ships[layout.m_nPicked];
    int lastRow, lastCol;
    ship.CellAt(ship.m_nLength - 1, lastRow, lastCol);
    Announce(this, QString::fromStdString(PlacedShipText(ship.m_nLength, ship.m_nRow, ship.m_nCol, lastRow,
                                                         lastCol, !layout.IsValid())));
}
