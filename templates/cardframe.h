#pragma once
// The frame a layout is placed in on a freshly cleared card: the view at zoom 1
// and the start-up scale, and the card's inner rectangle in editor pixels.
#include "templates/layoutcells.h"

#include <cstdint>

class Document;

struct CardFrame {
    int32_t surfaceWidth = 0;    // W: the whole pasteboard in pixels
    int32_t surfaceHeight = 0;   // H
    int32_t margin = 0;          // m: 5 mm at the card's screen scale, or 0
    CellBox inner;               // the card (the middle third) less the margin
};

// Sets ZoomFactor 1 and DocUnitsPerPixel 20000 div the screen's pixels per inch,
// and returns the frame at that scale.
CardFrame prepareCardFrame(Document &doc, int32_t screenPixelsPerInch);
