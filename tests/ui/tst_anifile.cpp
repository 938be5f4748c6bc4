// The wait cursor's file: the shipped one, and damaged copies refused without reading past the data.
#include "ui/anifile.h"

#include <QFile>
#include <QImage>
#include <QTest>

#include <algorithm>
#include <random>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes ShippedCursor()
{
    QFile file(QStringLiteral(TIDEBOLT_DATA_DIR "/APPSTART.ANI"));
    const QByteArray data = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    return Bytes(data.begin(), data.end());
}

void Poke32(Bytes& bytes, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<unsigned char>(v >> (8 * i));
}

// A read as the player would meet it: steps (frame@jiffies) and the first hot spot, or
// "refused"; anything accepted must also hang together, whatever the file said.
QString Read(const Bytes& bytes)
{
    CAniFile ani;
    ani.sequence = {7};  // a stale result must not survive a refusal
    if (!ReadAniFile(bytes.data(), bytes.size(), ani, nullptr))
        return ani.frames.empty() && ani.sequence.empty() && ani.ratesJiffies.empty() ? "refused" : "not emptied";
    if (ani.frames.empty() || ani.sequence.size() != ani.ratesJiffies.size())
        return "inconsistent";
    for (int frame : ani.sequence)
        if (frame < 0 || std::size_t(frame) >= ani.frames.size())
            return "inconsistent";
    for (const CAniFrame& frame : ani.frames)
        if (frame.image.size() < 22 || frame.hotX < 0 || frame.hotX > 255 || frame.hotY < 0 || frame.hotY > 255)
            return "inconsistent";
    QStringList steps;
    for (std::size_t i = 0; i < ani.sequence.size(); ++i)
        steps << QStringLiteral("%1@%2").arg(ani.sequence[i]).arg(ani.ratesJiffies[i]);
    return QStringLiteral("%1 hot %2,%3").arg(steps.join(' ')).arg(ani.frames[0].hotX).arg(ani.frames[0].hotY);
}

const QString SHIPPED = "0@6 1@6 2@6 3@6 4@6 5@6 6@6 7@6 hot 16,16";

} // namespace

class TestAniFile : public QObject {
    Q_OBJECT
private slots:
    void shippedCursorIsARadarSweepOfEightFrames()
    {
        const Bytes bytes = ShippedCursor();
        QCOMPARE(Read(bytes), SHIPPED);
        CAniFile ani;
        QVERIFY(ReadAniFile(bytes.data(), bytes.size(), ani, nullptr));
        for (std::size_t i = 0; i < ani.frames.size(); ++i) {
            const CAniFrame& frame = ani.frames[i];
            QCOMPARE(QPoint(frame.hotX, frame.hotY), QPoint(16, 16));
            QCOMPARE(QImage::fromData(frame.image.data(), int(frame.image.size()), "ICO").size(), QSize(32, 32));
            QVERIFY(i == 0 || frame.image != ani.frames[i - 1].image);  // the beam moves
        }
    }

    // Four bytes changed at an offset from the first place a tag occurs.
    void changedFieldsGiveTheRightReading_data()
    {
        QTest::addColumn<QByteArray>("tag");
        QTest::addColumn<int>("offset");
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QString>("reading");
        QTest::newRow("frame count one too many") << QByteArray("anih") << 12 << 9u << "refused";
        QTest::newRow("flags say raw bitmaps") << QByteArray("anih") << 40 << 0u << "refused";
        QTest::newRow("rate chunk one step short") << QByteArray("rate") << 4 << 28u << "refused";
        QTest::newRow("a step naming frame 8 of 8") << QByteArray("seq ") << 36 << 8u << "refused";
        QTest::newRow("frame list size huge") << QByteArray("LIST") << 4 << 0xFFFFFFF0u << "refused";
        QTest::newRow("a frame's image past its end") << QByteArray("icon") << 26 << 100000u << "refused";
        QTest::newRow("a hot spot right of the image") << QByteArray("icon") << 18 << 32u << "refused";
        QTest::newRow("frames in order without a sequence") << QByteArray("seq ") << 0 << 0x78787878u << SHIPPED;
        QTest::newRow("last step slowed to a second") << QByteArray("rate") << 36 << 60u << "0@6 1@6 2@6 3@6 4@6 5@6 6@6 7@60 hot 16,16";
        QTest::newRow("hot spot moved to a corner") << QByteArray("icon") << 18 << 0x001F0000u << "0@6 1@6 2@6 3@6 4@6 5@6 6@6 7@6 hot 0,31";
    }
    void changedFieldsGiveTheRightReading()
    {
        QFETCH(QByteArray, tag);
        QFETCH(int, offset);
        QFETCH(quint32, value);
        Bytes bytes = ShippedCursor();
        const auto at = std::search(bytes.begin(), bytes.end(), tag.begin(), tag.end()) - bytes.begin();
        QVERIFY(std::size_t(at + offset + 4) <= bytes.size());
        Poke32(bytes, std::size_t(at + offset), value);
        QTEST(Read(bytes), "reading");
    }

    // With the outer size mended, an inner chunk's length is what must catch the cut.
    void truncatedCopiesAreRefused()
    {
        for (std::size_t length : {0, 11, 47, 152, 4000, 34499}) {
            Bytes cut = ShippedCursor();
            cut.resize(length);
            QCOMPARE(Read(cut), QStringLiteral("refused"));
            if (length >= 8)
                Poke32(cut, 4, std::uint32_t(length - 8));
            QVERIFY2(Read(cut) == "refused", qPrintable(QString::number(length)));
        }
    }

    void randomDamageNeverGivesAnInconsistentCursor()
    {
        const Bytes whole = ShippedCursor();
        std::mt19937 random(2004);  // fixed, so a failure can be replayed
        for (int round = 0; round < 3000; ++round) {
            Bytes bytes = whole;
            for (int hits = 1 + int(random() % 8); hits > 0; --hits)
                bytes[random() % bytes.size()] = static_cast<unsigned char>(random());
            bytes.resize(bytes.size() - random() % 64);
            const QString reading = Read(bytes);
            QVERIFY2(reading != "inconsistent" && reading != "not emptied", qPrintable(QString::number(round)));
        }
    }
};

QTEST_GUILESS_MAIN(TestAniFile)
#include "tst_anifile.moc"
