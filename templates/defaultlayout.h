#pragma once
// The default layout of a new card: the event fields, the ticket number and a
// barcode, placed inside the card at the start-up scale.
#include <cstdint>

class Document;

// The inner card rectangle in editor pixels at the start-up scale.
struct CardInnerRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// The preparation shared with placing a generated template: the start-up
// scale again (ZoomFactor 1, DocUnitsPerPixel 20000 div screenDpi) and the card
// rectangle less a 5 mm margin (none for a card under 15 mm either way).
CardInnerRect prepareCardLayout(Document &doc, int screenDpi);

struct DefaultLayoutOptions {
    bool ticketNumberRight = true;     // KarteRechtsCheck: the number again along the right edge
    bool seatInsteadOfNumber = true;   // UseSitzCheck: the centre line shows the seat
};

// LoadTemplate: places the layout into the lowest free slots of a cleared card.
void LoadTemplate(Document &doc, int screenDpi, const DefaultLayoutOptions &options);
