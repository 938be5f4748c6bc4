// The splash: a grey warship under way on an evening sea, the program's name
// and version in the top right corner, the year and the maker bottom left.

#include "resgen.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>

namespace {

const int WIDTH = 785;
const int HEIGHT = 440;
const int HORIZON = 262;

// Ship coordinates: x from the stern (0) to the bow (100), y upward from the
// waterline, both in hull hundredths.
const double SHIP_X = 196;
const double WATERLINE = 338;
const double UNIT = 4.5;

QPointF Ship(double x, double y)
{
    return QPointF(SHIP_X + x * UNIT, WATERLINE - y * UNIT);
}

QRectF ShipRect(double x1, double y1, double x2, double y2)
{
    return QRectF(Ship(x1, y2), Ship(x2, y1));
}

QPainterPath Polygon(std::initializer_list<QPointF> shipPoints)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& s : shipPoints) {
        const QPointF point = Ship(s.x(), s.y());
        if (first)
            path.moveTo(point);
        else
            path.lineTo(point);
        first = false;
    }
    path.closeSubpath();
    return path;
}

double DeckHeight(double x)
{
    return 8.5 + 0.045 * x;  // the sheer rises toward the bow
}

QBrush Steel(double top, double bottom, const QColor& light, const QColor& dark)
{
    QLinearGradient g(Ship(0, top), Ship(0, bottom));
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    return g;
}

void PaintSky(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, HORIZON);
    sky.setColorAt(0.0, QColor(22, 44, 96));
    sky.setColorAt(0.45, QColor(84, 124, 182));
    sky.setColorAt(0.82, QColor(214, 186, 170));
    sky.setColorAt(1.0, QColor(252, 206, 148));
    p.fillRect(QRect(0, 0, WIDTH, HORIZON), sky);

    const QPointF sun(128, HORIZON - 34);
    QRadialGradient glow(sun, 230);
    glow.setColorAt(0, QColor(255, 240, 200, 235));
    glow.setColorAt(0.12, QColor(255, 214, 150, 150));
    glow.setColorAt(1, QColor(255, 190, 120, 0));
    p.fillRect(QRect(0, 0, WIDTH, HORIZON), glow);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 248, 226));
    p.drawEllipse(sun, 17, 17);
}

void PaintClouds(QPainter& p)
{
    QImage shape(WIDTH, HEIGHT, QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    QPainter s(&shape);
    s.setRenderHint(QPainter::Antialiasing);
    s.setPen(Qt::NoPen);
    s.setBrush(Qt::black);
    QRandomGenerator random(2026);
    const QPointF banks[] = {{120, 70}, {330, 118}, {560, 150}, {700, 60}, {250, 190}};
    for (const QPointF& bank : banks) {
        for (int puff = 0; puff < 9; ++puff) {
            const double dx = random.bounded(-90, 90);
            const double dy = random.bounded(-10, 10);
            const double rx = 30 + random.bounded(40);
            s.drawEllipse(bank + QPointF(dx, dy), rx, rx * 0.32);
        }
    }
    s.end();
    p.drawImage(0, 0, SoftShadow(shape, 9, QColor(255, 236, 222, 120)));
}

void PaintDistantLand(QPainter& p)
{
    QPainterPath land;
    land.moveTo(0, HORIZON);
    land.cubicTo(20, HORIZON - 16, 60, HORIZON - 22, 96, HORIZON - 10);
    land.cubicTo(120, HORIZON - 4, 150, HORIZON - 8, 170, HORIZON);
    land.closeSubpath();
    land.moveTo(600, HORIZON);
    land.cubicTo(640, HORIZON - 9, 700, HORIZON - 12, 785, HORIZON - 7);
    land.lineTo(785, HORIZON);
    land.closeSubpath();
    p.fillPath(land, QColor(78, 84, 112));
}

void PaintSea(QPainter& p)
{
    QLinearGradient sea(0, HORIZON, 0, HEIGHT);
    sea.setColorAt(0.0, QColor(96, 120, 150));
    sea.setColorAt(0.15, QColor(36, 78, 124));
    sea.setColorAt(1.0, QColor(6, 28, 62));
    p.fillRect(QRect(0, HORIZON, WIDTH, HEIGHT - HORIZON), sea);

    // The sun's path on the water.
    QRandomGenerator random(7);
    for (int i = 0; i < 140; ++i) {
        const double depth = random.generateDouble();
        const double y = HORIZON + 2 + depth * depth * (HEIGHT - HORIZON);
        const double spread = 14 + depth * 90;
        const double x = 128 + (random.generateDouble() - 0.5) * spread;
        const double length = 4 + depth * 26;
        p.setPen(QPen(QColor(255, 222, 170, int(200 * (1 - depth * 0.7))), 1 + depth * 2));
        p.drawLine(QPointF(x - length / 2, y), QPointF(x + length / 2, y));
    }

    // Wave crests, larger and further apart toward the viewer.
    QRandomGenerator waves(11);
    for (int i = 0; i < 420; ++i) {
        const double depth = waves.generateDouble();
        const double y = HORIZON + 4 + depth * depth * (HEIGHT - HORIZON);
        const double x = waves.generateDouble() * WIDTH;
        const double length = 6 + depth * 46;
        const double rise = 1 + depth * 5;
        QPainterPath crest;
        crest.moveTo(x, y);
        crest.quadTo(x + length / 2, y - rise, x + length, y);
        const bool light = waves.bounded(3) != 0;
        p.setPen(QPen(light ? QColor(150, 190, 225, 90 + int(depth * 80))
                            : QColor(0, 14, 40, 110),
                      0.8 + depth * 1.8, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(crest);
    }
}

void PaintWake(QPainter& p)
{
    QRandomGenerator random(5);
    // Foam churned up behind the stern, widening and thinning astern.
    for (int i = 0; i < 260; ++i) {
        const double t = random.generateDouble();
        const double along = -t * 40;
        const double half = 2 + t * 10;
        const double across = (random.generateDouble() - 0.5) * 2 * half;
        const QPointF at = Ship(along, 0) + QPointF(0, across * 0.9);
        const double r = 1.5 + random.generateDouble() * (4 - 2 * t);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 244, 250, int(200 * (1 - t) + 20)));
        p.drawEllipse(at, r * 2, r * 0.8);
    }
    // The two arms of the wake opening out astern.
    p.setBrush(Qt::NoBrush);
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath arm;
        arm.moveTo(Ship(2, 0) + QPointF(0, side * 3));
        arm.quadTo(Ship(-14, 0) + QPointF(0, side * 6), Ship(-36, 0) + QPointF(0, side * 16));
        p.setPen(QPen(QColor(220, 236, 248, 120), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(arm);
    }
}

void PaintShip(QPainter& p)
{
    const QColor light(176, 184, 192);
    const QColor mid(122, 130, 140);
    const QColor dark(70, 76, 86);
    const QColor black(28, 30, 34);

    // Reflection under the hull.
    QLinearGradient reflection(0, WATERLINE, 0, WATERLINE + 40);
    reflection.setColorAt(0, QColor(20, 24, 34, 150));
    reflection.setColorAt(1, QColor(20, 24, 34, 0));
    p.fillPath(Polygon({{1, 0}, {96, 0}, {90, -8}, {6, -8}}), reflection);

    // Hull, with its raked stem and a dark band at the waterline.
    const QPainterPath hull = Polygon({{0, DeckHeight(0)}, {40, DeckHeight(40)},
                                       {80, DeckHeight(80)}, {101, DeckHeight(101) + 1.2},
                                       {95, 0}, {1.5, 0}});
    p.fillPath(hull, Steel(DeckHeight(100), 0, mid, dark));
    p.fillPath(hull.intersected(Polygon({{0, 1.2}, {102, 1.2}, {102, -1}, {0, -1}})), black);
    p.setPen(QPen(light, 1.2));
    p.drawLine(Ship(0, DeckHeight(0)), Ship(101, DeckHeight(101) + 1.2));
    p.setPen(QPen(QColor(40, 44, 52), 1));
    for (int port = 0; port < 14; ++port) {
        const double x = 30 + port * 3.2;
        p.setBrush(QColor(40, 44, 52));
        p.drawEllipse(Ship(x, DeckHeight(x) - 3), 1.3, 1.3);
    }
    p.setBrush(Qt::NoBrush);

    auto block = [&](double x1, double y1, double x2, double y2) {
        p.fillRect(ShipRect(x1, y1, x2, y2), Steel(y2, y1, light, mid));
        p.setPen(QPen(dark, 1));
        p.drawRect(ShipRect(x1, y1, x2, y2));
    };
    auto windows = [&](double x1, double x2, double y) {
        for (double x = x1; x < x2; x += 2.2)
            p.fillRect(ShipRect(x, y, x + 1.2, y + 1.2), QColor(30, 34, 44));
    };
    auto turret = [&](double x, double deck, bool forward) {
        const double dir = forward ? 1 : -1;
        const double muzzle = x + dir * 17;
        for (int gun = 0; gun < 2; ++gun) {
            const double y = deck + 2.2 + gun * 1.2;
            p.setPen(QPen(dark, 3.2, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(Ship(x, y), Ship(muzzle, y + 0.3));
        }
        QPainterPath house = Polygon({{x - 5 * dir, deck}, {x + 5 * dir, deck},
                                      {x + 4 * dir, deck + 4}, {x - 4.5 * dir, deck + 4}});
        p.fillPath(house, Steel(deck + 4, deck, light, mid));
        p.setPen(QPen(dark, 1));
        p.drawPath(house);
    };

    // After part: turret, deckhouse.
    turret(16, DeckHeight(16), false);
    block(27, DeckHeight(27), 38, DeckHeight(27) + 5);
    // Main superstructure in tiers.
    block(36, DeckHeight(36), 66, DeckHeight(36) + 8);
    block(42, DeckHeight(36) + 8, 62, DeckHeight(36) + 13);
    windows(44, 61, DeckHeight(36) + 10.5);
    // Bridge with its windows facing forward.
    block(54, DeckHeight(36) + 13, 64, DeckHeight(36) + 17.5);
    windows(56, 63.5, DeckHeight(36) + 15.3);

    // Raked funnel with a black cap.
    const double funnelBase = DeckHeight(36) + 13;
    const QPainterPath funnel = Polygon({{43, funnelBase}, {51.5, funnelBase},
                                         {48.5, funnelBase + 7.5}, {41.5, funnelBase + 7.5}});
    p.fillPath(funnel, Steel(funnelBase + 7.5, funnelBase, light, mid));
    p.fillPath(funnel.intersected(Polygon({{38, funnelBase + 6.3}, {54, funnelBase + 6.3},
                                           {54, funnelBase + 8}, {38, funnelBase + 8}})),
               black);
    p.setPen(QPen(dark, 1));
    p.drawPath(funnel);

    // Tripod mast with yards and a radar.
    const double mastBase = DeckHeight(36) + 17.5;
    p.setPen(QPen(dark, 2));
    p.drawLine(Ship(59, mastBase), Ship(59.5, mastBase + 15));
    p.setPen(QPen(dark, 1.2));
    p.drawLine(Ship(55, mastBase), Ship(59.4, mastBase + 11));
    p.drawLine(Ship(63.5, mastBase), Ship(59.4, mastBase + 11));
    p.drawLine(Ship(55.5, mastBase + 10), Ship(63.5, mastBase + 10));
    p.drawLine(Ship(57, mastBase + 13.5), Ship(62, mastBase + 13.5));
    p.fillRect(ShipRect(57.8, mastBase + 15, 61.2, mastBase + 16.2), dark);
    // Rigging down to bow and stern.
    p.setPen(QPen(QColor(60, 66, 76, 160), 0.8));
    p.drawLine(Ship(59.5, mastBase + 14), Ship(100, DeckHeight(100) + 1));
    p.drawLine(Ship(59.5, mastBase + 14), Ship(2, DeckHeight(2)));

    // Forward turrets, the second one firing over the first.
    turret(78, DeckHeight(78), true);
    block(65, DeckHeight(66), 73, DeckHeight(66) + 3);
    turret(69, DeckHeight(66) + 3, true);

    // Ensign at the stern, flying aft.
    p.setPen(QPen(dark, 1));
    p.drawLine(Ship(1, DeckHeight(1)), Ship(1, DeckHeight(1) + 7));
    p.fillRect(ShipRect(-4, DeckHeight(1) + 5, 1, DeckHeight(1) + 7), QColor(200, 40, 40));
}

void PaintSmoke(QPainter& p)
{
    QImage shape(WIDTH, HEIGHT, QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    QPainter s(&shape);
    s.setRenderHint(QPainter::Antialiasing);
    s.setPen(Qt::NoPen);
    s.setBrush(Qt::black);
    // From the funnel's mouth, drifting astern and thinning as it rises.
    const double top = DeckHeight(36) + 20.5;
    for (int puff = 0; puff < 10; ++puff) {
        const double r = 6.5 + puff * 1.8;
        s.drawEllipse(Ship(45 - puff * 5.5, top + puff * 0.6), r, r * 0.6);
    }
    s.end();
    p.drawImage(0, 0, SoftShadow(shape, 4, QColor(64, 64, 72, 120)));
}

void PaintBowWave(QPainter& p)
{
    QPainterPath wave;
    wave.moveTo(Ship(80, 0));
    wave.quadTo(Ship(93, 1.5), Ship(97, 4.5));
    wave.quadTo(Ship(100, 2), Ship(106, -1));
    wave.quadTo(Ship(95, -2.5), Ship(78, -1));
    wave.closeSubpath();
    p.fillPath(wave, QColor(240, 248, 252, 235));

    QRandomGenerator random(3);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
        const double x = 60 + random.generateDouble() * 48;
        const double y = -1.5 + random.generateDouble() * 3.5 * (x > 90 ? 1.4 : 0.6);
        p.setBrush(QColor(240, 248, 252, 90 + random.bounded(140)));
        p.drawEllipse(Ship(x, y), 1 + random.generateDouble() * 2.5, 0.8 + random.generateDouble());
    }
}

void PaintTitle(QPainter& p)
{
    QFont title(QStringLiteral("C059"));
    title.setStyleHint(QFont::Serif);
    title.setWeight(QFont::Bold);
    title.setPixelSize(70);
    QPainterPath name;
    name.addText(0, 0, title, QStringLiteral("Tidebolt"));
    name.translate(WIDTH - 24 - name.boundingRect().right(), 24 - name.boundingRect().top());

    QFont small(QStringLiteral("C059"));
    small.setWeight(QFont::Bold);
    small.setPixelSize(26);
    QPainterPath version;
    version.addText(0, 0, small, QStringLiteral("1.0"));
    version.translate(WIDTH - 26 - version.boundingRect().right(),
                      name.boundingRect().bottom() + 10 - version.boundingRect().top());

    QFont credit(QStringLiteral("C059"));
    credit.setPixelSize(20);
    QPainterPath maker;
    maker.addText(0, 0, credit, QStringLiteral("2026   Orvex software"));
    maker.translate(22 - maker.boundingRect().left(), HEIGHT - 20 - maker.boundingRect().bottom());

    QImage shape(WIDTH, HEIGHT, QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    QPainter s(&shape);
    s.setRenderHint(QPainter::Antialiasing);
    for (const QPainterPath& path : {name, version, maker})
        s.fillPath(path.translated(3, 4), Qt::black);
    s.end();
    p.drawImage(0, 0, SoftShadow(shape, 3, QColor(0, 0, 20, 200)));

    QLinearGradient gold(0, name.boundingRect().top(), 0, name.boundingRect().bottom());
    gold.setColorAt(0, QColor(255, 250, 220));
    gold.setColorAt(0.55, QColor(250, 214, 120));
    gold.setColorAt(1, QColor(206, 150, 50));
    p.fillPath(name, gold);
    p.setPen(QPen(QColor(70, 40, 10), 1.2));
    p.drawPath(name);
    p.setPen(Qt::NoPen);
    p.fillPath(version, QColor(255, 236, 180));
    p.fillPath(maker, QColor(226, 236, 246));
}

}  // namespace

QImage MakeSplashPicture()
{
    QImage image(WIDTH, HEIGHT, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintSky(p);
    PaintClouds(p);
    PaintDistantLand(p);
    PaintSea(p);
    PaintWake(p);
    PaintSmoke(p);
    PaintShip(p);
    PaintBowWave(p);
    PaintTitle(p);
    return image;
}
