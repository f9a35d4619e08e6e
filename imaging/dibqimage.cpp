// Conversion between DibImage and QImage, and PNG writing for the export.
#include "imaging/dibqimage.h"
#include "imaging/atomicfile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace {

int depthForIndexed(const QImage &image)
{
    // The smallest depth holding both the colour table and every index used,
    // so a 16-colour file stays a 4-bit picture.
    int needed = std::max<int>(image.colorCount(), 2);
    if (image.format() == QImage::Format_Indexed8) {
        for (int y = 0; y < image.height() && needed <= 16; ++y) {
            const uchar *line = image.constScanLine(y);
            needed = std::max<int>(needed, *std::max_element(line, line + image.width()) + 1);
        }
    }
    return needed <= 2 ? 1 : (needed <= 16 ? 4 : 8);
}

DibImage indexedToDib(const QImage &source)
{
    const QImage image = source.format() == QImage::Format_Indexed8
                             ? source
                             : source.convertToFormat(QImage::Format_Indexed8);
    const int bpp = depthForIndexed(image);
    DibInfo palette;
    const QList<QRgb> table = image.colorTable();
    const int tableSize = 1 << bpp;
    for (int i = 0; i < tableSize && i < table.size(); ++i)
        palette.colors[i] = {uint8_t(qBlue(table[i])), uint8_t(qGreen(table[i])), uint8_t(qRed(table[i])), 0};
    DibImage dib;
    if (!newdib(dib, image.width(), image.height(), bpp, &palette, tableSize))
        return DibImage{};
    for (int y = 0; y < image.height(); ++y) {
        const uchar *in = image.constScanLine(y);
        uint8_t *out = dib.Bits + size_t(image.height() - 1 - y) * size_t(dib.RowBytes);
        if (bpp == 8) {
            std::memcpy(out, in, size_t(image.width()));
        } else if (bpp == 4) {
            for (int x = 0; x < image.width(); ++x)
                out[x >> 1] |= uint8_t((in[x] & 0x0F) << ((x & 1) ? 0 : 4));
        } else {
            for (int x = 0; x < image.width(); ++x)
                out[x >> 3] |= uint8_t((in[x] & 1) << (7 - (x & 7)));
        }
    }
    return dib;
}

DibImage greyToDib(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_Grayscale8);
    DibImage dib;
    if (!newdib(dib, image.width(), image.height(), 8)) // newdib's fresh table is the grey ramp
        return DibImage{};
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(dib.Bits + size_t(image.height() - 1 - y) * size_t(dib.RowBytes),
                    image.constScanLine(y), size_t(image.width()));
    return dib;
}

DibImage rgbToDib(const QImage &source)
{
    QImage image;
    if (source.hasAlphaChannel()) {
        // Transparent parts show the white of the paper, not whatever colour
        // happens to be stored under them.
        image = QImage(source.size(), QImage::Format_BGR888);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.drawImage(0, 0, source);
    } else {
        image = source.convertToFormat(QImage::Format_BGR888); // the record's byte order
    }
    if (image.isNull())
        return DibImage{};
    DibImage dib;
    if (!newdib(dib, image.width(), image.height(), 24))
        return DibImage{};
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(dib.Bits + size_t(image.height() - 1 - y) * size_t(dib.RowBytes), image.constScanLine(y),
                    size_t(image.width()) * 3);
    return dib;
}

} // namespace

QImage dibToQImage(const DibImage &dib)
{
    if (!dib.Bits || !dib.Info)
        return {};
    const DibInfoHeader &h = dib.Info->header;
    const int w = h.biWidth, ht = h.biHeight, bpp = h.biBitCount;
    if (w <= 0 || ht <= 0)
        return {};
    const bool indexed = bpp == 1 || bpp == 4 || bpp == 8;
    if (!indexed && bpp != 24)
        return {};
    QImage image(w, ht, indexed ? QImage::Format_Indexed8 : QImage::Format_RGB888);
    if (image.isNull())
        return {};
    if (indexed) {
        QList<QRgb> table(1 << bpp);
        for (int i = 0; i < table.size(); ++i) {
            const DibRgbQuad &q = dib.Info->colors[i];
            table[i] = qRgb(q.rgbRed, q.rgbGreen, q.rgbBlue);
        }
        image.setColorTable(table);
    }
    for (int y = 0; y < ht; ++y) {
        const uint8_t *in = dib.Bits + size_t(ht - 1 - y) * size_t(dib.RowBytes);
        uchar *out = image.scanLine(y);
        switch (bpp) {
        case 1:
            for (int x = 0; x < w; ++x)
                out[x] = (in[x >> 3] >> (7 - (x & 7))) & 1;
            break;
        case 4:
            for (int x = 0; x < w; ++x)
                out[x] = (x & 1) ? (in[x >> 1] & 0x0F) : (in[x >> 1] >> 4);
            break;
        case 8:
            std::memcpy(out, in, size_t(w));
            break;
        default:
            for (int x = 0; x < w; ++x, in += 3, out += 3) {
                out[0] = in[2];
                out[1] = in[1];
                out[2] = in[0];
            }
        }
    }
    return image;
}

DibImage dibFromQImage(const QImage &image)
{
    if (image.isNull() || image.width() > MaxDibSide || image.height() > MaxDibSide)
        return DibImage{};
    switch (image.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
    case QImage::Format_Indexed8:
        return indexedToDib(image);
    case QImage::Format_Grayscale8:
        return greyToDib(image);
    default:
        return rgbToDib(image);
    }
}

bool saveDibAsPng(const DibImage &dib, const QString &fullPath)
{
    const QImage image = dibToQImage(dib);
    if (image.isNull())
        return false;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    return writer.write(image) && writeFileAtomically(fullPath, bytes);
}
