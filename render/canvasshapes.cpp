#include "render/canvasshapes.h"

#include <algorithm>
#include <cmath>

ShapeOutline ShapeOutline::grown(int leftTop, int rightBottom) const
{
    // Corner ellipses follow the boundary: one pixel more on each side makes
    // the corner two pixels wider.
    ShapeOutline s = *this;
    s.left -= leftTop;
    s.top -= leftTop;
    s.right += rightBottom;
    s.bottom += rightBottom;
    if (cornerWidth > 0)
        s.cornerWidth = std::max(0, cornerWidth + leftTop + rightBottom);
    if (cornerHeight > 0)
        s.cornerHeight = std::max(0, cornerHeight + leftTop + rightBottom);
    return s;
}

bool ShapeOutline::rowSpan(int y, int &x0, int &x1) const
{
    if (right <= left || bottom <= top || y < top || y >= bottom)
        return false;
    const double w = double(right) - left;
    const double h = double(bottom) - top;
    const double rx = std::min<double>(cornerWidth, w) / 2.0;
    const double ry = std::min<double>(cornerHeight, h) / 2.0;
    const double yc = y + 0.5;
    double dy = 0;
    if (yc < top + ry)
        dy = top + ry - yc;
    else if (yc > bottom - ry)
        dy = yc - (bottom - ry);
    double inset = 0;   // how far the row's ends lie inside the box's sides
    if (dy > 0 && rx > 0) {
        const double q = dy / ry;
        if (q > 1)
            return false;
        inset = rx - rx * std::sqrt(1 - q * q);
    }
    // Pixel x is inside when its centre x + 0.5 lies within [left + inset, right - inset].
    x0 = int(std::ceil(left + inset - 0.5));
    x1 = int(std::floor(right - inset - 0.5)) + 1;
    x0 = std::max(x0, left);
    x1 = std::min(x1, right);
    return x1 > x0;
}

PenRing penRing(const ShapeOutline &shape, int penWidth)
{
    const int w = std::max(1, penWidth);
    // The pen is centred on the outermost pixels; an even width leans outward.
    const int outward = w / 2;
    const int inward = w - 1 - outward;
    PenRing ring;
    ring.outer = shape.grown(outward, inward);
    ring.inner = shape.grown(outward - w, inward - w);
    return ring;
}
