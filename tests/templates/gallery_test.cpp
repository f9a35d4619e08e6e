// The gallery: thumbnail geometry, hit testing and the painting of the visible
// band (selection frame, frames, background, texts, pictures).
#include "render/canvaspainter.h"
#include "render/placeholders.h"
#include "tests/support/testsupport.h"
#include "tests/templates/templatefixtures.h"
#include "templates/fontfitting.h"
#include "templates/gallery.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

TEST(GalleryGeometry, ThumbnailsOfWideAndTallCards)
{
    // 50 × 10 mm: 750 pixels wide, one column; no margin (a side below 15 mm).
    const GalleryGeometry wide = GalleryGeometry::compute(50, 10, 1200, 100);
    EXPECT_EQ(wide.thumbWidth, 750);
    EXPECT_EQ(wide.columns, 1);
    EXPECT_EQ(wide.rows, 101);
    EXPECT_EQ(wide.surfaceWidth, 770);
    EXPECT_EQ(wide.surfaceHeight, 160 * 101 + 10);
    EXPECT_EQ(wide.thumbnail(2), (CellBox{10, 330, 760, 480}));
    EXPECT_EQ(templateMargin(750, 50, 10), 0);

    // 10 × 50 mm: 30 pixels wide, (1200 - 10) div 40 = 29 columns.
    const GalleryGeometry tall = GalleryGeometry::compute(10, 50, 1200, 100);
    EXPECT_EQ(tall.thumbWidth, 30);
    EXPECT_EQ(tall.columns, 29);
    EXPECT_EQ(tall.rows, 100 / 29 + 1);
    EXPECT_EQ(tall.surfaceWidth, 40 * 29 + 10);
    EXPECT_EQ(tall.thumbnail(30), (CellBox{50, 170, 80, 320}));
    EXPECT_EQ(templateMargin(30, 10, 50), 0);

    // A 85 × 54 mm card: 5 mm margin at thumbnail scale.
    const GalleryGeometry card = GalleryGeometry::compute(85, 54, 100, 0);
    EXPECT_EQ(card.thumbWidth, 236);
    EXPECT_EQ(card.columns, 1);   // at least one column
    EXPECT_EQ(card.rows, 1);
    EXPECT_EQ(templateMargin(236, 85, 54), 13);
}

TEST(GalleryGeometry, HitTestIncludesBordersAndMissesTheGaps)
{
    const GalleryGeometry g = GalleryGeometry::compute(10, 50, 1200, 100);
    EXPECT_EQ(g.thumbnailAt(10, 10, 100), 0);
    EXPECT_EQ(g.thumbnailAt(40, 160, 100), 0);     // right and bottom borders
    EXPECT_EQ(g.thumbnailAt(50, 170, 100), 30);
    EXPECT_EQ(g.thumbnailAt(45, 50, 100), -1);     // between two columns
    EXPECT_EQ(g.thumbnailAt(20, 165, 100), -1);    // between two rows
    EXPECT_EQ(g.thumbnailAt(50, 170, 30), -1);     // beyond the layouts
}

namespace {
constexpr QRgb Workspace = 0xFF808080;

struct GalleryScene {
    TestFolder folder;
    PlaceholderInputs placeholders;
    TemplateWizard wizard;
    FontFitter fitter;

    // Paints the band into a surface-sized image of the workspace colour.
    QImage paint(const GalleryGeometry &g, const QRect &band, std::vector<int32_t> *drawn = nullptr,
                 double cardW = 85, double cardH = 54)
    {
        QImage image(g.surfaceWidth, g.surfaceHeight, QImage::Format_RGB32);
        image.fill(Workspace);
        QPainter painter(&image);
        PainterCanvas canvas(painter, &image);
        const GalleryContent content{placeholders, 1, cardW, cardH};
        const auto indices = paintGallery(canvas, wizard, g, band, content, fitter);
        if (drawn)
            *drawn = indices;
        return image;
    }
};

QRgb at(const QImage &image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000;
}
}

TEST(GalleryPaint, OnlyTheVisibleBandIsDrawn)
{
    GalleryScene s;
    ScriptedDraw draw;
    ASSERT_TRUE(s.wizard.generate(textRequest(1), draw.draw()));
    // 236-pixel thumbnails, four to a row of a 1000-pixel box: rows at 10, 170, 330.
    const GalleryGeometry g = GalleryGeometry::compute(85, 54, 1000, s.wizard.TemplateCount);
    ASSERT_EQ(g.columns, 4);
    std::vector<int32_t> drawn;
    QImage image = s.paint(g, QRect(0, 0, 1000, 150), &drawn);
    EXPECT_EQ(drawn, (std::vector<int32_t>{0, 1, 2, 3}));
    EXPECT_NE(at(image, 100, 100), Workspace);
    EXPECT_EQ(at(image, 100, 250), Workspace);

    image = s.paint(g, QRect(0, 200, 1000, 100), &drawn);
    EXPECT_EQ(drawn, (std::vector<int32_t>{4, 5, 6, 7}));
    EXPECT_EQ(at(image, 100, 100), Workspace);
    EXPECT_EQ(at(image, 100, 250), 0xFFFFFFFF);
    // A band touching a thumbnail's bottom border still draws it.
    s.paint(g, QRect(0, 160, 1000, 10), &drawn);
    EXPECT_EQ(drawn, (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST(GalleryPaint, SelectionFrameWhiteFramesAndTexts)
{
    GalleryScene s;
    s.placeholders.eventCurrent = true;
    s.placeholders.values[0] = QStringLiteral("WWWWWWWW");
    ScriptedDraw draw({1, 1});   // layout 0: the title in the middle cell
    ASSERT_TRUE(s.wizard.generate(textRequest(1), draw.draw()));
    s.wizard.SelectedTemplate = 1;
    const GalleryGeometry g = GalleryGeometry::compute(85, 54, 1000, s.wizard.TemplateCount);
    const QImage image = s.paint(g, QRect(0, 0, 1000, 150));

    const CellBox t0 = g.thumbnail(0), t1 = g.thumbnail(1);
    // Selected: red frame 5 pixels round it with a black border.
    EXPECT_EQ(at(image, t1.x0 - 3, t1.y0 + 50), 0xFFFF0000);
    EXPECT_EQ(at(image, t1.x0 - 5, t1.y0 + 50), 0xFF000000);
    EXPECT_EQ(at(image, t0.x0 - 3, t0.y0 + 50), Workspace);
    // Black border (GDI rectangle: the right and bottom lines inside R and B), white inside.
    EXPECT_EQ(at(image, t0.x0, t0.y0 + 5), 0xFF000000);
    EXPECT_EQ(at(image, t0.x0 + 3, t0.y0 + 5), 0xFFFFFFFF);

    // The expanded text stands in the widened middle cell, centred, nowhere else.
    const int32_t m = templateMargin(t0.x1 - t0.x0, 85, 54);
    const LayoutCellBoxes cells = LayoutCells(s.wizard.Layouts[0], {t0.x0 + m, t0.y0 + m, t0.x1 - m, t0.y1 - m}, m);
    const CellBox &cell = cells[1][1];
    int darkInCell = 0, darkOutside = 0;
    for (int y = t0.y0 + 1; y < t0.y1 - 1; ++y) {
        for (int x = t0.x0 + 1; x < t0.x1 - 1; ++x) {
            if (qGray(image.pixel(x, y)) >= 128)
                continue;
            const bool inside = x >= cell.x0 && x < cell.x1 && y >= cell.y0 && y < cell.y1;
            (inside ? darkInCell : darkOutside) += 1;
        }
    }
    EXPECT_GT(darkInCell, 50);
    EXPECT_EQ(darkOutside, 0);
}

TEST(GalleryPaint, PictureInTheBottomRightCellAndBackgroundClippedToTheThumbnail)
{
    GalleryScene s;
    writeSolidBmp(s.folder.file(QStringLiteral("blau.bmp")), 40, 10, 0xFF0000);
    writeSolidBmp(s.folder.file(QStringLiteral("gruen.bmp")), 30, 10, 0x00FF00);
    TemplateRequest r;
    r.picture = TemplateRequest::Picture::Graphic;
    r.picturePath = QStringLiteral("blau.bmp");
    r.background = true;
    r.backgroundFile = QStringLiteral("gruen.bmp");
    ScriptedDraw draw({2, 2});
    ASSERT_TRUE(s.wizard.generate(r, draw.draw()));
    s.wizard.SelectedTemplate = 50;
    const GalleryGeometry g = GalleryGeometry::compute(85, 54, 1000, s.wizard.TemplateCount);
    const QImage image = s.paint(g, QRect(0, 0, 1000, 150));

    const CellBox t = g.thumbnail(0);
    const int32_t m = templateMargin(t.x1 - t.x0, 85, 54);
    const LayoutCellBoxes cells = LayoutCells(s.wizard.Layouts[0], {t.x0 + m, t.y0 + m, t.x1 - m, t.y1 - m}, m);
    const CellBox &cell = cells[2][2];
    const PicturePlace p = placePictureInCell(cell, 2, 2, 40, 10);
    // Aligned to the cell's bottom-right corner.
    EXPECT_EQ(p.x + p.width, cell.x1 + 1);
    EXPECT_EQ(p.y + p.height, cell.y1 + 1);
    EXPECT_EQ(at(image, p.x + 1, p.y + 1), 0xFF0000FF);
    EXPECT_EQ(at(image, p.x + p.width - 1, p.y + p.height - 1), 0xFF0000FF);
    EXPECT_EQ(at(image, p.x + 1, p.y - 2), 0xFF00FF00);
    // The background fills the thumbnail and nothing beyond it.
    EXPECT_EQ(at(image, t.x0, t.y0), 0xFF00FF00);
    EXPECT_EQ(at(image, t.x0 + 5, t.y1 - 1), 0xFF00FF00);
    EXPECT_EQ(at(image, t.x0 - 1, t.y0 + 20), Workspace);
    EXPECT_EQ(at(image, t.x0 + 20, t.y1 + 1), Workspace);
}
