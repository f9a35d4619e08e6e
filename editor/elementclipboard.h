#pragma once
// Cut, copy, paste and duplicate of card elements. On the clipboard an element
// travels in the program's own format (every field as in the design file, so
// that another running copy of the program can paste it) and as a PNG picture
// of the element for other programs.
#include "render/cardrenderer.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>

class Document;
class QMimeData;
class Tobs;

inline const QString ElementMimeType = QStringLiteral("application/x-quorvantis-pelladromika-element");
// The picture for other programs is drawn at the screen resolution of the export.
constexpr int ElementPicturePixelsPerInch = 96;
// How far a pasted element lies right of and below the place it was copied from.
constexpr double PasteOffsetMm = 2.0;

// The element in the program's format: the design file's magic, the element's
// record as in the design file, and the folder of the design it comes from
// (for finding its picture again).
QByteArray encodeElement(const Document &doc, int slot);
// Reads an element in the program's format into the element's fields (not its
// picture). False for anything else: other data, damaged or oversized bytes, a
// kind that is no element.
bool decodeElement(QByteArrayView bytes, Tobs &element, QString *designFolder = nullptr);

// The element alone on white at 96 pixels per inch, its box filling the picture.
// Null when the element is too large for a picture.
QImage renderElementPicture(const Document &doc, int slot, const CardRenderInputs &inputs, int32_t ticketNumber);
// What copy puts on the clipboard: both forms of the element of the slot.
QMimeData *elementMimeData(const Document &doc, int slot, const CardRenderInputs &inputs, int32_t ticketNumber);
// True when the data holds an element in the program's format.
bool holdsElement(const QMimeData *data);

// Puts the element of the bytes into the lowest free slot, 2 mm right of and
// below where it was (centred on the card when it would leave the card there),
// and makes it current. An image element reads its picture again by its file
// name with the picture-loading rule. A full pool shows the pool-full message.
// Returns the slot, 0 when nothing was added.
int pasteElement(Document &doc, QByteArrayView bytes);
// The element of the slot once more, placed as a pasted one and sharing its
// picture; the clipboard is not touched.
int duplicateElement(Document &doc, int slot);
// Frees the slot as the delete command does, without asking.
void removeElement(Document &doc, int slot);

// The box of a pasted element: moved by the paste offset, or centred on the
// card when the moved box would not lie wholly on the card.
void placePastedElement(Tobs &element, const Document &doc);
