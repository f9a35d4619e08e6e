#include "templates/cardframe.h"

#include "core/document.h"

#include <algorithm>

namespace {
// n × length div 3 without overflow.
int32_t thirds(int n, int32_t length)
{
    return int32_t(int64_t(n) * length / 3);
}
}

CardFrame prepareCardFrame(Document &doc, int32_t screenPixelsPerInch)
{
    doc.scale.ZoomFactor = 1.0;
    doc.scale.DocUnitsPerPixel = double(20000 / std::max(1, screenPixelsPerInch));
    CardFrame f;
    f.surfaceWidth = doc.surfaceWidth();
    f.surfaceHeight = doc.surfaceHeight();
    const int32_t w = f.surfaceWidth;
    const int32_t h = f.surfaceHeight;
    f.margin = templateMargin(w / 3, doc.ticketType.CardWidth, doc.ticketType.CardHeight);
    f.inner = {w / 3 + f.margin, h / 3 + f.margin, thirds(2, w) - f.margin, thirds(2, h) - f.margin};
    return f;
}
