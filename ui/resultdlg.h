#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The picture shown at the end of a game, closed with OK.
class CResultDlg : public QDialog {
    Q_OBJECT
public:
    int DoModal();

    QLabel* m_picture = nullptr;
    QPushButton* m_btnOK = nullptr;

protected:
    CResultDlg(QWidget* parent, int pictureId);
};

class CWinDlg : public CResultDlg {
    Q_OBJECT
public:
    explicit CWinDlg(QWidget* parent = nullptr);
};

class CLoseDlg : public CResultDlg {
    Q_OBJECT
public:
    explicit CLoseDlg(QWidget* parent = nullptr);
};
