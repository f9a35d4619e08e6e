#pragma once
// The wizard's gallery: where the thumbnails lie and how the visible ones are
// drawn, each with the current event's data.
#include "templates/layoutcells.h"

#include <QRect>
#include <cstdint>
#include <vector>

class Canvas;
class FontFitter;
class TemplateWizard;
struct PlaceholderInputs;

// Shared by painting and selection.
struct GalleryGeometry {
    static constexpr int32_t ThumbHeight = 150;
    static constexpr int32_t Spacing = 10;
    static constexpr int32_t RowPitch = ThumbHeight + Spacing;

    int32_t thumbWidth = 1;
    int32_t columns = 1;
    int32_t rows = 1;
    int32_t surfaceWidth = 0;
    int32_t surfaceHeight = 0;

    // From the card's size in millimetres, the scroll box's client width and
    // the number of layouts.
    static GalleryGeometry compute(double cardWidthMm, double cardHeightMm, int32_t clientWidth,
                                   int32_t templateCount);

    // Thumbnail i: left L, top T, right R = L + w, bottom B = T + 150.
    CellBox thumbnail(int32_t i) const;
    // The last of the thumbnails 0..count-1 whose rectangle (borders included)
    // holds the point, or -1.
    int32_t thumbnailAt(int32_t x, int32_t y, int32_t count) const;
};

// What the thumbnails show besides the wizard's state.
struct GalleryContent {
    const PlaceholderInputs &placeholders;
    int32_t ticketNumber = 0;
    // The card's size in millimetres (for the margin).
    double cardWidthMm = 0;
    double cardHeightMm = 0;
};

// Draws the thumbnails that meet the visible band (surface coordinates: the
// scroll position and the client size),
// stopping at the first invisible one after a visible one. Returns the
// indices drawn.
std::vector<int32_t> paintGallery(Canvas &canvas, const TemplateWizard &wizard, const GalleryGeometry &geometry,
                                  const QRect &band, const GalleryContent &content, FontFitter &fitter);
