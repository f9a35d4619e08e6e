#pragma once
// The two millimetre rulers along the top and the left edge of the editing
// area. They read from the card's top-left corner and follow scrolling and zoom.
#include <cstdint>
#include <vector>

class Canvas;

// The step in millimetres for a spacing of millimetres per 50 pixels.
double rulerStep(double spacing);

struct RulerTick {
    enum Kind { Labelled, Long, Short } kind;
    int32_t pos;     // along the scale, from its start
    int32_t value;   // whole millimetres
};

// The ticks of a scale scaleLen pixels long showing start..end millimetres,
// in drawing order. Empty when the scale is shorter than 50 pixels or shows no
// length. skipNegative drops ticks before the scale's start.
std::vector<RulerTick> rulerTicks(int32_t scaleLen, double start, double end, bool skipNegative);

// What a ruler needs of the view: the strip's size, the scroll position on its
// axis, the paint surface's size on that axis and the card's size in mm.
struct RulerView {
    int32_t width = 0, height = 0;
    int32_t scrollPos = 0;
    int32_t surfaceLength = 0;
    double cardMm = 0;
    double screenDpi = 96;
};

// TRulerPaint and LRulerPaint onto a canvas of the strip's size.
void drawTopRuler(Canvas &canvas, const RulerView &v);
void drawLeftRuler(Canvas &canvas, const RulerView &v);
