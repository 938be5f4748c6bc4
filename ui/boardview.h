#pragma once

#include "ui/frameshows.h"
#include "ui/pixelview.h"

class CPlayer;

// The client area below the menu bar: the scene both boards are drawn in,
// shown pixel-true at the largest whole multiple that fits. Clicks, the
// keys' focus and screen readers' rectangles go through the same mapping,
// and the view reports in cells, never in pixels.
class CBoardView : public CPixelView {
    Q_OBJECT
public:
    explicit CBoardView(QWidget* parent = nullptr);

    // What the frame shows since the last drawing.
    void SetShows(const SFrameShows& shows) { m_shows = shows; }
    const SFrameShows& Shows() const { return m_shows; }

    // The largest whole multiple of the scene within a device area, at least 1.
    static int FittingMultiple(const QSize& deviceArea);
    // The view's size, in logical pixels of a screen at dpr, that holds the
    // scene at the given multiple.
    static QSize SizeFor(int multiple, qreal dpr);

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
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    SFrameShows m_shows;
};
