#include "cursor.h"

#include "riffbytes.h"

#include <QImage>
#include <QPainter>
#include <QtMath>

namespace {

constexpr int SIZE = 32;
constexpr int FRAMES = 8;
constexpr int HOT = SIZE / 2;
constexpr std::uint32_t JIFFIES_PER_FRAME = 6;   // 0.1 s: one sweep in 0.8 s

QImage RadarFrame(int index)
{
    QImage image(SIZE, SIZE, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(HOT, HOT);
    const double radius = 14.5;
    p.setPen(QPen(QColor(20, 40, 30), 1.5));
    p.setBrush(QColor(8, 40, 24));
    p.drawEllipse(centre, radius, radius);

    // The beam and its fading trail, sweeping clockwise from twelve o'clock.
    const double heading = 90.0 - 45.0 * index;   // Qt angles turn anticlockwise
    for (int k = 0; k < 6; ++k) {
        QColor trail(60, 255, 120, 150 - 24 * k);
        p.setPen(Qt::NoPen);
        p.setBrush(trail);
        p.drawPie(QRectF(centre.x() - radius + 1, centre.y() - radius + 1, 2 * radius - 2, 2 * radius - 2),
                  qRound((heading + 8.0 * k) * 16), qRound(8.0 * 16));
    }
    p.setPen(QPen(QColor(60, 200, 110, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius * 0.55, radius * 0.55);
    const double a = qDegreesToRadians(heading);
    p.setPen(QPen(QColor(200, 255, 210), 1.5));
    p.drawLine(centre, centre + QPointF(std::cos(a) * (radius - 1), -std::sin(a) * (radius - 1)));
    // A ship on the scope, brightest just after the beam has passed it.
    const int glow = 255 - ((index + 8 - 3) % 8) * 28;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 90, glow));
    p.drawEllipse(QPointF(24, 11), 1.8, 1.8);
    p.setBrush(QColor(230, 255, 235));
    p.drawEllipse(centre, 1.5, 1.5);
    p.setPen(QPen(QColor(170, 190, 180), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    return image;
}

// One image in the cursor (.cur) format: 32-bit colour with alpha, followed
// by the 1-bit AND mask that older readers use for transparency.
std::vector<unsigned char> CursorImage(const QImage& image)
{
    const std::uint32_t maskStride = ((SIZE + 31) / 32) * 4;
    const std::uint32_t pixelBytes = SIZE * SIZE * 4 + maskStride * SIZE;
    CRiffBytes out;
    out.U16(0);
    out.U16(2);   // cursor
    out.U16(1);   // one image
    out.U8(SIZE);
    out.U8(SIZE);
    out.U8(0);
    out.U8(0);
    out.U16(HOT);
    out.U16(HOT);
    out.U32(40 + pixelBytes);
    out.U32(6 + 16);
    // BITMAPINFOHEADER; the height counts colour and mask together.
    out.U32(40);
    out.U32(SIZE);
    out.U32(SIZE * 2);
    out.U16(1);
    out.U16(32);
    out.U32(0);
    out.U32(pixelBytes);
    out.U32(0);
    out.U32(0);
    out.U32(0);
    out.U32(0);
    for (int y = SIZE - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < SIZE; ++x) {
            out.U8(qBlue(line[x]));
            out.U8(qGreen(line[x]));
            out.U8(qRed(line[x]));
            out.U8(qAlpha(line[x]));
        }
    }
    for (int y = SIZE - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (std::uint32_t byte = 0; byte < maskStride; ++byte) {
            unsigned bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = static_cast<int>(byte * 8) + bit;
                if (x >= SIZE || qAlpha(line[x]) == 0)
                    bits |= 0x80u >> bit;
            }
            out.U8(bits);
        }
    }
    return out.bytes;
}

} // namespace

bool WriteWaitCursor(const std::string& dataDir)
{
    CRiffBytes out;
    const std::size_t riff = out.Open("RIFF", "ACON");
    const std::size_t anih = out.Open("anih");
    out.U32(36);
    out.U32(FRAMES);
    out.U32(FRAMES);   // steps
    out.U32(0);        // width and height come from the images
    out.U32(0);
    out.U32(0);
    out.U32(0);
    out.U32(JIFFIES_PER_FRAME);
    out.U32(0x1 | 0x2);   // icon frames, with a sequence
    out.Close(anih);
    const std::size_t rate = out.Open("rate");
    for (int i = 0; i < FRAMES; ++i)
        out.U32(JIFFIES_PER_FRAME);
    out.Close(rate);
    const std::size_t seq = out.Open("seq ");
    for (int i = 0; i < FRAMES; ++i)
        out.U32(static_cast<std::uint32_t>(i));
    out.Close(seq);
    const std::size_t fram = out.Open("LIST", "fram");
    for (int i = 0; i < FRAMES; ++i)
        out.Chunk("icon", CursorImage(RadarFrame(i)));
    out.Close(fram);
    out.Close(riff);
    return WriteBytes(dataDir + "/APPSTART.ANI", out.bytes);
}
