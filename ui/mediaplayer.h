#pragma once

#include "ui/avifile.h"

#include <QBasicTimer>
#include <QWidget>

// The about box's little film: the clip beside the game, played over and
// over, silently, at its own size in the middle of the area. Without the
// file, or with one it cannot read, the area stays empty. Everything it
// holds goes with the widget.
class CMediaPlayer2 : public QWidget {
    Q_OBJECT
public:
    explicit CMediaPlayer2(QWidget* parent);

    // The file being played, empty when there is none.
    QString Source() const { return m_strSource; }
    int FrameCount() const { return static_cast<int>(m_clip.frames.size()); }
    // How often the film has moved on a frame since it was made.
    long long FramesShown() const { return m_nShown; }
    // Where the film is drawn, in this widget's coordinates.
    QRect FilmRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void ShowFrame(std::size_t index);

    QString m_strSource;
    CAviClip m_clip;
    std::vector<std::uint32_t> m_picture;  // the frame on show, 0xffRRGGBB
    std::size_t m_nFrame = 0;
    long long m_nShown = 0;
    QBasicTimer m_timer;
};
