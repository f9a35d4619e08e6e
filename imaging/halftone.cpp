// Reduction of 24-bit pictures to a fixed 256-colour palette for displays of
// 8 bits per pixel or fewer: a 6×6×6 colour cube with ordered dithering.
#include "imaging/GrafikRW.h"
#include "imaging/dibcodecs.h"
#include "imaging/dibqimage.h"

namespace {

constexpr int Levels = 6;
constexpr uint8_t Bayer4[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

DibInfo cubePalette()
{
    DibInfo info;
    for (int r = 0; r < Levels; ++r)
        for (int g = 0; g < Levels; ++g)
            for (int b = 0; b < Levels; ++b)
                info.colors[(r * Levels + g) * Levels + b] = {uint8_t(b * 51), uint8_t(g * 51), uint8_t(r * 51), 0};
    return info;
}

// The cube level of one channel, rounded up where the pixel's dither threshold lies below.
int level(int value, int threshold)
{
    const int scaled = value * (Levels - 1);
    return scaled / 255 + ((scaled % 255) * 16 > threshold * 255 + 127 ? 1 : 0);
}

// Palette pictures already have at most 256 colours: nearest-neighbour copy.
DibImage scalePalettePicture(const DibImage &source, int32_t width, int32_t height)
{
    const DibInfoHeader &h = source.Info->header;
    DibImage out;
    if (!newdib(out, width, height, h.biBitCount, source.Info, 1 << h.biBitCount))
        return DibImage{};
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            setpixel(out, x, y, getpixel(source, int32_t(int64_t(x) * h.biWidth / width),
                                         int32_t(int64_t(y) * h.biHeight / height)));
    return out;
}

DibImage halftone24(const DibImage &source)
{
    const DibInfoHeader &h = source.Info->header;
    const DibInfo palette = cubePalette();
    DibImage out;
    if (!newdib(out, h.biWidth, h.biHeight, 8, &palette, Levels * Levels * Levels))
        return DibImage{};
    out.Info->header.biClrUsed = Levels * Levels * Levels;
    for (int32_t y = 0; y < h.biHeight; ++y) {
        const uint8_t *in = source.Bits + size_t(h.biHeight - 1 - y) * size_t(source.RowBytes);
        uint8_t *o = out.Bits + size_t(h.biHeight - 1 - y) * size_t(out.RowBytes);
        for (int32_t x = 0; x < h.biWidth; ++x, in += 3) {
            const int t = Bayer4[y & 3][x & 3];
            o[x] = uint8_t((level(in[2], t) * Levels + level(in[1], t)) * Levels + level(in[0], t));
        }
    }
    return out;
}

} // namespace

int DIBHalftoneDIB(DibImage &out, const DibImage &source)
{
    out = DibImage{};
    if (!dibIsWellFormed(source))
        return 0;
    const DibInfoHeader &h = source.Info->header;
    out = h.biBitCount == 24 ? halftone24(source) : scalePalettePicture(source, h.biWidth, h.biHeight);
    return out.isEmpty() ? 0 : 1;
}

int DIBHalftoneDIBXY(DibImage &out, const DibImage &source, int32_t width, int32_t height)
{
    out = DibImage{};
    if (!dibIsWellFormed(source) || width <= 0 || height <= 0 || width > MaxDibSide || height > MaxDibSide)
        return 0;
    if (source.Info->header.biBitCount != 24) {
        out = scalePalettePicture(source, width, height);
        return out.isEmpty() ? 0 : 1;
    }
    // Averaging while scaling keeps thin lines visible in reduced copies.
    const QImage scaled = dibToQImage(source).scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    DibImage resized = dibFromQImage(scaled);
    if (resized.isEmpty())
        return 0;
    out = halftone24(resized);
    deldib(resized);
    return out.isEmpty() ? 0 : 1;
}
