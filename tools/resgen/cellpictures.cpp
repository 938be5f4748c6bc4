// The five 25 x 25 cell pictures. The board draws them into the 25 x 25
// pixels inside each cell's grid lines, so they are drawn pixel by pixel,
// edges crisp and the crosses in their exact colours.

#include "resgen.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {

const int CELL = 25;

struct CBlockColours {
    QColor lightEdge;
    QColor darkEdge;
    QColor innerLine;   // the thin line just inside the light edge
    QColor faceLight;
    QColor faceDark;
};

const CBlockColours GREY_BLOCK = {QColor(236, 236, 236), QColor(16, 16, 20), QColor(40, 96, 200),
                                  QColor(218, 220, 224), QColor(104, 106, 112)};
const CBlockColours OLIVE_BLOCK = {QColor(252, 248, 188), QColor(34, 32, 8), QColor(40, 96, 200),
                                   QColor(236, 226, 120), QColor(122, 112, 28)};

const QColor HIT_CROSS(237, 20, 91);
const QColor SUNK_CROSS(236, 0, 140);

QImage BlankCell()
{
    QImage image(CELL, CELL, QImage::Format_RGB888);
    image.fill(Qt::black);
    return image;
}

void Pixels(QPainter& p, int x, int y, int w, int h, const QColor& colour)
{
    p.fillRect(QRect(x, y, w, h), colour);
}

// A raised block lit from the top left: a one-pixel light edge above and to
// the left with a thin line inside it, a two-pixel dark edge below and to the
// right. Sunk turns it round: the light falls into the hollow from the other
// side.
QImage Block(const CBlockColours& c, bool sunk)
{
    QImage image = BlankCell();
    QPainter p(&image);

    QLinearGradient face(2, 2, CELL - 3, CELL - 3);
    face.setColorAt(0, sunk ? c.faceDark : c.faceLight);
    face.setColorAt(1, sunk ? c.faceLight : c.faceDark);
    p.fillRect(QRect(0, 0, CELL, CELL), face);

    if (!sunk) {
        Pixels(p, 0, 0, CELL, 1, c.lightEdge);
        Pixels(p, 0, 0, 1, CELL, c.lightEdge);
        Pixels(p, 1, 1, CELL - 3, 1, c.innerLine);
        Pixels(p, 1, 1, 1, CELL - 3, c.innerLine);
        Pixels(p, CELL - 2, 1, 2, CELL - 1, c.darkEdge);
        Pixels(p, 1, CELL - 2, CELL - 1, 2, c.darkEdge);
    } else {
        Pixels(p, 0, 0, CELL, 2, c.darkEdge);
        Pixels(p, 0, 0, 2, CELL, c.darkEdge);
        Pixels(p, 2, CELL - 2, CELL - 3, 1, c.innerLine);
        Pixels(p, CELL - 2, 2, 1, CELL - 3, c.innerLine);
        Pixels(p, 2, CELL - 1, CELL - 2, 1, c.lightEdge);
        Pixels(p, CELL - 1, 2, 1, CELL - 2, c.lightEdge);
    }
    return image;
}

// Two strokes three pixels wide from corner to corner of the face; drawn
// without smoothing so the colour is exact on every pixel of the cross.
void Cross(QImage& image, const QColor& colour)
{
    QPainter p(&image);
    const int first = 3;
    const int last = CELL - 4;
    for (int i = first; i <= last; ++i) {
        for (int t = -1; t <= 1; ++t) {
            p.fillRect(QRect(i + t, i, 1, 1), colour);
            p.fillRect(QRect(CELL - 1 - i + t, i, 1, 1), colour);
        }
    }
}

}  // namespace

QImage MakeMissCell()
{
    QImage image = BlankCell();
    image.fill(QColor(0, 102, 204));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // A splash-coloured ball, lit from the upper left like the blocks.
    const QRectF ball(7.5, 7.5, 10, 10);
    QRadialGradient fill(QPointF(10.5, 10.5), 7.5);
    fill.setColorAt(0, QColor(255, 250, 120));
    fill.setColorAt(0.55, QColor(255, 222, 0));
    fill.setColorAt(1, QColor(214, 150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(ball);

    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(9.3, 9.3, 3.2, 3.2));
    return image;
}

QImage MakeShipCell()
{
    return Block(GREY_BLOCK, false);
}

QImage MakeHitCell()
{
    QImage image = Block(GREY_BLOCK, false);
    Cross(image, HIT_CROSS);
    return image;
}

QImage MakeSunkCell()
{
    QImage image = Block(GREY_BLOCK, true);
    Cross(image, SUNK_CROSS);
    return image;
}

QImage MakeShownCell()
{
    return Block(OLIVE_BLOCK, false);
}
