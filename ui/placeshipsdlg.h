#pragma once

#include "game/shiplayout.h"

#include <QDialog>

class CPlaceBoard;
class QLabel;
class QPushButton;

// The dialog in which the player arranges the fleet by hand: drag with the
// left button, turn with the right, "Random" for a fresh layout; OK hands a
// valid layout to player one.
class CPlaceShipsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPlaceShipsDlg(QWidget* parent = nullptr);

    int DoModal();
    void OnInitDialog();
    void OnOK();
    void OnCancel();
    void OnRandom();

    // The frame and its board, drawn anew and shown.
    void Redraw();
    void UpdateOK();

    CShipLayout m_layout;
    CRect m_rcFrame;

    QPushButton* m_btnOK = nullptr;
    QPushButton* m_btnCancel = nullptr;
    QPushButton* m_btnRandom = nullptr;
    QLabel* m_help = nullptr;
    QLabel* m_keysHelp = nullptr;   // below the mouse help: the same for the keys
    CPlaceBoard* m_board = nullptr;   // the keyboard's way onto the board

public slots:
    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void SetTexts();
    // The board at the largest whole multiple the screen has room for, but
    // no larger than the game board's when the dialog opens over it.
    void LayOut();
    // Places the board at a multiple and the column to its right; the
    // dialog's size that holds them.
    QSize Arrange(int multiple);

    bool m_bInitDone = false;
};
