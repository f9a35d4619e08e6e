// Creation, release and pixel access of DibImage records.
#include "imaging/GrafikRW.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <mutex>
#include <new>
#include <unordered_map>

int32_t dibRowBytes(int32_t width, int bitsPerPixel)
{
    const int64_t bits = int64_t(width) * bitsPerPixel;
    return int32_t(((bits + 31) / 32) * 4);
}

static bool supportedDepth(int bpp)
{
    return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 24;
}

void dibUpdatePalette(DibImage &dib)
{
    if (!dib.Info)
        return;
    const int bpp = dib.Info->header.biBitCount;
    if (bpp > 8) {
        dib.HasPalette = 0;
        delete dib.PaletteHandle;
        dib.PaletteHandle = nullptr;
        std::fill(std::begin(dib.PaletteEntries), std::end(dib.PaletteEntries), DibPaletteEntry{});
        return;
    }
    const int count = 1 << bpp;
    if (!dib.PaletteHandle)
        dib.PaletteHandle = new DibPalette;
    dib.PaletteHandle->colors.resize(count);
    for (int i = 0; i < 256; ++i) {
        const DibRgbQuad &q = dib.Info->colors[i];
        dib.PaletteEntries[i] = {q.rgbRed, q.rgbGreen, q.rgbBlue, 0};
        if (i < count)
            dib.PaletteHandle->colors[i] = qRgb(q.rgbRed, q.rgbGreen, q.rgbBlue);
    }
    dib.HasPalette = 1;
}

int newdib(DibImage &dib, int32_t width, int32_t height, int bitsPerPixel,
           const DibInfo *paletteSource, int colorCount)
{
    dib = DibImage{};
    if (width <= 0 || height <= 0 || width > MaxDibSide || height > MaxDibSide
        || !supportedDepth(bitsPerPixel))
        return 0;
    const int32_t rowBytes = dibRowBytes(width, bitsPerPixel);
    const int64_t size = int64_t(rowBytes) * height;
    if (size > MaxDibBytes)
        return 0;
    auto *info = new (std::nothrow) DibInfo{};
    auto *bits = new (std::nothrow) uint8_t[size_t(size)]();
    if (!info || !bits) {
        delete info;
        delete[] bits;
        return 0;
    }
    info->header.biWidth = width;
    info->header.biHeight = height;
    info->header.biBitCount = uint16_t(bitsPerPixel);
    info->header.biSizeImage = uint32_t(size);
    if (bitsPerPixel <= 8) {
        const int tableSize = 1 << bitsPerPixel;
        info->header.biClrUsed = uint32_t(tableSize);
        if (paletteSource) {
            const int n = colorCount < 0 ? 0 : (colorCount > tableSize ? tableSize : colorCount);
            std::memcpy(info->colors, paletteSource->colors, size_t(n) * sizeof(DibRgbQuad));
        } else {
            // A grey ramp keeps a fresh palette picture displayable.
            for (int i = 0; i < tableSize; ++i) {
                const uint8_t v = uint8_t(tableSize == 1 ? 0 : i * 255 / (tableSize - 1));
                info->colors[i] = {v, v, v, 0};
            }
        }
    }
    dib.Info = info;
    dib.Bits = bits;
    dib.RowBytes = rowBytes;
    dibUpdatePalette(dib);
    return 1;
}

namespace {
// Extra holders per shared picture, by its pixel storage.
std::mutex shareMutex;
std::unordered_map<const uint8_t *, int> &extraHolders()
{
    static std::unordered_map<const uint8_t *, int> holders;
    return holders;
}
}

void deldib(const DibImage &dib)
{
    if (dib.Bits) {
        const std::lock_guard lock(shareMutex);
        auto it = extraHolders().find(dib.Bits);
        if (it != extraHolders().end()) {
            if (--it->second == 0)
                extraHolders().erase(it);
            return;
        }
    }
    delete dib.PaletteHandle;
    delete dib.Info;
    delete[] dib.Bits;
}

DibImage dibShare(const DibImage &dib)
{
    if (dib.Bits) {
        const std::lock_guard lock(shareMutex);
        ++extraHolders()[dib.Bits];
    }
    return dib;
}

int dibShareCount(const DibImage &dib)
{
    if (!dib.Bits)
        return 0;
    const std::lock_guard lock(shareMutex);
    const auto it = extraHolders().find(dib.Bits);
    return it == extraHolders().end() ? 0 : it->second;
}

static uint8_t *rowOf(const DibImage &dib, int32_t x, int32_t y)
{
    if (!dib.Bits || !dib.Info)
        return nullptr;
    const DibInfoHeader &h = dib.Info->header;
    if (x < 0 || y < 0 || x >= h.biWidth || y >= h.biHeight)
        return nullptr;
    return dib.Bits + size_t(h.biHeight - 1 - y) * size_t(dib.RowBytes);
}

int32_t getpixel(const DibImage &dib, int32_t x, int32_t y)
{
    const uint8_t *row = rowOf(dib, x, y);
    if (!row)
        return 0;
    switch (dib.Info->header.biBitCount) {
    case 1:
        return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4:
        return (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
    case 8:
        return row[x];
    case 24: {
        const uint8_t *p = row + size_t(x) * 3; // stored as B, G, R
        return int32_t(p[2]) | (int32_t(p[1]) << 8) | (int32_t(p[0]) << 16);
    }
    }
    return 0;
}

void setpixel(const DibImage &dib, int32_t x, int32_t y, int32_t value)
{
    uint8_t *row = rowOf(dib, x, y);
    if (!row)
        return;
    switch (dib.Info->header.biBitCount) {
    case 1: {
        const uint8_t mask = uint8_t(0x80 >> (x & 7));
        row[x >> 3] = (value & 1) ? (row[x >> 3] | mask) : (row[x >> 3] & ~mask);
        break;
    }
    case 4:
        if (x & 1)
            row[x >> 1] = uint8_t((row[x >> 1] & 0xF0) | (value & 0x0F));
        else
            row[x >> 1] = uint8_t((row[x >> 1] & 0x0F) | ((value & 0x0F) << 4));
        break;
    case 8:
        row[x] = uint8_t(value);
        break;
    case 24: {
        uint8_t *p = row + size_t(x) * 3;
        p[0] = uint8_t(value >> 16);
        p[1] = uint8_t(value >> 8);
        p[2] = uint8_t(value);
        break;
    }
    }
}
