#include "ui/boardview.h"

#include "ui/boardaccess.h"
#include "ui/gamedlg.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

// Each scene pixel becomes an n x n block: the 100 % drawing, enlarged
// without any resampling.
QImage Magnified(const QImage& scene, int n)
{
    if (n == 1)
        return scene;
    QImage big(scene.width() * n, scene.height() * n, QImage::Format_RGB32);
    for (int y = 0; y < scene.height(); ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(scene.constScanLine(y));
        QRgb* to = reinterpret_cast<QRgb*>(big.scanLine(y * n));
        for (int x = 0; x < scene.width(); ++x)
            std::fill_n(to + x * n, n, from[x]);
        for (int k = 1; k < n; ++k)
            std::copy_n(to, big.width(), reinterpret_cast<QRgb*>(big.scanLine(y * n + k)));
    }
    return big;
}

}  // namespace

CBoardView::CBoardView(CGameDlg* dlg) : QWidget(dlg), m_dlg(dlg)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    InstallBoardAccess();
    FitToScale();
}

int CBoardView::SceneScale(qreal devicePixelRatio)
{
    return std::max(1, qRound(devicePixelRatio));
}

// The device pixel of the window where the scene's top-left corner goes: the
// first whole pixel of this widget, where the toolkit starts painting it.
QPoint CBoardView::DeviceOrigin() const
{
    const QPointF at = mapTo(window(), QPointF(0, 0)) * devicePixelRatioF();
    return QPoint(qRound(at.x()), qRound(at.y()));
}

QPoint CBoardView::ToScene(const QPointF& pos) const
{
    const int n = SceneScale(devicePixelRatioF());
    const QPointF device = mapTo(window(), pos) * devicePixelRatioF() - QPointF(DeviceOrigin());
    // A pointer on a whole device pixel comes back as a hair less than it.
    const auto scene = [n](qreal d) { return static_cast<int>(std::floor((d + 1e-6) / n)); };
    return QPoint(scene(device.x()), scene(device.y()));
}

QRect CBoardView::FromScene(const QRect& scene) const
{
    const qreal dpr = devicePixelRatioF();
    const int n = SceneScale(dpr);
    const QPointF offset = mapTo(window(), QPointF(0, 0));
    const QPoint origin = DeviceOrigin();
    const auto logical = [dpr, n](int scenePixel, int deviceOrigin, qreal widgetOffset) {
        return qRound((deviceOrigin + scenePixel * n) / dpr - widgetOffset);
    };
    const int left = logical(scene.left(), origin.x(), offset.x());
    const int top = logical(scene.top(), origin.y(), offset.y());
    return QRect(QPoint(left, top), QPoint(logical(scene.left() + scene.width(), origin.x(), offset.x()) - 1,
                                          logical(scene.top() + scene.height(), origin.y(), offset.y()) - 1));
}

// The smallest size, in the desktop's logical pixels, whose device pixels
// hold the whole scene from its origin; what is left over is less than one
// logical pixel at the right and bottom, the window's own margin colour.
void CBoardView::FitToScale()
{
    const qreal dpr = devicePixelRatioF();
    const int n = SceneScale(dpr);
    const QPointF offset = mapTo(window(), QPointF(0, 0));
    const QPoint origin = DeviceOrigin();
    const auto fit = [dpr](qreal start, int deviceEnd) {
        int size = std::max(0, static_cast<int>(std::floor(deviceEnd / dpr - start)) - 1);
        while (qRound((start + size) * dpr) < deviceEnd)
            ++size;
        return size;
    };
    const QSize size(fit(offset.x(), origin.x() + MAIN_CLIENT_WIDTH * n),
                     fit(offset.y(), origin.y() + MAIN_CLIENT_HEIGHT * n));
    if (size != minimumSize() || size != maximumSize())
        setFixedSize(size);
}

bool CBoardView::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:   // the menu bar above changed its height
    case QEvent::ScreenChangeInternal:
        FitToScale();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void CBoardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QTransform toDevice = painter.deviceTransform();
    const QPointF at = toDevice.map(QPointF(0, 0));
    // From here on one unit is one device pixel of the painted surface,
    // starting at this widget's first whole pixel.
    painter.setWorldTransform(QTransform::fromTranslate(qRound(at.x()), qRound(at.y())) * toDevice.inverted());
    const QImage scene = Magnified(m_dlg->RenderScene(), SceneScale(painter.device()->devicePixelRatioF()));
    painter.drawImage(0, 0, scene);
    const QColor margin = m_dlg->palette().color(QPalette::Window);
    const int beyond = 4 * std::max(scene.width(), scene.height());
    painter.fillRect(QRect(scene.width(), 0, beyond, beyond), margin);
    painter.fillRect(QRect(0, scene.height(), beyond, beyond), margin);
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
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = ToScene(event->position());
    m_dlg->OnLButtonUp(0, p.x(), p.y());
}

void CBoardView::enterEvent(QEnterEvent*)
{
    m_dlg->UpdateCursor();
}
