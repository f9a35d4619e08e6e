#include "editor/elementcommands.h"

#include "core/document.h"
#include "imaging/dibrotate.h"
#include "render/raster.h"

#include <utility>

namespace ElementCommands {
namespace {

// The current element, or null when none is selected.
Tobs *current(Document &doc)
{
    const int slot = doc.CurrentElement;
    if (slot < 1 || slot > ElementPool::SlotCount)
        return nullptr;
    return &doc.pool[slot];
}

const Tobs *current(const Document &doc)
{
    return current(const_cast<Document &>(doc));
}

// Runs change on the current element; false when there is none.
template <typename Change>
bool change(Document &doc, Change &&apply)
{
    Tobs *e = current(doc);
    if (!e)
        return false;
    std::forward<Change>(apply)(*e);
    return true;
}

bool exchangeWith(Document &doc, int slot)
{
    if (!current(doc))
        return false;
    doc.pool.swapSlots(doc.CurrentElement, slot);
    doc.CurrentElement = slot;
    return true;
}

// Width and height change places through the screen grid: both end on whole
// screen pixels of the current zoom.
void swapBoxThroughScreen(Tobs &e)
{
    const int32_t w = e.PxWidth();
    e.SetPxWidth(e.PxHeight());
    e.SetPxHeight(w);
}

bool rotate(Document &doc, bool left)
{
    return change(doc, [&](Tobs &e) {
        if (e.Kind == KindImage) {
            left ? RotLeft(e.Dib) : RotRight(e.Dib);
            swapBoxThroughScreen(e);
        }
        e.Rotation = ((left ? e.Rotation - 1 : e.Rotation + 1) % 4 + 4) % 4;
    });
}

}

bool bringToFront(Document &doc) { return exchangeWith(doc, ElementPool::SlotCount); }
bool sendToBack(Document &doc) { return exchangeWith(doc, 1); }

bool setColor(Document &doc, int32_t color)
{
    return change(doc, [&](Tobs &e) { e.Color = color; });
}

bool setLineColor(Document &doc, int32_t color)
{
    return change(doc, [&](Tobs &e) { e.LineColor = color; });
}

bool setShape(Document &doc, int32_t shape)
{
    return change(doc, [&](Tobs &e) { e.Shape = shape; });
}

bool setFillMode(Document &doc, int32_t fillMode)
{
    return change(doc, [&](Tobs &e) { e.FillMode = fillMode; });
}

bool setLineWidth(Document &doc, int32_t width)
{
    return change(doc, [&](Tobs &e) { e.LineWidth = width; });
}

bool setTextAlign(Document &doc, int32_t align)
{
    return change(doc, [&](Tobs &e) { e.TextAlign = align; });
}

bool rotateLeft(Document &doc) { return rotate(doc, true); }
bool rotateRight(Document &doc) { return rotate(doc, false); }

bool toggleKeepAspect(Document &doc)
{
    return change(doc, [](Tobs &e) { e.KeepAspect = e.KeepAspect ? 0 : 1; });
}

bool setKeepAspect(Document &doc, bool keep)
{
    return change(doc, [&](Tobs &e) { e.KeepAspect = keep ? 1 : 0; });
}

CreationFont fontOf(const Tobs &e)
{
    CreationFont f;
    f.name = e.FontName;
    f.color = e.Color;
    f.height = e.FontHeight;
    f.pitch = e.FontPitch;
    f.style = e.FontStyle;
    f.size = e.FontSize;
    return f;
}

bool setFont(Document &doc, const CreationFont &font)
{
    return change(doc, [&](Tobs &e) {
        e.Color = font.color;
        e.FontHeight = font.height;
        e.FontName = font.name;
        e.FontPitch = font.pitch;
        e.FontStyle = font.style;
        e.FontSize = font.size;
    });
}

bool setText(Document &doc, const QByteArray &text)
{
    return change(doc, [&](Tobs &e) { e.Text = text; });
}

TextEffects effectsOf(const Document &doc)
{
    TextEffects fx;
    if (const Tobs *e = current(doc)) {
        fx.outline = e->Outline != 0;
        fx.outlineColor = e->LineColor;
        fx.shadow = e->Shadow != 0;
        fx.shadowColor = e->FillMode;
        fx.dx = e->EffectDX;
        fx.dy = e->EffectDY;
    }
    return fx;
}

bool setEffects(Document &doc, const TextEffects &fx)
{
    return change(doc, [&](Tobs &e) {
        e.Outline = fx.outline ? 1 : 0;
        e.LineColor = fx.outlineColor;
        e.Shadow = fx.shadow ? 1 : 0;
        e.FillMode = fx.shadowColor;
        e.EffectDX = fx.dx;
        e.EffectDY = fx.dy;
    });
}

Transparency transparencyOf(const Document &doc)
{
    Transparency t;
    if (const Tobs *e = current(doc)) {
        t.transparent = e->Transparent != 0;
        t.autoTransparent = e->AutoTransparent != 0;
        t.color = e->TransColor();
    }
    return t;
}

bool setTransparency(Document &doc, const Transparency &t)
{
    return change(doc, [&](Tobs &e) {
        e.Transparent = t.transparent ? 1 : 0;
        e.AutoTransparent = t.autoTransparent ? 1 : 0;
        e.setTransColor(t.color);
    });
}

}
