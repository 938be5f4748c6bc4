#pragma once

#include <QWidget>

class CGameDlg;

// The client area below the menu bar: it paints the frame, hands the clicks
// to the window in its own coordinates, and holds the keyboard focus for the
// cell cursor and for screen readers.
class CBoardView : public QWidget {
public:
    explicit CBoardView(CGameDlg* dlg);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    CGameDlg* m_dlg;
};
