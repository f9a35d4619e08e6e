// Our files opened by independent readers, and files of other programs opened by us.
#include "imaging/GrafikRW.h"
#include "tests/imaging/imagingfixtures.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

namespace {

struct WrittenFormat {
    int format;
    const char *suffix;
    const char *identifyName; // what ImageMagick's identify calls the format
    int tolerance;
};

const WrittenFormat AllSaveFormats[] = {
    {3, "bmp", "BMP3", 0},  {4, "dib", "BMP3", 0},  {5, "gif", "GIF", 0},  {6, "iff", "ILBM", 0},
    {7, "jif", "JPEG", 40}, {8, "jpg", "JPEG", 40}, {9, "lbm", "ILBM", 0}, {10, "pcx", "PCX", 0},
    {11, "rle", "BMP3", 0}, {12, "tga", "TGA", 0},  {13, "tif", "TIFF", 0}};

void PrintTo(const WrittenFormat &f, std::ostream *os)
{
    *os << f.suffix;
}

bool isIlbm(const WrittenFormat &f)
{
    return f.format == 6 || f.format == 9;
}

class WrittenFilesOpenElsewhere : public testing::TestWithParam<WrittenFormat> {
protected:
    void SetUp() override
    {
        if (debianTool("convert").isEmpty() || debianTool("ilbmtoppm").isEmpty())
            GTEST_SKIP() << "imagemagick and netpbm are needed (scripts/install-deps)";
    }

    void expectForeignReaderAgrees(const DibImage &picture, const QString &tag)
    {
        const WrittenFormat &f = GetParam();
        const QString path = folder.file(tag + "." + f.suffix);
        ASSERT_EQ(SaveDib(picture, path, f.format), 1);

        RgbPixels foreign;
        ASSERT_TRUE(decodeForeign(path, foreign)) << path.toStdString();
        OwnedDib ours;
        OpenDib(ours.dib, path);
        ASSERT_FALSE(ours.dib.isEmpty());
        // What another program shows is what we wrote and read back.
        EXPECT_EQ(differingPixels(ours.dib, foreign, f.tolerance), 0);
        if (f.tolerance == 0 && f.format != 5 && f.format != 11) {
            EXPECT_EQ(differingPixels(picture, foreign), 0);
        }
    }

    TestFolder folder;
};

TEST_P(WrittenFilesOpenElsewhere, IdentifyRecognisesFormatAndSize)
{
    const WrittenFormat &f = GetParam();
    OwnedDib picture(makeGradient(33, 21));
    const QString path = folder.file(QStringLiteral("id.") + f.suffix);
    ASSERT_EQ(SaveDib(picture.dib, path, f.format), 1);
    if (isIlbm(f)) { // ImageMagick reads ILBM only through netpbm
        RgbPixels pixels;
        ASSERT_TRUE(decodeForeign(path, pixels));
        EXPECT_EQ(pixels.width, 33);
        EXPECT_EQ(pixels.height, 21);
        return;
    }
    bool ok = false;
    const QByteArray out = runTool(debianTool("identify"), {"-format", "%m %w %h", path}, &ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(out, QByteArray(f.identifyName) + " 33 21");
}

TEST_P(WrittenFilesOpenElsewhere, ForeignReaderSeesTheSamePixels)
{
    for (int bpp : {1, 4, 8}) {
        OwnedDib palette(makePalettePicture(29, 17, bpp));
        expectForeignReaderAgrees(palette.dib, QStringLiteral("p%1").arg(bpp));
    }
    OwnedDib few(makeFewColours(41, 19, 180));
    expectForeignReaderAgrees(few.dib, QStringLiteral("few"));
    if (GetParam().tolerance == 0 && GetParam().format != 5 && GetParam().format != 11) {
        OwnedDib many(makeGradient(41, 19));
        expectForeignReaderAgrees(many.dib, QStringLiteral("many"));
    }
}

INSTANTIATE_TEST_SUITE_P(SaveDib, WrittenFilesOpenElsewhere, testing::ValuesIn(AllSaveFormats),
                         [](const auto &info) { return std::string(info.param.suffix); });

// A foreign file, made by a command from a PPM of a known picture.
struct ForeignFile {
    const char *name;
    const char *suffix;
    QStringList command;   // "%in" and "%out" are replaced; a program writing to stdout has no %out
    int expectedDepth;     // 0: not checked
    int sourceColours;     // colours of the source picture; 0: a gradient of many
    int tolerance = 1;     // 16-bit samples may round either way
};

const ForeignFile ForeignFiles[] = {
    {"bmp24", "bmp", {"convert", "%in", "bmp3:%out"}, 24, 0},
    {"bmp8", "bmp", {"convert", "%in", "-colors", "200", "bmp3:%out"}, 8, 180},
    {"bmp4", "bmp", {"convert", "%in", "-colors", "16", "-type", "Palette", "bmp3:%out"}, 4, 16},
    {"bmp1", "bmp", {"convert", "%in", "-monochrome", "bmp3:%out"}, 1, 0},
    {"bmprle8", "bmp", {"convert", "%in", "-colors", "200", "-compress", "RLE", "bmp3:%out"}, 8, 180},
    {"bmp32", "bmp", {"convert", "%in", "-define", "bmp:format=bmp4", "-alpha", "on", "%out"}, 24, 0},
    {"gif", "gif", {"convert", "%in", "%out"}, 8, 180},
    {"gifinterlaced", "gif", {"convert", "%in", "-interlace", "GIF", "%out"}, 8, 180},
    {"gif16", "gif", {"convert", "%in", "-colors", "16", "%out"}, 4, 16},
    {"jpeg", "jpg", {"convert", "%in", "-quality", "100", "%out"}, 24, 0},
    {"png24", "png", {"convert", "%in", "png24:%out"}, 24, 0},
    {"png8", "png", {"convert", "%in", "-colors", "200", "png8:%out"}, 8, 180},
    {"png16bit", "png", {"convert", "%in", "-depth", "16", "png48:%out"}, 24, 0},
    {"pnggrey", "png", {"convert", "%in", "-colorspace", "Gray", "%out"}, 8, 0},
    {"tiff", "tif", {"convert", "%in", "-compress", "LZW", "%out"}, 24, 0},
    {"tiffpalette", "tif", {"convert", "%in", "-colors", "200", "-type", "Palette", "%out"}, 8, 180},
    {"ppm", "ppm", {"convert", "%in", "%out"}, 24, 0},
    {"pgm", "pgm", {"convert", "%in", "-colorspace", "Gray", "%out"}, 8, 0},
    {"pbm", "pbm", {"convert", "%in", "-monochrome", "%out"}, 1, 0},
    {"ppmascii", "ppm", {"convert", "%in", "-compress", "none", "%out"}, 24, 0},
    {"tgaim", "tga", {"convert", "%in", "%out"}, 24, 0},
    {"tgaimrle", "tga", {"convert", "%in", "-compress", "RLE", "%out"}, 24, 0},
    {"tgacmaprle", "tga", {"pamtotga", "-cmap", "%in"}, 8, 180},
    {"tgargb", "tga", {"pamtotga", "-rgb", "-norle", "%in"}, 24, 0},
    {"tgamono", "tga", {"pamtotga", "-mono", "%in"}, 8, 0},
    {"pcxim", "pcx", {"convert", "%in", "%out"}, 24, 0},
    {"pcx8", "pcx", {"ppmtopcx", "-8bit", "%in"}, 8, 180},
    {"pcx24", "pcx", {"ppmtopcx", "-24bit", "%in"}, 24, 0},
    {"pcx16planes", "pcx", {"ppmtopcx", "-planes", "4", "%in"}, 4, 16},
    {"pcx16packed", "pcx", {"ppmtopcx", "-packed", "%in"}, 4, 16},
    {"ilbmcmap", "iff", {"ppmtoilbm", "-maxplanes", "8", "%in"}, 8, 180},
    {"ilbm16", "iff", {"ppmtoilbm", "%in"}, 4, 16},
    {"ilbm24", "iff", {"ppmtoilbm", "-24force", "%in"}, 24, 0},
    {"ilbmuncompressed", "lbm", {"ppmtoilbm", "-24force", "-nocompress", "%in"}, 24, 0},
    // netpbm widens the 4-bit HAM components as about v * 16, we as v * 17
    {"ilbmham", "iff", {"ppmtoilbm", "-hamforce", "%in"}, 24, 0, 15},
};

void PrintTo(const ForeignFile &f, std::ostream *os)
{
    *os << f.name;
}

class ForeignFilesOpen : public testing::TestWithParam<ForeignFile> {};

TEST_P(ForeignFilesOpen, PixelsMatchTheIndependentDecoder)
{
    const ForeignFile &f = GetParam();
    const QString tool = debianTool(f.command.first());
    if (tool.isEmpty() || debianTool("convert").isEmpty() || debianTool("ilbmtoppm").isEmpty())
        GTEST_SKIP() << "imagemagick and netpbm are needed (scripts/install-deps)";
    TestFolder folder;
    OwnedDib source(f.sourceColours ? makeFewColours(45, 27, f.sourceColours) : makeGradient(45, 27));
    writeFileBytes(folder.file("source.ppm"), toPpm(source.dib));
    const QString out = folder.file(QStringLiteral("foreign.") + f.suffix);
    QStringList args = f.command.mid(1);
    bool toStdout = true;
    for (QString &a : args) {
        toStdout &= !a.contains("%out");
        a.replace("%in", folder.file("source.ppm")).replace("%out", out);
    }
    bool ok = false;
    const QByteArray written = runTool(tool, args, &ok);
    ASSERT_TRUE(ok) << f.command.join(' ').toStdString();
    if (toStdout)
        writeFileBytes(out, written);

    RgbPixels truth;
    ASSERT_TRUE(decodeForeign(out, truth));
    OwnedDib ours;
    OpenDib(ours.dib, out);
    ASSERT_FALSE(ours.dib.isEmpty());
    EXPECT_EQ(ours.width(), 45);
    EXPECT_EQ(ours.height(), 27);
    EXPECT_EQ(differingPixels(ours.dib, truth, f.tolerance), 0);
    if (f.expectedDepth) {
        EXPECT_EQ(ours.depth(), f.expectedDepth);
    }
}

INSTANTIATE_TEST_SUITE_P(OpenDib, ForeignFilesOpen, testing::ValuesIn(ForeignFiles),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
