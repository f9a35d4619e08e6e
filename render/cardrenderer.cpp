#include "render/cardrenderer.h"

#include "core/document.h"
#include "render/barcode.h"
#include "render/cardelements.h"
#include "render/raster.h"

#include <algorithm>

namespace {

bool renderBusy = false;

struct BusyGuard {
    BusyGuard() { renderBusy = true; }
    ~BusyGuard() { renderBusy = false; }
};

struct CardRect {
    int32_t L, T, R, B;   // right and bottom exclusive
    int32_t cw() const { return clampCoord(int64_t(R) - L + 1); }
    int32_t ch() const { return clampCoord(int64_t(B) - T + 1); }
};

CardRect cardRect(int32_t W, int32_t H, int32_t offX, int32_t offY, bool centreThird)
{
    if (centreThird)
        return {clampCoord(int64_t(W) / 3 - offX), clampCoord(int64_t(H) / 3 - offY),
                clampCoord(2 * int64_t(W) / 3 - offX), clampCoord(2 * int64_t(H) / 3 - offY)};
    return {clampCoord(int64_t(W) - offX), clampCoord(int64_t(H) - offY), clampCoord(2 * int64_t(W) - offX),
            clampCoord(2 * int64_t(H) - offY)};
}

void drawBackgroundAt(Canvas &canvas, const DibImage &bg, int64_t x, int64_t y, int64_t w, int64_t h)
{
    DrawDIB(canvas, clampCoord(x), clampCoord(y), clampCoord(w), clampCoord(h), bg, 0, 0, DibWidth(bg),
            DibHeight(bg));
}

void drawBackground(Canvas &canvas, const Document &doc, const CardRect &card, int32_t W, int32_t H,
                    bool centreThird)
{
    const DibImage &bg = doc.BackgroundImage;
    const int64_t bw = DibWidth(bg), bh = DibHeight(bg);
    if (bg.isEmpty() || bw <= 0 || bh <= 0)
        return;
    const int64_t L = card.L, T = card.T, cw = card.cw(), ch = card.ch();
    switch (doc.BackgroundMode) {
    case 0:
        drawBackgroundAt(canvas, bg, L, T, cw, ch);
        break;
    case 1:
    case 2: {
        const bool filling = doc.BackgroundMode == 2;
        if (filling && centreThird)
            canvas.setClipRect(card.L, card.T, card.R, card.B);
        const int64_t v = bh * cw / bw;
        if (filling ? v > ch : v < ch) {
            drawBackgroundAt(canvas, bg, L, T + (ch - v) / 2, cw - 1, v - 1);
        } else {
            const int64_t d = bw * ch / bh;
            drawBackgroundAt(canvas, bg, L + (cw - d) / 2, T, d - 1, ch - 1);
        }
        if (filling && centreThird)
            canvas.clearClip();
        break;
    }
    case 3: {
        canvas.setClipRect(card.L, card.T, card.R, card.B);
        // Tiles past the card are clipped away, so the loop also stops there.
        // A tile of one pixel or less along the repeated direction would never
        // advance; it draws nothing either, so there is nothing to repeat.
        const int64_t v = bh * cw / bw;
        if (v < ch) {
            const int64_t step = v - 1;
            for (int64_t s = 0; step > 0 && s < H && T + s < card.B; s += step)
                drawBackgroundAt(canvas, bg, L, T + s, cw - 1, step);
        } else {
            const int64_t step = bw * ch / bh - 1;
            for (int64_t s = 0; step > 0 && s < W && L + s < card.R; s += step)
                drawBackgroundAt(canvas, bg, L + s, T, step, ch - 1);
        }
        if (centreThird)
            canvas.clearClip();
        break;
    }
    default:
        break;
    }
}

} // namespace

bool RenderBusy()
{
    return renderBusy;
}

void DrawVCart(Canvas &canvas, Document &doc, const CardRenderInputs &inputs, int32_t W, int32_t H,
               int32_t offX, int32_t offY, double scale, bool centreThird)
{
    doc.SeatLines = inputs.placeholders.seatList;
    BusyGuard busy;
    CardPass pass{canvas, doc, inputs, offX, offY, scale, CanvasPen{}, CanvasBrush{}};
    pass.pen.color = 0x00FFFFFF;

    const CardRect card = cardRect(W, H, offX, offY, centreThird);
    if (!centreThird)
        canvas.setClipRect(card.L, card.T, card.R, card.B);

    drawBackground(canvas, doc, card, W, H, centreThird);

    for (int slot = 1; slot <= ElementPool::SlotCount; ++slot) {
        Tobs &e = doc.pool[slot];
        switch (e.Kind) {
        case KindFigure:
            drawFigureElement(pass, e);
            break;
        case KindText:
            drawTextElement(pass, e);
            break;
        case KindImage:
            drawImageElement(pass, e);
            break;
        case KindBarcode: {
            const int32_t x = clampCoord(int64_t(e.PxLeft()) - offX);
            const int32_t y = clampCoord(int64_t(e.PxTop()) - offY);
            DrawBarcode(canvas, x, y, clampCoord(int64_t(x) + e.PxWidth()), clampCoord(int64_t(y) + e.PxHeight()),
                        doc.CurrentTicketNumber);
            break;
        }
        default:
            break;
        }
    }

    if (!centreThird)
        canvas.clearClip();
}
