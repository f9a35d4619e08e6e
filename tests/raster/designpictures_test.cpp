#include "core/designfile.h"
#include "core/document.h"
#include "core/pictureloading.h"
#include "render/raster.h"
#include "tests/raster/rasterfixtures.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// A 3 x 2 picture file: red in the top-left corner, blue elsewhere.
void writeCornerPicture(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 255));
    image.setPixel(0, 0, qRgb(255, 0, 0));
    ASSERT_TRUE(image.save(path, "BMP"));
}

void makeImage(Tobs &t, const QByteArray &name, int32_t rotation)
{
    t.Kind = KindImage;
    t.Width = 4000;
    t.Height = 6000;
    t.Text = name;
    t.Rotation = rotation;
}

constexpr int32_t Red = 0x0000FF;

} // namespace

TEST(OpenedDesign, GetsItsPicturesBackTurnedByTheirRotation)
{
    TestFolder folder;
    const QString designFolder = folder.file("Karten");
    writeCornerPicture(folder.file("bild.bmp"));               // in the program folder
    writeCornerPicture(designFolder + "/hinten.bmp");          // moved next to the design
    writeCornerPicture(designFolder + "/gedreht.bmp");

    Document saved;
    saved.BackgroundMode = 0;
    saved.BackgroundFile = "C:\\Alte Karten\\hinten.bmp";
    makeImage(saved.pool[2], "bild.bmp", 0);
    makeImage(saved.pool[4], "C:\\Alte Karten\\gedreht.bmp", 1);
    makeImage(saved.pool[6], "fehlt.bmp", 3);
    const QByteArray bytes = writeDesign(saved);

    ScriptedPrompts prompts;
    prompts.answer(MsgOk);
    Document doc;
    ASSERT_TRUE(readDesign(bytes, doc, designFolder).ok());

    EXPECT_EQ(DibWidth(doc.BackgroundImage), 3);
    EXPECT_EQ(getpixel(doc.BackgroundImage, 0, 0), Red);

    const DibImage &plain = doc.pool[2].Dib;
    ASSERT_EQ(DibWidth(plain), 3);
    EXPECT_EQ(getpixel(plain, 0, 0), Red);

    // One clockwise quarter turn: the red corner moves to the top right; the box stays.
    const Tobs &turned = doc.pool[4];
    ASSERT_EQ(DibWidth(turned.Dib), 2);
    ASSERT_EQ(DibHeight(turned.Dib), 3);
    EXPECT_EQ(getpixel(turned.Dib, 1, 0), Red);
    EXPECT_NE(getpixel(turned.Dib, 0, 0), Red);
    EXPECT_EQ(turned.Width, 4000);
    EXPECT_EQ(turned.Height, 6000);
    EXPECT_EQ(turned.Text, QByteArray("C:\\Alte Karten\\gedreht.bmp"));

    // The missing picture is reported and replaced by the blank one, turned too.
    ASSERT_EQ(prompts.seen().size(), 1u);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Konnte Bild (fehlt.bmp) nicht Laden."));
    const Tobs &missing = doc.pool[6];
    EXPECT_EQ(missing.Kind, KindImage);
    EXPECT_EQ(DibWidth(missing.Dib), 200);
    EXPECT_EQ(DibHeight(missing.Dib), 320);
}

TEST(OpenedDesign, OneFileIsDecodedOnceSharedAndWithinOneBudget)
{
    TestFolder folder;
    writeCornerPicture(folder.file("bild.bmp"));
    ScriptedPrompts prompts;
    // A 3 x 2 picture of 24 bits takes 24 bytes (rows of 12): the decoded file,
    // a quarter-turned and a half-turned one fill the 72 bytes, however many
    // records name them; a third turn does not fit.
    DesignPictures pictures(QString(), 72);
    DibImage upright1{}, upright2{}, right1{}, right2{}, half{}, left{};
    EXPECT_TRUE(pictures.load(upright1, "bild.bmp"));
    EXPECT_TRUE(pictures.load(right1, "bild.bmp", 1));
    EXPECT_TRUE(pictures.load(upright2, "bild.bmp"));
    EXPECT_TRUE(pictures.load(right2, "bild.bmp", 1));
    EXPECT_TRUE(pictures.load(half, "bild.bmp", 2));
    EXPECT_TRUE(prompts.seen().empty());
    EXPECT_EQ(upright1.Bits, upright2.Bits);
    EXPECT_EQ(right1.Bits, right2.Bits);
    EXPECT_NE(upright1.Bits, right1.Bits);
    EXPECT_EQ(getpixel(upright2, 0, 0), Red);
    EXPECT_EQ(getpixel(right2, 1, 0), Red);
    EXPECT_EQ(getpixel(half, 2, 1), Red);

    prompts.answer(MsgOk);
    EXPECT_FALSE(pictures.load(left, "bild.bmp", 3));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Konnte Bild (bild.bmp) nicht Laden."));
    EXPECT_EQ(DibWidth(left), 200);   // the blank picture, turned
    EXPECT_EQ(getpixel(left, 0, 0), 0xFFFFFF);

    // Every record holds its picture on its own: releasing one, or the loader,
    // keeps the others.
    deldib(upright1);
    deldib(right1);
    EXPECT_EQ(getpixel(upright2, 0, 0), Red);
    EXPECT_EQ(getpixel(right2, 1, 0), Red);
    EXPECT_EQ(dibShareCount(upright2), 1);   // the record, besides the loader
    for (DibImage *dib : {&upright2, &right2, &half, &left})
        deldib(*dib);
}
