// The QPainter-based drawing target.
#include "render/canvastarget.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <cstring>

CanvasTarget::~CanvasTarget() = default;

QPainterCanvasTarget::QPainterCanvasTarget(QPainter &painter) : painter_(painter) {}

bool QPainterCanvasTarget::isPrinter() const
{
    if (printerOverride_ >= 0)
        return printerOverride_ == 1;
    const QPaintDevice *device = painter_.device();
    if (!device)
        return false;
    // QPrinter and QPdfWriter are the paged devices.
    return device->devType() == QInternal::Printer || dynamic_cast<const QPagedPaintDevice *>(device);
}

int QPainterCanvasTarget::colorDepth() const
{
    const QPaintDevice *device = painter_.device();
    return device ? device->depth() : 32;
}

QRect QPainterCanvasTarget::drawableArea() const
{
    const QPaintDevice *device = painter_.device();
    if (!device)
        return {};
    // Device pixels, narrowed by the clip, mapped back into drawing coordinates.
    // The combined transform leaves out the offset of a widget painted into its
    // window's buffer, which the device's own size does not include either.
    QRectF area(0, 0, device->width(), device->height());
    const QTransform toDevice = painter_.combinedTransform();
    if (painter_.hasClipping())
        area &= toDevice.mapRect(painter_.clipBoundingRect());
    bool invertible = false;
    const QTransform toLogical = toDevice.inverted(&invertible);
    if (!invertible)
        return {};
    // One pixel of slack against rounding at the edges.
    return toLogical.mapRect(area).toAlignedRect().adjusted(-1, -1, 1, 1);
}

namespace {

QList<QRgb> colorTable(const DibImage &dib, int count)
{
    QList<QRgb> table(count);
    for (int i = 0; i < count; ++i) {
        const DibRgbQuad &q = dib.Info->colors[i];
        table[i] = qRgb(q.rgbRed, q.rgbGreen, q.rgbBlue);
    }
    return table;
}

// The source window as a top-down QImage. A one-row window of an 8- or 24-bit
// picture is wrapped without copying (the row drawing path hands over one row
// at a time); the image then must not outlive the call.
QImage windowImage(const DibImage &dib, const QRect &window)
{
    const int bpp = dib.Info->header.biBitCount;
    const int w = window.width();
    const int h = window.height();
    // Storage row (0 = bottom) of the window's top row.
    const int topStorageRow = window.y() + h - 1;
    auto storageRow = [&](int storage) { return dib.Bits + size_t(storage) * size_t(dib.RowBytes); };

    if (bpp == 24) {
        if (h == 1)
            return QImage(storageRow(topStorageRow) + size_t(window.x()) * 3, w, 1, dib.RowBytes,
                          QImage::Format_BGR888);
        QImage image(w, h, QImage::Format_BGR888);
        if (image.isNull())
            return image;
        for (int y = 0; y < h; ++y)
            std::memcpy(image.scanLine(y), storageRow(topStorageRow - y) + size_t(window.x()) * 3, size_t(w) * 3);
        return image;
    }
    if (bpp == 8) {
        QImage image;
        if (h == 1) {
            image = QImage(storageRow(topStorageRow) + window.x(), w, 1, dib.RowBytes, QImage::Format_Indexed8);
        } else {
            image = QImage(w, h, QImage::Format_Indexed8);
            if (image.isNull())
                return image;
            for (int y = 0; y < h; ++y)
                std::memcpy(image.scanLine(y), storageRow(topStorageRow - y) + window.x(), size_t(w));
        }
        image.setColorTable(colorTable(dib, 256));
        return image;
    }
    if (bpp == 1 || bpp == 4) {
        QImage image(w, h, QImage::Format_Indexed8);
        if (image.isNull())
            return image;
        image.setColorTable(colorTable(dib, 1 << bpp));
        for (int y = 0; y < h; ++y) {
            const uint8_t *row = storageRow(topStorageRow - y);
            uchar *out = image.scanLine(y);
            for (int x = 0; x < w; ++x) {
                const int sx = window.x() + x;
                out[x] = bpp == 1 ? uchar((row[sx >> 3] >> (7 - (sx & 7))) & 1)
                                  : uchar((sx & 1) ? (row[sx >> 1] & 0x0F) : (row[sx >> 1] >> 4));
            }
        }
        return image;
    }
    return QImage();
}

// One row of a 24-bit picture as a 32-bit image, in a buffer kept between calls.
QImage rgb32Row(const DibImage &dib, const QRect &window, QImage &buffer)
{
    const int w = window.width();
    if (buffer.width() != w || buffer.format() != QImage::Format_RGB32)
        buffer = QImage(w, 1, QImage::Format_RGB32);
    if (buffer.isNull())
        return buffer;
    const uint8_t *in = dib.Bits + size_t(window.y()) * size_t(dib.RowBytes) + size_t(window.x()) * 3;
    auto *out = reinterpret_cast<QRgb *>(buffer.scanLine(0));
    for (int x = 0; x < w; ++x, in += 3)
        out[x] = 0xFF000000u | (uint32_t(in[2]) << 16) | (uint32_t(in[1]) << 8) | in[0];
    return buffer;
}

} // namespace

const QImage &QPainterCanvasTarget::printerImage(const DibImage &dib, const QRect &window)
{
    for (const HandedOver &h : handedOver_)
        if (h.bits == dib.Bits && h.info == dib.Info && h.window == window)
            return h.image;
    // A card holds few pictures; keep the most recent ones only.
    constexpr size_t Kept = 16;
    if (handedOver_.size() >= Kept)
        handedOver_.erase(handedOver_.begin());
    QImage image = windowImage(dib, window);
    // A wrapped row must not outlive the call: keep a copy of its own.
    if (!image.isNull() && image.constBits() != nullptr && window.height() == 1)
        image = image.copy();
    handedOver_.push_back({dib.Bits, dib.Info, window, image});
    return handedOver_.back().image;
}

void QPainterCanvasTarget::stretchDib(const DibImage &dib, const QRect &dest, const QRect &source)
{
    if (!dib.Bits || !dib.Info || dest.width() <= 0 || dest.height() <= 0)
        return;
    const QRect picture(0, 0, dib.Info->header.biWidth, dib.Info->header.biHeight);
    // A window reaching outside the picture is not drawn rather than read out of bounds.
    if (source.isEmpty() || !picture.contains(source))
        return;
    QImage image;
    if (isPrinter()) {
        image = printerImage(dib, source);
    } else if (dib.Info->header.biBitCount == 24 && source.height() == 1) {
        // The rows of the screen drawing path: converted here, as the toolkit
        // converts 24-bit rows slowly.
        image = rgb32Row(dib, source, rowImage_);
    } else {
        image = windowImage(dib, source);
    }
    if (image.isNull())
        return;
    const bool smooth = painter_.testRenderHint(QPainter::SmoothPixmapTransform);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_.drawImage(dest, image, image.rect());
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}
