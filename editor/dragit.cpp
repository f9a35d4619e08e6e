#include "editor/dragit.h"

#include "core/document.h"

namespace {
int32_t toDoc(double px, const PixelScale &s)
{
    return truncToInt32(px / s.ZoomFactor * s.DocUnitsPerPixel);
}
}

void dragit(DocBox &b, int32_t &mode, int32_t x, int32_t y, int32_t grabDx, int32_t grabDy,
            const PixelScale &scale, int32_t surfaceW, int32_t surfaceH)
{
    const int32_t nx = toDoc(double(x) - grabDx, scale);
    const int32_t ny = toDoc(double(y) - grabDy, scale);
    // 64-bit sums: boxes from damaged files must not overflow.
    int64_t L = b.Left, T = b.Top, W = b.Width, H = b.Height;
    switch (mode) {
    case 1: W += L - nx; H += T - ny; L = nx; T = ny; break;
    case 2: W = nx - L; H += T - ny; T = ny; break;
    case 3: H = ny - T; W += L - nx; L = nx; break;
    case 4: W = nx - L; H = ny - T; break;
    case 5: H += T - ny; T = ny; break;
    case 6: H = ny - T; break;
    case 7: W += L - nx; L = nx; break;
    case 8: W = nx - L; break;
    case 9: L = nx; T = ny; break;
    default: return;
    }
    if (W < 0) {
        L += W;
        W = -W;
        static const int32_t flipX[10] = {0, 2, 1, 4, 3, 5, 6, 8, 7, 9};
        mode = flipX[mode];
    }
    if (H < 0) {
        T += H;
        H = -H;
        static const int32_t flipY[10] = {0, 3, 4, 1, 2, 6, 5, 7, 8, 9};
        mode = flipY[mode];
    }
    // Keep the element on the pasteboard.
    if (L + W < 0)
        L = -W;
    if (T + H < 0)
        T = -H;
    const int64_t maxLeft = truncToInt32(surfaceW / scale.ZoomFactor * scale.DocUnitsPerPixel - 1);
    const int64_t maxTop = truncToInt32(surfaceH / scale.ZoomFactor * scale.DocUnitsPerPixel - 1);
    if (L > maxLeft)
        L = maxLeft;
    if (T > maxTop)
        T = maxTop;
    b.Left = truncToInt32(double(L));
    b.Top = truncToInt32(double(T));
    b.Width = truncToInt32(double(W));
    b.Height = truncToInt32(double(H));
}
