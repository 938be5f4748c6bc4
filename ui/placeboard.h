#pragma once

#include <QWidget>

class CPlaceShipsDlg;

// The placement board as the keyboard and screen readers know it: a focus
// stop laid over the painted board. Tab and Shift+Tab pick the ships in
// fleet order and then go on to the buttons; the arrows move the picked
// ship a cell, R or Space turns it about its first deck. Enter and Esc are
// left to the dialog (OK and Cancel), and the mouse passes through to it.
class CPlaceBoard : public QWidget {
public:
    explicit CPlaceBoard(CPlaceShipsDlg* dlg);

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Pick(int ship);
    void Changed();

    CPlaceShipsDlg* m_dlg;
    bool m_bOpening = false;   // the first focus after the dialog opened is still to come
};
