#include "tests/support/testpictures.h"

int32_t patternColor(int32_t x, int32_t y)
{
    return int32_t((x * 37 + y * 11) & 0xFF) | int32_t(((x * 5 + y * 53) & 0xFF) << 8) | int32_t(((x ^ y) & 0xFF) << 16);
}

DibImage makePatternPicture(int32_t width, int32_t height)
{
    DibImage dib;
    newdib(dib, width, height, 24);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            setpixel(dib, x, y, patternColor(x, y));
    return dib;
}

bool writePatternBmp(const QString &path, int32_t width, int32_t height)
{
    DibImage dib = makePatternPicture(width, height);
    const bool ok = SaveDib(dib, path, 3) == 1;
    deldib(dib);
    return ok;
}

bool samePixels(const DibImage &a, const DibImage &b)
{
    if (!a.Info || !b.Info || a.Info->header.biWidth != b.Info->header.biWidth
        || a.Info->header.biHeight != b.Info->header.biHeight)
        return false;
    for (int32_t y = 0; y < a.Info->header.biHeight; ++y)
        for (int32_t x = 0; x < a.Info->header.biWidth; ++x)
            if (getpixel(a, x, y) != getpixel(b, x, y))
                return false;
    return true;
}
