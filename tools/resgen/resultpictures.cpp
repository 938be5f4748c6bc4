// The pictures shown at the end of a game: big bold words with a soft
// shadow on a softly shaded ground.

#include "resgen.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const int WIDTH = 370;
const int HEIGHT = 131;

QPainterPath WordsPath(const QString& words)
{
    QFont font(QStringLiteral("Nimbus Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Black);
    font.setPixelSize(76);
    QPainterPath path;
    path.addText(0, 0, font, words);
    // Centred on the picture, a little above the middle so the shadow fits.
    const QRectF box = path.boundingRect();
    path.translate((WIDTH - box.width()) / 2 - box.left(),
                   (HEIGHT - box.height()) / 2 - box.top() - 4);
    return path;
}

QImage ResultPicture(const QString& words, const QColor& groundLeft, const QColor& groundRight,
                     const QBrush& letters, const QColor& outline)
{
    QImage image(WIDTH, HEIGHT, QImage::Format_RGB888);
    QPainter p(&image);
    QLinearGradient ground(0, 0, WIDTH, 0);
    ground.setColorAt(0, groundLeft);
    ground.setColorAt(1, groundRight);
    p.fillRect(image.rect(), ground);

    const QPainterPath path = WordsPath(words);

    QImage shape(WIDTH, HEIGHT, QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    {
        QPainter s(&shape);
        s.setRenderHint(QPainter::Antialiasing);
        s.fillPath(path.translated(5, 6), Qt::black);
    }
    p.drawImage(0, 0, SoftShadow(shape, 3, QColor(40, 40, 60, 170)));

    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(path, letters);
    p.setPen(QPen(outline, 1.4));
    p.drawPath(path);
    return image;
}

}  // namespace

QImage MakeWinPicture()
{
    QLinearGradient letters(0, 22, 0, 104);
    letters.setColorAt(0.0, QColor(20, 50, 170));
    letters.setColorAt(0.35, QColor(40, 110, 220));
    letters.setColorAt(0.65, QColor(236, 190, 40));
    letters.setColorAt(1.0, QColor(255, 226, 110));
    return ResultPicture(QStringLiteral("You win !"), QColor(255, 250, 200), QColor(214, 214, 214),
                         letters, QColor(16, 30, 90));
}

QImage MakeLosePicture()
{
    // Hard-edged bands, repeated down the letters.
    QLinearGradient letters(0, 0, 0, 18);
    letters.setSpread(QGradient::RepeatSpread);
    const QColor bands[] = {QColor(112, 38, 150), QColor(42, 82, 196), QColor(236, 96, 170)};
    for (int i = 0; i < 3; ++i) {
        letters.setColorAt(i / 3.0, bands[i]);
        letters.setColorAt((i + 1) / 3.0 - 0.001, bands[i]);
    }
    return ResultPicture(QStringLiteral("You lose"), QColor(214, 214, 214), QColor(255, 250, 200),
                         letters, QColor(50, 16, 70));
}
