#pragma once
// Moving and resizing an element box with the mouse.
#include "editor/editorstate.h"

struct PixelScale;

// Applies the drag mode (1..9) to the box for the mouse at (x, y) on the paint
// surface, grabbed at (grabDx, grabDy) from the handle. The mode flips to the
// mirrored handle when the box turns inside out. The box stays on the
// pasteboard of surfaceW × surfaceH screen pixels.
void dragit(DocBox &box, int32_t &mode, int32_t x, int32_t y, int32_t grabDx, int32_t grabDy,
            const PixelScale &scale, int32_t surfaceW, int32_t surfaceH);
