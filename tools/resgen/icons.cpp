// The 32 x 32 icons: the program's, the network dialog's and the two
// language flags, and the program's icon at the sizes of a desktop's icon
// theme. The drawings are made four times larger and scaled down, which gives
// small icons clean soft edges.

#include "resgen.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const int ICON = 32;
const int SCALE = 4;
const int BIG = ICON * SCALE;

QImage BigCanvas(int size = ICON)
{
    QImage image(size * SCALE, size * SCALE, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage ToIcon(const QImage& big, int size = ICON)
{
    return big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

QPainterPath ShipSilhouette(double x, double waterline, double length)
{
    const double u = length / 100.0;
    QPainterPath hull;
    hull.moveTo(x, waterline - 10 * u);
    hull.lineTo(x + 100 * u, waterline - 14 * u);       // raked bow
    hull.lineTo(x + 88 * u, waterline + 2 * u);
    hull.lineTo(x + 8 * u, waterline + 2 * u);
    hull.closeSubpath();
    QPainterPath top;
    top.addRect(x + 30 * u, waterline - 22 * u, 34 * u, 13 * u);  // superstructure
    top.addRect(x + 44 * u, waterline - 34 * u, 12 * u, 13 * u);  // bridge
    top.addRect(x + 38 * u, waterline - 30 * u, 6 * u, 9 * u);    // funnel
    top.addRect(x + 72 * u, waterline - 17 * u, 12 * u, 6 * u);   // forward turret
    top.addRect(x + 82 * u, waterline - 16 * u, 14 * u, 2.5 * u); // its gun
    top.addRect(x + 14 * u, waterline - 16 * u, 12 * u, 6 * u);   // after turret
    return hull.united(top);
}

}  // namespace

QImage MakeProgramIcon()
{
    return MakeProgramIconAt(ICON);
}

QImage MakeProgramIconAt(int size)
{
    QImage big = BigCanvas(size);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn in the units of the 32-pixel icon's canvas, so every size is the same picture.
    p.scale(double(size) / ICON, double(size) / ICON);

    // A round porthole on the sea: sky above, sea below, a ship between.
    const QRectF disc(4, 4, BIG - 8, BIG - 8);
    QPainterPath clip;
    clip.addEllipse(disc);
    p.setClipPath(clip);
    QLinearGradient sky(0, 4, 0, 76);
    sky.setColorAt(0, QColor(70, 130, 210));
    sky.setColorAt(1, QColor(190, 220, 245));
    p.fillRect(disc, sky);
    QLinearGradient sea(0, 76, 0, BIG);
    sea.setColorAt(0, QColor(0, 102, 200));
    sea.setColorAt(1, QColor(0, 40, 110));
    p.fillRect(QRectF(0, 76, BIG, BIG - 76), sea);
    p.fillPath(ShipSilhouette(14, 80, 100), QColor(70, 76, 86));
    p.setPen(QPen(QColor(230, 245, 255), 4, Qt::SolidLine, Qt::RoundCap));
    for (int row = 0; row < 2; ++row) {
        QPainterPath wave;
        const double y = 94 + row * 14;
        wave.moveTo(0, y);
        for (int x = 0; x <= BIG; x += 16)
            wave.quadTo(x + 8, y - 7, x + 16, y);
        p.drawPath(wave);
    }
    p.setClipping(false);
    p.setPen(QPen(QColor(20, 40, 70), 5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(disc);
    p.end();
    return ToIcon(big, size);
}

QImage MakeNetworkIcon()
{
    QImage big = BigCanvas();
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);

    auto screen = [&](double x, double y) {
        const QRectF body(x, y, 62, 48);
        p.setPen(QPen(QColor(40, 44, 52), 3));
        p.setBrush(QColor(200, 204, 210));
        p.drawRoundedRect(body, 5, 5);
        QLinearGradient glass(x, y, x + 62, y + 48);
        glass.setColorAt(0, QColor(90, 170, 250));
        glass.setColorAt(1, QColor(0, 70, 160));
        p.setPen(Qt::NoPen);
        p.setBrush(glass);
        p.drawRect(body.adjusted(7, 7, -7, -7));
        p.setBrush(QColor(150, 154, 162));
        p.setPen(QPen(QColor(40, 44, 52), 3));
        p.drawRect(QRectF(x + 24, y + 48, 14, 8));
        p.drawRoundedRect(QRectF(x + 12, y + 56, 38, 7), 3, 3);
    };

    // The cable first, so both screens stand in front of it.
    QPainterPath cable;
    cable.moveTo(36, 86);
    cable.cubicTo(36, 118, 92, 118, 92, 86);
    p.setPen(QPen(QColor(20, 20, 20), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);
    p.setPen(QPen(QColor(250, 200, 30), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);

    screen(2, 14);
    screen(62, 30);
    return ToIcon(big);
}

// The flags fill the icon's width at 32 x 26 and are drawn pixel by pixel:
// stripes two pixels high read better than scaled ones.
QImage MakeUsFlagIcon()
{
    QImage image(ICON, ICON, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const int top = 3;
    for (int stripe = 0; stripe < 13; ++stripe)
        p.fillRect(QRect(0, top + 2 * stripe, ICON, 2),
                   stripe % 2 ? QColor(255, 255, 255) : QColor(191, 10, 48));
    const QRect canton(0, top, 14, 14);
    p.fillRect(canton, QColor(0, 40, 104));
    for (int y = 0; y < 5; ++y)
        for (int x = y % 2; x < 6; x += 2)
            p.fillRect(QRect(1 + 2 * x + (y % 2 ? 0 : 1), top + 2 + 2 * y, 1, 1), Qt::white);
    p.setPen(QColor(60, 60, 70));
    p.drawRect(QRect(0, top, ICON - 1, 25));
    return image;
}

QImage MakeRussianFlagIcon()
{
    QImage image(ICON, ICON, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const int top = 3;
    p.fillRect(QRect(0, top, ICON, 9), QColor(255, 255, 255));
    p.fillRect(QRect(0, top + 9, ICON, 8), QColor(0, 57, 166));
    p.fillRect(QRect(0, top + 17, ICON, 9), QColor(213, 43, 30));
    p.setPen(QColor(60, 60, 70));
    p.drawRect(QRect(0, top, ICON - 1, 25));
    return image;
}
