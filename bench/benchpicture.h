#pragma once
// The test picture of the drawing benchmarks.
#include "imaging/GrafikRW.h"

// A 24-bit picture with a colour gradient, so that no two rows look alike.
inline DibImage gradientPicture(int w, int h)
{
    DibImage dib;
    newdib(dib, w, h, 24);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            setpixel(dib, x, y, (x * 255 / w) | ((y * 255 / h) << 8) | 0x400000);
    return dib;
}
