#pragma once
// One step of the magnifier: a new scale and the scroll positions that bring
// the clicked point to the middle of the visible area.
#include <cstdint>

class Document;

struct ScrollPositions {
    int32_t h = 0, v = 0;
};

// Zooms in (or out) at the paint-surface point (x, y): DocUnitsPerPixel is
// divided (multiplied) by 1.5 while above 50 (below 1000). The positions are
// for a scroll area of the given outer size, each clamped to 0 and to its own
// axis's range (the new surface size) − 1.
ScrollPositions zoomStep(Document &doc, int32_t x, int32_t y, bool zoomIn, int32_t scrollBoxWidth,
                         int32_t scrollBoxHeight);

// The hand tool: the positions after dragging from the anchor to (x, y),
// clamped like the zoom step's.
ScrollPositions handScroll(const Document &doc, ScrollPositions current, int32_t anchorX, int32_t anchorY,
                           int32_t x, int32_t y);
