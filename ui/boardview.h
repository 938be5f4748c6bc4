#pragma once

#include "ui/frameshows.h"

#include <QImage>
#include <QWidget>

class CPlayer;

// The client area below the menu bar. It keeps the picture of the scene
// (the 100 % drawing both boards are made in) enlarged by the largest whole
// number of device pixels per scene pixel that fits the view, centred on the
// margin colour: grid lines stay one pixel wide and pictures are never
// resampled, at any desktop scale and any window size. Clicks, the keys'
// focus and screen readers' rectangles go through the same mapping, and
// the view reports in cells, never in pixels.
class CBoardView : public QWidget {
    Q_OBJECT
public:
    explicit CBoardView(QWidget* parent = nullptr);

    // A freshly drawn scene and what it shows: only the part that differs
    // from the kept one is enlarged again and repainted.
    void SetScene(const QImage& scene, const SFrameShows& shows);
    const SFrameShows& Shows() const { return m_shows; }

    // Device pixels per scene pixel at the view's present size.
    int Multiple() const;
    // The largest whole multiple of the scene within a device area, at least 1.
    static int FittingMultiple(const QSize& deviceArea);
    // The view's size, in logical pixels of a screen at dpr, that holds the
    // scene at the given multiple.
    static QSize SizeFor(int multiple, qreal dpr);

    // The scene pixel under a point of this widget.
    QPoint ToScene(const QPointF& pos) const;
    // Where a rectangle of the scene shows, in this widget's coordinates.
    QRect FromScene(const QRect& scene) const;
    // The cell of a board under a point of this widget; false off the board.
    bool CellAt(const CPlayer& board, const QPointF& pos, int& row, int& col) const;
    // A cell's inside, without its grid lines, in this widget's coordinates.
    QRect CellRect(const CPlayer& board, int row, int col) const;

    // A screen reader pressed a cell of the opponent's board.
    void Activate(int row, int col) { emit cellActivated(row, col); }

signals:
    // A left click on a cell of the opponent's board.
    void cellActivated(int row, int col);
    // The pointer moved over the view (global position, to tell a real move
    // from one reported as a window closes over a resting pointer).
    void pointerMoved(const QPoint& global);
    // A button went down or up: the mouse is in use.
    void mouseUsed();
    void pointerEntered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    // The window's device pixel where this widget's painting starts.
    QPoint DeviceOrigin() const;
    QSize DeviceSize() const;
    // Where the enlarged scene starts, in device pixels from DeviceOrigin.
    QPoint PictureOffset(int multiple) const;
    // Enlarges a part of the kept scene into the picture, rebuilding the
    // whole picture when the multiple changed.
    void Enlarge(const QRect& part);

    QImage m_scene;       // 100 %
    QImage m_picture;     // the scene enlarged m_nMultiple times
    int m_nMultiple = 0;
    SFrameShows m_shows;
};
