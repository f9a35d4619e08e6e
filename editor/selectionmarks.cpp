#include "editor/selectionmarks.h"

#include "core/document.h"
#include "render/canvas.h"

PixelBox toScreen(const DocBox &b, const PixelScale &s)
{
    const auto px = [&s](int32_t v) { return truncToInt32(double(v) * s.ZoomFactor / s.DocUnitsPerPixel); };
    return {px(b.Left), px(b.Top), px(b.Width), px(b.Height)};
}

DocBox boxOf(const Tobs &e)
{
    return {e.Left, e.Top, e.Width, e.Height};
}

PixelBox markedBox(const Document &doc, const EditorState &state)
{
    if (state.DragState == DragElement)
        return toScreen(state.dragBox, doc.scale);
    const Tobs &e = doc.pool[doc.CurrentElement];
    return {e.PxLeft(), e.PxTop(), e.PxWidth(), e.PxHeight()};
}

void invertOutline(Canvas &canvas, const PixelBox &b, int32_t ox, int32_t oy)
{
    canvas.invertFrame(b.L - ox, b.T - oy, b.L + b.W - ox, b.T + b.H - oy);
}

void markrec(Canvas &canvas, const Document &doc, const EditorState &state, int32_t ox, int32_t oy)
{
    if (doc.CurrentElement < 1 || doc.CurrentElement > ElementPool::SlotCount)
        return;
    const PixelBox b = markedBox(doc, state);
    if (state.DragState == DragElement) {
        invertOutline(canvas, b, ox, oy);
        return;
    }
    CanvasPen black;
    black.color = 0;
    CanvasBrush none;
    none.clear = true;
    canvas.rectangle(b.L - ox, b.T - oy, b.L + b.W - ox, b.T + b.H - oy, black, none);
    if (state.DragState != DragIdle)
        return;   // hand scrolling: the outline only
    const int32_t R = b.L + b.W, B = b.T + b.H, cx = b.L + b.W / 2, cy = b.T + b.H / 2;
    const int32_t handles[8][2] = {{b.L, b.T}, {R, b.T}, {b.L, B}, {R, B}, {cx, b.T}, {cx, B}, {b.L, cy}, {R, cy}};
    for (const auto &h : handles)
        canvas.fillRect(h[0] - 3 - ox, h[1] - 3 - oy, h[0] + 3 - ox, h[1] + 3 - oy, 0);
}
