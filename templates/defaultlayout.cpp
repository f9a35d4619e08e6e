#include "templates/defaultlayout.h"

#include "core/document.h"
#include "templates/cardframe.h"

namespace {
struct LayoutText {
    int32_t kind;
    const char *text;   // Windows-1252
    int32_t size;
    bool bold;
    int32_t left, top, width, height;
    int32_t align;
};

// Returns the element, or null when no slot is free (the card is cleared first,
// so that does not happen).
Tobs *place(Document &doc, const LayoutText &t)
{
    const int slot = doc.pool.firstFreeSlot();
    if (slot == 0)
        return nullptr;
    Tobs &e = doc.pool[slot];
    e.Kind = t.kind;
    e.Text = QByteArray(t.text);
    e.FontColor = 0;
    e.FontName = QByteArrayLiteral("Arial");
    e.FontPitch = 0;
    e.FontHeight = t.size;
    e.FontSize = t.size;
    e.FontStyle = t.bold ? 1 : 0;
    e.SetPxLeft(t.left);
    e.SetPxTop(t.top);
    e.SetPxWidth(t.width);
    e.SetPxHeight(t.height);
    e.TextAlign = t.align;
    return &e;
}
}

void LoadTemplate(Document &doc, int screenDpi, const DefaultLayoutOptions &options)
{
    // The same preparation as placing a generated template.
    const CellBox r = prepareCardFrame(doc, screenDpi).inner;
    const int32_t L = r.x0, T = r.y0, B = r.y1;
    const int32_t Rr = options.ticketNumberRight ? r.x1 - 28 : r.x1;
    const int32_t Wd = Rr - L, Hd = B - T;
    enum { Left = 0, Centred = 1, Right = 2 };
    const LayoutText texts[] = {
        {KindText, "[Bezeichnung]", 18, true, L, T + Hd / 4, Wd, 36, Centred},
        {KindText, "[Auff\xFChrung]", 12, false, L, T + Hd / 4 - 18, Wd, 24, Centred},
        {KindText, "[Ort]", 12, true, L, T + Hd / 4 + 24, Wd, 24, Centred},
        {KindText, "[Datum und Uhrzeit]", 12, false, L, T, Wd, 24, Centred},
        {KindText, "[Preis]", 14, true, Rr - Wd / 2, B - 14, Wd / 2, 28, Right},
        {KindText, "[Preis erm\xE4\xDFigt]", 12, false, L, B - 12, Wd / 2, 24, Left},
        {KindText, options.seatInsteadOfNumber ? "[Sitzplatz]" : "[Kartennummer]", 14, false, L, T + Hd / 2 + 14, Wd,
         28, Centred},
    };
    for (const LayoutText &t : texts)
        place(doc, t);
    if (options.ticketNumberRight) {
        // Reads along the right edge: a quarter turn.
        if (Tobs *e = place(doc, {KindText, "[Kartennummer]", 14, false, Rr, T, 28, Hd - 28, Centred}))
            e->Rotation = 3;
    }
    place(doc, {KindBarcode, "[Barcode]", 14, false, L + (Wd - 84) / 2, T + Hd / 2 + 42, 84, 28, Centred});
}
