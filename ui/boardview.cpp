#include "ui/boardview.h"

#include "ui/gamedlg.h"

#include <QMouseEvent>
#include <QPainter>

CBoardView::CBoardView(CGameDlg* dlg) : QWidget(dlg), m_dlg(dlg)
{
    setFixedSize(MAIN_CLIENT_WIDTH, MAIN_CLIENT_HEIGHT);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void CBoardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_dlg->PaintClient(painter);
}

void CBoardView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dlg->OnLButtonUp(0, event->position().toPoint().x(), event->position().toPoint().y());
}

void CBoardView::enterEvent(QEnterEvent*)
{
    m_dlg->UpdateCursor();
}
