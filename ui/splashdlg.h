#pragma once

#include <QDialog>
#include <QEventLoop>
#include <QPixmap>
#include <QTimer>

// The picture shown while the main window starts: it goes by itself after
// three seconds, or at once on a click or a key.
class CSplashDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int SHOW_MS = 3000;
    static constexpr int EARLY_PAINT_MS = 1000;

    explicit CSplashDlg(QWidget* parent = nullptr);

    // Shown and painted at once, before the main window is built, so that
    // the game is seen to start while the rest of it loads. DoModal then
    // waits out the three seconds counted from here.
    void ShowEarly();
    int DoModal();
    void OnInitDialog();
    void OnTimer();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Shown once per run: the dialog's own, gone with it rather than kept
    // in the picture cache for the whole game.
    QPixmap m_picture;
    QTimer m_timer;
    bool m_bInitDone = false;
    bool m_bShownEarly = false;
    QEventLoop* m_pFirstPaint = nullptr;  // ShowEarly's wait for the picture
};
