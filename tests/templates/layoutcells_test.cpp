// Cells of a layout: thirds, widening of rows, the gap and meeting rows; the
// placement of a picture in its cell; font fitting.
#include "templates/fontfitting.h"
#include "templates/layoutcells.h"

#include <gtest/gtest.h>

namespace {
TemplateLayout layoutWith(std::initializer_list<std::pair<int, int>> cells)
{
    TemplateLayout layout{};
    int b = 1;
    for (auto [c, r] : cells)
        layout[size_t(c)][size_t(r)] = b++;
    return layout;
}
}

TEST(LayoutCells, WideningByWhichCellsOfARowHoldElements)
{
    // Area 0..90 with m = 0: columns and rows 0-30, 30-60, 60-90.
    const CellBox area{0, 0, 90, 90};
    struct Case {
        const char *what;
        TemplateLayout layout;
        int column, row;
        CellBox expected;
    };
    const Case cases[] = {
        {"all three: no change", layoutWith({{0, 0}, {1, 0}, {2, 0}, {1, 1}}), 1, 0, {30, 0, 60, 30}},
        {"only left", layoutWith({{0, 0}, {1, 1}}), 0, 0, {0, 0, 90, 30}},
        {"only middle: full row", layoutWith({{1, 0}, {1, 1}}), 1, 0, {0, 0, 90, 30}},
        {"only right", layoutWith({{2, 0}, {1, 1}}), 2, 0, {0, 0, 90, 30}},
        {"left and right: left half", layoutWith({{0, 1}, {2, 1}}), 0, 1, {0, 30, 45, 60}},
        {"left and right: right half", layoutWith({{0, 1}, {2, 1}}), 2, 1, {45, 30, 90, 60}},
        {"left and middle: no change", layoutWith({{0, 2}, {1, 2}, {1, 1}}), 0, 2, {0, 60, 30, 90}},
    };
    for (const Case &c : cases) {
        const LayoutCellBoxes cells = LayoutCells(c.layout, area, 0);
        EXPECT_EQ(cells[size_t(c.column)][size_t(c.row)], c.expected) << c.what;
    }
}

TEST(LayoutCells, GapIsMarginDivFiveAtRightAndBottom)
{
    // m = 14 gives a gap of 2; the area is what is left inside the margin.
    // Rows of two neighbouring elements are not widened.
    const TemplateLayout layout = layoutWith({{0, 0}, {1, 0}, {0, 1}, {1, 1}, {1, 2}, {2, 2}});
    const LayoutCellBoxes cells = LayoutCells(layout, {14, 14, 314, 164}, 14);
    EXPECT_EQ(cells[0][0], (CellBox{14, 14, 114 - 2, 64 - 2}));
    EXPECT_EQ(cells[1][1], (CellBox{114, 64, 214 - 2, 114 - 2}));
    EXPECT_EQ(cells[2][2], (CellBox{214, 114, 314 - 2, 164 - 2}));
}

TEST(LayoutCells, EmptyMiddleRowLetsTopAndBottomMeet)
{
    const TemplateLayout layout = layoutWith({{0, 0}, {2, 2}});
    const LayoutCellBoxes cells = LayoutCells(layout, {0, 0, 300, 150}, 10);
    // Middle row 50..100, gap 2: bottom edge 98; they meet at 50 + 48 div 2 = 74.
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(cells[size_t(c)][0].y1, 74);
        EXPECT_EQ(cells[size_t(c)][2].y0, 74);
        EXPECT_EQ(cells[size_t(c)][0].y0, 0);
        EXPECT_EQ(cells[size_t(c)][2].y1, 148);
    }
    // A middle row with an element keeps the rows apart.
    const LayoutCellBoxes kept = LayoutCells(layoutWith({{0, 0}, {2, 1}}), {0, 0, 300, 150}, 10);
    EXPECT_EQ(kept[0][0].y1, 48);
    EXPECT_EQ(kept[0][2].y0, 100);
}

TEST(PicturePlacement, FittedAndAlignedByColumnAndRow)
{
    // A cell of 101 × 51 pixels (edges included).
    const CellBox cell{10, 20, 110, 70};
    struct Case {
        int column, row;
        int32_t pw, ph;
        PicturePlace expected;
    };
    const Case cases[] = {
        {0, 0, 200, 50, {10, 20, 101, 25}},     // as wide as the cell, at the top left
        {1, 1, 200, 50, {10, 33, 101, 25}},     // centred: (51 - 25) div 2 = 13
        {2, 2, 200, 50, {10, 46, 101, 25}},     // at the bottom: 20 + 51 - 25
        {0, 0, 50, 100, {10, 20, 25, 51}},      // too high: as high as the cell
        {1, 1, 50, 100, {48, 20, 25, 51}},      // (101 - 25) div 2 = 38
        {2, 2, 50, 100, {86, 20, 25, 51}},      // at the right: 10 + 101 - 25
    };
    for (const Case &c : cases) {
        EXPECT_EQ(placePictureInCell(cell, c.column, c.row, c.pw, c.ph), c.expected)
            << c.column << "," << c.row << " " << c.pw << "x" << c.ph;
    }
    EXPECT_EQ(placePictureInCell(cell, 0, 0, 0, 10), PicturePlace{});
}

namespace {
// Each character is s wide and each line s high; lines break only at CR.
class FakeMeasure : public TextMeasure {
public:
    QSize measure(const QString &text, int s, int) override
    {
        ++calls;
        int widest = 0;
        const QStringList lines = text.split(QChar(13));
        for (const QString &line : lines)
            widest = std::max(widest, int(line.size()) * s);
        return QSize(widest, int(lines.size()) * s);
    }
    int calls = 0;
};
}

TEST(FontFitting, LargestSizeBelowStartThatFitsWidthAndHeight)
{
    FakeMeasure measure;
    // 4 characters in 80 × 100: width decides, 4 s <= 80.
    EXPECT_EQ(FitFontSize(QStringLiteral("abcd"), {0, 0, 80, 100}, 40, measure), 20);
    // Two lines in 200 × 30: height decides, 2 s <= 30.
    EXPECT_EQ(FitFontSize(QStringLiteral("ab\rcd"), {0, 0, 200, 30}, 40, measure), 15);
    // Everything fits: start - 1.
    EXPECT_EQ(FitFontSize(QStringLiteral("a"), {0, 0, 500, 500}, 40, measure), 39);
    EXPECT_EQ(FitFontSize(QStringLiteral("a"), {0, 0, 500, 500}, 100, measure), 99);
    // Nothing fits: 1, taken without measuring it.
    measure.calls = 0;
    EXPECT_EQ(FitFontSize(QStringLiteral("zu lang"), {0, 0, 5, 5}, 40, measure), 1);
    EXPECT_EQ(measure.calls, 38);
}

TEST(FontFitting, FitterRemembersResultsPerTextCellSizeAndStart)
{
    auto owned = std::make_unique<FakeMeasure>();
    FakeMeasure &measure = *owned;
    FontFitter fitter(std::move(owned));
    EXPECT_EQ(fitter.fit(QStringLiteral("abcd"), {0, 0, 80, 100}, 40), 20);
    const int first = measure.calls;
    // The same size elsewhere: no new measurement.
    EXPECT_EQ(fitter.fit(QStringLiteral("abcd"), {300, 300, 380, 400}, 40), 20);
    EXPECT_EQ(measure.calls, first);
    // Another text, cell size or start is measured.
    EXPECT_EQ(fitter.fit(QStringLiteral("abcde"), {0, 0, 80, 100}, 40), 16);
    EXPECT_EQ(fitter.fit(QStringLiteral("abcd"), {0, 0, 40, 100}, 40), 10);
    EXPECT_EQ(fitter.fit(QStringLiteral("a"), {0, 0, 500, 500}, 100), 99);
    EXPECT_GT(measure.calls, first);
}

TEST(FontFitting, RealMeasureMatchesTheCanvasLayout)
{
    ArialTextMeasure measure;
    const QSize one = measure.measure(QStringLiteral("Konzert"), 20, 1000);
    const QSize two = measure.measure(QStringLiteral("Konzert Konzert"), 20, one.width() + 5);
    // Word-wrapped to two lines of the same width.
    EXPECT_EQ(two.height(), 2 * one.height());
    EXPECT_EQ(two.width(), one.width());
    EXPECT_GE(one.height(), 20);
    // Larger characters are wider.
    EXPECT_GT(measure.measure(QStringLiteral("Konzert"), 40, 1000).width(), one.width());
}
