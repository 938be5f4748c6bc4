#pragma once

#include <QWidget>

class CGameDlg;

// The client area below the menu bar: it paints the frame, hands the clicks
// to the window in scene pixels, the coordinates the game draws in, and holds
// the keyboard focus for the cell cursor and for screen readers. The scene is
// shown at a whole number of device pixels per scene pixel, so grid lines
// stay one line wide and pictures are never resampled at a fractional
// desktop scale.
class CBoardView : public QWidget {
public:
    explicit CBoardView(CGameDlg* dlg);

    // Device pixels per scene pixel: the desktop's scale rounded, at least 1.
    static int SceneScale(qreal devicePixelRatio);
    // The scene pixel under a point of this widget.
    QPoint ToScene(const QPointF& pos) const;
    // Where a rectangle of the scene shows, in this widget's coordinates.
    QRect FromScene(const QRect& scene) const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    QPoint DeviceOrigin() const;
    void FitToScale();

    CGameDlg* m_dlg;
};
