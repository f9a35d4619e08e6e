// Scaled drawing of pictures: clipping of the source window, halftoning for
// palette screens, row-by-row nearest-neighbour drawing on screens and a
// single hand-over of the whole picture on printers.
#include "render/raster.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

// Rounds to the nearest integer, ties to the even neighbour.
int32_t nearest(double v)
{
    return int32_t(std::nearbyint(v));
}

struct Window {
    int32_t x, y, destW, destH; // destination
    int32_t srcX, srcY, srcW, srcH;
};

// Clips the source window to the picture and shrinks the destination in
// proportion. False when nothing is left to draw.
bool clipToPicture(Window &w, int32_t width, int32_t height)
{
    if (w.srcW <= 0 || w.srcH <= 0 || w.destW <= 0 || w.destH <= 0)
        return false;
    if (int64_t(w.srcX) + w.srcW > width) {
        const int32_t clipped = width - w.srcX;
        w.destW = nearest(double(w.destW) * clipped / w.srcW);
        w.srcW = clipped;
    }
    if (w.srcW <= 0)
        return false;
    if (w.srcY < 0) {
        w.destH = nearest(double(w.srcH + w.srcY) * w.destH / w.srcH);
        w.srcH = w.srcH + w.srcY;
        w.srcY = 0;
    }
    if (w.srcH <= 0)
        return false;
    if (int64_t(w.srcY) + w.srcH > height) {
        const int32_t clipped = height - w.srcY;
        const int32_t h = nearest(double(w.destH) * clipped / w.srcH);
        w.y += w.destH - h;
        w.destH = h;
        w.srcH = clipped;
    }
    if (w.srcH <= 0)
        return false;
    if (w.srcX < 0) {
        const int32_t d = nearest(double(w.srcX + w.srcW) * w.destW / w.srcW);
        w.x += w.destW - d;
        w.destW = d;
        w.srcW = w.srcX + w.srcW;
        w.srcX = 0;
    }
    return w.srcW > 0 && w.destW > 0 && w.destH > 0;
}

// The part [first, last) of a destination span of length n starting at start
// that lies within [areaFirst, areaLast]; rows and columns outside cannot
// change what is seen and are not drawn.
std::pair<int32_t, int32_t> visibleSpan(int32_t start, int32_t n, int64_t areaFirst, int64_t areaLast)
{
    const int64_t first = std::clamp<int64_t>(areaFirst - start, 0, n);
    const int64_t last = std::clamp<int64_t>(areaLast + 1 - start, first, n);
    return {int32_t(first), int32_t(last)};
}

std::pair<int32_t, int32_t> visibleRows(const CanvasTarget &dc, int32_t y, int32_t destH)
{
    const QRect area = dc.drawableArea();
    return area.isNull() ? std::pair<int32_t, int32_t>{0, destH} : visibleSpan(y, destH, area.top(), area.bottom());
}

std::pair<int32_t, int32_t> visibleColumns(const CanvasTarget &dc, int32_t x, int32_t destW)
{
    const QRect area = dc.drawableArea();
    return area.isNull() ? std::pair<int32_t, int32_t>{0, destW} : visibleSpan(x, destW, area.left(), area.right());
}

// Shared row loop of RowDraw24 and RowDraw8.
void rowDraw(CanvasTarget &dc, int32_t X, int32_t Y, int32_t DestW, int32_t DestH, const DibImage &dib,
             int32_t SrcX, int32_t TopRow, int32_t SrcW, int32_t SrcH, int bytesPerPixel)
{
    if (!dib.Bits || !dib.Info || DestW <= 0 || DestH <= 0 || SrcW <= 0 || SrcH <= 0)
        return;
    const int32_t width = dib.Info->header.biWidth;
    const int32_t height = dib.Info->header.biHeight;

    // Only the columns the target can show are gathered and drawn.
    const auto [firstColumn, endColumn] = visibleColumns(dc, X, DestW);
    const int32_t rowW = endColumn - firstColumn;
    if (rowW <= 0)
        return;
    DibImage row;
    if (bytesPerPixel == 3)
        newdib(row, rowW, 1, 24);
    else
        newdib(row, rowW, 1, 8, dib.Info, 256);
    if (!row.Bits) {
        // Wider than a picture may be: let the device scale the window itself.
        dc.stretchDib(dib, QRect(X, Y, DestW, DestH), QRect(SrcX, height - TopRow - SrcH, SrcW, SrcH));
        return;
    }

    // Column table: source byte offset of each drawn column, and the run of
    // columns that lie inside the picture.
    std::vector<int64_t> column(static_cast<size_t>(rowW));
    int32_t first = -1, last = -1;
    const int64_t rowLimit = int64_t(width) * bytesPerPixel;
    for (int32_t i = 0; i < rowW; ++i) {
        column[size_t(i)] = (SrcX + int64_t(SrcW) * (i + firstColumn) / DestW) * bytesPerPixel;
        if (column[size_t(i)] >= 0 && column[size_t(i)] < rowLimit) {
            if (first < 0)
                first = i;
            last = i;
        }
    }

    const auto [firstRow, endRow] = visibleRows(dc, Y, DestH);
    int64_t copiedRow = -1;
    int32_t y = firstRow;
    while (y < endRow) {
        const int64_t sourceRow = TopRow + int64_t(SrcH) * y / DestH;
        if (sourceRow < 0 || sourceRow >= height) {
            std::memset(row.Bits, 0, size_t(row.RowBytes));
            copiedRow = -1;
        } else if (sourceRow != copiedRow) {
            const uint8_t *source = dib.Bits + size_t(height - 1 - sourceRow) * size_t(dib.RowBytes);
            uint8_t *out = row.Bits;
            if (first >= 0) {
                if (bytesPerPixel == 3) {
                    for (int32_t i = first; i <= last; ++i)
                        std::memcpy(out + size_t(i) * 3, source + column[size_t(i)], 3);
                } else {
                    for (int32_t i = first; i <= last; ++i)
                        out[i] = source[column[size_t(i)]];
                }
            }
            copiedRow = sourceRow;
        }
        // Following destination rows that show the same source row are drawn
        // with the same buffer in one go.
        int32_t run = 1;
        while (y + run < endRow && TopRow + int64_t(SrcH) * (y + run) / DestH == sourceRow)
            ++run;
        dc.stretchDib(row, QRect(X + firstColumn, Y + y, rowW, run), QRect(0, 0, rowW, 1));
        y += run;
    }
    deldib(row);
}

// The halftone way for palette screens. False when no copy could be made.
bool drawHalftoned(CanvasTarget &dc, const Window &w, const DibImage &dib)
{
    const int32_t width = dib.Info->header.biWidth;
    const int32_t height = dib.Info->header.biHeight;
    DibImage copy;
    QRect source(w.srcX, w.srcY, w.srcW, w.srcH);
    if (w.srcW > w.destW || w.destH < w.srcH) {
        DIBHalftoneDIBXY(copy, dib, nearest(double(width) * w.destW / w.srcW),
                         nearest(double(height) * w.destH / w.srcH));
        if (!copy.Bits || !copy.Info)
            return false;
        source = QRect(nearest(double(w.srcX) * copy.Info->header.biWidth / width),
                       nearest(double(w.srcY) * copy.Info->header.biHeight / height), w.destW, w.destH);
    } else {
        DIBHalftoneDIB(copy, dib);
        if (!copy.Bits || !copy.Info)
            return false;
    }
    // Rounding may reach one pixel past the reduced copy.
    source &= QRect(0, 0, copy.Info->header.biWidth, copy.Info->header.biHeight);
    dc.stretchDib(copy, QRect(w.x, w.y, w.destW, w.destH), source);
    deldib(copy);
    return true;
}

} // namespace

void RowDraw24(CanvasTarget &dc, int32_t X, int32_t Y, int32_t DestW, int32_t DestH, const DibImage &dib,
               int32_t SrcX, int32_t TopRow, int32_t SrcW, int32_t SrcH, uint32_t)
{
    if (dib.Info && dib.Info->header.biBitCount == 24)
        rowDraw(dc, X, Y, DestW, DestH, dib, SrcX, TopRow, SrcW, SrcH, 3);
}

void RowDraw8(CanvasTarget &dc, int32_t X, int32_t Y, int32_t DestW, int32_t DestH, const DibImage &dib,
              int32_t SrcX, int32_t TopRow, int32_t SrcW, int32_t SrcH, uint32_t)
{
    if (dib.Info && dib.Info->header.biBitCount == 8)
        rowDraw(dc, X, Y, DestW, DestH, dib, SrcX, TopRow, SrcW, SrcH, 1);
}

// Only the copy operation is drawn (every caller passes it), and palettes need
// no selecting: the targets are true-colour and take each picture's colour table.
void DrawDIB(CanvasTarget &dc, int32_t X, int32_t Y, int32_t DestW, int32_t DestH, const DibImage &dib,
             int32_t SrcX, int32_t SrcY, int32_t SrcW, int32_t SrcH, bool Halftone, uint32_t Rop,
             bool UseDibPalette, const DibPalette *Palette)
{
    if (!dib.Bits || !dib.Info)
        return;
    const int32_t width = dib.Info->header.biWidth;
    const int32_t height = dib.Info->header.biHeight;
    const int bpp = dib.Info->header.biBitCount;
    if (width <= 0 || height <= 0)
        return;
    Window w{X, Y, DestW, DestH, SrcX, SrcY, SrcW, SrcH};
    if (!clipToPicture(w, width, height))
        return;
    // A window starting beyond the picture's far edges has nothing to show.
    if (w.srcX >= width || w.srcY >= height)
        return;

    const bool printer = dc.isPrinter();
    if (bpp == 24 && Halftone && ScreenColorDepth() <= 8 && drawHalftoned(dc, w, dib))
        return;
    if (bpp == 24 && !printer) {
        RowDraw24(dc, w.x, w.y, w.destW, w.destH, dib, w.srcX, height - w.srcY - w.srcH, w.srcW, w.srcH, Rop);
        return;
    }
    if (bpp == 8 && !printer) {
        RowDraw8(dc, w.x, w.y, w.destW, w.destH, dib, w.srcX, height - w.srcY - w.srcH, w.srcW, w.srcH, Rop);
        return;
    }
    dc.stretchDib(dib, QRect(w.x, w.y, w.destW, w.destH), QRect(w.srcX, w.srcY, w.srcW, w.srcH));
}
