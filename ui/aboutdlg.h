#pragma once

#include <QDialog>

class CMediaPlayer2;
class QLabel;
class QPushButton;

// The credit: the program's icon, who made it and with what, and a little film.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    int DoModal();
    void OnInitDialog();

    CMediaPlayer2* m_player = nullptr;
    QLabel* m_icon = nullptr;
    QLabel* m_credit = nullptr;
    QLabel* m_author = nullptr;
    QPushButton* m_btnOK = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void SetTexts();

    bool m_bInitDone = false;
};
