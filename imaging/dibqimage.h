#pragma once
// Conversion between the image library's DibImage and Qt's QImage.

#include "imaging/GrafikRW.h"

#include <QImage>
#include <QString>

// A QImage showing the picture: Format_Indexed8 with the colour table for
// 1, 4 and 8 bits per pixel, Format_RGB888 for 24 bits. Null for the empty record.
QImage dibToQImage(const DibImage &dib);

// A new picture from a QImage. Indexed images with up to 256 colours keep a
// palette (1, 4 or 8 bits per pixel by colour count); every other format
// becomes 24 bits per pixel (alpha dropped). The empty record on failure.
// The caller releases the result with deldib.
DibImage dibFromQImage(const QImage &image);

// Writes the picture as a PNG file (atomically). True on success.
bool saveDibAsPng(const DibImage &dib, const QString &fullPath);
