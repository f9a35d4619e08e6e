#include "editor/zoomstep.h"

#include "core/document.h"

#include <algorithm>

namespace {
int32_t clampToRange(int64_t pos, int32_t range)
{
    return int32_t(std::clamp<int64_t>(pos, 0, std::max(0, range - 1)));
}
}

ScrollPositions zoomStep(Document &doc, int32_t x, int32_t y, bool zoomIn, int32_t scrollBoxWidth,
                         int32_t scrollBoxHeight)
{
    PixelScale &s = doc.scale;
    const int32_t dx = truncToInt32(x * s.DocUnitsPerPixel / s.ZoomFactor);
    const int32_t dy = truncToInt32(y * s.DocUnitsPerPixel / s.ZoomFactor);
    if (zoomIn && s.DocUnitsPerPixel > 50.0)
        s.DocUnitsPerPixel /= 1.5;
    else if (!zoomIn && s.DocUnitsPerPixel < 1000.0)
        s.DocUnitsPerPixel *= 1.5;
    const int64_t sx = int64_t(truncToInt32(dx * s.ZoomFactor / s.DocUnitsPerPixel)) - scrollBoxWidth / 2;
    const int64_t sy = int64_t(truncToInt32(dy * s.ZoomFactor / s.DocUnitsPerPixel)) - scrollBoxHeight / 2;
    return {clampToRange(sx, doc.surfaceWidth()), clampToRange(sy, doc.surfaceHeight())};
}

ScrollPositions handScroll(const Document &doc, ScrollPositions current, int32_t anchorX, int32_t anchorY,
                           int32_t x, int32_t y)
{
    return {clampToRange(int64_t(current.h) + anchorX - x, doc.surfaceWidth()),
            clampToRange(int64_t(current.v) + anchorY - y, doc.surfaceHeight())};
}
