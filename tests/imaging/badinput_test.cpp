// Damaged and hostile picture files: no picture, never a crash, a hang or a huge allocation.
#include "imaging/GrafikRW.h"
#include "tests/imaging/imagingfixtures.h"
#include "tests/support/testsupport.h"

#include <QElapsedTimer>
#include <QtEndian>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>

namespace {

OwnedDib openBytes(const TestFolder &folder, const QString &name, const QByteArray &bytes)
{
    folder.write(name, bytes);
    OwnedDib dib;
    OpenDib(dib.dib, folder.file(name));
    return dib;
}

// Pixel values as rows from the top, for comparing small pictures.
std::vector<std::vector<int>> pixelRows(const DibImage &dib)
{
    std::vector<std::vector<int>> rows;
    for (int y = 0; y < dib.Info->header.biHeight; ++y) {
        rows.emplace_back();
        for (int x = 0; x < dib.Info->header.biWidth; ++x)
            rows.back().push_back(getpixel(dib, x, y));
    }
    return rows;
}

TEST(BmpFiles, TopDownRowsAndPackedDibsWithoutFileHeader)
{
    TestFolder folder;
    const QByteArray rows = QByteArray::fromHex("01020300" "04050600"); // two rows of three, padded
    OwnedDib topDown = openBytes(folder, "topdown.bmp", bmpFile(3, -2, 8, 0, rows));
    ASSERT_FALSE(topDown.dib.isEmpty());
    EXPECT_EQ(topDown.height(), 2);
    const std::vector<std::vector<int>> firstRowOnTop = {{1, 2, 3}, {4, 5, 6}};
    EXPECT_EQ(pixelRows(topDown.dib), firstRowOnTop);

    OwnedDib packed = openBytes(folder, "packed.dib", bmpFile(3, 2, 8, 0, rows).mid(14));
    ASSERT_FALSE(packed.dib.isEmpty());
    const std::vector<std::vector<int>> lastRowOnTop = {{4, 5, 6}, {1, 2, 3}};
    EXPECT_EQ(pixelRows(packed.dib), lastRowOnTop);
    EXPECT_EQ(shownColour(packed.dib, 0, 0), 0x444444u); // colour table entry 4
}

TEST(BmpRle, Rle8RunsLiteralsDeltaAndEndOfLine)
{
    TestFolder folder;
    const QByteArray codes = QByteArray::fromHex("0305" "0107" "0000"   // bottom row: 5 5 5 7
                                                 "0003010203" "00" "0109" "0000" // literal 1 2 3 (padded), 9
                                                 "00020200" "0204" "0001"); // skip two pixels, then 4 4
    OwnedDib dib = openBytes(folder, "rle8.bmp", bmpFile(4, 3, 8, 1, codes));
    ASSERT_FALSE(dib.dib.isEmpty());
    EXPECT_EQ(dib.depth(), 8);
    const std::vector<std::vector<int>> expected = {{0, 0, 4, 4}, {1, 2, 3, 9}, {5, 5, 5, 7}};
    EXPECT_EQ(pixelRows(dib.dib), expected);
}

TEST(BmpRle, Rle4AlternatesNibbles)
{
    TestFolder folder;
    const QByteArray codes = QByteArray::fromHex("0412" "0000"        // bottom row: 1 2 1 2
                                                 "00033450" "01F0" "0001"); // literal 3 4 5, then 15
    OwnedDib dib = openBytes(folder, "rle4.bmp", bmpFile(4, 2, 4, 2, codes));
    ASSERT_FALSE(dib.dib.isEmpty());
    EXPECT_EQ(dib.depth(), 4);
    const std::vector<std::vector<int>> expected = {{3, 4, 5, 15}, {1, 2, 1, 2}};
    EXPECT_EQ(pixelRows(dib.dib), expected);
    EXPECT_EQ(shownColour(dib.dib, 3, 0), 0xFFFFFFu); // colour table entry 15
}

TEST(BmpRle, HostileRunsStayInsideThePictureAndEndQuickly)
{
    TestFolder folder;
    // Runs far past the right edge, deltas far beyond the top, a literal longer
    // than the row, and two megabytes of them.
    QByteArray codes = QByteArray::fromHex("00FF") + QByteArray(256, '\x07');
    for (int i = 0; i < 200000; ++i)
        codes += QByteArray::fromHex("FF09" "0002FFFF" "FF0A");
    QElapsedTimer timer;
    timer.start();
    OwnedDib dib = openBytes(folder, "runs.bmp", bmpFile(3, 2, 8, 1, codes + QByteArray::fromHex("0001")));
    EXPECT_LT(timer.elapsed(), 3000);
    ASSERT_FALSE(dib.dib.isEmpty()); // everything outside was dropped
    EXPECT_EQ(getpixel(dib.dib, 0, 1), 7);
    EXPECT_EQ(getpixel(dib.dib, 2, 1), 7);
}

TEST(BmpRle, DataEndingBeforeTheLastRowGivesNoPicture)
{
    TestFolder folder;
    OwnedDib dib = openBytes(folder, "short.bmp", bmpFile(4, 3, 8, 1, QByteArray::fromHex("0405" "0000")));
    EXPECT_TRUE(dib.dib.isEmpty());
}

TEST(HostileHeaders, AbsurdSizesAreRefusedWithoutAllocating)
{
    TestFolder folder;
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const QByteArray small(64, '\x11');
    const QList<QPair<QString, QByteArray>> files = {
        {"huge.bmp", bmpFile(30000, 30000, 24, 0, small)},
        {"wide.bmp", bmpFile(1 << 30, 2, 8, 0, small)},
        {"negative.bmp", bmpFile(-5, 10, 8, 0, small)},
        {"toomanypixels.bmp", bmpFile(29000, 29000, 8, 1, QByteArray::fromHex("0001"))},
        // 510 MB from two bytes of run codes: more than any run data can describe.
        {"endonly.bmp", bmpFile(30000, 17000, 8, 1, QByteArray::fromHex("0001"))},
        {"endonly4.bmp", bmpFile(30000, 17000, 4, 2, QByteArray::fromHex("0000" "0001"))},
        {"huge.tga", QByteArray::fromHex("000002000000000000000000") + le16(30000) + le16(29000) + QByteArray::fromHex("1800") + small},
        {"rle.tga", QByteArray::fromHex("00000a000000000000000000") + le16(20000) + le16(20000) + QByteArray::fromHex("1800")
                        + QByteArray::fromHex("FF112233")},
        {"huge.pcx", QByteArray::fromHex("0a050108") + le16(0) + le16(0) + le16(29999) + le16(29999)
                         + QByteArray(53, '\0') + '\x03' + le16(30000) + QByteArray(60, '\0') + small},
        {"huge.iff", "FORM" + QByteArray::fromHex("00000040") + "ILBMBMHD" + QByteArray::fromHex("00000014")
                         + QByteArray::fromHex("7530753000000000180100000000010175307530") + "BODY"
                         + QByteArray::fromHex("00000004") + QByteArray::fromHex("81008100")},
        {"huge.gif", "GIF89a" + le16(30000) + le16(30000) + QByteArray::fromHex("800000" "000000ffffff")
                         + "," + le16(0) + le16(0) + le16(30000) + le16(30000) + '\0' + QByteArray::fromHex("0802ff00")},
        {"huge.png", QByteArray::fromHex("89504e470d0a1a0a0000000d49484452") + QByteArray::fromHex("00010000")
                         + QByteArray::fromHex("00010000") + QByteArray::fromHex("0802000000") + QByteArray(4, '\0')},
    };
    for (const auto &[name, bytes] : files) {
        QElapsedTimer timer;
        timer.start();
        OwnedDib dib = openBytes(folder, name, bytes);
        EXPECT_TRUE(dib.dib.isEmpty()) << name.toStdString();
        EXPECT_EQ(dib.dib.Info, nullptr) << name.toStdString(); // the whole record is the empty one
        EXPECT_LT(timer.elapsed(), 2000) << name.toStdString();
    }
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 200 * 1024) << "kilobytes of peak memory";
}

// A GIF with a two-colour table whose one frame is a single pixel of colour 1.
TEST(GifScreen, TheFrameIsPlacedOnAScreenItsFileCouldFill)
{
    TestFolder folder;
    OwnedDib placed = openBytes(folder, "placed.gif", onePixelGif(40, 30, 3, 2));
    ASSERT_FALSE(placed.dib.isEmpty());
    ASSERT_EQ(placed.width(), 40);
    ASSERT_EQ(placed.height(), 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(shownColour(placed.dib, x, y), (x == 3 && y == 2) ? 0xFFFFFFu : 0u) << x << "," << y;
}

TEST(GifScreen, AHugeScreenAroundATinyFrameIsIgnored)
{
    TestFolder folder;
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    QElapsedTimer timer;
    timer.start();
    const QByteArray file = onePixelGif(30000, 30000, 0, 0);
    ASSERT_EQ(file.size(), 35);
    OwnedDib dib = openBytes(folder, "screen.gif", file);
    EXPECT_LT(timer.elapsed(), 2000);
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 50 * 1024) << "kilobytes of peak memory";
    ASSERT_FALSE(dib.dib.isEmpty());
    EXPECT_EQ(dib.width(), 1);
    EXPECT_EQ(dib.height(), 1);
    EXPECT_EQ(shownColour(dib.dib, 0, 0), 0xFFFFFFu);
}

// Files of every own decoder, written by our encoders and by hand.
struct SampleFile {
    const char *name;
    QByteArray bytes;
    int trailer; // bytes at the end that carry no pixels (footers, palettes, padding)
};

std::vector<SampleFile> sampleFiles(const TestFolder &folder)
{
    std::vector<SampleFile> samples;
    const struct {
        const char *name;
        int format, bits, trailer;
    } written[] = {{"s24.bmp", 3, 24, 0}, {"s4.bmp", 3, 4, 0},  {"s8.rle", 11, 8, 0},   {"s24.tga", 12, 24, 26},
                   {"s8.tga", 12, 8, 26}, {"s24.pcx", 10, 24, 0}, {"s4.pcx", 10, 4, 0}, {"s8.pcx", 10, 8, 769},
                   {"s1.pcx", 10, 1, 0},  {"s24.iff", 6, 24, 1},  {"s8.lbm", 9, 8, 1},  {"s8.gif", 5, 8, 1}};
    for (const auto &w : written) {
        OwnedDib picture(w.bits == 24 ? makeGradient(23, 11) : makePalettePicture(23, 11, w.bits));
        const QString path = folder.file(w.name);
        EXPECT_EQ(SaveDib(picture.dib, path, w.format), 1);
        samples.push_back({w.name, readFileBytes(path), w.trailer});
    }
    // Run-length TGA and a chunky "PBM " .lbm, which our writers do not make.
    samples.push_back({"rle.tga",
                       QByteArray::fromHex("00000a000000000000000000") + le16(6) + le16(2) + "\x18\x20"
                           + QByteArray::fromHex("82112233" "02445566778899aabbcc" "85010203"),
                       0});
    samples.push_back({"chunky.lbm",
                       "FORM" + QByteArray::fromHex("00000030") + "PBM BMHD"
                           + QByteArray::fromHex("00000014" "00040002" "00000000" "08000100" "00000101" "00040002")
                           + "BODY" + QByteArray::fromHex("00000007" "FD07" "0301020304" "00"),
                       1});
    return samples;
}

TEST(HostileFiles, HandMadeSamplesDecodeAsExpected)
{
    TestFolder folder;
    const std::vector<SampleFile> samples = sampleFiles(folder);
    OwnedDib tga = openBytes(folder, "rle.tga", samples[samples.size() - 2].bytes);
    ASSERT_FALSE(tga.dib.isEmpty());
    // Top-left origin: a run of three, three raw pixels, then a run crossing into the next row.
    const std::vector<std::vector<int>> tgaExpected = {
        {0x112233, 0x112233, 0x112233, 0x445566, 0x778899, 0xAABBCC},
        {0x010203, 0x010203, 0x010203, 0x010203, 0x010203, 0x010203}};
    EXPECT_EQ(pixelRows(tga.dib), tgaExpected);

    OwnedDib lbm = openBytes(folder, "chunky.lbm", samples.back().bytes);
    ASSERT_FALSE(lbm.dib.isEmpty());
    EXPECT_EQ(lbm.depth(), 8);
    const std::vector<std::vector<int>> expected = {{7, 7, 7, 7}, {1, 2, 3, 4}};
    EXPECT_EQ(pixelRows(lbm.dib), expected);
}

TEST(HostileFiles, EveryTruncationOfThePixelDataGivesNoPicture)
{
    TestFolder folder;
    for (const SampleFile &sample : sampleFiles(folder)) {
        SCOPED_TRACE(sample.name);
        ASSERT_FALSE(openBytes(folder, sample.name, sample.bytes).dib.isEmpty());
        const qsizetype end = sample.bytes.size() - sample.trailer;
        for (qsizetype cut = 0; cut < end; ++cut) {
            OwnedDib dib = openBytes(folder, sample.name, sample.bytes.left(cut));
            if (!dib.dib.isEmpty()) {
                ADD_FAILURE() << "a picture from the first " << cut << " of " << sample.bytes.size() << " bytes";
                break;
            }
        }
    }
}

TEST(HostileFiles, CorruptedBytesNeverCrashOrExceedTheLimits)
{
    TestFolder folder;
    std::mt19937 random(20240611);
    for (const SampleFile &sample : sampleFiles(folder)) {
        SCOPED_TRACE(sample.name);
        for (int round = 0; round < 300; ++round) {
            QByteArray bytes = sample.bytes;
            const int flips = 1 + int(random() % 4);
            for (int i = 0; i < flips; ++i) {
                // Mostly the headers, where lies do the most harm.
                const qsizetype at = (random() % 3) ? random() % std::min<qsizetype>(bytes.size(), 140)
                                                    : random() % bytes.size();
                bytes[at] = char(random() % 4 == 0 ? 0xFF : random());
            }
            OwnedDib dib = openBytes(folder, sample.name, bytes);
            if (!dib.dib.isEmpty()) {
                EXPECT_GT(dib.width(), 0);
                EXPECT_LE(dib.width(), MaxDibSide);
                EXPECT_GE(dib.dib.RowBytes, dibRowBytes(dib.width(), dib.depth()));
                getpixel(dib.dib, dib.width() - 1, 0); // rows are really there
                getpixel(dib.dib, 0, dib.height() - 1);
            }
        }
    }
}

} // namespace
