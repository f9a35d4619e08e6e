#pragma once
// The renderer's per-element drawing, shared by the parts of DrawVCart.
#include "render/canvas.h"
#include "render/cardrenderer.h"

#include <algorithm>
#include <cstdint>

class Tobs;

// One call of DrawVCart: where to draw, at which scale, and the pen and brush
// that carry over from one figure to the next.
struct CardPass {
    Canvas &canvas;
    Document &doc;
    const CardRenderInputs &inputs;
    int32_t offX;
    int32_t offY;
    double scale;
    CanvasPen pen;
    CanvasBrush brush;
};

void drawFigureElement(CardPass &pass, const Tobs &e);
void drawTextElement(CardPass &pass, const Tobs &e);
void drawImageElement(CardPass &pass, Tobs &e);

// Device coordinates stay far from the int range so sums never overflow.
constexpr int32_t clampCoord(int64_t v)
{
    constexpr int64_t limit = int64_t(1) << 28;
    return int32_t(std::clamp<int64_t>(v, -limit, limit));
}

// The text effect lengths and the font of a text element at the pass's scale.
CanvasFont textElementFont(const CardPass &pass, const Tobs &e);
