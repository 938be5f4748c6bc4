#include "ui/boardview.h"

#include "game/player.h"
#include "ui/scenegeometry.h"

#include <QMouseEvent>

CBoardView::CBoardView(QWidget* parent) : CPixelView(QSize(MAIN_CLIENT_WIDTH, MAIN_CLIENT_HEIGHT), parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(SizeFor(1, 1.0));
}

int CBoardView::FittingMultiple(const QSize& deviceArea)
{
    return CPixelView::FittingMultiple(deviceArea, QSize(MAIN_CLIENT_WIDTH, MAIN_CLIENT_HEIGHT));
}

QSize CBoardView::SizeFor(int multiple, qreal dpr)
{
    return CPixelView::SizeFor(multiple, dpr, QSize(MAIN_CLIENT_WIDTH, MAIN_CLIENT_HEIGHT));
}

bool CBoardView::CellAt(const CPlayer& board, const QPointF& pos, int& row, int& col) const
{
    const QPoint p = ToScene(pos);
    col = p.x();
    row = p.y();
    if (board.PointToCell(col, row))
        return true;
    row = col = -1;
    return false;
}

QRect CBoardView::CellRect(const CPlayer& board, int row, int col) const
{
    const CRect& rc = board.m_rcBoard;
    return FromScene(QRect(rc.left + CELL_PITCH * col + 1, rc.top + CELL_PITCH * row + 1, CELL_PITCH - 1,
                           CELL_PITCH - 1));
}

void CBoardView::mouseMoveEvent(QMouseEvent* event)
{
    emit pointerMoved(event->globalPosition().toPoint());
}

void CBoardView::mousePressEvent(QMouseEvent*)
{
    emit mouseUsed();
}

void CBoardView::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseUsed();
    if (event->button() != Qt::LeftButton)
        return;
    int row, col;
    if (CellAt(PlayerTwo, event->position(), row, col))
        emit cellActivated(row, col);
}

void CBoardView::enterEvent(QEnterEvent*)
{
    emit pointerEntered();
}
