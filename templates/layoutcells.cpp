#include "templates/layoutcells.h"

#include "core/document.h"

namespace {
// The three spans of a side, neighbours sharing their border coordinate.
std::array<std::pair<int32_t, int32_t>, 3> thirds(int32_t from, int32_t to)
{
    const int64_t span = int64_t(to) - from;
    const int32_t a = int32_t(from + span / 3);
    const int32_t b = int32_t(from + 2 * span / 3);
    return {{{from, a}, {a, b}, {b, to}}};
}

void widenRow(LayoutCellBoxes &cells, const TemplateLayout &layout, int row)
{
    CellBox &left = cells[0][size_t(row)];
    CellBox &middle = cells[1][size_t(row)];
    CellBox &right = cells[2][size_t(row)];
    const bool l = layout[0][size_t(row)] != 0;
    const bool m = layout[1][size_t(row)] != 0;
    const bool r = layout[2][size_t(row)] != 0;
    if (l && !m && !r) {
        left.x1 = right.x1;
    } else if (!l && m && !r) {
        middle.x0 = left.x0;
        middle.x1 = right.x1;
    } else if (!l && !m && r) {
        right.x0 = left.x0;
    } else if (l && !m && r) {
        const int32_t split = middle.x0 + (middle.x1 - middle.x0) / 2;
        left.x1 = split;
        right.x0 = split;
    }
}
}

int32_t templateMargin(int32_t cardPixelWidth, double cardWidthMm, double cardHeightMm)
{
    if (!(cardWidthMm >= 15 && cardHeightMm >= 15))
        return 0;
    return truncToInt32(cardPixelWidth * 5 / cardWidthMm);
}

LayoutCellBoxes LayoutCells(const TemplateLayout &layout, const CellBox &area, int32_t m)
{
    const auto columns = thirds(area.x0, area.x1);
    const auto rows = thirds(area.y0, area.y1);
    LayoutCellBoxes cells;
    for (size_t c = 0; c < 3; ++c) {
        for (size_t r = 0; r < 3; ++r)
            cells[c][r] = CellBox{columns[c].first, rows[r].first, columns[c].second, rows[r].second};
    }
    for (int row = 0; row < 3; ++row)
        widenRow(cells, layout, row);

    const int32_t gap = m / 5;
    for (auto &column : cells) {
        for (CellBox &cell : column) {
            cell.x1 -= gap;
            cell.y1 -= gap;
        }
    }

    if (layout[0][1] == 0 && layout[1][1] == 0 && layout[2][1] == 0) {
        // No middle row: the top and bottom rows meet in the middle.
        const CellBox &middleRow = cells[0][1];
        const int32_t y = middleRow.y0 + (middleRow.y1 - middleRow.y0) / 2;
        for (auto &column : cells) {
            column[0].y1 = y;
            column[2].y0 = y;
        }
    }
    return cells;
}

PicturePlace placePictureInCell(const CellBox &cell, int column, int row, int32_t pw, int32_t ph)
{
    PicturePlace place;
    if (pw <= 0 || ph <= 0)
        return place;
    const int32_t cw = cell.x1 - cell.x0 + 1;
    const int32_t ch = cell.y1 - cell.y0 + 1;
    // 64-bit products: a large picture in a large cell must not overflow.
    place.width = cw;
    place.height = int32_t(int64_t(ph) * cw / pw);
    if (ch < place.height) {
        place.height = ch;
        place.width = int32_t(int64_t(pw) * ch / ph);
    }
    place.x = column == 0 ? cell.x0 : column == 1 ? cell.x0 + (cw - place.width) / 2 : cell.x0 + cw - place.width;
    place.y = row == 0 ? cell.y0 : row == 1 ? cell.y0 + (ch - place.height) / 2 : cell.y0 + ch - place.height;
    return place;
}
