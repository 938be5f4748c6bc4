#include "film.h"

#include "riffbytes.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <climits>
#include <numeric>

namespace {

constexpr int WIDTH = 160;   // even, as video decoders prefer
constexpr int HEIGHT = 110;
// Six a second: the waves roll calmly, and the box costs a game left
// running beside it next to nothing.
constexpr int FPS = 6;
constexpr int FRAMES = 42;   // 7 s
constexpr int HORIZON = 58;
constexpr std::uint32_t AVIF_HASINDEX = 0x10;
constexpr std::uint32_t AVIIF_KEYFRAME = 0x10;
constexpr std::uint32_t BI_RLE8 = 1;

// Everything moves with whole periods over the clip, so its end joins its start.
double Cycle(int frame, int periods = 1)
{
    return 2.0 * M_PI * periods * frame / FRAMES;
}

double WaveHeight(double x, int frame, int row)
{
    return 1.6 * std::sin(x * 0.09 + Cycle(frame, 2) + row) + 0.8 * std::sin(x * 0.21 - Cycle(frame, 3) + 2 * row);
}

void DrawSkyAndSea(QPainter& p, int frame)
{
    QLinearGradient sky(0, 0, 0, HORIZON);
    sky.setColorAt(0, QColor(30, 50, 96));
    sky.setColorAt(0.7, QColor(214, 120, 90));
    sky.setColorAt(1, QColor(250, 196, 120));
    p.fillRect(0, 0, WIDTH, HORIZON, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 226, 150));
    p.drawEllipse(QPointF(122, HORIZON - 4), 9, 9);

    QLinearGradient sea(0, HORIZON, 0, HEIGHT);
    sea.setColorAt(0, QColor(40, 70, 100));
    sea.setColorAt(1, QColor(10, 28, 48));
    p.fillRect(0, HORIZON, WIDTH, HEIGHT - HORIZON, sea);
    // Glitter of the sun on the water.
    for (int i = 0; i < 7; ++i) {
        const double y = HORIZON + 3 + i * 4.0;
        const double wobble = 3 * std::sin(Cycle(frame, 2) + i * 1.7);
        p.fillRect(QRectF(122 - 7 + wobble - i, y, 14 - i, 1.2), QColor(255, 210, 140, 150 - 15 * i));
    }
}

void DrawWaveRows(QPainter& p, int frame, int firstRow, int lastRow)
{
    for (int row = firstRow; row < lastRow; ++row) {
        const double base = HORIZON + 6 + row * 9.0;
        QPainterPath crest;
        crest.moveTo(0, HEIGHT);
        for (int x = 0; x <= WIDTH; x += 4)
            crest.lineTo(x, base + WaveHeight(x + row * 23.0, frame, row));
        crest.lineTo(WIDTH, HEIGHT);
        crest.closeSubpath();
        p.setPen(QPen(QColor(150, 190, 210, 120), 1));
        p.setBrush(QColor(30 - row * 3, 62 - row * 5, 92 - row * 6));
        p.drawPath(crest);
    }
}

void DrawShip(QPainter& p, int frame)
{
    const double bob = 1.5 * std::sin(Cycle(frame));
    const double roll = 2.5 * std::sin(Cycle(frame) + 0.8);
    p.save();
    p.translate(72, HORIZON + 14 + bob);
    p.rotate(roll);
    // Smoke drifting aft from the funnel.
    for (int k = 0; k < 5; ++k) {
        const double drift = std::fmod(k * 6.0 + frame * 6.0 * 5 / FRAMES * 1.0, 30.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 90, 100, 110 - 3 * static_cast<int>(drift)));
        p.drawEllipse(QPointF(2 - drift * 1.3, -22 - drift * 0.4), 2.5 + drift * 0.15, 2 + drift * 0.1);
    }
    p.setPen(QPen(QColor(20, 24, 30), 0.8));
    QPainterPath hull;
    hull.moveTo(-42, -6);
    hull.lineTo(44, -6);
    hull.lineTo(36, 3);
    hull.lineTo(-36, 3);
    hull.closeSubpath();
    p.setBrush(QColor(84, 92, 104));
    p.drawPath(hull);
    p.fillRect(QRectF(-36, 1, 72, 2), QColor(150, 40, 40));   // the boot-topping at the waterline
    p.setBrush(QColor(112, 120, 132));
    p.drawRect(QRectF(-14, -13, 26, 7));                        // superstructure
    p.drawRect(QRectF(-6, -19, 11, 6));                         // bridge
    p.setBrush(QColor(60, 64, 72));
    p.drawRect(QRectF(0, -23, 5, 10));                          // funnel
    p.drawLine(QPointF(-2, -19), QPointF(-2, -32));             // mast
    p.drawLine(QPointF(-6, -28), QPointF(2, -28));
    p.drawRect(QRectF(20, -9, 9, 3));                           // forward turret
    p.drawLine(QPointF(29, -8), QPointF(38, -9));
    p.drawRect(QRectF(-30, -9, 9, 3));                          // aft turret
    p.drawLine(QPointF(-30, -8), QPointF(-39, -9));
    // Bow wave.
    p.setPen(QPen(QColor(230, 240, 250, 200), 1.2));
    p.drawLine(QPointF(40, -1), QPointF(48, 2 - bob));
    p.restore();
}

QImage Frame(int frame)
{
    QImage image(WIDTH, HEIGHT, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawSkyAndSea(p, frame);
    DrawWaveRows(p, frame, 0, 2);
    DrawShip(p, frame);
    DrawWaveRows(p, frame, 2, 6);
    return image;
}

// One palette of 256 colours for the whole clip, as the clips of its kind
// carry: the most used colours, each the mean of the pixels that fall into
// its 5-5-5 bucket.
std::vector<QRgb> MakePalette(const std::vector<QImage>& frames)
{
    struct Bucket {
        long long count = 0, r = 0, g = 0, b = 0;
    };
    std::vector<Bucket> buckets(1 << 15);
    for (const QImage& frame : frames) {
        for (int y = 0; y < HEIGHT; ++y) {
            for (int x = 0; x < WIDTH; ++x) {
                const QRgb c = frame.pixel(x, y);
                Bucket& b = buckets[((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3)];
                ++b.count, b.r += qRed(c), b.g += qGreen(c), b.b += qBlue(c);
            }
        }
    }
    std::vector<int> order(buckets.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return buckets[a].count > buckets[b].count; });
    std::vector<QRgb> palette;
    for (int i : order) {
        const Bucket& b = buckets[i];
        if (b.count == 0 || palette.size() == 256)
            break;
        palette.push_back(qRgb(int(b.r / b.count), int(b.g / b.count), int(b.b / b.count)));
    }
    palette.resize(256, qRgb(0, 0, 0));
    return palette;
}

int Nearest(const std::vector<QRgb>& palette, QRgb c)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < int(palette.size()); ++i) {
        const int dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]), db = qBlue(c) - qBlue(palette[i]);
        const int distance = 2 * dr * dr + 4 * dg * dg + db * db;  // the eye weighs green most
        if (distance < bestDistance)
            best = i, bestDistance = distance;
    }
    return best;
}

// One row of palette indexes as runs of one colour and, where colours
// change from pixel to pixel, runs written out (at least three, padded to a
// 16-bit word).
void EncodeRow(const unsigned char* row, std::vector<unsigned char>& out)
{
    int x = 0;
    while (x < WIDTH) {
        int same = 1;
        while (x + same < WIDTH && same < 255 && row[x + same] == row[x])
            ++same;
        if (same >= 3 || WIDTH - x < 3) {
            out.push_back(static_cast<unsigned char>(same));
            out.push_back(row[x]);
            x += same;
            continue;
        }
        int literal = 0;  // up to the next run of three
        while (x + literal < WIDTH && literal < 255
               && !(x + literal + 2 < WIDTH && row[x + literal] == row[x + literal + 1]
                    && row[x + literal] == row[x + literal + 2]))
            ++literal;
        if (literal < 3) {
            for (int k = 0; k < literal; ++k) {
                out.push_back(1);
                out.push_back(row[x + k]);
            }
        } else {
            out.push_back(0);
            out.push_back(static_cast<unsigned char>(literal));
            out.insert(out.end(), row + x, row + x + literal);
            if (literal & 1)
                out.push_back(0);
        }
        x += literal;
    }
}

// A whole frame, bottom row first, every pixel written: each frame stands
// on its own, so the loop can start over anywhere.
std::vector<unsigned char> Rle8Frame(const QImage& image, const std::vector<QRgb>& palette,
                                     std::vector<int>& nearestOf)
{
    std::vector<unsigned char> out;
    std::vector<unsigned char> row(WIDTH);
    for (int y = HEIGHT - 1; y >= 0; --y) {
        for (int x = 0; x < WIDTH; ++x) {
            const QRgb c = image.pixel(x, y) & 0xffffff;
            int& index = nearestOf[c];
            if (index < 0)
                index = Nearest(palette, c);
            row[x] = static_cast<unsigned char>(index);
        }
        EncodeRow(row.data(), out);
        out.push_back(0);
        out.push_back(y == 0 ? 1 : 0);  // end of the picture, else of the line
    }
    return out;
}

void MainHeader(CRiffBytes& out, std::uint32_t largest)
{
    const std::size_t avih = out.Open("avih");
    out.U32(1000000 / FPS);
    out.U32(largest * FPS);
    out.U32(0);
    out.U32(AVIF_HASINDEX);
    out.U32(FRAMES);
    out.U32(0);
    out.U32(1);   // one stream: no sound
    out.U32(largest);
    out.U32(WIDTH);
    out.U32(HEIGHT);
    for (int i = 0; i < 4; ++i)
        out.U32(0);
    out.Close(avih);
}

void StreamHeaders(CRiffBytes& out, std::uint32_t largest, const std::vector<QRgb>& palette)
{
    const std::size_t strl = out.Open("LIST", "strl");
    const std::size_t strh = out.Open("strh");
    out.Tag("vids");
    out.Tag("mrle");
    out.U32(0);
    out.U16(0);
    out.U16(0);
    out.U32(0);
    out.U32(1);     // scale
    out.U32(FPS);   // rate: frames per second = rate / scale
    out.U32(0);
    out.U32(FRAMES);
    out.U32(largest);
    out.U32(0xFFFFFFFFu);   // default quality
    out.U32(0);
    out.U16(0);
    out.U16(0);
    out.U16(WIDTH);
    out.U16(HEIGHT);
    out.Close(strh);
    const std::size_t strf = out.Open("strf");
    out.U32(40);
    out.U32(WIDTH);
    out.U32(HEIGHT);
    out.U16(1);
    out.U16(8);
    out.U32(BI_RLE8);
    out.U32(WIDTH * HEIGHT);
    out.U32(0);
    out.U32(0);
    out.U32(256);
    out.U32(0);
    for (QRgb c : palette) {
        out.U8(qBlue(c));
        out.U8(qGreen(c));
        out.U8(qRed(c));
        out.U8(0);
    }
    out.Close(strf);
    out.Close(strl);
}

} // namespace

bool WriteFilm(const std::string& dataDir)
{
    std::vector<QImage> pictures;
    for (int i = 0; i < FRAMES; ++i)
        pictures.push_back(Frame(i));
    const std::vector<QRgb> palette = MakePalette(pictures);
    std::vector<int> nearestOf(1 << 24, -1);
    std::vector<std::vector<unsigned char>> frames;
    std::uint32_t largest = 0;
    for (const QImage& picture : pictures) {
        frames.push_back(Rle8Frame(picture, palette, nearestOf));
        largest = std::max(largest, static_cast<std::uint32_t>(frames.back().size()));
    }

    CRiffBytes out;
    const std::size_t riff = out.Open("RIFF", "AVI ");
    const std::size_t hdrl = out.Open("LIST", "hdrl");
    MainHeader(out, largest);
    StreamHeaders(out, largest, palette);
    out.Close(hdrl);

    const std::size_t movi = out.Open("LIST", "movi");
    const std::size_t moviTag = movi + 4;   // index offsets count from the list's "movi"
    std::vector<std::uint32_t> offsets;
    for (const auto& jpeg : frames) {
        offsets.push_back(static_cast<std::uint32_t>(out.Size() - moviTag));
        out.Chunk("00dc", jpeg);
    }
    out.Close(movi);

    const std::size_t idx1 = out.Open("idx1");
    for (std::size_t i = 0; i < frames.size(); ++i) {
        out.Tag("00dc");
        out.U32(AVIIF_KEYFRAME);
        out.U32(offsets[i]);
        out.U32(static_cast<std::uint32_t>(frames[i].size()));
    }
    out.Close(idx1);
    out.Close(riff);
    return WriteBytes(dataDir + "/Tidebolt.avi", out.bytes);
}
