#pragma once

#include <QWidget>

class CShipLayout;

// The placement board as the keyboard and screen readers know it: a focus
// stop laid over the painted board. Tab and Shift+Tab pick the ships in
// fleet order and then go on to the buttons; the arrows move the picked
// ship a cell, R or Space turns it about its first deck. Enter and Esc are
// left to the dialog (OK and Cancel), and the mouse passes through to it.
// Whatever the keys change it reports by changed().
class CPlaceBoard : public QWidget {
    Q_OBJECT
public:
    CPlaceBoard(CShipLayout& layout, QWidget* parent);

    // What screen readers explore.
    const CShipLayout& Layout() const { return m_layout; }

signals:
    void changed();

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Pick(int ship);
    void Changed();

    CShipLayout& m_layout;
    bool m_bOpening = false;   // the first focus after the dialog opened is still to come
};
