// The main window's size: chosen to fit the screen at start, free to change
// afterwards, and remembered for the next run.
#include "ui/gamedlg.h"

#include "store/settings.h"
#include "ui/boardview.h"
#include "ui/windowframe.h"

#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>

void CGameDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_bSized)
        return;
    m_bSized = true;
    FitToScreen();
    Redraw();   // the view's first picture
}

void CGameDlg::FitToScreen()
{
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const qreal dpr = screen->devicePixelRatio();
    const QRect area = screen->availableGeometry();
    const QMargins told(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                        frameGeometry().right() - geometry().right(),
                        frameGeometry().bottom() - geometry().bottom());
    const QMargins frame = WindowFrame(*this);
    const int menu = m_menuBar->sizeHint().height();
    const auto windowSize = [menu](const QSize& view) { return view + QSize(0, menu); };
    const auto fits = [&](const QSize& size) {
        return size.width() + frame.left() + frame.right() <= area.width()
               && size.height() + frame.top() + frame.bottom() <= area.height();
    };
    m_client->setMinimumSize(CBoardView::SizeFor(1, dpr));
    layout()->activate();   // the window's own minimum follows at once
    // A window shown maximised has its size from the window manager.
    if (isMaximized())
        return;

    QSize size = windowSize(CBoardView::SizeFor(1, dpr));
    for (int n = 2; fits(windowSize(CBoardView::SizeFor(n, dpr))); ++n)
        size = windowSize(CBoardView::SizeFor(n, dpr));
    // The player's own size wins while it still fits this screen.
    const QSize remembered(WindowWidth, WindowHeight);
    if (remembered.isValid() && !remembered.isEmpty() && fits(remembered))
        size = remembered.expandedTo(size.boundedTo(minimumSizeHint()));
    resize(size);
    // Centred on the free area, but never with the title bar above its top.
    const QSize outer = size + QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QPoint corner(area.left() + std::max(0, (area.width() - outer.width()) / 2),
                        area.top() + std::max(0, (area.height() - outer.height()) / 2));
    // move() places the frame the platform has told of; a title bar yet to
    // come still finds its room above.
    move(corner + QPoint(frame.left() - told.left(), frame.top() - told.top()));
    if (WindowMaximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void CGameDlg::RememberSize()
{
    WindowMaximized = isMaximized() ? 1 : 0;
    // A maximised window is remembered by its size from before.
    const QSize size = isMaximized() ? normalGeometry().size() : this->size();
    if (!size.isValid() || size.isEmpty())
        return;
    WindowWidth = size.width();
    WindowHeight = size.height();
}
