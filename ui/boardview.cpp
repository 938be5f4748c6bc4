#include "ui/boardview.h"

#include "ui/boardaccess.h"
#include "ui/gamedlg.h"

#include <QMouseEvent>
#include <QPainter>

CBoardView::CBoardView(CGameDlg* dlg) : QWidget(dlg), m_dlg(dlg)
{
    setFixedSize(MAIN_CLIENT_WIDTH, MAIN_CLIENT_HEIGHT);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    InstallBoardAccess();
}

void CBoardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_dlg->PaintClient(painter);
}

void CBoardView::mouseMoveEvent(QMouseEvent* event)
{
    m_dlg->OnPointerMoved(event->globalPosition().toPoint());
}

void CBoardView::mousePressEvent(QMouseEvent*)
{
    m_dlg->HideCellCursor();
}

void CBoardView::mouseReleaseEvent(QMouseEvent* event)
{
    m_dlg->HideCellCursor();
    if (event->button() == Qt::LeftButton)
        m_dlg->OnLButtonUp(0, event->position().toPoint().x(), event->position().toPoint().y());
}

void CBoardView::enterEvent(QEnterEvent*)
{
    m_dlg->UpdateCursor();
}
