#include "core/cp1252.h"
#include "core/pictureloading.h"
#include "core/programfolder.h"
#include "render/raster.h"
#include "tests/raster/rasterfixtures.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QImage>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A picture file whose size tells it apart from the others.
void writePicture(const QString &path, int width, int height, QRgb colour = qRgb(10, 200, 30))
{
    QDir().mkpath(QFileInfo(path).path());
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path, "BMP"));
}

} // namespace

TEST(LoadDIBit, ABareNameIsReadFromTheProgramFolder)
{
    TestFolder folder;
    writePicture(folder.file("logo.bmp"), 21, 9);
    OwnedDib pic;
    ASSERT_TRUE(LoadDIBit(pic.dib, "logo.bmp"));
    EXPECT_EQ(DibWidth(pic.dib), 21);
    EXPECT_EQ(DibHeight(pic.dib), 9);
    EXPECT_EQ(getpixel(pic.dib, 3, 3), 10 | (200 << 8) | (30 << 16));
}

TEST(LoadDIBit, ANameWithAFolderIsReadExactlyThere)
{
    TestFolder folder;
    writePicture(folder.file("logo.bmp"), 21, 9);
    writePicture(folder.file("sub/logo.bmp"), 5, 6);
    OwnedDib pic;
    ASSERT_TRUE(LoadDIBit(pic.dib, folder.file("sub/logo.bmp")));
    EXPECT_EQ(DibWidth(pic.dib), 5);
    // A Windows path has a folder part too: not looked up in the program folder.
    EXPECT_FALSE(LoadDIBit(pic.dib, "C:\\Bilder\\logo.bmp"));
}

TEST(LoadDIBit, NamesFromWindowsFindTheirFiles)
{
    TestFolder folder;
    writePicture(folder.file("logo.bmp"), 21, 9);
    writePicture(folder.file("Bilder/Karte.bmp"), 7, 3);
    writePicture(folder.file("Entwurf/rand.bmp"), 4, 4);
    struct Case {
        QString stored;
        int width;
    };
    const Case cases[] = {
        {"LOGO.BMP", 21},                                         // bare name, other letter case
        {folder.path() + "\\Bilder\\Karte.bmp", 7},              // '\\' separates folders
        {folder.path() + "\\Bilder\\KARTE.bmp", 7},
        {folder.path() + "/Bilder/karte.BMP", 7},
    };
    for (const Case &c : cases) {
        OwnedDib pic;
        EXPECT_TRUE(LoadDIBit(pic.dib, c.stored)) << c.stored.toStdString();
        EXPECT_EQ(DibWidth(pic.dib), c.width) << c.stored.toStdString();
    }
    QImage bitmap;
    EXPECT_TRUE(LoadBit(bitmap, "Logo.Bmp"));
    EXPECT_EQ(bitmap.size(), QSize(21, 9));

    // The design's pictures: the file name part beside the design, in any letter case.
    OwnedDib pic;
    EXPECT_TRUE(loadPictureByRule(pic.dib, "C:\\Alt\\RAND.BMP", folder.file("Entwurf")));
    EXPECT_EQ(DibWidth(pic.dib), 4);

    // A file added later to a folder already looked at is found too.
    writePicture(folder.file("Bilder/Neu.bmp"), 2, 2);
    EXPECT_TRUE(LoadDIBit(pic.dib, folder.path() + "/Bilder/NEU.BMP"));
}

TEST(LoadDIBit, AFailureLeavesTheWhiteBlankPicture)
{
    TestFolder folder;
    writePicture(folder.file("logo.bmp"), 21, 9);
    folder.write("broken.bmp", QByteArray("BM\x10\x00\x00\x00garbage", 13));
    for (const char *name : {"missing.bmp", "broken.bmp", ""}) {
        OwnedDib pic;
        ASSERT_TRUE(LoadDIBit(pic.dib, "logo.bmp"));
        EXPECT_FALSE(LoadDIBit(pic.dib, name)) << name;
        EXPECT_EQ(DibWidth(pic.dib), 320) << name;
        EXPECT_EQ(DibHeight(pic.dib), 200) << name;
        EXPECT_EQ(DibBitCount(pic.dib), 24) << name;
        ASSERT_NE(pic.dib.Bits, nullptr) << name;
        EXPECT_EQ(getpixel(pic.dib, 0, 0), 0xFFFFFF) << name;
        EXPECT_EQ(getpixel(pic.dib, 319, 199), 0xFFFFFF) << name;
    }
}

TEST(LoadBit, ReadsThroughTheLibraryAndKeepsTheSmallBitmapOnFailure)
{
    TestFolder folder;
    writePicture(folder.file("logo.bmp"), 21, 9, qRgb(1, 2, 3));
    QImage bitmap;
    ASSERT_TRUE(LoadBit(bitmap, "logo.bmp"));
    EXPECT_EQ(bitmap.size(), QSize(21, 9));
    EXPECT_EQ(bitmap.pixel(20, 8), qRgb(1, 2, 3));

    EXPECT_FALSE(LoadBit(bitmap, "missing.bmp"));
    EXPECT_EQ(bitmap.size(), QSize(100, 100));
}

TEST(LoadDIBit, ANamedPipeIsNotWaitedOn)
{
    // A design may name any path; opening a pipe for reading would wait for a writer forever.
    TestFolder folder;
    const QByteArray pipe = QFile::encodeName(folder.file("pipe.bmp"));
    ASSERT_EQ(mkfifo(pipe.constData(), 0600), 0);
    auto returnsPromptly = [&pipe](const std::function<bool()> &load) {
        auto done = std::async(std::launch::async, load);
        const bool prompt = done.wait_for(std::chrono::seconds(3)) == std::future_status::ready;
        if (!prompt) { // let the reader go: a writer that closes at once gives end of file
            const int fd = ::open(pipe.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        }
        EXPECT_FALSE(done.get());
        return prompt;
    };
    OwnedDib pic;
    EXPECT_TRUE(returnsPromptly([&pic] { return LoadDIBit(pic.dib, "pipe.bmp"); }));
    EXPECT_EQ(DibWidth(pic.dib), 320);
    QImage bitmap;
    EXPECT_TRUE(returnsPromptly([&bitmap] { return LoadBit(bitmap, "pipe.bmp"); }));
    EXPECT_EQ(bitmap.size(), QSize(100, 100));
}

class PictureLoadingRule : public ::testing::Test {
protected:
    TestFolder folder;
    QString designFolder = folder.file("designs");
    OwnedDib pic;
};

TEST_F(PictureLoadingRule, FirstLooksWhereTheNameSays)
{
    writePicture(folder.file("bild.bmp"), 11, 4);
    writePicture(designFolder + "/bild.bmp", 7, 7);
    ScriptedPrompts prompts;
    EXPECT_TRUE(loadPictureByRule(pic.dib, "bild.bmp", designFolder));
    EXPECT_EQ(DibWidth(pic.dib), 11);
    EXPECT_TRUE(prompts.seen().empty());
}

TEST_F(PictureLoadingRule, ThenLooksNextToTheDesignFile)
{
    writePicture(designFolder + "/B\xC3\xBChne.bmp", 7, 3); // "Bühne.bmp" in UTF-8 on disk
    ScriptedPrompts prompts;
    // Stored on Windows, in Windows-1252, in a folder that does not exist here.
    EXPECT_TRUE(loadPictureByRule(pic.dib, "D:\\Alte Karten\\B\xFChne.bmp", designFolder));
    EXPECT_EQ(DibWidth(pic.dib), 7);
    EXPECT_TRUE(loadPictureByRule(pic.dib, "/home/old/B\xFChne.bmp", designFolder));
    EXPECT_EQ(DibHeight(pic.dib), 3);
    EXPECT_TRUE(prompts.seen().empty());
}

TEST_F(PictureLoadingRule, ElseReportsTheNameAndKeepsTheBlankPicture)
{
    ScriptedPrompts prompts;
    prompts.answer(MsgOk);
    EXPECT_FALSE(loadPictureByRule(pic.dib, "C:\\weg\\Gr\xF6\xDF" "e.bmp", designFolder));
    ASSERT_EQ(prompts.seen().size(), 1u);
    const Prompt &p = prompts.last();
    EXPECT_EQ(p.text, QStringLiteral("Konnte Bild (C:\\weg\\Größe.bmp) nicht Laden."));
    EXPECT_TRUE(p.caption.isEmpty());
    EXPECT_EQ(p.icon, MsgIcon::Error);
    EXPECT_EQ(p.buttons, int(MsgOk));
    EXPECT_EQ(DibWidth(pic.dib), 320);
    EXPECT_EQ(DibHeight(pic.dib), 200);
}

TEST(StoredRotation, TurnsByQuarterTurnsClockwise)
{
    // 2 x 1 picture: value 1 on the left, 2 on the right.
    struct Case {
        int rotation, width, height;
        std::vector<int32_t> pixels; // row by row
    };
    for (const Case &c : {Case{0, 2, 1, {1, 2}}, Case{1, 1, 2, {1, 2}}, Case{2, 2, 1, {2, 1}},
                          Case{3, 1, 2, {2, 1}}, Case{4, 2, 1, {1, 2}}, Case{-1, 2, 1, {1, 2}}}) {
        OwnedDib pic;
        fillDib(pic, 2, 1, 24, [](int x, int) { return x + 1; });
        applyStoredRotation(pic.dib, c.rotation);
        ASSERT_EQ(DibWidth(pic.dib), c.width) << c.rotation;
        ASSERT_EQ(DibHeight(pic.dib), c.height) << c.rotation;
        std::vector<int32_t> pixels;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                pixels.push_back(getpixel(pic.dib, x, y));
        EXPECT_EQ(pixels, c.pixels) << c.rotation;
    }
}
