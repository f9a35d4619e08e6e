// Consistency check of a picture record handed in by a caller.
#include "imaging/dibcodecs.h"

bool dibIsWellFormed(const DibImage &dib)
{
    if (!dib.Info || !dib.Bits)
        return false;
    const DibInfoHeader &h = dib.Info->header;
    const int bpp = h.biBitCount;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24)
        return false;
    if (h.biWidth <= 0 || h.biHeight <= 0 || h.biWidth > MaxDibSide || h.biHeight > MaxDibSide)
        return false;
    return dib.RowBytes >= dibRowBytes(h.biWidth, bpp) && int64_t(dib.RowBytes) * h.biHeight <= MaxDibBytes;
}

bool pictureBackedByData(int64_t pixels, int64_t dataBytes)
{
    constexpr int64_t AlwaysAllowedPixels = 1 << 20;
    constexpr int64_t MaxPixelsPerByte = 4096;
    return pixels <= AlwaysAllowedPixels || pixels / MaxPixelsPerByte <= dataBytes;
}
