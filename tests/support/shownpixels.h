#pragma once

// Reading a pixel-art board off the screen as the player sees it: the
// window's image in device pixels, where the drawing starts on it, how many
// device pixels one pixel of the drawing takes, and whether a pixel of the
// drawing is shown as a whole block of one colour.
#include <QImage>
#include <QScreen>
#include <QString>
#include <QTest>
#include <QWidget>
#include <QWindow>

// The window as the screen shows it, in device pixels. Qt 6.4's offscreen
// platform keeps a window's area in logical pixels, so grabbing the window
// alone cuts its scaled image short; a grab of the screen holds its whole
// image, placed at the window's logical position. The grab reaches past the
// screen's own size, which a window 1500 device pixels wide outgrows.
inline QImage ShownOnScreen(QWidget& window)
{
    const QPoint at = window.windowHandle()->position();
    const qreal dpr = window.devicePixelRatioF();
    const QSize device(qRound(window.width() * dpr), qRound(window.height() * dpr));
    const QSize reach = (QSizeF(device + QSize(at.x(), at.y())) / dpr).toSize() + QSize(2, 2);
    const QImage screen = window.screen()->grabWindow(0, 0, 0, reach.width(), reach.height()).toImage();
    return screen.copy(QRect(at, device)).convertToFormat(QImage::Format_RGB32);
}

// A drawing found on the shown image by the black border of its frame: the
// border is one drawing pixel wide, so where it starts is where the frame
// starts and how many device pixels it spans is the multiple.
struct SShownDrawing {
    int m_n = 0;          // device pixels per pixel of the drawing
    QPoint m_frame;       // device pixel of the frame's top-left corner

    // Looks along the row `middle` for the first black run, then up its
    // inner edge from `top` for the border's top.
    static SShownDrawing Find(const QImage& shown, int middle, int top)
    {
        const QRgb border = qRgb(0, 0, 0);
        SShownDrawing found;
        int x = 0;
        while (x < shown.width() && shown.pixel(x, middle) != border)
            ++x;
        int run = 0;
        while (x + run < shown.width() && shown.pixel(x + run, middle) == border)
            ++run;
        int y = top;
        while (y < shown.height() && shown.pixel(x + run, y) != border)
            ++y;
        found.m_n = run;
        found.m_frame = QPoint(x, y);
        return found;
    }

    // Where a pixel of the drawing, counted from the frame's corner, starts.
    QPoint Device(QPoint drawing) const { return m_frame + drawing * m_n; }

    // The device block of one pixel of the drawing is all of one colour.
    bool Block(const QImage& shown, QPoint drawing, QRgb colour, QString& fault) const
    {
        const QPoint device = Device(drawing);
        for (int dy = 0; dy < m_n; ++dy) {
            for (int dx = 0; dx < m_n; ++dx) {
                const QRgb seen = shown.pixel(device + QPoint(dx, dy));
                if (seen == colour)
                    continue;
                fault = QString("at device (%1, %2): #%3 instead of #%4")
                            .arg(device.x() + dx).arg(device.y() + dy)
                            .arg(seen & 0xffffff, 6, 16, QChar('0'))
                            .arg(colour & 0xffffff, 6, 16, QChar('0'));
                return false;
            }
        }
        return true;
    }
};
