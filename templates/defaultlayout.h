#pragma once
// The default layout of a new card: the event fields, the ticket number and a
// barcode, placed inside the card at the start-up scale.
#include <cstdint>

class Document;

struct DefaultLayoutOptions {
    bool ticketNumberRight = true;     // KarteRechtsCheck: the number again along the right edge
    bool seatInsteadOfNumber = true;   // UseSitzCheck: the centre line shows the seat
};

// LoadTemplate: places the layout into the lowest free slots of a cleared card.
void LoadTemplate(Document &doc, int screenDpi, const DefaultLayoutOptions &options);
