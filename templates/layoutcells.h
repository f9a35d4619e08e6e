#pragma once
// The cells of a layout inside a rectangle: the 3 × 3 grid, widened where a
// row has empty cells, with a gap between the cells. Used for the thumbnails
// of the gallery and for the elements of an adopted layout.
#include "templates/templatelayouts.h"

#include <cstdint>

// Left, top, right and bottom edge in pixels.
struct CellBox {
    int32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool operator==(const CellBox &) const = default;
};

// The margin round a card drawn cardPixelWidth pixels wide: 5 mm at that
// scale, none when a side of the card is below 15 mm.
int32_t templateMargin(int32_t cardPixelWidth, double cardWidthMm, double cardHeightMm);

// Addressed [column][row] like the layout.
using LayoutCellBoxes = std::array<std::array<CellBox, 3>, 3>;

// area is the rectangle the caller has already taken the margin m from; the
// gap between cells is m div 5.
LayoutCellBoxes LayoutCells(const TemplateLayout &layout, const CellBox &area, int32_t m);

// Where a picture of pw × ph pixels goes inside a cell: as wide as the cell,
// or as high when that would be too high, keeping its proportions; aligned
// left, centred or right by column and top, middle or bottom by row.
struct PicturePlace {
    int32_t x = 0, y = 0, width = 0, height = 0;
    bool operator==(const PicturePlace &) const = default;
};
PicturePlace placePictureInCell(const CellBox &cell, int column, int row, int32_t pw, int32_t ph);
