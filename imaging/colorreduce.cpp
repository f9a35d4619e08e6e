// Reduction of pictures to at most 256 colours for the palette-only formats.
#include "imaging/dibcodecs.h"

#include <QHash>
#include <gif_lib.h>
#include <vector>

namespace {

DibImage widenPalettePicture(const DibImage &dib)
{
    const DibInfoHeader &h = dib.Info->header;
    DibImage out;
    if (!newdib(out, h.biWidth, h.biHeight, 8, dib.Info, 1 << h.biBitCount))
        return DibImage{};
    out.Info->header.biXPelsPerMeter = h.biXPelsPerMeter;
    out.Info->header.biYPelsPerMeter = h.biYPelsPerMeter;
    for (int32_t y = 0; y < h.biHeight; ++y)
        for (int32_t x = 0; x < h.biWidth; ++x)
            setpixel(out, x, y, getpixel(dib, x, y));
    return out;
}

// The picture's own colours when there are at most 256 of them; false otherwise.
bool exactPalette(const DibImage &dib, DibImage &out)
{
    const DibInfoHeader &h = dib.Info->header;
    QHash<uint32_t, uint8_t> index;
    DibInfo table;
    for (int32_t y = 0; y < h.biHeight; ++y) {
        const uint8_t *p = dib.Bits + size_t(y) * size_t(dib.RowBytes);
        for (int32_t x = 0; x < h.biWidth; ++x, p += 3) {
            const uint32_t key = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
            if (index.contains(key))
                continue;
            if (index.size() == 256)
                return false;
            table.colors[index.size()] = {p[0], p[1], p[2], 0};
            index.insert(key, uint8_t(index.size()));
        }
    }
    if (!newdib(out, h.biWidth, h.biHeight, 8, &table, int(index.size())))
        return false;
    out.Info->header.biClrUsed = uint32_t(index.size());
    for (int32_t y = 0; y < h.biHeight; ++y) {
        const uint8_t *p = dib.Bits + size_t(y) * size_t(dib.RowBytes);
        uint8_t *o = out.Bits + size_t(y) * size_t(out.RowBytes);
        uint32_t lastKey = 0xFFFFFFFF;
        uint8_t last = 0;
        for (int32_t x = 0; x < h.biWidth; ++x, p += 3) {
            const uint32_t key = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
            if (key != lastKey) {
                last = index.value(key);
                lastKey = key;
            }
            o[x] = last;
        }
    }
    dibUpdatePalette(out);
    return true;
}

DibImage medianCut(const DibImage &dib)
{
    const DibInfoHeader &h = dib.Info->header;
    const size_t count = size_t(h.biWidth) * size_t(h.biHeight);
    std::vector<GifByteType> red(count), green(count), blue(count), indexes(count);
    for (int32_t y = 0; y < h.biHeight; ++y) {
        const uint8_t *p = dib.Bits + size_t(h.biHeight - 1 - y) * size_t(dib.RowBytes);
        const size_t at = size_t(y) * size_t(h.biWidth);
        for (int32_t x = 0; x < h.biWidth; ++x, p += 3) {
            blue[at + x] = p[0];
            green[at + x] = p[1];
            red[at + x] = p[2];
        }
    }
    int colours = 256;
    GifColorType map[256];
    if (GifQuantizeBuffer(unsigned(h.biWidth), unsigned(h.biHeight), &colours, red.data(), green.data(),
                          blue.data(), indexes.data(), map) != GIF_OK)
        return DibImage{};
    DibInfo table;
    for (int i = 0; i < colours && i < 256; ++i)
        table.colors[i] = {map[i].Blue, map[i].Green, map[i].Red, 0};
    DibImage out;
    if (!newdib(out, h.biWidth, h.biHeight, 8, &table, 256))
        return DibImage{};
    for (int32_t y = 0; y < h.biHeight; ++y)
        std::copy_n(indexes.data() + size_t(y) * size_t(h.biWidth), h.biWidth,
                    out.Bits + size_t(h.biHeight - 1 - y) * size_t(out.RowBytes));
    return out;
}

} // namespace

DibImage reduceTo256Colours(const DibImage &dib)
{
    if (!dibIsWellFormed(dib))
        return DibImage{};
    const DibInfoHeader &h = dib.Info->header;
    if (h.biBitCount <= 8)
        return widenPalettePicture(dib);
    DibImage out;
    if (!exactPalette(dib, out))
        out = medianCut(dib);
    if (!out.isEmpty()) {
        out.Info->header.biXPelsPerMeter = h.biXPelsPerMeter;
        out.Info->header.biYPelsPerMeter = h.biYPelsPerMeter;
    }
    return out;
}
