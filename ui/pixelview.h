#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

class QPainter;

// A widget that shows a pixel-art scene (a drawing made at 100 %) enlarged
// by the largest whole number of device pixels per scene pixel that fits
// it, centred on the window's colour: grid lines stay one pixel wide and
// pictures are never resampled, at any desktop scale and any size. It keeps
// both the scene and its enlarged picture, so a paint only copies, and a
// change redraws and enlarges only its own part. Points and rectangles go
// between widget and scene through the one mapping that draws.
class CPixelView : public QWidget {
    Q_OBJECT
public:
    CPixelView(const QSize& scene, QWidget* parent);

    using Drawing = std::function<void(QPainter&)>;
    // Draws the given part of the kept scene again (the painter is clipped
    // to it) and shows the result at once: inside the computer's turn no
    // event loop may run before its next shot. An empty part, or a scene
    // never drawn, draws the whole.
    void Render(const QRegion& part, const Drawing& draw);
    const QImage& Scene() const { return m_scene; }
    QSize SceneSize() const { return m_sceneSize; }

    // Device pixels per scene pixel at the present size.
    int Multiple() const;
    // The largest whole multiple of a scene within a device area, at least 1.
    static int FittingMultiple(const QSize& deviceArea, const QSize& scene);
    // The widget's size, in logical pixels of a screen at dpr, that holds a
    // scene at the given multiple.
    static QSize SizeFor(int multiple, qreal dpr, const QSize& scene);

    // The scene pixel under a point of this widget.
    QPoint ToScene(const QPointF& pos) const;
    // Where a rectangle of the scene shows, in this widget's coordinates.
    QRect FromScene(const QRect& scene) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The window's device pixel where this widget's painting starts.
    QPoint DeviceOrigin() const;
    QSize DeviceSize() const;
    // Where the enlarged scene starts, in device pixels from DeviceOrigin.
    QPoint PictureOffset(int multiple) const;
    // Enlarges a part of the kept scene into the picture, rebuilding the
    // whole picture when the multiple changed.
    void Enlarge(const QRect& part);

    QSize m_sceneSize;
    QImage m_scene;       // 100 %
    QImage m_picture;     // the scene enlarged m_nMultiple times; none at one
    int m_nMultiple = 0;
};
