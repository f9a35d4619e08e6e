#pragma once
// Small pictures with a recognisable pixel pattern for the tests.
#include "imaging/GrafikRW.h"

#include <QString>
#include <cstdint>

// A 24-bit picture whose pixel (x, y) is patternColor(x, y).
DibImage makePatternPicture(int32_t width, int32_t height);
int32_t patternColor(int32_t x, int32_t y);
// Writes the pattern picture as a Windows bitmap file; false when it cannot be written.
bool writePatternBmp(const QString &path, int32_t width, int32_t height);
// True when both pictures have the same size and pixels.
bool samePixels(const DibImage &a, const DibImage &b);
