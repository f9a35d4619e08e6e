#include "render/raster.h"
#include "tests/raster/rasterfixtures.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

// Draws the whole picture on a white screen image through the QPainter target.
QImage drawOnScreen(const DibImage &dib, QSize canvas, QRect dest, bool printer = false)
{
    QImage image = blankCanvas(canvas.width(), canvas.height());
    QPainter painter(&image);
    QPainterCanvasTarget target(painter);
    if (printer)
        target.setPrinter(true);
    DrawDIB(target, dest.x(), dest.y(), dest.width(), dest.height(), dib, 0, 0, DibWidth(dib), DibHeight(dib));
    return image;
}

} // namespace

TEST(DibSizes, ReadTheHeaderAndTolerateTheEmptyRecord)
{
    OwnedDib pic;
    fillDib(pic, 7, 3, 4, [](int, int) { return 0; });
    EXPECT_EQ(DibWidth(pic.dib), 7);
    EXPECT_EQ(DibHeight(pic.dib), 3);
    EXPECT_EQ(DibBitCount(pic.dib), 4);
    EXPECT_EQ(DibColorCount(pic.dib), 16);
    const DibImage empty;
    EXPECT_EQ(DibWidth(empty), 0);
    EXPECT_EQ(DibColorCount(empty), 1);
}

TEST(DrawDIBScreen, EnlargingRepeatsEachColumnAndRowThreeTimes)
{
    OwnedDib pic;
    fillDib(pic, 100, 50, 24, patternPixel);
    const QImage out = drawOnScreen(pic.dib, {300, 150}, {0, 0, 300, 150});
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 300; ++x)
            ASSERT_EQ(out.pixel(x, y), patternRgb(x / 3, y / 3)) << x << "," << y;
}

TEST(DrawDIBScreen, ShrinkingDropsColumnsAndRows)
{
    OwnedDib pic;
    fillDib(pic, 200, 100, 24, patternPixel);
    const QImage out = drawOnScreen(pic.dib, {120, 60}, {10, 5, 100, 50});
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(out.pixel(10 + x, 5 + y), patternRgb(2 * x, 2 * y)) << x << "," << y;
    // Nothing outside the destination is touched.
    EXPECT_EQ(out.pixel(9, 5), qRgb(255, 255, 255));
    EXPECT_EQ(out.pixel(110, 55), qRgb(255, 255, 255));
}

TEST(DrawDIBScreen, EightBitPicturesDrawThroughTheirColourTable)
{
    OwnedDib pic;
    fillDib(pic, 4, 2, 8, [](int x, int y) { return x * 60 + y; });
    const QImage out = drawOnScreen(pic.dib, {8, 4}, {0, 0, 8, 4});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) {
            const int index = (x / 2) * 60 + y / 2;
            ASSERT_EQ(out.pixel(x, y), qRgb(index, 255 - index, 7)) << x << "," << y;
        }
}

TEST(DrawDIBScreen, OneAndFourBitPicturesAreHandedOverWhole)
{
    for (int bpp : {1, 4}) {
        OwnedDib pic;
        fillDib(pic, 5, 3, bpp, [bpp](int x, int y) { return (x + y) % (1 << bpp); });
        RecordingTarget target(false);
        DrawDIB(target, 0, 0, 10, 6, pic.dib, 0, 0, 5, 3);
        ASSERT_EQ(target.calls.size(), 1u);
        EXPECT_EQ(target.calls[0].dest, QRect(0, 0, 10, 6));
        const QImage out = drawOnScreen(pic.dib, {10, 6}, {0, 0, 10, 6});
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 10; ++x) {
                const int index = (x / 2 + y / 2) % (1 << bpp);
                ASSERT_EQ(out.pixel(x, y), qRgb(index, 255 - index, 7)) << bpp << ":" << x << "," << y;
            }
    }
}

TEST(DrawDIBScreen, DrawsOnlyTheRowsTheTargetCanShowWithTheSameResult)
{
    OwnedDib pic;
    fillDib(pic, 40, 30, 24, patternPixel);
    RecordingTarget clipped(false, QRect(0, 20, 100, 10));
    DrawDIB(clipped, 0, 0, 80, 60, pic.dib, 0, 0, 40, 30);
    ASSERT_FALSE(clipped.calls.empty());
    for (const auto &call : clipped.calls) {
        EXPECT_GE(call.dest.bottom(), 20);
        EXPECT_LE(call.dest.top(), 29);
    }

    // A clipped, translated painter shows the same pixels as an unclipped one.
    const QImage whole = drawOnScreen(pic.dib, {100, 80}, {5, 5, 80, 60});
    QImage part = blankCanvas(100, 80);
    {
        QPainter painter(&part);
        painter.translate(5, 5);
        painter.setClipRect(QRect(10, 17, 30, 9));
        QPainterCanvasTarget target(painter);
        DrawDIB(target, 0, 0, 80, 60, pic.dib, 0, 0, 40, 30);
    }
    for (int y = 22; y < 31; ++y)
        for (int x = 15; x < 45; ++x)
            ASSERT_EQ(part.pixel(x, y), whole.pixel(x, y)) << x << "," << y;
    EXPECT_EQ(part.pixel(15, 21), qRgb(255, 255, 255));
    EXPECT_EQ(part.pixel(15, 31), qRgb(255, 255, 255));
}

TEST(DrawDIBPrinter, HandsTheWholePictureOverInOneCall)
{
    for (int bpp : {8, 24}) {
        OwnedDib pic;
        fillDib(pic, 64, 32, bpp, [](int x, int y) { return x + y; });
        RecordingTarget printer(true);
        DrawDIB(printer, 3, 4, 640, 320, pic.dib, 0, 0, 64, 32);
        ASSERT_EQ(printer.calls.size(), 1u);
        EXPECT_EQ(printer.calls[0].dest, QRect(3, 4, 640, 320));
        EXPECT_EQ(printer.calls[0].source, QRect(0, 0, 64, 32));
        EXPECT_EQ(printer.calls[0].width, 64); // the picture itself, not a row buffer
    }
}

TEST(DrawDIBPrinter, PaintsThePictureOnThePage)
{
    OwnedDib pic;
    fillDib(pic, 10, 5, 24, patternPixel);
    const QImage out = drawOnScreen(pic.dib, {40, 20}, {0, 0, 40, 20}, true);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(out.pixel(x, y), patternRgb(x / 4, y / 4)) << x << "," << y;
}

// Source windows reaching outside the picture, seen on a printer (one call).
struct ClipCase {
    const char *name;
    QRect dest, source;          // as passed in (source y from the bottom)
    QRect drawnDest, drawnSource;
};

class DrawDIBClipping : public ::testing::TestWithParam<ClipCase> {};

TEST_P(DrawDIBClipping, ShrinksTheDestinationInProportion)
{
    const ClipCase &c = GetParam();
    OwnedDib pic;
    fillDib(pic, 100, 50, 24, patternPixel);
    RecordingTarget printer(true);
    DrawDIB(printer, c.dest.x(), c.dest.y(), c.dest.width(), c.dest.height(), pic.dib, c.source.x(), c.source.y(),
            c.source.width(), c.source.height());
    if (c.drawnDest.isNull()) {
        EXPECT_TRUE(printer.calls.empty());
        return;
    }
    ASSERT_EQ(printer.calls.size(), 1u);
    EXPECT_EQ(printer.calls[0].dest, c.drawnDest);
    EXPECT_EQ(printer.calls[0].source, c.drawnSource);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DrawDIBClipping,
    ::testing::Values(
        ClipCase{"beyondRightEdge", {10, 20, 50, 40}, {0, 0, 125, 50}, {10, 20, 40, 40}, {0, 0, 100, 50}},
        ClipCase{"halfRoundsDownToEven", {0, 0, 5, 50}, {0, 0, 200, 50}, {0, 0, 2, 50}, {0, 0, 100, 50}},
        ClipCase{"halfRoundsUpToEven", {0, 0, 7, 50}, {0, 0, 200, 50}, {0, 0, 4, 50}, {0, 0, 100, 50}},
        ClipCase{"belowBottomEdge", {0, 0, 100, 100}, {0, -10, 100, 50}, {0, 0, 100, 80}, {0, 0, 100, 40}},
        ClipCase{"aboveTopEdge", {0, 0, 100, 100}, {0, 10, 100, 50}, {0, 20, 100, 80}, {0, 10, 100, 40}},
        ClipCase{"leftOfLeftEdge", {0, 0, 200, 100}, {-25, 0, 100, 50}, {50, 0, 150, 100}, {0, 0, 75, 50}},
        ClipCase{"allFourEdges", {0, 0, 300, 150}, {-50, -25, 200, 100}, {75, 37, 150, 75}, {0, 0, 100, 50}},
        ClipCase{"entirelyOutside", {0, 0, 100, 50}, {150, 0, 100, 50}, {}, {}},
        ClipCase{"emptyWindow", {0, 0, 100, 50}, {0, 0, 0, 50}, {}, {}},
        ClipCase{"emptyDestination", {0, 0, 0, 50}, {0, 0, 100, 50}, {}, {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DrawDIBScreen, AClippedWindowShowsTheRightPixels)
{
    // Window from x = -25: the picture's column 0 lands at x = 50, then each column twice.
    OwnedDib pic;
    fillDib(pic, 100, 50, 24, patternPixel);
    QImage out = blankCanvas(200, 100);
    {
        QPainter painter(&out);
        QPainterCanvasTarget target(painter);
        DrawDIB(target, 0, 0, 200, 100, pic.dib, -25, 0, 100, 50);
    }
    EXPECT_EQ(out.pixel(49, 0), qRgb(255, 255, 255));
    for (int x = 50; x < 200; ++x)
        ASSERT_EQ(out.pixel(x, 7), patternRgb((x - 50) / 2, 3)) << x;
}

TEST(DrawDIBScreen, NothingHappensForTheEmptyPicture)
{
    RecordingTarget target(false);
    DrawDIB(target, 0, 0, 10, 10, DibImage{}, 0, 0, 10, 10);
    EXPECT_TRUE(target.calls.empty());
}

TEST(DrawDIBHalftone, PaletteScreensGetAReducedCopy)
{
    OwnedDib pic;
    fillDib(pic, 100, 50, 24, patternPixel);
    struct Case {
        int destW, destH, copyW, copyH;
    };
    // Drawn smaller: a copy at the drawn size; same size or larger: a same-size copy.
    for (const Case &c : {Case{50, 25, 50, 25}, Case{100, 50, 100, 50}, Case{200, 100, 100, 50}}) {
        setScreenColorDepthOverride(8);
        RecordingTarget target(false);
        DrawDIB(target, 1, 2, c.destW, c.destH, pic.dib, 0, 0, 100, 50, true);
        // Without the halftone switch the rows are drawn from the picture itself.
        RecordingTarget plain(false);
        DrawDIB(plain, 1, 2, c.destW, c.destH, pic.dib, 0, 0, 100, 50, false);
        setScreenColorDepthOverride(0);
        ASSERT_EQ(target.calls.size(), 1u);
        EXPECT_LE(target.calls[0].bpp, 8);
        EXPECT_EQ(target.calls[0].width, c.copyW);
        EXPECT_EQ(target.calls[0].height, c.copyH);
        EXPECT_EQ(target.calls[0].dest, QRect(1, 2, c.destW, c.destH));
        EXPECT_EQ(target.calls[0].source, QRect(0, 0, c.copyW, c.copyH));
        EXPECT_GT(plain.calls.size(), 1u);
        EXPECT_EQ(plain.calls[0].bpp, 24);
    }
}
