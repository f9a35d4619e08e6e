#pragma once
// The font the font command edits: kept between uses and copied into every new
// element.
#include <QByteArray>
#include <cstdint>

struct ElementFont {
    int32_t Color = 0;          // 0x00BBGGRR
    int32_t Height = -16;       // toolkit convention: negative = character height in pixels
    QByteArray Name = "Times New Roman";   // Windows-1252
    uint8_t Pitch = 0;          // 0 default, 1 variable, 2 fixed
    int32_t Size = 12;          // points
    uint8_t Style = 0;          // 1 bold, 2 italic, 4 underline, 8 strikeout

    bool operator==(const ElementFont &) const = default;
};

class Tobs;

// The font fields of an element (Color is the text colour).
ElementFont fontOfElement(const Tobs &element);
// Copies the font into a newly created element's font fields.
void copyFontIntoNewElement(const ElementFont &font, Tobs &element);
