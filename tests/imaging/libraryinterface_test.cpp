// Filters, halftoning and the QImage conversions of the image library.
#include "imaging/GrafikRW.h"
#include "imaging/dibqimage.h"
#include "tests/imaging/imagingfixtures.h"
#include "tests/support/testsupport.h"

#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(Filters, SaveFilterHasTheElevenFormatsInOrder)
{
    const QStringList parts = GetDIBSaveFilter().split('|');
    ASSERT_EQ(parts.size(), 22);
    const QStringList patterns = {"*.bmp", "*.dib", "*.gif", "*.iff", "*.jif", "*.jpg",
                                  "*.lbm", "*.pcx", "*.rle", "*.tga", "*.tif"};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(parts[2 * i + 1], patterns[i]) << i;
}

TEST(Filters, OpenFilterOffersEveryReadableFormat)
{
    const QStringList parts = GetDIBOpenFilter().split('|');
    ASSERT_EQ(parts.size() % 2, 0);
    const QString all = parts[1];
    for (const char *ext : {"bmp", "dib", "rle", "gif", "jpg", "jif", "png", "tif", "tga", "pcx", "iff", "lbm",
                            "pbm", "pgm", "ppm"})
        EXPECT_TRUE(all.split(';').contains(QStringLiteral("*.") + ext)) << ext;
}

TEST(Halftone, SameSizeCopyHasAtMost256ColoursCloseToTheOriginal)
{
    OwnedDib source(makeSmooth(64, 48));
    OwnedDib out;
    ASSERT_EQ(DIBHalftoneDIB(out.dib, source.dib), 1);
    ASSERT_EQ(out.width(), 64);
    ASSERT_EQ(out.height(), 48);
    EXPECT_EQ(out.depth(), 8);
    EXPECT_EQ(out.dib.HasPalette, 1);
    // Dithering keeps the average colour of an area close to the original.
    for (int by = 0; by < 48; by += 16)
        for (int bx = 0; bx < 64; bx += 16) {
            long sum[2][3] = {};
            for (int y = by; y < by + 16; ++y)
                for (int x = bx; x < bx + 16; ++x)
                    for (int c = 0; c < 3; ++c) {
                        sum[0][c] += (shownColour(source.dib, x, y) >> (8 * c)) & 0xFF;
                        sum[1][c] += (shownColour(out.dib, x, y) >> (8 * c)) & 0xFF;
                    }
            for (int c = 0; c < 3; ++c)
                EXPECT_NEAR(sum[0][c] / 256.0, sum[1][c] / 256.0, 8.0) << bx << "," << by;
        }
    // Pure colours of the cube stay exact.
    setpixel(source.dib, 0, 0, 0x0000FF);
    OwnedDib exact;
    DIBHalftoneDIB(exact.dib, source.dib);
    EXPECT_EQ(shownColour(exact.dib, 0, 0), 0xFF0000u);
}

TEST(Halftone, ScaledCopyHasTheRequestedSize)
{
    OwnedDib source(makeSmooth(200, 100));
    OwnedDib out;
    ASSERT_EQ(DIBHalftoneDIBXY(out.dib, source.dib, 50, 30), 1);
    EXPECT_EQ(out.width(), 50);
    EXPECT_EQ(out.height(), 30);
    EXPECT_LT(meanAbsoluteError(out.dib, OwnedDib(dibFromQImage(dibToQImage(source.dib).scaled(50, 30))).dib), 40);

    OwnedDib palette(makePalettePicture(10, 10, 4));
    OwnedDib bigger;
    ASSERT_EQ(DIBHalftoneDIBXY(bigger.dib, palette.dib, 20, 20), 1);
    EXPECT_EQ(getpixel(bigger.dib, 19, 19), getpixel(palette.dib, 9, 9));
    OwnedDib none;
    EXPECT_NE(DIBHalftoneDIB(none.dib, DibImage{}), 1);
    EXPECT_TRUE(none.dib.isEmpty());
}

TEST(QImageConversion, RoundTripKeepsDepthPaletteAndPixels)
{
    for (int bpp : {1, 4, 8}) {
        OwnedDib original(makePalettePicture(19, 7, bpp));
        const QImage image = dibToQImage(original.dib);
        ASSERT_EQ(image.format(), QImage::Format_Indexed8);
        EXPECT_EQ(image.colorCount(), 1 << bpp);
        OwnedDib back(dibFromQImage(image));
        EXPECT_EQ(back.depth(), bpp);
        EXPECT_EQ(differingPixels(original.dib, back.dib), 0);
        EXPECT_EQ(getpixel(back.dib, 18, 6), getpixel(original.dib, 18, 6));
    }
    OwnedDib colour(makeGradient(19, 7));
    const QImage image = dibToQImage(colour.dib);
    EXPECT_EQ(image.pixel(3, 0), 0xFF000000u | shownColour(colour.dib, 3, 0)); // top row is y = 0
    OwnedDib back(dibFromQImage(image));
    EXPECT_EQ(back.depth(), 24);
    EXPECT_EQ(differingPixels(colour.dib, back.dib), 0);
    EXPECT_TRUE(dibToQImage(DibImage{}).isNull());
}

TEST(QImageConversion, TransparencyShowsWhiteAndOtherFormatsBecome24Bits)
{
    QImage alpha(4, 1, QImage::Format_ARGB32);
    alpha.setPixel(0, 0, qRgba(0, 0, 0, 0));        // fully transparent black
    alpha.setPixel(1, 0, qRgba(255, 0, 0, 255));    // opaque red
    alpha.setPixel(2, 0, qRgba(0, 0, 255, 128));    // half blue
    alpha.setPixel(3, 0, qRgba(0, 255, 0, 255));
    OwnedDib dib(dibFromQImage(alpha));
    ASSERT_EQ(dib.depth(), 24);
    EXPECT_EQ(shownColour(dib.dib, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(shownColour(dib.dib, 1, 0), 0xFF0000u);
    EXPECT_NEAR(int(shownColour(dib.dib, 2, 0) >> 16), 127, 2);
    EXPECT_EQ(shownColour(dib.dib, 2, 0) & 0xFF, 0xFFu);

    QImage deep(2, 2, QImage::Format_RGBX64);
    deep.fill(QColor(10, 20, 30));
    OwnedDib fromDeep(dibFromQImage(deep));
    EXPECT_EQ(fromDeep.depth(), 24);
    EXPECT_EQ(shownColour(fromDeep.dib, 1, 1), 0x0A141Eu);

    QImage grey(3, 1, QImage::Format_Grayscale8);
    grey.fill(77);
    OwnedDib fromGrey(dibFromQImage(grey));
    EXPECT_EQ(fromGrey.depth(), 8);
    EXPECT_EQ(getpixel(fromGrey.dib, 2, 0), 77);
    EXPECT_EQ(shownColour(fromGrey.dib, 2, 0), 0x4D4D4Du);
}

TEST(QImageConversion, SixteenColourIndexedImagesBecome4BitPictures)
{
    QImage image(5, 5, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < 16; ++i)
        table.append(qRgb(i * 16, 255 - i * 16, 7));
    image.setColorTable(table);
    image.fill(15);
    OwnedDib dib(dibFromQImage(image));
    EXPECT_EQ(dib.depth(), 4);
    EXPECT_EQ(getpixel(dib.dib, 4, 4), 15);
}

TEST(PngExport, WritesAReadablePngAtomically)
{
    TestFolder folder;
    OwnedDib picture(makeGradient(12, 9));
    ASSERT_TRUE(saveDibAsPng(picture.dib, folder.file("card.png")));
    EXPECT_TRUE(folder.read("card.png").startsWith("\x89PNG"));
    OwnedDib back;
    OpenDib(back.dib, folder.file("card.png"));
    EXPECT_EQ(differingPixels(picture.dib, back.dib), 0);
    EXPECT_FALSE(saveDibAsPng(DibImage{}, folder.file("empty.png")));
    EXPECT_FALSE(folder.exists("empty.png"));
}

TEST(OpenDib, MissingOrEmptyFilesGiveTheEmptyRecord)
{
    TestFolder folder;
    folder.write("empty.bmp", {});
    folder.write("text.tga", "this is not a picture at all");
    for (const char *name : {"missing.bmp", "empty.bmp", "text.tga"}) {
        DibImage dib;
        dib.Bits = reinterpret_cast<uint8_t *>(&dib); // the record is overwritten, not trusted
        EXPECT_EQ(OpenDib(dib, folder.file(name)), 0) << name;
        EXPECT_EQ(dib.Bits, nullptr) << name;
        EXPECT_EQ(dib.Info, nullptr) << name;
    }
}

} // namespace

TEST(SharedPictures, StorageLastsUntilTheLastHolderReleasesIt)
{
    DibImage owner;
    ASSERT_EQ(newdib(owner, 3, 2, 24), 1);
    setpixel(owner, 2, 1, 0x123456);
    EXPECT_EQ(dibShareCount(owner), 0);
    const DibImage first = dibShare(owner);
    const DibImage second = dibShare(owner);
    EXPECT_EQ(first.Bits, owner.Bits);   // the same pixels, not a copy
    EXPECT_EQ(dibShareCount(owner), 2);

    deldib(owner);   // the first holder lets go; the others still read the picture
    EXPECT_EQ(getpixel(first, 2, 1), 0x123456);
    deldib(first);
    EXPECT_EQ(dibShareCount(second), 0);
    EXPECT_EQ(getpixel(second, 2, 1), 0x123456);
    deldib(second);   // the last one frees it

    DibImage empty;
    EXPECT_TRUE(dibShare(empty).isEmpty());
    EXPECT_EQ(dibShareCount(empty), 0);
}
