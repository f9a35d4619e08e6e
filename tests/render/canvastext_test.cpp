// Text on the QPainter canvas: line breaking, placement and clipping, checked
// by the bounding boxes of drawn pixels rather than glyph shapes.
#include "render/canvaspainter.h"
#include "render/canvastext.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

CanvasFont sans(int pixels)
{
    CanvasFont f;
    f.face = QStringLiteral("Liberation Sans");
    f.height = -pixels;
    return f;
}

QRect inkBounds(const QImage &image)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != 0xFFFFFFFF)
                r |= QRect(x, y, 1, 1);
    return r;
}

template <typename Draw>
QImage draw(Draw d, int w = 400, int h = 300)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter, &image);
    d(canvas);
    return image;
}

} // namespace

TEST(CanvasText, ParagraphsSplitAtEveryLineBreakForm)
{
    EXPECT_EQ(splitParagraphs(QStringLiteral("a\r\nb\rc\nd")),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}));
    EXPECT_EQ(splitParagraphs(QStringLiteral("a\r\n\r\nb")), (QStringList{QStringLiteral("a"), {}, QStringLiteral("b")}));
    EXPECT_EQ(splitParagraphs(QStringLiteral("a\n\rb")), (QStringList{QStringLiteral("a"), {}, QStringLiteral("b")}));
}

TEST(CanvasText, WordsWrapAtBlanksAndLongWordsStandAlone)
{
    const QFontMetrics fm(toQFont(sans(20)));
    const int width = fm.horizontalAdvance(QStringLiteral("eins zwei"));
    EXPECT_EQ(breakTextLines(QStringLiteral("eins zwei drei vier"), fm, width),
              (QStringList{QStringLiteral("eins zwei"), QStringLiteral("drei vier")}));
    EXPECT_EQ(breakTextLines(QStringLiteral("Donaudampfschifffahrt ab"), fm, width),
              (QStringList{QStringLiteral("Donaudampfschifffahrt"), QStringLiteral("ab")}));
    EXPECT_EQ(breakTextLines(QStringLiteral("a  b"), fm, 1000), (QStringList{QStringLiteral("a  b")}));
    EXPECT_EQ(breakTextLines(QStringLiteral("A&B\r\nC"), fm, 1000),
              (QStringList{QStringLiteral("A&B"), QStringLiteral("C")}));
}

TEST(CanvasText, OnlyTheLinesAskedForAreLaidOut)
{
    const QFontMetrics fm(toQFont(sans(20)));
    const int width = fm.horizontalAdvance(QStringLiteral("eins zwei"));
    const QString text = QStringLiteral("eins zwei drei vier\rfünf\r\rsechs");
    const QStringList all = breakTextLines(text, fm, width);
    ASSERT_EQ(all, (QStringList{"eins zwei", "drei vier", QStringLiteral("fünf"), {}, "sechs"}));
    for (qsizetype maxLines = 0; maxLines <= all.size(); ++maxLines)
        EXPECT_EQ(breakTextLines(text, fm, width, maxLines), all.first(maxLines)) << maxLines;
}

TEST(CanvasText, LongTextInANarrowBoxIsLaidOutInLinearTime)
{
    // 96000 characters of a damaged or pasted text: every line is measured on
    // its own, not the whole rest of the paragraph again for each line.
    const QFontMetrics fm(toQFont(sans(12)));
    const QString text = QStringLiteral("ab ").repeated(32000);
    QElapsedTimer timer;
    timer.start();
    const QStringList lines = breakTextLines(text, fm, fm.horizontalAdvance(QStringLiteral("ab ab ab")));
    EXPECT_LT(timer.elapsed(), 3000);
    ASSERT_EQ(lines.size(), 32000 / 3 + 1);
    EXPECT_EQ(lines.first(), QStringLiteral("ab ab ab"));
    EXPECT_EQ(lines.last(), QStringLiteral("ab ab "));
}

TEST(CanvasText, DrawTextStartsAtTheTopLeftAndIsClippedToItsBox)
{
    const QString text = QStringLiteral("Erste Zeile\r\nZweite Zeile\r\nDritte Zeile");
    const QImage tall = draw([&](Canvas &c) { c.drawText(50, 40, 350, 240, text, sans(20), 0, TextAlignment::Left); });
    const QRect all = inkBounds(tall);
    EXPECT_GE(all.left(), 50);
    EXPECT_LE(all.left(), 53);
    EXPECT_GE(all.top(), 40);
    EXPECT_LE(all.top(), 40 + 8);
    EXPECT_GT(all.bottom(), 40 + 2 * 20);   // three lines
    // A box of one and a half lines shows nothing below its bottom edge.
    const QImage cut = draw([&](Canvas &c) { c.drawText(50, 40, 350, 70, text, sans(20), 0, TextAlignment::Left); });
    EXPECT_EQ(inkBounds(cut).bottom(), 69);
    EXPECT_LT(inkBounds(cut).right(), all.right() + 1);
    // Nothing right of a narrow box either.
    const QImage narrow = draw([&](Canvas &c) {
        c.drawText(50, 40, 80, 240, QStringLiteral("Donaudampfschifffahrt"), sans(20), 0, TextAlignment::Left);
    });
    EXPECT_EQ(inkBounds(narrow).right(), 79);
}

TEST(CanvasText, AlignmentPlacesLinesInTheBox)
{
    const auto bounds = [](TextAlignment a) {
        return inkBounds(draw([&](Canvas &c) { c.drawText(0, 0, 400, 100, QStringLiteral("Mitte"), sans(20), 0, a); }));
    };
    const QRect left = bounds(TextAlignment::Left), centre = bounds(TextAlignment::Center),
                right = bounds(TextAlignment::Right);
    EXPECT_LE(left.left(), 3);
    EXPECT_GE(right.right(), 396);
    EXPECT_NEAR(centre.center().x(), 200, 3);
    EXPECT_EQ(left.width(), right.width());
}

TEST(CanvasText, TextOutAnchors)
{
    // Baseline anchor: glyphs stand above y; top-left anchor: below it.
    const QRect base = inkBounds(draw([](Canvas &c) {
        c.textOut(100, 100, QStringLiteral("Hx"), sans(30), 0, TextAnchor::BaselineLeft);
    }));
    EXPECT_LE(base.bottom(), 100);
    EXPECT_GE(base.top(), 100 - 30);
    const QRect top = inkBounds(draw([](Canvas &c) {
        c.textOut(100, 100, QStringLiteral("Hx"), sans(30), 0, TextAnchor::TopLeft);
    }));
    EXPECT_GE(top.top(), 100);
    // 270° (Rotation 1): the baseline runs down from the anchor, letters to its right.
    const QRect down = inkBounds(draw([](Canvas &c) {
        CanvasFont f = sans(30);
        f.escapement = 2700;
        c.textOut(100, 50, QStringLiteral("Hallo Welt"), f, 0, TextAnchor::BaselineLeft);
    }));
    EXPECT_GE(down.left(), 100);
    EXPECT_LE(down.left(), 104);
    EXPECT_GE(down.top(), 50);
    EXPECT_GT(down.height(), down.width() * 3);
    // 90° (Rotation 3): the baseline runs up, letters to its left.
    const QRect up = inkBounds(draw([](Canvas &c) {
        CanvasFont f = sans(30);
        f.escapement = 900;
        c.textOut(100, 250, QStringLiteral("Hallo Welt"), f, 0, TextAnchor::BaselineLeft);
    }));
    EXPECT_LE(up.right(), 100);
    EXPECT_LE(up.bottom(), 250);
    EXPECT_GT(up.height(), up.width() * 3);
}

TEST(CanvasText, FontHeightIsTheCharacterHeight)
{
    // A capital H of a 40-pixel character height is about 0.72 of it in Liberation Sans.
    const QRect h = inkBounds(draw([](Canvas &c) { c.textOut(10, 100, QStringLiteral("H"), sans(40), 0, TextAnchor::BaselineLeft); }));
    EXPECT_NEAR(h.height(), 29, 2);
}

TEST(CanvasText, ClipRectRestrictsAndIsLifted)
{
    const QImage image = draw([](Canvas &c) {
        c.setClipRect(10, 10, 20, 20);
        c.fillRect(0, 0, 100, 100, 0);
        EXPECT_EQ(c.drawableArea(), QRect(10, 10, 10, 10));
        c.clearClip();
        c.fillRect(50, 50, 52, 51, 0);
    });
    EXPECT_EQ(inkBounds(image), QRect(10, 10, 42, 41));
    int black = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            black += image.pixel(x, y) == 0xFF000000;
    EXPECT_EQ(black, 100 + 2);
}

TEST(CanvasText, PixelsReadBackOnRastersOnly)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter, &image);
    canvas.setPixel(3, 4, 0x00123456);
    EXPECT_EQ(canvas.getPixel(3, 4), 0x00123456);
    EXPECT_EQ(canvas.getPixel(4, 4), 0x00FFFFFF);
    EXPECT_EQ(canvas.getPixel(10, 4), -1);
    PainterCanvas writeOnly(painter);
    EXPECT_EQ(writeOnly.getPixel(3, 4), -1);
}
