#include "tests/raster/rasterfixtures.h"

OwnedDib::~OwnedDib()
{
    deldib(dib);
}

void fillDib(OwnedDib &out, int width, int height, int bpp, const std::function<int32_t(int, int)> &value)
{
    deldib(out.dib);
    newdib(out.dib, width, height, bpp);
    if (bpp <= 8) {
        for (int i = 0; i < (1 << bpp); ++i)
            out.dib.Info->colors[i] = {7, uint8_t(255 - i), uint8_t(i), 0};
        dibUpdatePalette(out.dib);
    }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            setpixel(out.dib, x, y, value(x, y));
}

int32_t patternPixel(int x, int y)
{
    return (x & 0xFF) | ((y & 0xFF) << 8) | (0x40 << 16);
}

QRgb patternRgb(int x, int y)
{
    return qRgb(x & 0xFF, y & 0xFF, 0x40);
}

void RecordingTarget::stretchDib(const DibImage &dib, const QRect &dest, const QRect &source)
{
    calls.push_back({dest, source, dib.Info->header.biWidth, dib.Info->header.biHeight, dib.Info->header.biBitCount});
}

QImage blankCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}
