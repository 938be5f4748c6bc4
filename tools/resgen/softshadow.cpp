#include "resgen.h"

#include <QColor>

#include <algorithm>
#include <vector>

namespace {

// One box-blur pass of an alpha plane along rows (step 1) or columns.
void BoxPass(std::vector<int>& alpha, int width, int height, int radius, bool alongRows)
{
    std::vector<int> out(alpha.size());
    const int lines = alongRows ? height : width;
    const int length = alongRows ? width : height;
    for (int line = 0; line < lines; ++line) {
        auto at = [&](int i) -> int& {
            return alongRows ? alpha[line * width + i] : alpha[i * width + line];
        };
        for (int i = 0; i < length; ++i) {
            int sum = 0;
            for (int k = -radius; k <= radius; ++k)
                sum += at(std::clamp(i + k, 0, length - 1));
            const int index = alongRows ? line * width + i : i * width + line;
            out[index] = sum / (2 * radius + 1);
        }
    }
    alpha.swap(out);
}

}  // namespace

QImage SoftShadow(const QImage& shape, int radius, const QColor& colour)
{
    const QImage source = shape.convertToFormat(QImage::Format_ARGB32);
    const int width = source.width();
    const int height = source.height();
    std::vector<int> alpha(size_t(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            alpha[size_t(y) * width + x] = qAlpha(source.pixel(x, y));

    // Three box passes each way come close to a gaussian.
    for (int pass = 0; pass < 3; ++pass) {
        BoxPass(alpha, width, height, radius, true);
        BoxPass(alpha, width, height, radius, false);
    }

    QImage shadow(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            QColor c = colour;
            c.setAlpha(alpha[size_t(y) * width + x] * colour.alpha() / 255);
            shadow.setPixelColor(x, y, c);
        }
    }
    return shadow;
}
