#pragma once
// The selection marks of the current element: its outline and eight handles,
// or only an inverting outline while something is dragged.
#include "editor/editorstate.h"

class Canvas;
class Document;
struct PixelScale;

// A box in screen pixels of the paint surface.
struct PixelBox {
    int32_t L = 0, T = 0, W = 0, H = 0;
};

PixelBox toScreen(const DocBox &box, const PixelScale &scale);
DocBox boxOf(const class Tobs &element);

// The box the marks are drawn for: the dragged box during a move or resize,
// else the current element's.
PixelBox markedBox(const Document &doc, const EditorState &state);

// markrec: draws the marks shifted left and up by (ox, oy); nothing without a
// current element.
void markrec(Canvas &canvas, const Document &doc, const EditorState &state, int32_t ox, int32_t oy);

// The drag outline alone, drawn with the inverting pen.
void invertOutline(Canvas &canvas, const PixelBox &box, int32_t ox, int32_t oy);
