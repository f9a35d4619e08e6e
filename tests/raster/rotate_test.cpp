#include "imaging/imagingnotifier.h"
#include "imaging/dibrotate.h"
#include "render/raster.h"
#include "tests/raster/rasterfixtures.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

std::vector<int32_t> pixelsOf(const DibImage &dib)
{
    std::vector<int32_t> values;
    for (int y = 0; y < DibHeight(dib); ++y)
        for (int x = 0; x < DibWidth(dib); ++x)
            values.push_back(getpixel(dib, x, y));
    return values;
}

int32_t valueFor(int bpp, int x, int y)
{
    return bpp == 24 ? patternPixel(x * 7, y * 13) : (x * x + y * 3 + (x > y ? 1 : 0)) % (1 << bpp);
}

} // namespace

TEST(Rotation, QuarterTurnsMovePixelsAsDisplayed)
{
    // 3 x 2:  a b c        RotRight:  d a      RotLeft:  c f     Rot180:  f e d
    //         d e f                   e b                b e              c b a
    //                                 f c                a d
    OwnedDib pic;
    fillDib(pic, 3, 2, 24, [](int x, int y) { return 1 + x + 3 * y; }); // a=1 .. f=6
    RotRight(pic.dib);
    ASSERT_EQ(DibWidth(pic.dib), 2);
    ASSERT_EQ(DibHeight(pic.dib), 3);
    EXPECT_EQ(pixelsOf(pic.dib), (std::vector<int32_t>{4, 1, 5, 2, 6, 3}));

    fillDib(pic, 3, 2, 24, [](int x, int y) { return 1 + x + 3 * y; });
    RotLeft(pic.dib);
    EXPECT_EQ(pixelsOf(pic.dib), (std::vector<int32_t>{3, 6, 2, 5, 1, 4}));

    fillDib(pic, 3, 2, 24, [](int x, int y) { return 1 + x + 3 * y; });
    Rot180(pic.dib);
    ASSERT_EQ(DibWidth(pic.dib), 3);
    EXPECT_EQ(pixelsOf(pic.dib), (std::vector<int32_t>{6, 5, 4, 3, 2, 1}));
}

TEST(Rotation, TurnsThatAddUpToNothingRestoreEveryPixelAtEveryDepth)
{
    for (int bpp : {1, 4, 8, 24}) {
        // Odd sizes exercise the row padding.
        OwnedDib pic;
        fillDib(pic, 13, 7, bpp, [bpp](int x, int y) { return valueFor(bpp, x, y); });
        const auto original = pixelsOf(pic.dib);

        for (int i = 0; i < 4; ++i)
            RotLeft(pic.dib);
        EXPECT_EQ(pixelsOf(pic.dib), original) << "four RotLeft, bpp " << bpp;

        RotLeft(pic.dib);
        EXPECT_EQ(DibWidth(pic.dib), 7);
        EXPECT_EQ(DibBitCount(pic.dib), bpp);
        RotRight(pic.dib);
        EXPECT_EQ(pixelsOf(pic.dib), original) << "RotLeft + RotRight, bpp " << bpp;

        Rot180(pic.dib);
        EXPECT_NE(pixelsOf(pic.dib), original);
        Rot180(pic.dib);
        EXPECT_EQ(pixelsOf(pic.dib), original) << "two Rot180, bpp " << bpp;
    }
}

TEST(Rotation, KeepsTheColourTableOfPalettePictures)
{
    OwnedDib pic;
    fillDib(pic, 4, 3, 8, [](int x, int y) { return x * 10 + y; });
    RotRight(pic.dib);
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(pic.dib.Info->colors[i].rgbRed, i);
        ASSERT_EQ(pic.dib.Info->colors[i].rgbGreen, 255 - i);
    }
    EXPECT_EQ(pic.dib.HasPalette, 1);
    EXPECT_EQ(pic.dib.PaletteEntries[9].peRed, 9);
    EXPECT_EQ(getpixel(pic.dib, 2, 0), 0 * 10 + 0); // old (0, 0) -> (height - 1 - 0, 0)
}

TEST(Rotation, ReportsProgressPerRowAndResetsIt)
{
    OwnedDib pic;
    fillDib(pic, 5, 101, 24, patternPixel);
    QSignalSpy spy(&ImagingNotifier::instance(), &ImagingNotifier::progress);
    RotLeft(pic.dib);
    std::vector<int> seen;
    for (const auto &args : spy)
        seen.push_back(args.at(0).toInt());
    ASSERT_GE(seen.size(), 3u);
    EXPECT_EQ(seen.front(), 0);
    EXPECT_EQ(seen.back(), 0);
    // 101 rows: row y shows y * 100 div 100 = y, so every step 1..100 appears in order.
    std::vector<int> middle(seen.begin() + 1, seen.end() - 1);
    std::vector<int> expected;
    for (int p = 1; p <= 100; ++p)
        expected.push_back(p);
    EXPECT_EQ(middle, expected);
}

TEST(Rotation, APictureOfOneRowTurnsWithoutDividingByZero)
{
    OwnedDib pic;
    fillDib(pic, 6, 1, 24, [](int x, int) { return x + 1; });
    QSignalSpy spy(&ImagingNotifier::instance(), &ImagingNotifier::progress);
    RotRight(pic.dib);
    ASSERT_EQ(DibWidth(pic.dib), 1);
    ASSERT_EQ(DibHeight(pic.dib), 6);
    EXPECT_EQ(pixelsOf(pic.dib), (std::vector<int32_t>{1, 2, 3, 4, 5, 6}));
    for (const auto &args : spy)
        EXPECT_EQ(args.at(0).toInt(), 0);
}

TEST(Rotation, LeavesTheEmptyPictureEmpty)
{
    DibImage empty;
    RotLeft(empty);
    RotRight(empty);
    Rot180(empty);
    EXPECT_EQ(empty.Bits, nullptr);
    EXPECT_EQ(empty.Info, nullptr);
}
