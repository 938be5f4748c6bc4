#include "ui/mediaplayer.h"

#include "ui/datapath.h"

#include <QFile>
#include <QPaintEvent>
#include <QPainter>
#include <QTimerEvent>

namespace {
constexpr const char* ABOUT_VIDEO = "Data/Tidebolt.avi";
}

CMediaPlayer2::CMediaPlayer2(QWidget* parent)
    : QWidget(parent)
{
    // Each frame repaints the film alone, without the dialog beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    const QString path = DataFilePath(ABOUT_VIDEO);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    // A clip we cannot read leaves the area empty, as a missing one does.
    if (!ReadAviClip(reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size(), m_clip, nullptr))
        return;
    m_strSource = path;
    m_picture.assign(static_cast<std::size_t>(m_clip.width) * m_clip.height, 0);
    ShowFrame(0);
}

QRect CMediaPlayer2::FilmRect() const
{
    if (m_strSource.isEmpty())
        return QRect();
    // At its own size, never stretched: a small clip stays sharp.
    QRect film(0, 0, m_clip.width, m_clip.height);
    film.moveCenter(rect().center());
    return film;
}

void CMediaPlayer2::ShowFrame(std::size_t index)
{
    m_nFrame = index;
    DecodeAviFrame(m_clip, m_nFrame, m_picture);
    update(FilmRect());
}

void CMediaPlayer2::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect film = FilmRect();
    if (!film.contains(event->rect()))
        painter.fillRect(event->rect(), palette().window());
    if (m_picture.empty())
        return;
    const QImage frame(reinterpret_cast<const uchar*>(m_picture.data()), m_clip.width, m_clip.height,
                       QImage::Format_RGB32);
    painter.drawImage(film.topLeft(), frame);
}

// A short clip in a small box reads best as a loop that starts by itself;
// it runs only while the box is on screen.
void CMediaPlayer2::showEvent(QShowEvent*)
{
    if (FrameCount() > 1)
        m_timer.start(static_cast<int>((m_clip.frameMicroseconds + 500) / 1000), this);
}

void CMediaPlayer2::hideEvent(QHideEvent*)
{
    m_timer.stop();
}

void CMediaPlayer2::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timer.timerId())
        return QWidget::timerEvent(event);
    ++m_nShown;
    ShowFrame((m_nFrame + 1) % m_clip.frames.size());
}
