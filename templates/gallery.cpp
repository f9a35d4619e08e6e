#include "templates/gallery.h"

#include "core/document.h"
#include "render/canvas.h"
#include "render/placeholders.h"
#include "render/raster.h"
#include "templates/fontfitting.h"
#include "templates/templatewizard.h"

#include <algorithm>

namespace {
// Thumbnails wider than this only cost memory and time; a card 100 times as
// wide as high is already far beyond any ticket.
constexpr int32_t MaxThumbWidth = 15000;
constexpr int FirstGalleryFontSize = 40;
constexpr CanvasColor Black = 0x00000000;
constexpr CanvasColor White = 0x00FFFFFF;
constexpr CanvasColor SelectionRed = 0x000000FF;

TextAlignment columnAlignment(int column)
{
    return column == 0 ? TextAlignment::Left : column == 1 ? TextAlignment::Center : TextAlignment::Right;
}

// The background picture covers the thumbnail, centred and clipped to it.
void drawBackground(Canvas &canvas, const DibImage &picture, const CellBox &thumb)
{
    const int32_t pw = DibWidth(picture);
    const int32_t ph = DibHeight(picture);
    if (pw <= 0 || ph <= 0)
        return;
    const int32_t wt = thumb.x1 - thumb.x0 + 1;
    const int32_t ht = thumb.y1 - thumb.y0 + 1;
    canvas.setClipRect(thumb.x0, thumb.y0, thumb.x1, thumb.y1);
    const int32_t h = int32_t(int64_t(ph) * wt / pw);
    if (h > ht) {
        DrawDIB(canvas, thumb.x0, thumb.y0 + (ht - h) / 2, wt, h, picture, 0, 0, pw, ph);
    } else {
        const int32_t w = int32_t(int64_t(pw) * ht / ph);
        DrawDIB(canvas, thumb.x0 + (wt - w) / 2, thumb.y0, w, ht, picture, 0, 0, pw, ph);
    }
    canvas.clearClip();
}

void drawThumbnail(Canvas &canvas, const TemplateWizard &wizard, const TemplateLayout &layout, const CellBox &thumb,
                   bool selected, const GalleryContent &content, FontFitter &fitter)
{
    const CanvasPen border{Black, 1};
    if (selected)
        canvas.rectangle(thumb.x0 - 5, thumb.y0 - 5, thumb.x1 + 5, thumb.y1 + 5, border, CanvasBrush{SelectionRed});
    if (wizard.Background.present)
        drawBackground(canvas, wizard.Background.picture, thumb);
    else
        canvas.rectangle(thumb.x0, thumb.y0, thumb.x1, thumb.y1, border, CanvasBrush{White});

    const int32_t m = templateMargin(thumb.x1 - thumb.x0, content.cardWidthMm, content.cardHeightMm);
    const LayoutCellBoxes cells = LayoutCells(layout, {thumb.x0 + m, thumb.y0 + m, thumb.x1 - m, thumb.y1 - m}, m);
    wizard.forEachPlacedElement(layout, [&](int column, int row, const TemplateElement &e) {
        const CellBox &cell = cells[size_t(column)][size_t(row)];
        if (e.Kind == TemplateElement::KindText) {
            const QString text =
                GetRepStr(e.Text, content.placeholders, content.ticketNumber, content.placeholders.seatList);
            CanvasFont font;
            font.face = QStringLiteral("Arial");
            font.height = -fitter.fit(text, cell, FirstGalleryFontSize);
            canvas.drawText(cell.x0, cell.y0, cell.x1, cell.y1, text, font, Black, columnAlignment(column));
        } else {
            const int32_t pw = DibWidth(e.Picture);
            const int32_t ph = DibHeight(e.Picture);
            const PicturePlace place = placePictureInCell(cell, column, row, pw, ph);
            if (place.width > 0 && place.height > 0)
                DrawDIB(canvas, place.x, place.y, place.width, place.height, e.Picture, 0, 0, pw, ph);
        }
    });
}
}

GalleryGeometry GalleryGeometry::compute(double cardWidthMm, double cardHeightMm, int32_t clientWidth,
                                         int32_t templateCount)
{
    GalleryGeometry g;
    const double ratio = cardHeightMm > 0 ? cardWidthMm / cardHeightMm : 1.0;
    g.thumbWidth = std::clamp(truncToInt32(ThumbHeight * ratio), 1, MaxThumbWidth);
    g.columns = std::max(1, (clientWidth - Spacing) / (g.thumbWidth + Spacing));
    g.rows = std::max(0, templateCount) / g.columns + 1;
    g.surfaceWidth = (g.thumbWidth + Spacing) * g.columns + Spacing;
    g.surfaceHeight = RowPitch * g.rows + Spacing;
    return g;
}

CellBox GalleryGeometry::thumbnail(int32_t i) const
{
    const int32_t left = Spacing + (i % columns) * (thumbWidth + Spacing);
    const int32_t top = Spacing + (i / columns) * RowPitch;
    return {left, top, left + thumbWidth, top + ThumbHeight};
}

int32_t GalleryGeometry::thumbnailAt(int32_t x, int32_t y, int32_t count) const
{
    int32_t hit = -1;
    for (int32_t i = 0; i < count; ++i) {
        const CellBox t = thumbnail(i);
        if (x >= t.x0 && x <= t.x1 && y >= t.y0 && y <= t.y1)
            hit = i;
    }
    return hit;
}

std::vector<int32_t> paintGallery(Canvas &canvas, const TemplateWizard &wizard, const GalleryGeometry &geometry,
                                  const QRect &band, const GalleryContent &content, FontFitter &fitter)
{
    std::vector<int32_t> drawn;
    const int32_t count = std::clamp(wizard.TemplateCount, 0, MaxTemplateLayouts);
    for (int32_t i = 0; i < count; ++i) {
        const CellBox thumb = geometry.thumbnail(i);
        const bool visible = thumb.y1 >= band.top() && thumb.y0 <= band.y() + band.height();
        if (!visible) {
            if (drawn.empty())
                continue;
            break;
        }
        drawThumbnail(canvas, wizard, wizard.Layouts[size_t(i)], thumb, i == wizard.SelectedTemplate, content,
                      fitter);
        drawn.push_back(i);
    }
    return drawn;
}
