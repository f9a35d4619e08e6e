#include "core/document.h"
#include "editor/rulers.h"
#include "editor/zoomstep.h"
#include "render/canvaspainter.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

TEST(ZoomStep, FourStepsEachWayThenNoChange)
{
    Document doc;
    const double in[] = {138.67, 92.44, 61.63, 41.09, 41.09};
    for (double expected : in) {
        zoomStep(doc, 10, 10, true, 400, 300);
        EXPECT_NEAR(doc.scale.DocUnitsPerPixel, expected, 0.005);
    }
    doc.scale.DocUnitsPerPixel = 208;
    const double out[] = {312, 468, 702, 1053, 1053};
    for (double expected : out) {
        zoomStep(doc, 10, 10, false, 400, 300);
        EXPECT_NEAR(doc.scale.DocUnitsPerPixel, expected, 0.005);
    }
    EXPECT_EQ(doc.scale.ZoomFactor, 1.0);
}

TEST(ZoomStep, RecentresOnTheClickedPointAndClampsEachAxisByItsOwnRange)
{
    Document doc;   // 90 × 55 mm: a 1022 × 624 surface at 208
    // (501, 301) at 208 → at 138.67 the point lies at (751, 451); minus half the box.
    ScrollPositions p = zoomStep(doc, 501, 301, true, 400, 300);
    EXPECT_EQ(p.h, 751 - 200);
    EXPECT_EQ(p.v, 451 - 150);
    // A box wider than the point's offset clamps to 0; a further click at the
    // limit still recentres.
    p = zoomStep(doc, 101, 601, true, 5000, 0);
    EXPECT_EQ(p.h, 0);
    EXPECT_EQ(p.v, 901);

    // A narrow, tall card: the vertical position goes far beyond the horizontal range.
    Document tall;
    tall.ticketType.CardWidth = 10;
    tall.ticketType.CardHeight = 200;
    tall.sizePasteboardFromTicketType();
    p = zoomStep(tall, 101, 2001, true, 0, 0);
    EXPECT_EQ(tall.surfaceWidth(), 170);
    EXPECT_EQ(p.h, 151);
    EXPECT_EQ(p.v, 3001);
    // A point at the surface's far edge stops at range − 1 on each axis.
    p = zoomStep(tall, tall.surfaceWidth(), tall.surfaceHeight(), false, 0, 0);
    EXPECT_EQ(p.h, tall.surfaceWidth() - 1);
    EXPECT_EQ(p.v, tall.surfaceHeight() - 1);
}

TEST(HandScroll, MovesByTheMouseFromTheAnchorClamped)
{
    Document doc;
    EXPECT_EQ(handScroll(doc, {100, 50}, 300, 200, 260, 170).h, 140);
    EXPECT_EQ(handScroll(doc, {100, 50}, 300, 200, 260, 170).v, 80);
    const ScrollPositions p = handScroll(doc, {100, 50}, 0, 0, 5000, -5000);
    EXPECT_EQ(p.h, 0);
    EXPECT_EQ(p.v, 623);
}

TEST(Rulers, StepFollowsMillimetresPerFiftyPixels)
{
    const std::pair<double, double> cases[] = {{0.5, 1},  {2.49, 1}, {2.5, 5},   {7.49, 5},   {7.5, 10},
                                               {14.9, 10}, {15, 20}, {29.9, 20}, {30, 40}, {69.9, 40},
                                               {70, 100}, {500, 100}};
    for (auto [spacing, step] : cases)
        EXPECT_EQ(rulerStep(spacing), step) << spacing;
}

TEST(Rulers, TicksAtKnownScales)
{
    // Step 1: every whole millimetre gets a labelled line; several k share it.
    std::vector<std::pair<int, int>> labels;
    for (const RulerTick &t : rulerTicks(100, 0, 4, true))
        if (t.kind == RulerTick::Labelled)
            labels.emplace_back(t.value, t.pos);
    EXPECT_EQ(labels, (std::vector<std::pair<int, int>>{{0, 0}, {1, 25}, {2, 50}, {3, 75}, {4, 100}, {5, 125}}));
    labels.clear();
    for (const RulerTick &t : rulerTicks(100, 0, 4, false))
        if (t.kind == RulerTick::Labelled)
            labels.emplace_back(t.value, t.pos);
    EXPECT_EQ(labels.front(), std::make_pair(-1, -25));

    // 50 pixels cover 50 mm: step 40.
    std::vector<RulerTick> ticks = rulerTicks(500, -100, 400, true);
    ASSERT_FALSE(ticks.empty());
    EXPECT_EQ(ticks.front().pos, 0);   // k = -25: v = -100, a long tick at the start
    EXPECT_EQ(ticks.front().kind, RulerTick::Long);
    labels.clear();
    for (const RulerTick &t : ticks)
        if (t.kind == RulerTick::Labelled)
            labels.emplace_back(t.value, t.pos);
    ASSERT_EQ(labels.size(), 14u);
    for (size_t i = 0; i < labels.size(); ++i)
        EXPECT_EQ(labels[i], std::make_pair(-80 + 40 * int(i), 20 + 40 * int(i)));

    // 50 pixels covering 70 mm or more: step 100. A scale under 50 pixels has none.
    for (const RulerTick &t : rulerTicks(100, 0, 140, true))
        if (t.kind == RulerTick::Labelled)
            EXPECT_EQ(t.value % 100, 0);
    EXPECT_TRUE(rulerTicks(49, 0, 10, true).empty());
}

namespace {
QImage drawRuler(bool top, const RulerView &view)
{
    QImage strip(view.width, view.height, QImage::Format_RGB32);
    strip.fill(Qt::red);
    QPainter painter(&strip);
    PainterCanvas canvas(painter, &strip);
    if (top)
        drawTopRuler(canvas, view);
    else
        drawLeftRuler(canvas, view);
    return strip;
}
const QRgb Black = qRgb(0, 0, 0), White = qRgb(255, 255, 255);
}

TEST(Rulers, TopRulerDrawsTicksAtTheirPositions)
{
    // Card left edge at the scale's start: 279 pixels show 73.85 mm, step 10.
    RulerView view{300, 20, 340, 1022, 90, 96};
    const QImage img = drawRuler(true, view);
    EXPECT_EQ(img.pixel(20, 10), Black);   // 0 mm
    EXPECT_EQ(img.pixel(57, 10), Black);   // 10 mm at 20 + Trunc(279 × 10 / 73.85)
    EXPECT_EQ(img.pixel(56, 10), White);
    EXPECT_EQ(img.pixel(38, 15), Black);   // 5 mm: long tick from H − 1 − H div 3
    EXPECT_EQ(img.pixel(38, 12), White);
    EXPECT_EQ(img.pixel(27, 17), Black);   // 2 mm: short tick three pixels lower
    EXPECT_EQ(img.pixel(27, 15), White);
    EXPECT_EQ(img.pixel(19, 10), Black);   // the corner separator
    EXPECT_EQ(img.pixel(299, 10), Black);  // frame
    EXPECT_EQ(img.pixel(150, 0), Black);
    EXPECT_EQ(img.pixel(150, 19), Black);

    // Scrolled to the far left: negative labels, nothing in the corner square.
    view.scrollPos = 0;
    const QImage left = drawRuler(true, view);
    for (int y = 1; y < 18; ++y)
        for (int x = 1; x < 19; ++x)
            ASSERT_EQ(left.pixel(x, y), White) << x << "," << y;
    EXPECT_EQ(left.pixel(20, 10), Black);  // -90 mm sits right at the scale's start
}

TEST(Rulers, LeftRulerDrawsTicksAtTheirPositions)
{
    // Card top at the strip's top: 299 pixels show 79.06 mm, step 20.
    const QImage img = drawRuler(false, RulerView{20, 300, 208, 624, 55, 96});
    EXPECT_EQ(img.pixel(5, 75), Black);    // 20 mm: a full-width line
    EXPECT_EQ(img.pixel(15, 37), Black);   // 10 mm: long tick from W − 1 − W div 3
    EXPECT_EQ(img.pixel(12, 37), White);
    EXPECT_EQ(img.pixel(17, 30), Black);   // 8 mm: short tick
    EXPECT_EQ(img.pixel(15, 30), White);
    EXPECT_EQ(img.pixel(19, 150), Black);  // right edge
    EXPECT_EQ(img.pixel(10, 299), Black);  // bottom edge
}
