#include "ui/pixelview.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

CPixelView::CPixelView(const QSize& scene, QWidget* parent) : QWidget(parent), m_sceneSize(scene)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CPixelView::Render(const QRegion& part, const Drawing& draw)
{
    QRegion todo = part & QRect(QPoint(0, 0), m_sceneSize);
    if (m_scene.isNull()) {
        m_scene = QImage(m_sceneSize, QImage::Format_RGB32);
        todo = m_scene.rect();
    }
    if (todo.isEmpty())
        return;
    {
        QPainter painter(&m_scene);
        painter.setClipRegion(todo);
        draw(painter);
    }
    QRegion shown;
    for (const QRect& r : todo) {
        Enlarge(r);
        shown += FromScene(r).adjusted(-1, -1, 1, 1);
    }
    repaint(shown);
}

int CPixelView::FittingMultiple(const QSize& deviceArea, const QSize& scene)
{
    return std::max(1, std::min(deviceArea.width() / scene.width(), deviceArea.height() / scene.height()));
}

QSize CPixelView::SizeFor(int multiple, qreal dpr, const QSize& scene)
{
    // A logical pixel more than the bare quotient: where this widget starts
    // on a whole device pixel is not known before it is placed.
    const auto logical = [multiple, dpr](int pixels) { return static_cast<int>(std::ceil(pixels * multiple / dpr)) + 1; };
    return {logical(scene.width()), logical(scene.height())};
}

int CPixelView::Multiple() const
{
    return FittingMultiple(DeviceSize(), m_sceneSize);
}

QPoint CPixelView::DeviceOrigin() const
{
    const QPointF at = mapTo(window(), QPointF(0, 0)) * devicePixelRatioF();
    return QPoint(qRound(at.x()), qRound(at.y()));
}

QSize CPixelView::DeviceSize() const
{
    const QPointF end = mapTo(window(), QPointF(width(), height())) * devicePixelRatioF();
    return QSize(qRound(end.x()), qRound(end.y())) - QSize(DeviceOrigin().x(), DeviceOrigin().y());
}

QPoint CPixelView::PictureOffset(int multiple) const
{
    const QSize room = DeviceSize() - m_sceneSize * multiple;
    return QPoint(std::max(0, room.width() / 2), std::max(0, room.height() / 2));
}

QPoint CPixelView::ToScene(const QPointF& pos) const
{
    const int n = Multiple();
    const QPointF device = mapTo(window(), pos) * devicePixelRatioF() - QPointF(DeviceOrigin() + PictureOffset(n));
    // A pointer on a whole device pixel comes back as a hair less than it.
    const auto scene = [n](qreal d) { return static_cast<int>(std::floor((d + 1e-6) / n)); };
    return QPoint(scene(device.x()), scene(device.y()));
}

QRect CPixelView::FromScene(const QRect& scene) const
{
    const qreal dpr = devicePixelRatioF();
    const int n = Multiple();
    const QPointF offset = mapTo(window(), QPointF(0, 0));
    const QPoint origin = DeviceOrigin() + PictureOffset(n);
    const auto logical = [dpr, n](int scenePixel, int deviceOrigin, qreal widgetOffset) {
        return qRound((deviceOrigin + scenePixel * n) / dpr - widgetOffset);
    };
    const int left = logical(scene.left(), origin.x(), offset.x());
    const int top = logical(scene.top(), origin.y(), offset.y());
    return QRect(QPoint(left, top), QPoint(logical(scene.left() + scene.width(), origin.x(), offset.x()) - 1,
                                          logical(scene.top() + scene.height(), origin.y(), offset.y()) - 1));
}

// Each scene pixel becomes an n x n block: the 100 % drawing, enlarged
// without any resampling.
void CPixelView::Enlarge(const QRect& part)
{
    if (m_scene.isNull())
        return;
    const int n = Multiple();
    if (n == 1) {
        // At its own size the scene is shown as it is: no second copy of it.
        m_nMultiple = n;
        m_picture = QImage();
        return;
    }
    QRect todo = part & m_scene.rect();
    if (n != m_nMultiple || m_picture.isNull()) {
        m_nMultiple = n;
        m_picture = QImage(m_scene.size() * n, QImage::Format_RGB32);
        todo = m_scene.rect();
    }
    for (int y = todo.top(); y <= todo.bottom(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(m_scene.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(m_picture.scanLine(y * n));
        for (int x = todo.left(); x <= todo.right(); ++x)
            std::fill_n(to + x * n, n, from[x]);
        for (int k = 1; k < n; ++k)
            std::copy_n(to + todo.left() * n, todo.width() * n,
                        reinterpret_cast<QRgb*>(m_picture.scanLine(y * n + k)) + todo.left() * n);
    }
}

void CPixelView::paintEvent(QPaintEvent* event)
{
    // A new size or screen may call for another multiple: then, and only
    // then, the whole picture is enlarged again.
    if (Multiple() != m_nMultiple)
        Enlarge(m_scene.rect());
    QPainter painter(this);
    const QTransform toDevice = painter.deviceTransform();
    const QPointF at = toDevice.map(QPointF(0, 0));
    // From here on one unit is one device pixel of the painted surface,
    // starting at this widget's first whole pixel.
    painter.setWorldTransform(QTransform::fromTranslate(qRound(at.x()), qRound(at.y())) * toDevice.inverted());
    // Where this widget's logical pixels fall on that grid, a fraction of a
    // device pixel off it at a fractional scale.
    const QPointF fraction = at - QPointF(qRound(at.x()), qRound(at.y()));
    const qreal dpr = devicePixelRatioF();
    const QImage& enlarged = m_nMultiple == 1 ? m_scene : m_picture;
    const QRect picture(PictureOffset(m_nMultiple), enlarged.size());
    // The margin around the picture in the window's own colour, the colour
    // of the scene's edges, so the enlarged board sits in one calm field.
    const QColor margin = palette().color(QPalette::Window);
    // Each exposed rectangle is copied on its own, clipped to itself: under
    // a clip of several rectangles Qt blends the picture span by span over
    // its thread pool instead of copying its lines.
    for (const QRect& r : event->region()) {
        const QRectF device(QPointF(r.topLeft()) * dpr + fraction, QSizeF(r.size()) * dpr);
        const QRect exposed(QPoint(std::floor(device.left()), std::floor(device.top())),
                            QPoint(std::ceil(device.right()) - 1, std::ceil(device.bottom()) - 1));
        painter.setClipRect(exposed);
        for (const QRect& m : QRegion(exposed) - QRegion(picture))
            painter.fillRect(m, margin);
        const QRect shown = exposed & picture;
        if (!shown.isEmpty())
            painter.drawImage(shown.topLeft(), enlarged, shown.translated(-picture.topLeft()));
    }
}
