#pragma once

#include "game/geometry.h"
#include "ui/pixelview.h"

class CShipLayout;

// The placement dialog's frame with its board, shown pixel-true like the
// game board, and the keys' and the mouse's way onto it. The left button
// drags a ship, the right one turns it. Tab and Shift+Tab pick the ships in
// fleet order and then go on to the buttons; the arrows move the picked
// ship a cell, R or Space turns it about its first deck. Enter and Esc are
// left to the dialog (OK and Cancel). Whatever changes it reports by
// changed().
class CPlaceBoard : public CPixelView {
    Q_OBJECT
public:
    // The frame in the layout's pixels: the scene this widget shows.
    CPlaceBoard(CShipLayout& layout, const CRect& frame, QWidget* parent);

    // A cell's inside, without its grid lines, in this widget's coordinates.
    QRect CellRect(int row, int col) const;
    // The cell under a point of this widget; false off the board and on a grid line.
    bool CellAt(const QPointF& pos, int& row, int& col) const;

    // What screen readers explore.
    const CShipLayout& Layout() const { return m_layout; }

signals:
    void changed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The layout's pixel under a point of this widget.
    QPoint ToLayout(const QPointF& pos) const;
    void Pick(int ship);
    void Changed();

    CShipLayout& m_layout;
    QPoint m_frameOrigin;   // the frame's top-left corner in the layout's pixels
    bool m_bOpening = false;   // the first focus after the dialog opened is still to come
};
