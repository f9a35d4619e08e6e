// The inverting outline of the editor's drag feedback.
#include "render/canvas.h"
#include "render/canvaspainter.h"

#include <QPainter>
#include <algorithm>
#include <vector>

namespace {
// The outline's pixels within reach, as rows and columns that never cover a
// pixel twice (inverting twice would restore it).
std::vector<QRect> framePieces(int64_t left, int64_t top, int64_t right, int64_t bottom, const QRect &reach)
{
    std::vector<QRect> pieces;
    if (right <= left || bottom <= top || reach.isEmpty())
        return pieces;
    const auto add = [&](int64_t l, int64_t t, int64_t r, int64_t b) {   // r, b exclusive
        l = std::max<int64_t>(l, reach.left());
        t = std::max<int64_t>(t, reach.top());
        r = std::min<int64_t>(r, int64_t(reach.right()) + 1);
        b = std::min<int64_t>(b, int64_t(reach.bottom()) + 1);
        if (r > l && b > t)
            pieces.emplace_back(int(l), int(t), int(r - l), int(b - t));
    };
    add(left, top, right, top + 1);
    if (bottom - top > 1)
        add(left, bottom - 1, right, bottom);
    if (bottom - top > 2) {
        add(left, top + 1, left + 1, bottom - 1);
        if (right - left > 1)
            add(right - 1, top + 1, right, bottom - 1);
    }
    return pieces;
}
}

void Canvas::invertFrame(int left, int top, int right, int bottom)
{
    for (const QRect &r : framePieces(left, top, right, bottom, drawableArea()))
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                setPixel(x, y, ~getPixel(x, y) & 0x00FFFFFF);
}

void PainterCanvas::invertFrame(int left, int top, int right, int bottom)
{
    painter_.save();
    painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
    for (const QRect &piece : framePieces(left, top, right, bottom, drawableArea()))
        painter_.fillRect(piece, Qt::black);
    painter_.restore();
}
