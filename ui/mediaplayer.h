#pragma once

#include <QWidget>

class QMediaPlayer;
class QVideoWidget;

// The about box's little film: plays the video file beside the game over and
// over, silently. Without the file, or without a video backend, it is just an
// empty area.
class CMediaPlayer2 : public QWidget {
    Q_OBJECT
public:
    explicit CMediaPlayer2(QWidget* parent);
    ~CMediaPlayer2() override;

    // The file being played, empty when there is none.
    QString Source() const { return m_strSource; }
    QMediaPlayer* Player() const { return m_pPlayer; }

private:
    QString m_strSource;
    QMediaPlayer* m_pPlayer = nullptr;
    QVideoWidget* m_pVideo = nullptr;
};
