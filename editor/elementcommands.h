#pragma once
// The commands that change the current element. Each is one call, so that the
// caller can treat it as one step; without a current element each does nothing
// and returns false. True means the card changed and the editor must repaint.
#include "editor/editorstate.h"

#include <QByteArray>

#include <cstdint>

class Document;
class Tobs;

namespace ElementCommands {

// Exchange the current slot's contents with slot 10000 (front) or slot 1 (back).
bool bringToFront(Document &doc);
bool sendToBack(Document &doc);

bool setColor(Document &doc, int32_t color);
bool setLineColor(Document &doc, int32_t color);
bool setShape(Document &doc, int32_t shape);
bool setFillMode(Document &doc, int32_t fillMode);
bool setLineWidth(Document &doc, int32_t width);
bool setTextAlign(Document &doc, int32_t align);
// Quarter turns; an image is turned in memory and its box swapped through the
// screen grid of the current zoom.
bool rotateLeft(Document &doc);
bool rotateRight(Document &doc);
bool toggleKeepAspect(Document &doc);
bool setKeepAspect(Document &doc, bool keep);
// The font fields of an element as the font dialog takes them (colour: Color).
CreationFont fontOf(const Tobs &element);
// The font dialog's result: Color, FontHeight, FontName, FontPitch, FontStyle, FontSize.
bool setFont(Document &doc, const CreationFont &font);
// The text as typed (Windows-1252, lines separated by CR).
bool setText(Document &doc, const QByteArray &text);

struct TextEffects {
    bool outline = false;
    int32_t outlineColor = 0;
    bool shadow = false;
    int32_t shadowColor = 0;
    int32_t dx = 5;   // tenths of a millimetre, any sign
    int32_t dy = 5;
    bool operator==(const TextEffects &) const = default;
};
TextEffects effectsOf(const Document &doc);
bool setEffects(Document &doc, const TextEffects &effects);

struct Transparency {
    bool transparent = false;
    bool autoTransparent = false;
    int32_t color = 0;
    bool operator==(const Transparency &) const = default;
};
Transparency transparencyOf(const Document &doc);
bool setTransparency(Document &doc, const Transparency &transparency);

}
