// Pictures: drawn scaled, or composed with a transparent colour.
#include "core/document.h"
#include "render/cardelements.h"
#include "render/raster.h"

#include <QImage>
#include <QRect>
#include <algorithm>
#include <vector>

namespace {

// The transparent key of a picture: a pixel value, or negative for none.
int64_t transparentKey(Tobs &e)
{
    const DibImage &dib = e.Dib;
    if (e.AutoTransparent) {
        // The lower-left pixel, kept in the element for the transparency dialog.
        e.setTransColor(getpixel(dib, 0, DibHeight(dib) - 1));
        return e.TransColor();
    }
    const int32_t trans = e.TransColor();
    if (DibBitCount(dib) < 24 && trans >= 0) {
        // Palette pictures hold indexes: the key is the first entry of that colour.
        const int count = std::min(DibColorCount(dib), 256);
        for (int i = 0; i < count; ++i) {
            const DibRgbQuad &q = dib.Info->colors[i];
            const int32_t color = q.rgbRed | (q.rgbGreen << 8) | (q.rgbBlue << 16);
            if (color == trans)
                return i;
        }
    }
    return trans;
}

// The colour a pixel value stands for: palette pictures show their colour
// table's entry, 24-bit pictures hold 0x00BBGGRR.
QRgb pixelColor(const DibImage &dib, bool palette, int32_t v)
{
    if (palette) {
        const DibRgbQuad &q = dib.Info->colors[std::clamp(v, 0, 255)];
        return qRgb(q.rgbRed, q.rgbGreen, q.rgbBlue);
    }
    return canvasColorToRgb(v);
}

// Draws the picture into outW × outH device pixels at (x, y), sampling column
// i from bw × i div outW, and leaves pixels of the key transparent. The pixels
// are composed into one image and drawn at once: on a printer that is one
// operation instead of one per pixel, with the same visible result.
void drawKeyed(Canvas &canvas, const DibImage &dib, int64_t key, int32_t x, int32_t y, int64_t outW, int64_t outH)
{
    const int64_t bw = DibWidth(dib), bh = DibHeight(dib);
    QRect area(x, y, int(std::min<int64_t>(outW, 1 << 28)), int(std::min<int64_t>(outH, 1 << 28)));
    const QRect drawable = canvas.drawableArea();
    if (!drawable.isNull())
        area &= drawable;
    if (area.isEmpty())
        return;
    QImage image(area.size(), QImage::Format_ARGB32);
    if (image.isNull())
        return;
    const bool palette = DibBitCount(dib) < 24;
    std::vector<int32_t> columns(size_t(area.width()));
    for (int i = 0; i < area.width(); ++i)
        columns[size_t(i)] = int32_t(bw * (int64_t(area.x()) - x + i) / outW);
    int64_t lastRow = -1;
    for (int j = 0; j < area.height(); ++j) {
        const int64_t sy = bh * (int64_t(area.y()) - y + j) / outH;
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(j));
        if (sy == lastRow) {
            std::copy_n(reinterpret_cast<const QRgb *>(image.constScanLine(j - 1)), area.width(), out);
            continue;
        }
        lastRow = sy;
        for (int i = 0; i < area.width(); ++i) {
            const int32_t v = getpixel(dib, columns[size_t(i)], int32_t(sy));
            out[i] = (key >= 0 && v == key) ? 0u : pixelColor(dib, palette, v);
        }
    }
    canvas.drawImage(area.x(), area.y(), image);
}

} // namespace

void drawImageElement(CardPass &pass, Tobs &e)
{
    const DibImage &dib = e.Dib;
    if (dib.isEmpty() || !dib.Info)
        return;
    const int64_t bw = DibWidth(dib), bh = DibHeight(dib);
    if (bw <= 0 || bh <= 0)
        return;
    const int32_t x = clampCoord(int64_t(e.PxLeft()) - pass.offX);
    const int32_t y = clampCoord(int64_t(e.PxTop()) - pass.offY);
    int64_t dw = clampCoord(e.PxWidth());
    int64_t dh = clampCoord(e.PxHeight());
    if (e.KeepAspect) {
        // Undistorted, anchored at the box's top-left corner.
        const int64_t v = bh * dw / bw;
        if (v < dh)
            dh = v;
        else
            dw = bw * dh / bh;
    }
    if (!e.Transparent) {
        DrawDIB(pass.canvas, x, y, clampCoord(dw - 1), clampCoord(dh - 1), dib, 0, 0, int32_t(bw), int32_t(bh));
        return;
    }
    const int64_t key = transparentKey(e);
    // On screen the composed picture is one pixel smaller each way, as opaque
    // pictures are; printer, preview and export cover the whole box.
    const bool screen = !pass.doc.scale.UsePrintScale;
    const int64_t outW = screen ? dw - 1 : dw;
    const int64_t outH = screen ? dh - 1 : dh;
    if (outW <= 0 || outH <= 0)
        return;
    drawKeyed(pass.canvas, dib, key, x, y, outW, outH);
}
