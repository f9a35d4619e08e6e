#pragma once
// DrawVCart: the one drawing path of the card for every output (editor,
// preview, printer, PDF, export): background, then slots 1..10000 in order.
#include "render/placeholders.h"

#include <cstdint>

class Canvas;
class Document;

// What the renderer reads besides the document, filled by the main window
// (helper code of the event database and the print page fills placeholders).
struct CardRenderInputs {
    PlaceholderInputs placeholders;
    // The screen's horizontal pixels per inch and the font dialog font's pixels
    // per inch; both enter the font height and are normally 96.
    double screenPixelsPerInch = 96;
    double fontPixelsPerInch = 96;
};

// Draws the card of doc onto the canvas.
// centreThird (the editor): W × H is the whole pasteboard in device pixels, the
//   card is its middle third, (offX, offY) is the canvas origin's position on
//   the pasteboard; nothing is clipped.
// Without centreThird (one ticket): W × H is the card's size, its top-left
//   corner lands at (W − offX, H − offY), and everything is clipped to the card.
// scale is device pixels per DocUnit and must match the pixel accessors'
// scale (doc.scale). The caller sets UsePrintScale, PrintScale, MmPerInchX/Y
// and CurrentTicketNumber; the renderer writes only doc.SeatLines (from the
// seat list of inputs) and TransColor of auto-transparent images.
void DrawVCart(Canvas &canvas, Document &doc, const CardRenderInputs &inputs, int32_t W, int32_t H,
               int32_t offX, int32_t offY, double scale, bool centreThird);

// True while DrawVCart runs; a paint request arriving then must not start a
// second render.
bool RenderBusy();
