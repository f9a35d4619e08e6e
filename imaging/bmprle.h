#pragma once
// Run-length coding of BMP pixel rows (RLE8 and RLE4).
#include "imaging/GrafikRW.h"
#include "imaging/bytespan.h"

#include <QByteArray>

// Decodes RLE8 or RLE4 data into the zeroed rows of dib (8 or 4 bits per
// pixel). False when the data ends before the end-of-picture code.
bool decodeBmpRle(ByteSpan data, const DibImage &dib, bool rle4);

// The RLE8 codes of 8-bit rows (stored bottom-up, RowBytes apart), ending
// with the end-of-picture code.
QByteArray encodeRle8Rows(const uint8_t *bits, int32_t width, int32_t height, int32_t rowBytes);
