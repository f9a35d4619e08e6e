// Quarter and half turns of pictures, with progress for the main window.
#include "imaging/dibrotate.h"

#include "imaging/imagingnotifier.h"

#include <algorithm>
#include <cstring>

namespace {

enum class Turn { Left, Right, Half };

// Where old pixel (x, y) of a width x height picture lands.
struct Target {
    int32_t x, y;
};

Target turned(Turn turn, int32_t x, int32_t y, int32_t width, int32_t height)
{
    switch (turn) {
    case Turn::Left:
        return {y, width - 1 - x};
    case Turn::Right:
        return {height - 1 - y, x};
    case Turn::Half:
        break;
    }
    return {width - 1 - x, height - 1 - y};
}

// Sends the progress only when the shown value changes.
class RowProgress {
public:
    explicit RowProgress(int32_t height) : height_(height) { ImagingNotifier::instance().postProgress(0); }
    ~RowProgress() { ImagingNotifier::instance().postProgress(0); }
    void atRow(int32_t y)
    {
        const int percent = height_ > 1 ? int(int64_t(y) * 100 / (height_ - 1)) : 0;
        if (percent != shown_) {
            shown_ = percent;
            ImagingNotifier::instance().postProgress(percent);
        }
    }

private:
    int32_t height_;
    int shown_ = 0;
};

// Whole bytes per pixel: moved directly (the same result as getpixel/setpixel),
// in square tiles so that the column-wise writes of a quarter turn stay in the
// cache.
template <size_t PixelBytes>
void turnWholeBytes(const DibImage &dib, DibImage &result, Turn how, RowProgress &progress)
{
    constexpr int32_t Tile = 64;
    const int32_t width = dib.Info->header.biWidth;
    const int32_t height = dib.Info->header.biHeight;
    const int32_t newHeight = result.Info->header.biHeight;
    for (int32_t y0 = 0; y0 < height; y0 += Tile) {
        const int32_t y1 = std::min(height, y0 + Tile);
        for (int32_t y = y0; y < y1; ++y)
            progress.atRow(y);
        for (int32_t x0 = 0; x0 < width; x0 += Tile) {
            const int32_t x1 = std::min(width, x0 + Tile);
            for (int32_t y = y0; y < y1; ++y) {
                const uint8_t *from = dib.Bits + size_t(height - 1 - y) * size_t(dib.RowBytes);
                for (int32_t x = x0; x < x1; ++x) {
                    const Target t = turned(how, x, y, width, height);
                    uint8_t *to = result.Bits + size_t(newHeight - 1 - t.y) * size_t(result.RowBytes)
                        + size_t(t.x) * PixelBytes;
                    std::memcpy(to, from + size_t(x) * PixelBytes, PixelBytes);
                }
            }
        }
    }
}

void turn(DibImage &dib, Turn how)
{
    if (!dib.Bits || !dib.Info)
        return;
    const int32_t width = dib.Info->header.biWidth;
    const int32_t height = dib.Info->header.biHeight;
    const int bpp = dib.Info->header.biBitCount;
    if (width <= 0 || height <= 0)
        return;
    const bool quarter = how != Turn::Half;
    const int colors = bpp == 1 ? 2 : bpp == 4 ? 16 : bpp == 8 ? 256 : 0;

    DibImage result;
    newdib(result, quarter ? height : width, quarter ? width : height, bpp, colors ? dib.Info : nullptr, colors);
    if (!result.Bits)
        return;

    RowProgress progress(height);
    if (bpp == 24) {
        turnWholeBytes<3>(dib, result, how, progress);
    } else if (bpp == 8) {
        turnWholeBytes<1>(dib, result, how, progress);
    } else {
        for (int32_t y = 0; y < height; ++y) {
            progress.atRow(y);
            for (int32_t x = 0; x < width; ++x) {
                const Target t = turned(how, x, y, width, height);
                setpixel(result, t.x, t.y, getpixel(dib, x, y));
            }
        }
    }
    deldib(dib);
    dib = result;
}

} // namespace

void RotLeft(DibImage &dib)
{
    turn(dib, Turn::Left);
}

void RotRight(DibImage &dib)
{
    turn(dib, Turn::Right);
}

void Rot180(DibImage &dib)
{
    turn(dib, Turn::Half);
}
