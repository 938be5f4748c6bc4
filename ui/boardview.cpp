#include "ui/boardview.h"

#include "game/player.h"
#include "ui/scenegeometry.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>
#include <cstring>

namespace {

// The smallest rectangle holding every pixel in which two scenes differ;
// empty when they are alike.
QRect ChangedPart(const QImage& before, const QImage& after)
{
    if (before.size() != after.size() || before.format() != after.format())
        return after.rect();
    const int rowBytes = after.width() * 4;
    int top = -1, bottom = -1, left = after.width(), right = -1;
    for (int y = 0; y < after.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(after.constScanLine(y));
        if (std::memcmp(a, b, rowBytes) == 0)
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        int x = 0;
        while (a[x] == b[x])
            ++x;
        left = std::min(left, x);
        x = after.width() - 1;
        while (a[x] == b[x])
            --x;
        right = std::max(right, x);
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

CBoardView::CBoardView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(SizeFor(1, 1.0));
}

void CBoardView::SetScene(const QImage& scene, const SFrameShows& shows)
{
    const QRect changed = ChangedPart(m_scene, scene);
    m_scene = scene.convertToFormat(QImage::Format_RGB32);
    m_shows = shows;
    if (changed.isEmpty())
        return;
    Enlarge(changed);
    // Painted at once: inside the computer's turn no event loop may run
    // before its next shot.
    repaint(FromScene(changed).adjusted(-1, -1, 1, 1));
}

int CBoardView::FittingMultiple(const QSize& deviceArea)
{
    return std::max(1, std::min(deviceArea.width() / MAIN_CLIENT_WIDTH, deviceArea.height() / MAIN_CLIENT_HEIGHT));
}

QSize CBoardView::SizeFor(int multiple, qreal dpr)
{
    // A logical pixel more than the bare quotient: where this widget starts
    // on a whole device pixel is not known before it is placed.
    const auto logical = [multiple, dpr](int scene) { return static_cast<int>(std::ceil(scene * multiple / dpr)) + 1; };
    return {logical(MAIN_CLIENT_WIDTH), logical(MAIN_CLIENT_HEIGHT)};
}

int CBoardView::Multiple() const
{
    return FittingMultiple(DeviceSize());
}

QPoint CBoardView::DeviceOrigin() const
{
    const QPointF at = mapTo(window(), QPointF(0, 0)) * devicePixelRatioF();
    return QPoint(qRound(at.x()), qRound(at.y()));
}

QSize CBoardView::DeviceSize() const
{
    const QPointF end = mapTo(window(), QPointF(width(), height())) * devicePixelRatioF();
    return QSize(qRound(end.x()), qRound(end.y())) - QSize(DeviceOrigin().x(), DeviceOrigin().y());
}

QPoint CBoardView::PictureOffset(int multiple) const
{
    const QSize room = DeviceSize() - QSize(MAIN_CLIENT_WIDTH, MAIN_CLIENT_HEIGHT) * multiple;
    return QPoint(std::max(0, room.width() / 2), std::max(0, room.height() / 2));
}

QPoint CBoardView::ToScene(const QPointF& pos) const
{
    const int n = Multiple();
    const QPointF device = mapTo(window(), pos) * devicePixelRatioF() - QPointF(DeviceOrigin() + PictureOffset(n));
    // A pointer on a whole device pixel comes back as a hair less than it.
    const auto scene = [n](qreal d) { return static_cast<int>(std::floor((d + 1e-6) / n)); };
    return QPoint(scene(device.x()), scene(device.y()));
}

QRect CBoardView::FromScene(const QRect& scene) const
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

// Each scene pixel becomes an n x n block: the 100 % drawing, enlarged
// without any resampling.
void CBoardView::Enlarge(const QRect& part)
{
    if (m_scene.isNull())
        return;
    const int n = Multiple();
    if (n == 1) {
        // At its own size the picture is the scene: shared, not a second copy.
        m_nMultiple = n;
        m_picture = m_scene;
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

void CBoardView::paintEvent(QPaintEvent* event)
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
    const qreal dpr = devicePixelRatioF();
    const QRect exposed(QPoint(std::floor(event->rect().left() * dpr) - 1, std::floor(event->rect().top() * dpr) - 1),
                        QPoint(std::ceil((event->rect().right() + 1) * dpr) + 1,
                               std::ceil((event->rect().bottom() + 1) * dpr) + 1));
    const QRect picture(PictureOffset(m_nMultiple), m_picture.size());
    // The margin around the picture in the window's own colour, the colour
    // of the scene's edges, so the enlarged board sits in one calm field.
    const QColor margin = palette().color(QPalette::Window);
    const QRegion around = QRegion(exposed) - QRegion(picture);
    for (const QRect& r : around)
        painter.fillRect(r, margin);
    const QRect shown = exposed & picture;
    if (!shown.isEmpty())
        painter.drawImage(shown.topLeft(), m_picture, shown.translated(-picture.topLeft()));
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
