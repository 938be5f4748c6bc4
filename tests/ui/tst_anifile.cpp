// The animated wait cursor as the game reads it from a file anyone can edit:
// the shipped cursor, hand-made variants of the format, and damaged copies
// that must be refused without ever reading past the data.
#include "ui/anifile.h"

#include <QFile>
#include <QImage>
#include <QTest>

#include <cstdint>
#include <random>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

void Put16(Bytes& b, unsigned v)
{
    b.push_back(static_cast<unsigned char>(v & 0xFF));
    b.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}

void Put32(Bytes& b, std::uint32_t v)
{
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

void PutTag(Bytes& b, const char* tag)
{
    b.insert(b.end(), tag, tag + 4);
}

void PutChunk(Bytes& b, const char* tag, const Bytes& body)
{
    PutTag(b, tag);
    Put32(b, static_cast<std::uint32_t>(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    if (body.size() & 1)
        b.push_back(0);
}

// One icon (type 1) or cursor (type 2) image: directory, one entry, payload.
struct IconRecipe {
    unsigned type = 2;
    unsigned width = 32, height = 32;
    unsigned hotX = 16, hotY = 16;
    unsigned count = 1;
    unsigned reserved = 0;
    std::uint32_t payload = 10;
    std::int64_t offsetShift = 0;   // moves the image offset away from where the payload is
    std::int64_t sizeShift = 0;     // claims more or fewer payload bytes than there are
};

Bytes Icon(const IconRecipe& s)
{
    Bytes b;
    Put16(b, s.reserved);
    Put16(b, s.type);
    Put16(b, s.count);
    b.push_back(static_cast<unsigned char>(s.width & 0xFF));
    b.push_back(static_cast<unsigned char>(s.height & 0xFF));
    b.push_back(0);
    b.push_back(0);
    Put16(b, s.hotX);
    Put16(b, s.hotY);
    Put32(b, static_cast<std::uint32_t>(s.payload + s.sizeShift));
    Put32(b, static_cast<std::uint32_t>(22 + s.offsetShift));
    b.insert(b.end(), s.payload, 0xA5);
    return b;
}

// A whole animated cursor file, every part of which a row can bend.
struct AniRecipe {
    const char* form = "ACON";
    bool header = true;
    bool twoHeaders = false;
    std::uint32_t headerSize = 36;
    std::uint32_t nFrames = 3;
    std::uint32_t nSteps = 3;
    std::uint32_t dispRate = 5;
    std::uint32_t flags = AF_ICON;
    std::vector<IconRecipe> frames = {IconRecipe(), IconRecipe(), IconRecipe()};
    bool rate = false;
    std::vector<std::uint32_t> rates;
    bool seq = false;
    std::vector<std::uint32_t> steps;
    bool infoList = false;
    bool oddChunk = false;
    std::int64_t riffSizeShift = 0;
};

Bytes Ani(const AniRecipe& s)
{
    Bytes body;
    PutTag(body, s.form);
    if (s.oddChunk)
        PutChunk(body, "junk", Bytes{1, 2, 3});
    if (s.infoList) {
        Bytes info;
        PutTag(info, "INFO");
        PutChunk(info, "INAM", Bytes{'W', 'a', 'i', 't', 0});
        PutChunk(body, "LIST", info);
    }
    for (int n = 0; s.header && n < (s.twoHeaders ? 2 : 1); ++n) {
        Bytes anih;
        Put32(anih, s.headerSize);
        Put32(anih, s.nFrames);
        Put32(anih, s.nSteps);
        for (int i = 0; i < 4; ++i)
            Put32(anih, 0);
        Put32(anih, s.dispRate);
        Put32(anih, s.flags);
        anih.resize(s.headerSize);
        PutChunk(body, "anih", anih);
    }
    if (s.rate) {
        Bytes rate;
        for (std::uint32_t r : s.rates)
            Put32(rate, r);
        PutChunk(body, "rate", rate);
    }
    if (s.seq) {
        Bytes seq;
        for (std::uint32_t f : s.steps)
            Put32(seq, f);
        PutChunk(body, "seq ", seq);
    }
    Bytes fram;
    PutTag(fram, "fram");
    for (const IconRecipe& icon : s.frames)
        PutChunk(fram, "icon", Icon(icon));
    PutChunk(body, "LIST", fram);

    Bytes file;
    PutTag(file, "RIFF");
    Put32(file, static_cast<std::uint32_t>(static_cast<std::int64_t>(body.size()) + s.riffSizeShift));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

bool Read(const Bytes& bytes, CAniFile& out)
{
    return ReadAniFile(bytes.data(), bytes.size(), out, nullptr);
}

Bytes ShippedCursor()
{
    QFile file(QStringLiteral(TIDEBOLT_DATA_DIR "/APPSTART.ANI"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    return Bytes(data.begin(), data.end());
}

std::size_t Find(const Bytes& bytes, const char* tag)
{
    for (std::size_t i = 0; i + 4 <= bytes.size(); ++i)
        if (std::equal(tag, tag + 4, bytes.begin() + static_cast<std::ptrdiff_t>(i)))
            return i;
    return bytes.size();
}

void Poke32(Bytes& bytes, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>((v >> (8 * i)) & 0xFF);
}

// What must hold of anything the reader accepts, whatever the file said.
bool Consistent(const CAniFile& ani)
{
    if (ani.frames.empty() || ani.sequence.empty() || ani.sequence.size() != ani.ratesJiffies.size())
        return false;
    for (int frame : ani.sequence)
        if (frame < 0 || static_cast<std::size_t>(frame) >= ani.frames.size())
            return false;
    for (const CAniFrame& frame : ani.frames)
        if (frame.image.size() < 22 || frame.hotX < 0 || frame.hotX > 255 || frame.hotY < 0 || frame.hotY > 255)
            return false;
    return true;
}

bool Empty(const CAniFile& ani)
{
    return ani.frames.empty() && ani.sequence.empty() && ani.ratesJiffies.empty();
}

using IntList = std::vector<int>;
using RateList = std::vector<std::uint32_t>;
using HotList = std::vector<QPoint>;

} // namespace

Q_DECLARE_METATYPE(AniRecipe)
Q_DECLARE_METATYPE(IntList)
Q_DECLARE_METATYPE(RateList)
Q_DECLARE_METATYPE(HotList)

class TestAniFile : public QObject {
    Q_OBJECT
private slots:
    void shippedCursorIsARadarSweepOfEightFrames();
    void wellFormedFilesGiveTheirStepsAndHotSpots_data();
    void wellFormedFilesGiveTheirStepsAndHotSpots();
    void malformedFilesAreRefused_data();
    void malformedFilesAreRefused();
    void everyTruncatedCopyIsRefused_data();
    void everyTruncatedCopyIsRefused();
    void damagedFieldsOfTheShippedCursorGiveTheRightVerdict_data();
    void damagedFieldsOfTheShippedCursorGiveTheRightVerdict();
    void flippedBytesNeverYieldAnInconsistentCursor();
};

void TestAniFile::shippedCursorIsARadarSweepOfEightFrames()
{
    const Bytes bytes = ShippedCursor();
    QVERIFY2(!bytes.empty(), "the shipped cursor file is missing");
    CAniFile ani;
    std::string error;
    QVERIFY2(ReadAniFile(bytes.data(), bytes.size(), ani, &error), error.c_str());
    QCOMPARE(ani.frames.size(), std::size_t(8));
    QCOMPARE(ani.sequence, (IntList{0, 1, 2, 3, 4, 5, 6, 7}));
    QCOMPARE(ani.ratesJiffies, RateList(8, 6));
    for (const CAniFrame& frame : ani.frames) {
        QCOMPARE(QPoint(frame.hotX, frame.hotY), QPoint(16, 16));
        const QImage image = QImage::fromData(frame.image.data(), static_cast<int>(frame.image.size()), "ICO");
        QCOMPARE(image.size(), QSize(32, 32));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);       // the corners are see-through
        QVERIFY(qAlpha(image.pixel(16, 16)) > 200);   // the centre is solid
    }
    // The beam moves: no two frames are the same picture.
    for (std::size_t i = 1; i < ani.frames.size(); ++i)
        QVERIFY(ani.frames[i].image != ani.frames[i - 1].image);
}

void TestAniFile::wellFormedFilesGiveTheirStepsAndHotSpots_data()
{
    QTest::addColumn<AniRecipe>("recipe");
    QTest::addColumn<IntList>("sequence");
    QTest::addColumn<RateList>("rates");
    QTest::addColumn<HotList>("hotSpots");

    const HotList centres(3, QPoint(16, 16));
    AniRecipe plain;
    QTest::newRow("without a sequence each frame shows once, in order, at the header's rate")
        << plain << IntList{0, 1, 2} << RateList{5, 5, 5} << centres;

    AniRecipe sequenced;
    sequenced.flags = AF_ICON | AF_SEQUENCE;
    sequenced.nSteps = 5;
    sequenced.seq = true;
    sequenced.steps = {0, 1, 2, 1, 0};
    sequenced.rate = true;
    sequenced.rates = {1, 2, 3, 4, 60};
    QTest::newRow("a sequence may show frames again, each step at its own rate")
        << sequenced << IntList{0, 1, 2, 1, 0} << RateList{1, 2, 3, 4, 60} << centres;

    AniRecipe ratesOnly;
    ratesOnly.rate = true;
    ratesOnly.rates = {2, 4, 8};
    QTest::newRow("rates without a sequence time the frames in order")
        << ratesOnly << IntList{0, 1, 2} << RateList{2, 4, 8} << centres;

    AniRecipe extras = plain;
    extras.infoList = true;
    extras.oddChunk = true;
    QTest::newRow("a title list and an odd-sized unknown chunk are stepped over")
        << extras << IntList{0, 1, 2} << RateList{5, 5, 5} << centres;

    AniRecipe hotSpots;
    hotSpots.frames[0].hotX = 0;
    hotSpots.frames[0].hotY = 0;
    hotSpots.frames[1].hotX = 31;
    hotSpots.frames[1].hotY = 5;
    hotSpots.frames[2].type = 1;   // an icon among the cursors
    hotSpots.frames[2].width = 16;
    hotSpots.frames[2].height = 0; // 0 stands for 256
    QTest::newRow("a cursor's hot spot comes from its directory, an icon points with its centre")
        << hotSpots << IntList{0, 1, 2} << RateList{5, 5, 5} << HotList{{0, 0}, {31, 5}, {8, 128}};

    AniRecipe longHeader = plain;
    longHeader.headerSize = 40;
    QTest::newRow("a header longer than usual is read by its known fields")
        << longHeader << IntList{0, 1, 2} << RateList{5, 5, 5} << centres;
}

void TestAniFile::wellFormedFilesGiveTheirStepsAndHotSpots()
{
    QFETCH(AniRecipe, recipe);
    QFETCH(IntList, sequence);
    QFETCH(RateList, rates);
    QFETCH(HotList, hotSpots);
    const Bytes bytes = Ani(recipe);
    CAniFile ani;
    std::string error;
    QVERIFY2(ReadAniFile(bytes.data(), bytes.size(), ani, &error), error.c_str());
    QCOMPARE(ani.sequence, sequence);
    QCOMPARE(ani.ratesJiffies, rates);
    HotList read;
    for (const CAniFrame& frame : ani.frames)
        read.push_back(QPoint(frame.hotX, frame.hotY));
    QCOMPARE(read, hotSpots);
    QCOMPARE(ani.frames[0].image, Icon(recipe.frames[0]));
}

void TestAniFile::malformedFilesAreRefused_data()
{
    QTest::addColumn<AniRecipe>("recipe");
    const AniRecipe good;
    AniRecipe s;

    s = good; s.form = "AVI ";
    QTest::newRow("another kind of RIFF file") << s;
    s = good; s.header = false;
    QTest::newRow("no header") << s;
    s = good; s.twoHeaders = true;
    QTest::newRow("two headers") << s;
    s = good; s.headerSize = 20;
    QTest::newRow("header cut short") << s;
    s = good; s.flags = 0;
    QTest::newRow("frames stored as raw bitmaps") << s;
    s = good; s.nFrames = 4;
    QTest::newRow("fewer frames than the header counts") << s;
    s = good; s.nFrames = 2;
    QTest::newRow("more frames than the header counts") << s;
    s = good; s.nFrames = 0xFFFFFFFFu;
    QTest::newRow("a frame count of four thousand million") << s;
    s = good; s.nFrames = 0; s.frames.clear();
    QTest::newRow("no frames at all") << s;
    s = good; s.seq = true; s.steps = {0, 3, 1};
    QTest::newRow("a step naming a frame that is not there") << s;
    s = good; s.seq = true; s.steps = {0, 1};
    QTest::newRow("a sequence shorter than its step count") << s;
    s = good; s.seq = true; s.nSteps = 0; s.steps = {};
    QTest::newRow("a sequence of no steps") << s;
    s = good; s.seq = true; s.nSteps = 0xFFFFFFFFu; s.steps = {0, 1, 2};
    QTest::newRow("a step count of four thousand million") << s;
    s = good; s.rate = true; s.rates = {6, 6};
    QTest::newRow("fewer rates than steps") << s;
    s = good; s.riffSizeShift = 2;
    QTest::newRow("file shorter than its RIFF size") << s;
    s = good; s.riffSizeShift = 0x7FFFFFFF;
    QTest::newRow("a RIFF size of two gigabytes") << s;
    s = good; s.frames[1].type = 3;
    QTest::newRow("a frame that is neither icon nor cursor") << s;
    s = good; s.frames[1].reserved = 1;
    QTest::newRow("a frame with a damaged directory") << s;
    s = good; s.frames[1].count = 0;
    QTest::newRow("a frame with no images in it") << s;
    s = good; s.frames[1].count = 400;
    QTest::newRow("a frame whose directory runs past the frame") << s;
    s = good; s.frames[1].offsetShift = 100;
    QTest::newRow("a frame image starting past the frame") << s;
    s = good; s.frames[1].sizeShift = 1;
    QTest::newRow("a frame image one byte longer than the frame") << s;
    s = good; s.frames[1].sizeShift = 0xFFFFFF00;
    QTest::newRow("a frame image of four gigabytes") << s;
    s = good; s.frames[1].offsetShift = -8;
    QTest::newRow("a frame image overlapping its own directory") << s;
    s = good; s.frames[2].hotX = 32;
    QTest::newRow("a hot spot right of the image") << s;
    s = good; s.frames[2].hotY = 40;
    QTest::newRow("a hot spot below the image") << s;
}

void TestAniFile::malformedFilesAreRefused()
{
    QFETCH(AniRecipe, recipe);
    const Bytes bytes = Ani(recipe);
    CAniFile ani;
    ani.sequence = {7};   // a stale result must not survive a refusal
    std::string error;
    QVERIFY(!ReadAniFile(bytes.data(), bytes.size(), ani, &error));
    QVERIFY(!error.empty());
    QVERIFY(Empty(ani));
}

void TestAniFile::everyTruncatedCopyIsRefused_data()
{
    QTest::addColumn<bool>("fixRiffSize");
    QTest::newRow("as cut") << false;
    // Mending the outer size makes every inner chunk's length the thing to catch.
    QTest::newRow("with the RIFF size mended to fit") << true;
}

void TestAniFile::everyTruncatedCopyIsRefused()
{
    QFETCH(bool, fixRiffSize);
    const Bytes whole = ShippedCursor();
    QVERIFY(!whole.empty());
    QVERIFY(ReadAniFile(whole.data(), whole.size(), *std::make_unique<CAniFile>(), nullptr));
    for (std::size_t length = 0; length < whole.size(); ++length) {
        Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
        if (fixRiffSize && length >= 8)
            Poke32(cut, 4, static_cast<std::uint32_t>(length - 8));
        // Copied to the heap at its exact size, so a read past it is a real overrun.
        std::unique_ptr<unsigned char[]> exact(new unsigned char[length ? length : 1]);
        std::copy(cut.begin(), cut.end(), exact.get());
        CAniFile ani;
        if (ReadAniFile(exact.get(), length, ani, nullptr))
            QFAIL(qPrintable(QStringLiteral("a copy cut to %1 bytes was accepted").arg(length)));
    }
}

void TestAniFile::damagedFieldsOfTheShippedCursorGiveTheRightVerdict_data()
{
    QTest::addColumn<QByteArray>("tag");
    QTest::addColumn<int>("offset");       // from the tag
    QTest::addColumn<quint32>("value");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("frame count raised by one") << QByteArray("anih") << 12 << 9u << false;
    QTest::newRow("frame count huge") << QByteArray("anih") << 12 << 0xFFFFFFFFu << false;
    QTest::newRow("step count huge") << QByteArray("anih") << 16 << 0x40000000u << false;
    QTest::newRow("flags say raw bitmaps") << QByteArray("anih") << 40 << 0u << false;
    QTest::newRow("rate chunk size huge") << QByteArray("rate") << 4 << 0xFFFFFFF0u << false;
    QTest::newRow("rate chunk size one step short") << QByteArray("rate") << 4 << 28u << false;
    QTest::newRow("last step names frame 8 of 8") << QByteArray("seq ") << 36 << 8u << false;
    QTest::newRow("frame list size huge") << QByteArray("LIST") << 4 << 0xFFFFFFF0u << false;
    QTest::newRow("first frame's size huge") << QByteArray("icon") << 4 << 0x7FFFFFF0u << false;
    QTest::newRow("first frame's size two bytes short") << QByteArray("icon") << 4 << 4284u << false;
    QTest::newRow("first frame's image offset past it") << QByteArray("icon") << 8 + 18 << 100000u << false;
    QTest::newRow("first frame's hot spot moved to a corner") << QByteArray("icon") << 8 + 10 << 0x001F0000u << true;
    QTest::newRow("a pixel of the first frame changed") << QByteArray("icon") << 8 + 22 + 40 + 2000 << 0x12345678u << true;
    QTest::newRow("last step slowed to a second") << QByteArray("rate") << 36 << 60u << true;
}

void TestAniFile::damagedFieldsOfTheShippedCursorGiveTheRightVerdict()
{
    QFETCH(QByteArray, tag);
    QFETCH(int, offset);
    QFETCH(quint32, value);
    QFETCH(bool, accepted);
    Bytes bytes = ShippedCursor();
    QVERIFY(!bytes.empty());
    const std::size_t at = Find(bytes, tag.constData());
    QVERIFY(at + static_cast<std::size_t>(offset) + 4 <= bytes.size());
    Poke32(bytes, at + static_cast<std::size_t>(offset), value);
    CAniFile ani;
    QCOMPARE(Read(bytes, ani), accepted);
    QVERIFY(accepted ? Consistent(ani) : Empty(ani));
}

void TestAniFile::flippedBytesNeverYieldAnInconsistentCursor()
{
    const Bytes whole = ShippedCursor();
    QVERIFY(!whole.empty());
    int refused = 0;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        Bytes bytes = whole;
        bytes[i] ^= 0xFF;
        CAniFile ani;
        const bool ok = Read(bytes, ani);
        if (ok ? !Consistent(ani) : !Empty(ani))
            QFAIL(qPrintable(QStringLiteral("byte %1 flipped gave an inconsistent result").arg(i)));
        refused += ok ? 0 : 1;
    }
    // The structure is a small part of the file, but every byte of it matters.
    QVERIFY(refused > 100);
    QVERIFY(refused < static_cast<int>(whole.size()) / 2);

    // Bursts of random damage, with a fixed seed so a failure can be replayed.
    std::mt19937 random(2004);
    for (int round = 0; round < 3000; ++round) {
        Bytes bytes = whole;
        const int hits = 1 + static_cast<int>(random() % 8);
        for (int h = 0; h < hits; ++h)
            bytes[random() % bytes.size()] = static_cast<unsigned char>(random());
        bytes.resize(bytes.size() - random() % 64);
        CAniFile ani;
        const bool ok = Read(bytes, ani);
        if (ok ? !Consistent(ani) : !Empty(ani))
            QFAIL(qPrintable(QStringLiteral("random damage round %1 gave an inconsistent result").arg(round)));
    }
}

QTEST_GUILESS_MAIN(TestAniFile)
#include "tst_anifile.moc"
