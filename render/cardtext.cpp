// Texts: unrotated in their box with word wrap, rotated as one line from a
// box corner; each with optional shadow and outline.
#include "core/cp1252.h"
#include "core/document.h"
#include "render/cardelements.h"

#include <algorithm>
#include <cmath>

namespace {

// An outline step beyond this only multiplies the copies (a damaged
// calibration can make it huge); it is far wider than any real effect.
constexpr int32_t MaxOutlineStep = 32;

// No card shows more of a text than its first 65 536 characters; the limit
// bounds the time and memory a hostile design or event value can take.
constexpr qsizetype MaxDrawnTextLength = 65536;

bool isRotated(const Tobs &e)
{
    return e.Rotation >= 1 && e.Rotation <= 3;
}

} // namespace

CanvasFont textElementFont(const CardPass &pass, const Tobs &e)
{
    const double s = pass.inputs.screenPixelsPerInch;
    const double p = pass.inputs.fontPixelsPerInch;
    CanvasFont font;
    font.face = fromCp1252(e.FontName);
    // Negated in 64 bits: a damaged size can truncate to the lowest int.
    font.height = clampCoord(-int64_t(truncToInt32(DocUnitsPerInch / s * e.FontSize * pass.scale * p / s)));
    font.escapement = isRotated(e) ? 3600 - 900 * e.Rotation : 0;
    font.weight = (e.FontStyle & 1) ? 700 : 400;
    font.italic = e.FontStyle & 2;
    font.underline = e.FontStyle & 4;
    font.strikeOut = e.FontStyle & 8;
    return font;
}

void drawTextElement(CardPass &pass, const Tobs &e)
{
    const Document &doc = pass.doc;
    const CanvasFont font = textElementFont(pass, e);
    const double dxs = pass.scale * (e.EffectDX * 2000.0 / doc.MmPerInchX);
    const double dys = pass.scale * (e.EffectDY * 2000.0 / doc.MmPerInchY);
    const int32_t u = std::clamp(truncToInt32(4000.0 / doc.MmPerInchX * pass.scale), 1, MaxOutlineStep);

    QString text = fromCp1252(e.Text.left(MaxDrawnTextLength));
    const bool rotated = isRotated(e);
    if (rotated)
        text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    const PlaceholderInputs &ph = pass.inputs.placeholders;
    if (ph.eventCurrent)
        text = GetRepStr(text, ph, doc.CurrentTicketNumber, doc.SeatLines, MaxDrawnTextLength);

    const int64_t left = e.PxLeft(), top = e.PxTop();
    const int64_t w = clampCoord(e.PxWidth()), h = clampCoord(e.PxHeight());
    const int64_t offX = pass.offX, offY = pass.offY;
    const auto C = [](int64_t v) { return clampCoord(v); };
    Canvas &c = pass.canvas;

    if (!rotated) {
        const TextAlignment align = e.TextAlign == 1   ? TextAlignment::Center
                                    : e.TextAlign == 2 ? TextAlignment::Right
                                                       : TextAlignment::Left;
        const auto box = [&](int64_t l, int64_t t, int64_t r, int64_t b, int32_t color) {
            c.drawText(C(l), C(t), C(r), C(b), text, font, color, align);
        };
        if (e.Shadow) {
            box(int64_t(truncToInt32(left + dxs)) - offX, int64_t(truncToInt32(top + dys)) - offY,
                int64_t(truncToInt32(left + dxs + w)) - offX, int64_t(truncToInt32(top + dys + h)) - offY, e.FillMode);
        }
        if (e.Outline) {
            for (int64_t gx = left - u; gx <= left + u; ++gx)
                for (int64_t gy = top - u; gy <= top + u; ++gy)
                    if (gx != left && gy != top)
                        box(gx - offX, gy - offY, gx + w - offX, gy + h - offY, e.LineColor);
        }
        box(left - offX, top - offY, left + w - offX, top + h - offY, e.Color);
        return;
    }

    // The corner where the baseline starts, so that the letters lie in the box.
    int64_t ax = left, ay = top;
    if (e.Rotation == 2)
        ax = left + w;
    else if (e.Rotation == 3) {
        ax = left + w;
        ay = top + h;
    }
    const auto line = [&](int64_t x, int64_t y, int32_t color) {
        c.textOut(C(x), C(y), text, font, color, TextAnchor::BaselineLeft);
    };
    if (e.Shadow)
        line(ax + truncToInt32(dxs) - offX, ay + truncToInt32(dys) - offY, e.FillMode);
    if (e.Outline) {
        for (int64_t gx = left - u; gx <= left + u; ++gx)
            for (int64_t gy = top - u; gy <= top + u; ++gy)
                if (gx != left && gy != top)
                    line(ax + gx - left - offX, ay + gy - top - offY, e.LineColor);
    }
    line(ax - offX, ay - offY, e.Color);
}
