// Figures of the card renderer, pixel-exact on a QImage canvas.
#include "renderfixture.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t Red = 0x000000FF, Green = 0x0000FF00, Blue = 0x00FF0000;
constexpr QRgb RedRgb = 0xFFFF0000, GreenRgb = 0xFF00FF00, BlueRgb = 0xFF0000FF;

// A figure at (x, y) of a 200 × 100 ticket (the card starts at (200, 100)).
Tobs &figure(RenderScene &s, int shape, int fillMode, int x, int y, int w, int h)
{
    Tobs &e = s.add(KindFigure, 200 + x, 100 + y, w, h);
    e.Shape = shape;
    e.FillMode = fillMode;
    e.Color = Blue;
    e.LineColor = Red;
    return e;
}

// The first and one-past-last columns of colour c in row y.
std::pair<int, int> runOf(const QImage &image, int y, QRgb c)
{
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) == c) {
            if (first < 0)
                first = x;
            last = x;
        }
    return {first, last + 1};
}

} // namespace

TEST(CardFigures, CircleUsesTheShorterSideAtTheTopLeft)
{
    RenderScene s;
    figure(s, 0, 0, 10, 20, 100, 40);
    const QImage image = s.renderTicket(200, 100);
    EXPECT_EQ(boundsOf(image, BlueRgb), QRect(10, 20, 40, 40));
    // Round: the middle row is full, the corner pixel is not.
    EXPECT_EQ(runOf(image, 40, BlueRgb), std::make_pair(10, 50));
    EXPECT_EQ(image.pixel(10, 20), Grey);
    // Symmetric about both axes.
    for (int d = 0; d < 20; ++d)
        EXPECT_EQ(runOf(image, 20 + d, BlueRgb), runOf(image, 59 - d, BlueRgb)) << d;
}

TEST(CardFigures, RectangleCoversBoxWithExclusiveRightAndBottom)
{
    RenderScene s;
    figure(s, 3, 2, 10, 20, 100, 50);
    const QImage image = s.renderTicket(200, 100);
    EXPECT_EQ(boundsOf(image, Grey, false), QRect(10, 20, 100, 50));
    // One-pixel border in the line colour, interior in the fill colour.
    EXPECT_EQ(image.pixel(10, 20), RedRgb);
    EXPECT_EQ(image.pixel(109, 69), RedRgb);
    EXPECT_EQ(image.pixel(11, 21), BlueRgb);
    EXPECT_EQ(image.pixel(108, 68), BlueRgb);
    EXPECT_EQ(countOf(image, RedRgb), 2 * 100 + 2 * 48);
}

TEST(CardFigures, SquareAndFillModeZeroUseOneColour)
{
    RenderScene s;
    figure(s, 2, 0, 5, 5, 30, 60);
    const QImage image = s.renderTicket(200, 100);
    EXPECT_EQ(boundsOf(image, BlueRgb), QRect(5, 5, 30, 30));
    EXPECT_EQ(countOf(image, BlueRgb), 900);
}

TEST(CardFigures, PenOf23PixelsAt600DpiCentredOnTheOutline)
{
    RenderScene s;
    // 600 pixels per inch: 1 mm (LineWidth 5) is Trunc(5 × 0.2 × 20000 / 25.39995 × 0.03) = 23 pixels.
    const double scale = 600.0 / 20000;
    Tobs &e = s.add(KindFigure, 30000, 30000, 20000, 20000);   // at (100, 100), 600 × 600 px
    e.Shape = 3;
    e.FillMode = 1;
    e.LineColor = Red;
    e.LineWidth = 5;
    const QImage image = s.render(800, 800, 800, 800, 800, 800, scale, false);
    // The pen's middle column is the box edge (100 and 699).
    EXPECT_EQ(runOf(image, 400, RedRgb), std::make_pair(89, 711));
    int leftBand = 0;
    while (image.pixel(89 + leftBand, 400) == RedRgb)
        ++leftBand;
    EXPECT_EQ(leftBand, 23);
    EXPECT_EQ(image.pixel(112, 400), Grey);   // border only: the interior stays
    EXPECT_EQ(runOf(image, 89, RedRgb), std::make_pair(89, 711));
    EXPECT_EQ(image.pixel(400, 88), Grey);
}

TEST(CardFigures, ThinPensAreOnePixel)
{
    // 0.2 mm on screen at zoom 1 is Trunc(0.757) = 0 pixels: at least one is drawn.
    for (int lineWidth : {0, 1}) {
        RenderScene s(false);
        s.doc.scale.DocUnitsPerPixel = 208;
        Tobs &e = s.add(KindFigure, 208 * 210, 208 * 110, 208 * 60, 208 * 40);
        e.Shape = 3;
        e.FillMode = 1;
        e.LineColor = Red;
        e.LineWidth = lineWidth;
        const QImage image = s.render(200, 100, 200, 100, 200, 100, 1.0 / 208, false);
        EXPECT_EQ(runOf(image, 30, RedRgb), std::make_pair(10, 70)) << lineWidth;
        EXPECT_EQ(image.pixel(11, 30), Grey) << lineWidth;
        EXPECT_EQ(countOf(image, RedRgb), 2 * 60 + 2 * 38) << lineWidth;
    }
}

TEST(CardFigures, RoundedRectangleHasCornerEllipsesOfAThirdOfTheBox)
{
    RenderScene s;
    figure(s, 5, 0, 0, 0, 90, 30);
    const QImage image = s.renderTicket(200, 100);
    // Corners 30 × 10: the top row is inset by 8 pixels on each side, rows from
    // the corner ellipse's middle (row 5) on are full.
    EXPECT_EQ(runOf(image, 0, BlueRgb), std::make_pair(8, 82));
    EXPECT_EQ(runOf(image, 1, BlueRgb), std::make_pair(4, 86));
    EXPECT_EQ(runOf(image, 4, BlueRgb), std::make_pair(0, 90));
    EXPECT_EQ(runOf(image, 15, BlueRgb), std::make_pair(0, 90));
    EXPECT_EQ(runOf(image, 29, BlueRgb), std::make_pair(8, 82));
    EXPECT_EQ(runOf(image, 30, BlueRgb), std::make_pair(-1, 0));
}

TEST(CardFigures, LinesExcludeTheirEndPoint)
{
    struct Case {
        int shape;
        QPoint drawn, notDrawn;
        int pixels;
    };
    const Case cases[] = {
        {6, {10, 10}, {60, 10}, 50},   // horizontal (10,10) → (60,10)
        {7, {10, 10}, {10, 40}, 30},   // vertical (10,10) → (10,40)
        {8, {10, 40}, {60, 10}, 50},   // rising (10,40) → (60,10)
        {9, {10, 10}, {60, 40}, 50},   // falling (10,10) → (60,40)
    };
    for (const Case &c : cases) {
        RenderScene s;
        Tobs &e = figure(s, c.shape, 1, 10, 10, 50, 30);
        e.Color = Green;   // lines draw in the fill colour whatever the fill mode
        const QImage image = s.renderTicket(200, 100);
        EXPECT_EQ(image.pixel(c.drawn), GreenRgb) << c.shape;
        EXPECT_EQ(image.pixel(c.notDrawn), Grey) << c.shape;
        EXPECT_EQ(countOf(image, GreenRgb), c.pixels) << c.shape;
        EXPECT_EQ(countOf(image, RedRgb), 0) << c.shape;
    }
}

TEST(CardFigures, UnknownFillModeKeepsThePreviousFiguresColours)
{
    RenderScene s;
    figure(s, 3, 2, 0, 0, 20, 20);   // pen red, brush blue
    figure(s, 3, 1, 100, 0, 20, 20);   // pen red, brush clear
    Tobs &third = figure(s, 3, 7, 50, 0, 20, 20);
    third.Color = Green;
    third.LineColor = Green;
    const QImage image = s.renderTicket(200, 100);
    EXPECT_EQ(image.pixel(50, 0), RedRgb);
    // The brush is solid again, in the last brush colour.
    EXPECT_EQ(image.pixel(60, 10), BlueRgb);
    EXPECT_EQ(image.pixel(110, 10), Grey);
    EXPECT_EQ(countOf(image, GreenRgb), 0);
}

TEST(CardFigures, FreeSlotsAndUnknownKindsDrawNothing)
{
    RenderScene s;
    figure(s, 3, 0, 0, 0, 20, 20).Kind = 7;
    figure(s, 12, 0, 0, 0, 20, 20);   // unknown shape
    const QImage image = s.renderTicket(200, 100);
    EXPECT_EQ(countOf(image, Grey), 200 * 100);
}

TEST(CardFigures, TicketIsClippedAtTheCardEdgeEditorIsNot)
{
    // A rectangle from 20 pixels left of the card to 30 pixels into it.
    RenderScene s;
    figure(s, 3, 0, -20, 10, 50, 20);
    // The ticket drawn at (50, 40) of a larger page: OffX = W − 50.
    const QImage page = s.render(300, 200, 200, 100, 150, 60, 1.0, false);
    EXPECT_EQ(boundsOf(page, BlueRgb), QRect(50, 50, 30, 20));
    // The editor's pasteboard (600 × 300, card from (200, 100)) shows it whole.
    const QImage editor = s.renderEditor(600, 300, 0, 0, 600, 300);
    EXPECT_EQ(boundsOf(editor, BlueRgb), QRect(180, 110, 50, 20));
    // Scrolled: the offsets move everything.
    const QImage scrolled = s.renderEditor(600, 300, 100, 50, 400, 200);
    EXPECT_EQ(boundsOf(scrolled, BlueRgb), QRect(80, 60, 50, 20));
}

TEST(CardFigures, HugeGeometryFromADamagedDesignIsHarmless)
{
    RenderScene s;
    for (int shape = 0; shape <= 9; ++shape) {
        Tobs &e = figure(s, shape, 2, -2000000000, -2000000000, 2147483647, 2147483647);
        e.LineWidth = 2147483647;
    }
    for (int kind : {KindText, KindImage, KindBarcode}) {
        Tobs &e = s.add(kind, -2000000000, -2000000000, 2147483647, 2147483647);
        e.Text = "Riesig [Ort]";
        e.FontSize = 2147483647;
        e.Outline = e.Shadow = 1;
        e.EffectDX = e.EffectDY = -2147483647;
        e.Dib = solidPicture(3, 3, Red);
        e.Transparent = kind == KindImage;
    }
    s.doc.MmPerInchX = s.doc.MmPerInchY = 1e-9;   // a damaged calibration
    const QImage image = s.renderTicket(200, 100);
    EXPECT_EQ(image.width(), 200);
}
