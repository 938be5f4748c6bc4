// The about box's clip reader: tiny clips of every kind it plays, drawn
// pixel by pixel, and damaged ones refused without reading past the data.
#include "tools/mediagen/riffbytes.h"
#include "ui/avifile.h"

#include <QFile>
#include <QTest>

#include <functional>

namespace {

using Bytes = std::vector<unsigned char>;

struct CFormat {
    int width = 2;
    int height = 2;  // negative: top row first
    int bits = 24;
    std::uint32_t compression = AVI_RGB;
    std::vector<std::uint32_t> palette;  // 0xRRGGBB
    std::uint32_t scale = 1, rate = 10;
    const char* streamType = "vids";
};

// A whole clip: one stream of the given format, the frames as written.
Bytes Clip(const CFormat& f, const std::vector<Bytes>& frames)
{
    CRiffBytes out;
    const std::size_t riff = out.Open("RIFF", "AVI ");
    const std::size_t hdrl = out.Open("LIST", "hdrl");
    const std::size_t avih = out.Open("avih");
    for (std::uint32_t v : {100000u, 0u, 0u, 0u, std::uint32_t(frames.size()), 0u, 1u, 0u, 2u, 2u, 0u, 0u, 0u, 0u})
        out.U32(v);
    out.Close(avih);
    const std::size_t strl = out.Open("LIST", "strl");
    const std::size_t strh = out.Open("strh");
    out.Tag(f.streamType);
    for (std::uint32_t v : {0u, 0u, 0u, 0u, f.scale, f.rate, 0u, std::uint32_t(frames.size()), 0u, 0u, 0u})
        out.U32(v);
    out.Close(strh);
    const std::size_t strf = out.Open("strf");
    out.U32(40), out.U32(f.width), out.U32(std::uint32_t(f.height)), out.U16(1), out.U16(f.bits);
    out.U32(f.compression);
    for (std::uint32_t v : {0u, 0u, 0u, std::uint32_t(f.palette.size()), 0u})
        out.U32(v);
    for (std::uint32_t c : f.palette)
        out.U8(c & 0xff), out.U8((c >> 8) & 0xff), out.U8(c >> 16), out.U8(0);
    out.Close(strf);
    out.Close(strl);
    out.Close(hdrl);
    const std::size_t movi = out.Open("LIST", "movi");
    out.Chunk("01wb", {1, 2, 3, 4});  // another stream's chunk is passed over
    for (const Bytes& frame : frames)
        out.Chunk("00dc", frame);
    out.Close(movi);
    out.Close(riff);
    return out.bytes;
}

const std::vector<std::uint32_t> FOUR = {0x000000, 0xff0000, 0x00ff00, 0x0000ff};

// What the player would show after each frame, as "top row / next row" of
// colour letters (k black, r red, g green, b blue, w white, ? anything else),
// one picture per frame joined by " | "; or "refused".
QString Play(const Bytes& bytes, std::uint32_t* frameUs = nullptr)
{
    CAviClip clip;
    clip.frames.resize(2);  // a stale result must not survive a refusal
    if (!ReadAviClip(bytes.data(), bytes.size(), clip, nullptr))
        return clip.frames.empty() && clip.width == 0 ? "refused" : "not emptied";
    if (frameUs)
        *frameUs = clip.frameMicroseconds;
    std::vector<std::uint32_t> picture(std::size_t(clip.width) * clip.height);
    QStringList shown;
    for (std::size_t i = 0; i < clip.frames.size(); ++i) {
        if (!DecodeAviFrame(clip, i, picture))
            return "accepted a broken frame";
        QStringList rows;
        for (int y = 0; y < clip.height; ++y) {
            QString row;
            for (int x = 0; x < clip.width; ++x) {
                switch (picture[std::size_t(y) * clip.width + x]) {
                case 0xff000000: row += 'k'; break;
                case 0xffff0000: row += 'r'; break;
                case 0xff00ff00: row += 'g'; break;
                case 0xff0000ff: row += 'b'; break;
                case 0xffffffff: row += 'w'; break;
                default: row += '?';
                }
            }
            rows << row;
        }
        shown << rows.join(" / ");
    }
    return shown.join(" | ");
}

} // namespace

class TestAviFile : public QObject {
    Q_OBJECT
private slots:
    void shippedFilmIsALoopOfRunLengthFrames()
    {
        QFile file(QStringLiteral(TIDEBOLT_DATA_DIR "/Tidebolt.avi"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        CAviClip clip;
        std::string error;
        QVERIFY2(ReadAviClip(reinterpret_cast<const unsigned char*>(data.constData()), data.size(), clip, &error),
                 error.c_str());
        QCOMPARE(QSize(clip.width, clip.height), QSize(160, 110));
        QCOMPARE(clip.compression, std::uint32_t(AVI_RLE8));
        QCOMPARE(clip.frames.size(), std::size_t(42));
        QCOMPARE(clip.frameMicroseconds, 166666u);  // six a second
    }

    void framesShowAsTheyWereWritten_data()
    {
        QTest::addColumn<Bytes>("clip");
        QTest::addColumn<QString>("shown");
        CFormat f;
        // Uncompressed rows are stored bottom row first, padded to four bytes,
        // each pixel blue, green, red.
        QTest::newRow("24 bits") << Clip(f, {{0, 0, 255, 255, 255, 255, 0, 0, /* top */ 255, 0, 0, 0, 255, 0, 0, 0}})
                                 << "bg / rw";
        f.height = -2;
        QTest::newRow("24 bits, top row first") << Clip(f, {{0, 0, 255, 255, 255, 255, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0}})
                                                << "rw / bg";
        f = CFormat();
        f.bits = 32;
        QTest::newRow("32 bits") << Clip(f, {{0, 255, 0, 0, 0, 0, 0, 0, 255, 255, 255, 0, 255, 0, 0, 0}}) << "wb / gk";
        f.bits = 16;
        QTest::newRow("16 bits, five per colour") << Clip(f, {{0xe0, 0x03, 0x00, 0x7c, 0x1f, 0x00, 0x00, 0x00}})
                                                  << "bk / gr";
        f = CFormat();
        f.bits = 8, f.palette = FOUR;
        QTest::newRow("8 bits with a palette") << Clip(f, {{3, 0, 0, 0, 1, 2, 0, 0}}) << "rg / bk";
        f.bits = 4;
        QTest::newRow("4 bits with a palette") << Clip(f, {{0x30, 0, 0, 0, 0x12, 0, 0, 0}}) << "rg / bk";
        f = CFormat();
        f.width = 4, f.bits = 8, f.compression = AVI_RLE8, f.palette = FOUR;
        // A run of four, end of line; a written-out run of three (padded), a
        // run of three of which two fall past the edge, end of picture. The
        // second frame jumps over two pixels and leaves them as they were;
        // the third is empty and changes nothing.
        QTest::newRow("run-length, 8 bits") << Clip(f, {{4, 1, 0, 0, 0, 3, 2, 3, 1, 0, 3, 2, 0, 1},
                                                         {0, 2, 2, 1, 2, 3, 0, 1}, {}})
                                            << "gbrg / rrrr | gbbb / rrrr | gbbb / rrrr";
        f.bits = 4, f.compression = AVI_RLE4;
        QTest::newRow("run-length, 4 bits") << Clip(f, {{4, 0x12, 0, 0, 0, 4, 0x31, 0x02, 0, 1}})
                                            << "brkg / rgrg";
    }
    void framesShowAsTheyWereWritten()
    {
        QFETCH(Bytes, clip);
        QTEST(Play(clip), "shown");
    }

    void frameRateComesFromTheStream_data()
    {
        QTest::addColumn<quint32>("scale");
        QTest::addColumn<quint32>("rate");
        QTest::addColumn<quint32>("micro");
        QTest::newRow("twelve a second") << 1u << 12u << 83333u;
        QTest::newRow("no rate: the main header's") << 0u << 0u << 100000u;
        QTest::newRow("a thousand a second: held to a hundred") << 1u << 1000u << 10000u;
        QTest::newRow("one a minute: held to ten seconds") << 60u << 1u << 10000000u;
    }
    void frameRateComesFromTheStream()
    {
        QFETCH(quint32, scale);
        QFETCH(quint32, rate);
        CFormat f;
        f.scale = scale, f.rate = rate;
        std::uint32_t us = 0;
        QCOMPARE(Play(Clip(f, {Bytes(16)}), &us), QString("kk / kk"));
        QTEST(us, "micro");
    }

    void damagedOrForeignClipsAreRefused_data()
    {
        QTest::addColumn<Bytes>("clip");
        CFormat f;
        const Bytes frame(16, 0);
        QTest::newRow("uncompressed frame a row short") << Clip(f, {Bytes(8)});
        QTest::newRow("no frames") << Clip(f, {});
        Bytes cut = Clip(f, {frame});
        cut.resize(cut.size() - 3);
        QTest::newRow("file cut short") << cut;
        f.streamType = "auds";
        QTest::newRow("sound alone") << Clip(f, {frame});
        f = CFormat(), f.compression = 0x47504a4d;  // "MJPG"
        QTest::newRow("compressed frames") << Clip(f, {frame});
        f = CFormat(), f.width = 0;
        QTest::newRow("no width") << Clip(f, {frame});
        f = CFormat(), f.width = AVI_MAX_SIDE + 1;
        QTest::newRow("wider than we show") << Clip(f, {frame});
        f = CFormat(), f.bits = 8, f.compression = AVI_RLE8, f.palette = FOUR;
        QTest::newRow("written-out run past the data") << Clip(f, {{0, 5, 1, 2}});
        QTest::newRow("jump past the data") << Clip(f, {{0, 2, 1}});
        f.height = -2;
        QTest::newRow("run-length top row first") << Clip(f, {{0, 1}});
        f = CFormat(), f.bits = 8, f.palette.assign(257, 0);
        QTest::newRow("more colours than 8 bits name") << Clip(f, {frame});
    }
    void damagedOrForeignClipsAreRefused()
    {
        QFETCH(Bytes, clip);
        QCOMPARE(Play(clip), QString("refused"));
    }
};

QTEST_MAIN(TestAviFile)
#include "tst_avifile.moc"
