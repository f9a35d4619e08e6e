#pragma once
// The editor paint: the visible part of the pasteboard with the card frame,
// its drop shadow and the card drawn by the card renderer.
#include "render/cardrenderer.h"

#include <cstdint>

class Canvas;
class Document;
struct EditorState;

struct EditorView {
    int32_t surfaceWidth = 0;    // W of the paint surface
    int32_t surfaceHeight = 0;   // H
    int32_t hPos = 0;            // paint-surface position of the buffer's top-left pixel
    int32_t vPos = 0;
};

// Paints onto a buffer whose origin is (hPos, vPos) of the paint surface: the
// pasteboard, the card showing the first ticket of the run, and the selection
// marks. Does nothing while a render runs.
void paintEditor(Canvas &buffer, Document &doc, const CardRenderInputs &inputs, const EditorView &view,
                 int32_t firstTicketNumber, const EditorState &state);
