#include "editor/editorpaint.h"

#include "core/document.h"
#include "editor/selectionmarks.h"
#include "render/canvas.h"

void paintEditor(Canvas &buffer, Document &doc, const CardRenderInputs &inputs, const EditorView &v,
                 int32_t firstTicketNumber, const EditorState &state)
{
    if (RenderBusy())
        return;
    doc.scale.UsePrintScale = false;
    const int32_t W = v.surfaceWidth, H = v.surfaceHeight;
    const int32_t ox = v.hPos, oy = v.vPos;

    // The whole pasteboard is white.
    buffer.fillRect(-ox, -oy, W - ox, H - oy, 0x00FFFFFF);

    // Card frame and its grey drop shadow.
    const int32_t cl = W / 3, ct = H / 3, cr = 2 * W / 3, cb = 2 * H / 3;
    CanvasPen black;
    black.color = 0;
    CanvasBrush none;
    none.clear = true;
    buffer.rectangle(cl - ox, ct - oy, cr - ox, cb - oy, black, none);
    constexpr CanvasColor grey = 0x00808080;
    buffer.fillRect(cr - ox, ct + 5 - oy, cr + 5 - ox, cb + 5 - oy, grey);
    buffer.fillRect(cl + 5 - ox, cb - oy, cr + 5 - ox, cb + 5 - oy, grey);

    doc.CurrentTicketNumber = firstTicketNumber;
    DrawVCart(buffer, doc, inputs, W, H, ox, oy, doc.scale.ZoomFactor / doc.scale.DocUnitsPerPixel, true);
    markrec(buffer, doc, state, ox, oy);
}
