// Figures: circles, ellipses, squares, rectangles, rounded ones and lines.
#include "core/document.h"
#include "render/cardelements.h"

#include <algorithm>

void drawFigureElement(CardPass &pass, const Tobs &e)
{
    // Pen and brush colours; an unknown fill mode keeps those of the last figure.
    pass.brush.clear = false;
    if (e.Shape >= 6) {
        pass.pen.color = e.Color;
        pass.brush.color = e.Color;
    } else if (e.Shape >= 0) {
        switch (e.FillMode) {
        case 0:
            pass.pen.color = e.Color;
            pass.brush.color = e.Color;
            break;
        case 1:
            pass.pen.color = e.LineColor;
            pass.brush.clear = true;
            break;
        case 2:
            pass.pen.color = e.LineColor;
            pass.brush.color = e.Color;
            break;
        default:
            break;
        }
    }

    const int64_t x = clampCoord(int64_t(e.PxLeft()) - pass.offX);
    const int64_t y = clampCoord(int64_t(e.PxTop()) - pass.offY);
    const int64_t w = clampCoord(e.PxWidth());
    const int64_t h = clampCoord(e.PxHeight());
    const int64_t m = std::min(w, h);
    // LineWidth counts 0.2 mm.
    pass.pen.width = std::max(1, truncToInt32(e.LineWidth * 0.2 * DocUnitsPerInch / pass.doc.MmPerInchX * pass.scale));

    Canvas &c = pass.canvas;
    const auto X = [](int64_t v) { return clampCoord(v); };
    switch (e.Shape) {
    case 0:
        c.ellipse(X(x), X(y), X(x + m), X(y + m), pass.pen, pass.brush);
        break;
    case 1:
        c.ellipse(X(x), X(y), X(x + w), X(y + h), pass.pen, pass.brush);
        break;
    case 2:
        c.rectangle(X(x), X(y), X(x + m), X(y + m), pass.pen, pass.brush);
        break;
    case 3:
        c.rectangle(X(x), X(y), X(x + w), X(y + h), pass.pen, pass.brush);
        break;
    case 4:
        c.roundRect(X(x), X(y), X(x + m), X(y + m), X(w / 3), X(h / 3), pass.pen, pass.brush);
        break;
    case 5:
        c.roundRect(X(x), X(y), X(x + w), X(y + h), X(w / 3), X(h / 3), pass.pen, pass.brush);
        break;
    case 6:
        c.line(X(x), X(y), X(x + w), X(y), pass.pen);
        break;
    case 7:
        c.line(X(x), X(y), X(x), X(y + h), pass.pen);
        break;
    case 8:
        c.line(X(x), X(y + h), X(x + w), X(y), pass.pen);
        break;
    case 9:
        c.line(X(x), X(y), X(x + w), X(y + h), pass.pen);
        break;
    default:
        break;
    }

    pass.pen.width = 1;
    pass.brush.clear = false;
}
