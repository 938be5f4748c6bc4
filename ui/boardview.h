#pragma once

#include <QWidget>

class CGameDlg;

// The client area below the menu bar: it paints the frame and hands the
// clicks to the window, in its own coordinates.
class CBoardView : public QWidget {
public:
    explicit CBoardView(CGameDlg* dlg);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    CGameDlg* m_dlg;
};
