// Pictures and the background of the card renderer, pixel-exact.
#include "render/raster.h"
#include "renderfixture.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t Red = 0x000000FF, White = 0x00FFFFFF, Blue = 0x00FF0000;
constexpr QRgb RedRgb = 0xFFFF0000, WhiteRgb = 0xFFFFFFFF, BlueRgb = 0xFF0000FF, BlackRgb = 0xFF000000;

Tobs &picture(RenderScene &s, DibImage dib, int x, int y, int w, int h)
{
    Tobs &e = s.add(KindImage, 200 + x, 100 + y, w, h);
    e.Dib = dib;
    return e;
}

// A blue square under the picture, so that transparent pixels show it.
void blueUnderlay(RenderScene &s, int x, int y, int w, int h)
{
    Tobs &e = s.add(KindFigure, 200 + x, 100 + y, w, h);
    e.Shape = 3;
    e.FillMode = 0;
    e.Color = Blue;
}

// A 4 × 4 picture: white ring, red 2 × 2 centre.
DibImage ringPicture()
{
    DibImage dib = solidPicture(4, 4, White);
    for (int y = 1; y < 3; ++y)
        for (int x = 1; x < 3; ++x)
            setpixel(dib, x, y, Red);
    return dib;
}

} // namespace

TEST(CardImages, OpaquePictureIsOnePixelSmallerThanItsBox)
{
    RenderScene s(false);
    picture(s, solidPicture(10, 5, Red), 10, 20, 100, 50);
    const QImage image = s.renderTicket(200, 100);
    EXPECT_EQ(boundsOf(image, Grey, false), QRect(10, 20, 99, 49));
    EXPECT_EQ(countOf(image, RedRgb), 99 * 49);
}

TEST(CardImages, KeepAspectShrinksTowardTheTopLeftCorner)
{
    struct Case {
        int boxW, boxH;
        QRect drawn;
    };
    const Case cases[] = {
        {100, 80, QRect(10, 10, 99, 49)},   // box taller than the picture's proportion
        {100, 30, QRect(10, 10, 59, 29)},   // box wider: drawn narrower, flush left
    };
    for (const Case &c : cases) {
        RenderScene s;
        picture(s, solidPicture(20, 10, Red), 10, 10, c.boxW, c.boxH).KeepAspect = 1;
        EXPECT_EQ(boundsOf(s.renderTicket(200, 100), RedRgb), c.drawn) << c.boxW << "x" << c.boxH;
    }
}

TEST(CardImages, TransparentColourKeepsTheCanvasOnPrinterScale)
{
    RenderScene s;
    blueUnderlay(s, 0, 0, 40, 40);
    Tobs &e = picture(s, ringPicture(), 0, 0, 40, 40);
    e.Transparent = 1;
    e.setTransColor(White);
    const QImage image = s.renderTicket(200, 100);
    // Print scale covers the whole box: the red centre is 20 × 20 at (10, 10).
    EXPECT_EQ(boundsOf(image, RedRgb), QRect(10, 10, 20, 20));
    EXPECT_EQ(countOf(image, BlueRgb), 40 * 40 - 400);
    EXPECT_EQ(countOf(image, WhiteRgb), 0);
}

TEST(CardImages, TransparentColourOnScreenComposesOnePixelSmaller)
{
    RenderScene s(false);
    Tobs &e = picture(s, ringPicture(), 0, 0, 41, 41);
    e.Transparent = 1;
    e.setTransColor(White);
    const QImage image = s.renderTicket(200, 100);
    // 40 × 40 composed pixels sampled by 4 × i div 40.
    EXPECT_EQ(boundsOf(image, RedRgb), QRect(10, 10, 20, 20));
    EXPECT_EQ(countOf(image, WhiteRgb), 0);
    EXPECT_EQ(countOf(image, Grey), 200 * 100 - 400);
}

TEST(CardImages, AutomaticKeyIsTheLowerLeftPixelAndIsStored)
{
    RenderScene s;
    DibImage dib = ringPicture();
    setpixel(dib, 0, 3, Blue);   // lower-left
    blueUnderlay(s, 0, 0, 40, 40);
    Tobs &e = picture(s, dib, 0, 0, 40, 40);
    e.Transparent = 1;
    e.AutoTransparent = 1;
    e.setTransColor(Red);
    const QImage image = s.renderTicket(200, 100);
    EXPECT_EQ(e.TransColor(), Blue);
    EXPECT_EQ(countOf(image, RedRgb), 400);
    EXPECT_EQ(countOf(image, WhiteRgb), 40 * 40 - 400 - 100);
}

TEST(CardImages, NegativeKeyMakesNothingTransparent)
{
    RenderScene s;
    Tobs &e = picture(s, ringPicture(), 0, 0, 40, 40);
    e.Transparent = 1;
    e.setTransColor(-1);
    const QImage image = s.renderTicket(200, 100);
    EXPECT_EQ(countOf(image, WhiteRgb), 40 * 40 - 400);
    EXPECT_EQ(e.TransColor(), -1);
}

TEST(CardImages, PalettePictureKeyIsTheFirstMatchingEntryAndColoursComeFromTheTable)
{
    // Entries: 0 white, 1 red, 2 white again. Pixels: left column index 2,
    // the rest index 0, the centre index 1.
    DibInfo palette;
    palette.colors[0] = {255, 255, 255, 0};
    palette.colors[1] = {0, 0, 255, 0};
    palette.colors[2] = {255, 255, 255, 0};
    DibImage dib;
    ASSERT_EQ(newdib(dib, 4, 4, 8, &palette, 256), 1);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            setpixel(dib, x, y, x == 0 ? 2 : (x == 2 && (y == 1 || y == 2)) ? 1 : 0);
    RenderScene s;
    blueUnderlay(s, 0, 0, 40, 40);
    Tobs &e = picture(s, dib, 0, 0, 40, 40);
    e.Transparent = 1;
    e.setTransColor(White);
    const QImage image = s.renderTicket(200, 100);
    EXPECT_EQ(countOf(image, RedRgb), 10 * 20);        // index 1 in its table colour
    EXPECT_EQ(countOf(image, WhiteRgb), 10 * 40);      // index 2 is not the key
    EXPECT_EQ(countOf(image, BlueRgb), 1600 - 200 - 400);
    EXPECT_EQ(e.TransColor(), White);
}

TEST(CardImages, EmptyPictureDrawsNothing)
{
    RenderScene s;
    picture(s, DibImage{}, 0, 0, 40, 40).Transparent = 1;
    picture(s, DibImage{}, 0, 0, 40, 40);
    EXPECT_EQ(countOf(s.renderTicket(200, 100), Grey), 200 * 100);
}

// Background: the card is 100 × 60 on a 300 × 180 pasteboard, drawn in the editor layout.
namespace {

QImage withBackground(DibImage bg, int mode, bool centreThird = true)
{
    RenderScene s;
    s.doc.BackgroundImage = bg;
    s.doc.BackgroundMode = mode;
    return centreThird ? s.renderEditor(300, 180, 0, 0, 300, 180) : s.renderTicket(100, 60);
}

} // namespace

TEST(CardBackground, StretchedCoversTheCard)
{
    // cw × ch is one pixel wider and higher than the card; as a ticket the clip cuts it.
    EXPECT_EQ(boundsOf(withBackground(solidPicture(7, 3, Red), 0), RedRgb), QRect(100, 60, 101, 61));
    EXPECT_EQ(countOf(withBackground(solidPicture(7, 3, Red), 0, false), RedRgb), 100 * 60);
}

TEST(CardBackground, FittedInsideCentresWithEqualBands)
{
    // 40 × 10 is wider than the card: v = 10 × 101 div 40 = 25 < 61, drawn
    // 100 × 24 from row (61 − 25) div 2 = 18: 18 rows above and below.
    const QImage ticket = withBackground(solidPicture(40, 10, Red), 1, false);
    EXPECT_EQ(boundsOf(ticket, RedRgb), QRect(0, 18, 100, 24));
    // A tall picture: d = 10 × 61 div 40 = 15, centred horizontally.
    const QImage tall = withBackground(solidPicture(10, 40, Red), 1, false);
    EXPECT_EQ(boundsOf(tall, RedRgb), QRect(43, 0, 14, 60));
}

TEST(CardBackground, FillingIsClippedToTheCardInTheEditor)
{
    // 10 × 40 is taller: v = 404 > 61, drawn from row 60 + (61 − 404) div 2.
    const QImage editor = withBackground(solidPicture(10, 40, Red), 2);
    EXPECT_EQ(boundsOf(editor, RedRgb), QRect(100, 60, 100, 60));
    // The clip is lifted afterwards: a figure outside the card still shows.
    RenderScene s;
    s.doc.BackgroundImage = solidPicture(10, 40, Red);
    s.doc.BackgroundMode = 2;
    Tobs &f = s.add(KindFigure, 10, 10, 20, 20);
    f.Shape = 3;
    f.Color = Blue;
    EXPECT_EQ(boundsOf(s.renderEditor(300, 180, 0, 0, 300, 180), BlueRgb), QRect(10, 10, 20, 20));
}

TEST(CardBackground, TilesRepeatAndStayInsideTheCard)
{
    // 10 × 10 with a black left column: v = 101 ≥ 61, so tiles of t = 61 run
    // across at steps of t − 1 = 60, each 60 × 60.
    DibImage bg = solidPicture(10, 10, Red);
    for (int y = 0; y < 10; ++y)
        setpixel(bg, 0, y, 0);
    const QImage editor = withBackground(bg, 3);
    EXPECT_EQ(boundsOf(editor, Grey, false), QRect(100, 60, 100, 60));
    EXPECT_EQ(editor.pixel(100, 80), BlackRgb);
    EXPECT_EQ(editor.pixel(160, 80), BlackRgb);
    EXPECT_EQ(editor.pixel(165, 80), BlackRgb);   // a source column covers 6 of the 60
    EXPECT_EQ(editor.pixel(166, 80), RedRgb);
    EXPECT_EQ(editor.pixel(159, 80), RedRgb);
    // A wide picture runs down: 40 × 10 gives v = 25 < 61, tiles of 100 × 24
    // at rows 0, 24, 48, the last one cut by the card.
    DibImage wide = solidPicture(40, 10, Red);
    for (int x = 0; x < 40; ++x)
        setpixel(wide, x, 0, 0);
    const QImage ticket = withBackground(wide, 3, false);
    EXPECT_EQ(ticket.pixel(50, 0), BlackRgb);
    EXPECT_EQ(ticket.pixel(50, 24), BlackRgb);
    EXPECT_EQ(ticket.pixel(50, 48), BlackRgb);
    EXPECT_EQ(ticket.pixel(50, 59), RedRgb);
    EXPECT_EQ(countOf(ticket, Grey), 0);
}

TEST(CardBackground, DegenerateTilesEnd)
{
    // Tiles of one pixel or less along the repeated direction: nothing to repeat.
    EXPECT_EQ(countOf(withBackground(solidPicture(1000, 1, Red), 3), RedRgb), 0);
    EXPECT_EQ(countOf(withBackground(solidPicture(1, 1000, Red), 3), RedRgb), 0);
}

TEST(CardBackground, NoneOrUnknownModeOrNoPictureDrawsNothing)
{
    EXPECT_EQ(countOf(withBackground(solidPicture(4, 4, Red), -1), RedRgb), 0);
    EXPECT_EQ(countOf(withBackground(solidPicture(4, 4, Red), 4), RedRgb), 0);
    EXPECT_EQ(countOf(withBackground(DibImage{}, 0), Grey), 300 * 180);
}
