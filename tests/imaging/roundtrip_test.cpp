// Every save format read back through OpenDib.
#include "imaging/GrafikRW.h"
#include "tests/imaging/imagingfixtures.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <gtest/gtest.h>

namespace {

struct SaveCase {
    int format;
    const char *suffix;
};

const SaveCase LosslessFormats[] = {{3, "bmp"}, {4, "dib"}, {5, "gif"}, {6, "iff"}, {9, "lbm"},
                                     {10, "pcx"}, {11, "rle"}, {12, "tga"}, {13, "tif"}};
// Formats that store more than 256 colours without loss.
const SaveCase TrueColourFormats[] = {{3, "bmp"}, {4, "dib"}, {6, "iff"}, {9, "lbm"},
                                      {10, "pcx"}, {12, "tga"}, {13, "tif"}};

void PrintTo(const SaveCase &c, std::ostream *os)
{
    *os << c.suffix;
}

std::string caseName(const testing::TestParamInfo<SaveCase> &info)
{
    return info.param.suffix;
}

OwnedDib saveAndOpen(const DibImage &dib, const TestFolder &folder, const SaveCase &c)
{
    const QString path = folder.file(QStringLiteral("picture.") + c.suffix);
    EXPECT_EQ(SaveDib(dib, path, c.format), 1);
    OwnedDib back;
    OpenDib(back.dib, path);
    return back;
}

class LosslessRoundTrip : public testing::TestWithParam<SaveCase> {};

TEST_P(LosslessRoundTrip, PalettePicturesOfEveryDepthComeBackPixelIdentical)
{
    TestFolder folder;
    for (int bpp : {1, 4, 8}) {
        SCOPED_TRACE(bpp);
        OwnedDib original(makePalettePicture(37, 23, bpp)); // odd sizes exercise row padding
        OwnedDib back = saveAndOpen(original.dib, folder, GetParam());
        ASSERT_FALSE(back.dib.isEmpty());
        EXPECT_EQ(differingPixels(original.dib, back.dib), 0);
        if (GetParam().format == 3 || GetParam().format == 4 || GetParam().format == 10
            || GetParam().format == 6 || GetParam().format == 9) {
            EXPECT_EQ(back.depth(), bpp);
            // Indexes, not only colours, survive.
            EXPECT_EQ(getpixel(back.dib, 36, 22), getpixel(original.dib, 36, 22));
        }
    }
}

TEST_P(LosslessRoundTrip, TrueColourPictureWithFewColoursComesBackPixelIdentical)
{
    TestFolder folder;
    OwnedDib original(makeFewColours(50, 31, 200));
    OwnedDib back = saveAndOpen(original.dib, folder, GetParam());
    ASSERT_FALSE(back.dib.isEmpty());
    EXPECT_EQ(differingPixels(original.dib, back.dib), 0);
}

INSTANTIATE_TEST_SUITE_P(SaveDib, LosslessRoundTrip, testing::ValuesIn(LosslessFormats), caseName);

class TrueColourRoundTrip : public testing::TestWithParam<SaveCase> {};

TEST_P(TrueColourRoundTrip, ManyColoursComeBackPixelIdenticalAt24Bits)
{
    TestFolder folder;
    OwnedDib original(makeGradient(61, 45));
    OwnedDib back = saveAndOpen(original.dib, folder, GetParam());
    ASSERT_FALSE(back.dib.isEmpty());
    EXPECT_EQ(back.depth(), 24);
    EXPECT_EQ(differingPixels(original.dib, back.dib), 0);
}

INSTANTIATE_TEST_SUITE_P(SaveDib, TrueColourRoundTrip, testing::ValuesIn(TrueColourFormats), caseName);

class ReducingRoundTrip : public testing::TestWithParam<SaveCase> {};

TEST_P(ReducingRoundTrip, ManyColoursAreReducedTo256CloseColours)
{
    TestFolder folder;
    OwnedDib original(makeSmooth(120, 80));
    OwnedDib back = saveAndOpen(original.dib, folder, GetParam());
    ASSERT_FALSE(back.dib.isEmpty());
    ASSERT_EQ(back.width(), 120);
    ASSERT_EQ(back.height(), 80);
    EXPECT_LE(back.depth(), 8);
    QSet<uint32_t> colours;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x)
            colours.insert(shownColour(back.dib, x, y));
    EXPECT_GT(colours.size(), 64); // a real palette, not a handful of colours
    EXPECT_LE(colours.size(), 256);
    EXPECT_LT(meanAbsoluteError(original.dib, back.dib), 10.0); // median cut of a smooth picture
}

INSTANTIATE_TEST_SUITE_P(SaveDib, ReducingRoundTrip, testing::Values(SaveCase{5, "gif"}, SaveCase{11, "rle"}),
                         caseName);

class JpegRoundTrip : public testing::TestWithParam<SaveCase> {};

TEST_P(JpegRoundTrip, StaysWithinToleranceAndHonoursTheQuality)
{
    TestFolder folder;
    OwnedDib original(makeSmooth(96, 64));
    const QString path = folder.file(QStringLiteral("q.") + GetParam().suffix);

    SetJPEGQual(95);
    ASSERT_EQ(SaveDib(original.dib, path, GetParam().format), 1);
    const qint64 fineSize = QFileInfo(path).size();
    OwnedDib fine;
    OpenDib(fine.dib, path);
    ASSERT_FALSE(fine.dib.isEmpty());
    EXPECT_EQ(fine.depth(), 24);
    EXPECT_LT(meanAbsoluteError(original.dib, fine.dib), 4.0);

    SetJPEGQual(10);
    ASSERT_EQ(SaveDib(original.dib, path, GetParam().format), 1);
    EXPECT_LT(QFileInfo(path).size(), fineSize);
    SetJPEGQual(75);

    // Baseline JFIF: SOI, then the APP0 "JFIF" segment, and a baseline frame marker.
    const QByteArray bytes = readFileBytes(path);
    EXPECT_TRUE(bytes.startsWith("\xFF\xD8\xFF\xE0"));
    EXPECT_EQ(bytes.mid(6, 5), QByteArray("JFIF\0", 5));
    EXPECT_TRUE(bytes.contains("\xFF\xC0"));
    EXPECT_FALSE(bytes.contains("\xFF\xC2"));
}

INSTANTIATE_TEST_SUITE_P(SaveDib, JpegRoundTrip, testing::Values(SaveCase{7, "jif"}, SaveCase{8, "jpg"}), caseName);

TEST(SaveDib, JpegQualityStartsAt75AndIsClamped)
{
    EXPECT_EQ(JPEGQual(), 75);
    SetJPEGQual(0);
    EXPECT_EQ(JPEGQual(), 1);
    SetJPEGQual(250);
    EXPECT_EQ(JPEGQual(), 99);
    SetJPEGQual(75);
}

TEST(SaveDib, PalettePictureAsJpegReadsBackInColour)
{
    TestFolder folder;
    OwnedDib original(makePalettePicture(64, 64, 4));
    for (int y = 0; y < 64; ++y) // 16 × 16 blocks of one colour each, which JPEG keeps well
        for (int x = 0; x < 64; ++x)
            setpixel(original.dib, x, y, (x / 16 + 4 * (y / 16)) % 16);
    const QString path = folder.file("p.jpg");
    ASSERT_EQ(SaveDib(original.dib, path, 8), 1);
    OwnedDib back;
    OpenDib(back.dib, path);
    ASSERT_FALSE(back.dib.isEmpty());
    EXPECT_LT(meanAbsoluteError(original.dib, back.dib), 5.0);
    EXPECT_EQ(shownColour(back.dib, 8, 8) >> 4 & 0x0F0F0F, shownColour(original.dib, 8, 8) >> 4 & 0x0F0F0F);
}

TEST(SaveDib, RefusesBadFormatsAndRecordsWithoutTouchingTheTarget)
{
    TestFolder folder;
    folder.write("keep.bmp", "old contents");
    OwnedDib picture(makeGradient(8, 8));
    for (int format : {0, 2, 14, -1})
        EXPECT_NE(SaveDib(picture.dib, folder.file("keep.bmp"), format), 1) << format;
    EXPECT_NE(SaveDib(DibImage{}, folder.file("keep.bmp"), 3), 1);

    // A record whose row size is too small for its width would be read beyond its rows.
    DibImage lying = picture.dib;
    lying.RowBytes = 4;
    EXPECT_NE(SaveDib(lying, folder.file("keep.bmp"), 3), 1);
    EXPECT_EQ(folder.read("keep.bmp"), QByteArray("old contents"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1); // no leftovers
}

TEST(SaveDib, FailureToWriteReportsFailureAndLeavesNothing)
{
    TestFolder folder;
    OwnedDib picture(makeGradient(8, 8));
    EXPECT_NE(SaveDib(picture.dib, folder.file("missing/dir/x.bmp"), 3), 1);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).size(), 0);
}

TEST(SaveDib, ReplacesAnExistingFile)
{
    TestFolder folder;
    folder.write("x.tga", QByteArray(5000, 'z'));
    OwnedDib picture(makeGradient(10, 10));
    ASSERT_EQ(SaveDib(picture.dib, folder.file("x.tga"), 12), 1);
    OwnedDib back;
    OpenDib(back.dib, folder.file("x.tga"));
    ASSERT_FALSE(back.dib.isEmpty());
    EXPECT_EQ(differingPixels(picture.dib, back.dib), 0);
}

} // namespace
