#pragma once
// The barcode element: the ticket number as a Code 128 symbol filling its box.
#include <QByteArray>
#include <cstdint>
#include <vector>

class Canvas;

// One encoded Code 128 symbol: code set C for an even count of digits, else
// code set B throughout, with the check symbol and the stop pattern.
struct Code128Symbol {
    int startValue = 0;          // 104 (code set B) or 105 (code set C)
    std::vector<int> data;       // the data symbol values
    int checkValue = 0;

    // N = 11 × (data symbols + 2) + 13.
    int moduleCount() const;
    // The N modules from left to right; true is a bar.
    std::vector<bool> modules() const;
};

// The content of a ticket's barcode: the number in decimal, "-" when negative.
QByteArray barcodeContent(int32_t ticketNumber);
// Encodes printable ASCII content (characters 32..126). Digits-only content of
// even length goes into code set C.
Code128Symbol encodeCode128(const QByteArray &content);

// Draws the barcode of ticketNumber into the box (left, top) – (right, bottom),
// right and bottom exclusive: white background, black bars stretched over the
// bar area. A bar area narrower than the symbol shows a red cross-hatch, except
// on a printer, where nothing is drawn.
void DrawBarcode(Canvas &canvas, int left, int top, int right, int bottom, int32_t ticketNumber);
