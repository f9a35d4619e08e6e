#include "imaging/TwainIO2Frames.h"
#include "tests/raster/rasterfixtures.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

QByteArray samples16(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values) {
        const uint16_t s = uint16_t(v);
        out.append(reinterpret_cast<const char *>(&s), 2); // the scanner's own byte order
    }
    return out;
}

} // namespace

TEST(ScanAssembler, BuildsGreyAndColourPicturesFromEverySampleDepth)
{
    struct Case {
        const char *name;
        std::vector<ScanFrameFormat> frames;
        std::vector<QByteArray> data;
        int bpp;
        std::vector<int32_t> pixels; // 2 x 2, row by row
    };
    const std::vector<Case> cases = {
        {"grey8", {{ScanFrameFormat::Gray, 8, 2, 4, 2}}, {bytes({10, 20, 0, 0, 30, 40, 0, 0})}, 8, {10, 20, 30, 40}},
        {"grey16", {{ScanFrameFormat::Gray, 16, 2, 4, 2}}, {samples16({0x1080, 0x20FF, 0x3000, 0x4001})}, 8,
         {0x10, 0x20, 0x30, 0x40}},
        // 1-bit grey: 1 is black.
        {"lineart", {{ScanFrameFormat::Gray, 1, 2, 1, 2}}, {bytes({0x80, 0x40})}, 8, {0, 255, 255, 0}},
        {"rgb8", {{ScanFrameFormat::Rgb, 8, 2, 6, 2}}, {bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})}, 24,
         {0x030201, 0x060504, 0x090807, 0x0C0B0A}},
        {"rgb16", {{ScanFrameFormat::Rgb, 16, 2, 12, 2}},
         {samples16({0x0100, 0x0200, 0x0300, 0x0400, 0x0500, 0x0600, 0x0700, 0x0800, 0x0900, 0x0A00, 0x0B00,
                     0x0CFF})},
         24, {0x030201, 0x060504, 0x090807, 0x0C0B0A}},
        {"threeFrames",
         {{ScanFrameFormat::Red, 8, 2, 2, 2}, {ScanFrameFormat::Green, 8, 2, 2, 2}, {ScanFrameFormat::Blue, 8, 2, 2, 2}},
         {bytes({1, 4, 7, 10}), bytes({2, 5, 8, 11}), bytes({3, 6, 9, 12})}, 24,
         {0x030201, 0x060504, 0x090807, 0x0C0B0A}},
        // Lines unknown in advance, last row incomplete: only whole rows count.
        {"unknownLines", {{ScanFrameFormat::Gray, 8, 2, 2, -1}}, {bytes({1, 2, 3, 4, 5})}, 8, {1, 2, 3, 4}},
    };
    for (const Case &c : cases) {
        ScanAssembler assembler;
        for (size_t i = 0; i < c.frames.size(); ++i) {
            ASSERT_EQ(assembler.beginFrame(c.frames[i]), ScanAssembler::Error::None) << c.name;
            ASSERT_EQ(assembler.append(c.data[i].constData(), c.data[i].size()), ScanAssembler::Error::None);
        }
        OwnedDib out;
        ASSERT_EQ(assembler.build(out.dib), ScanAssembler::Error::None) << c.name;
        ASSERT_EQ(out.dib.Info->header.biBitCount, c.bpp) << c.name;
        ASSERT_EQ(out.dib.Info->header.biWidth, 2) << c.name;
        ASSERT_EQ(out.dib.Info->header.biHeight, 2) << c.name;
        std::vector<int32_t> pixels;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x)
                pixels.push_back(getpixel(out.dib, x, y));
        EXPECT_EQ(pixels, c.pixels) << c.name;
    }
}

TEST(ScanAssembler, RefusesLayoutsItCannotBuildAndPagesBeyondTheLimits)
{
    ScanAssembler assembler;
    EXPECT_EQ(assembler.beginFrame({ScanFrameFormat::Gray, 4, 2, 1, 2}), ScanAssembler::Error::Unsupported);
    EXPECT_EQ(assembler.beginFrame({ScanFrameFormat::Rgb, 8, 10, 20, 2}), ScanAssembler::Error::Unsupported);
    EXPECT_EQ(assembler.beginFrame({ScanFrameFormat::Gray, 8, 0, 0, 2}), ScanAssembler::Error::Unsupported);
    EXPECT_EQ(assembler.beginFrame({ScanFrameFormat::Gray, 8, MaxDibSide + 1, MaxDibSide + 1, 2}),
              ScanAssembler::Error::TooLarge);
    EXPECT_EQ(assembler.beginFrame({ScanFrameFormat::Gray, 8, 10, 10, MaxDibSide + 1}), ScanAssembler::Error::TooLarge);

    // A page without a line count stops growing at the picture limit.
    ASSERT_EQ(assembler.beginFrame({ScanFrameFormat::Gray, 8, 4, 4, -1}), ScanAssembler::Error::None);
    const QByteArray chunk(4 * 1000, '\x7F');
    ScanAssembler::Error error = ScanAssembler::Error::None;
    int chunks = 0;
    while (error == ScanAssembler::Error::None && chunks < 100)
        error = assembler.append(chunk.constData(), chunk.size()), ++chunks;
    EXPECT_EQ(error, ScanAssembler::Error::TooLarge);
    EXPECT_EQ(chunks, MaxDibSide / 1000 + 1);

    // A colour frame cannot follow a grey one.
    EXPECT_EQ(assembler.beginFrame({ScanFrameFormat::Rgb, 8, 4, 12, 2}), ScanAssembler::Error::Unsupported);

    ScanAssembler nothing;
    DibImage out;
    EXPECT_EQ(nothing.build(out), ScanAssembler::Error::Empty);
    ASSERT_EQ(nothing.beginFrame({ScanFrameFormat::Gray, 8, 4, 4, 3}), ScanAssembler::Error::None);
    EXPECT_EQ(nothing.append("abc", 3), ScanAssembler::Error::None);
    EXPECT_EQ(nothing.build(out), ScanAssembler::Error::Empty); // not one whole row
    EXPECT_EQ(out.Bits, nullptr);
}
