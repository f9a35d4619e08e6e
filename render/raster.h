#pragma once
// Raster drawing helpers: picture sizes, scaled drawing onto a canvas, reading
// picture files and turning pictures by quarter turns.
#include "imaging/GrafikRW.h"
#include "render/canvastarget.h"

#include <QString>
#include <cstdint>

class QImage;

// Raster operation "copy source", the only one this program draws with.
constexpr uint32_t SRCCOPY = 0x00CC0020;

int32_t DibWidth(const DibImage &dib);
int32_t DibHeight(const DibImage &dib);
int32_t DibBitCount(const DibImage &dib);
// 2 raised to the bits per pixel.
int32_t DibColorCount(const DibImage &dib);

// Bits per pixel of the screen.
int32_t ScreenColorDepth();
// Tests pretend a screen of another depth (0: ask the real screen).
void setScreenColorDepthOverride(int32_t bitsPerPixel);

// Draws the source window (SrcY counted from the picture's bottom edge) into the
// rectangle (X, Y, DestW, DestH). A window reaching outside the picture is
// clipped first and the destination shrunk in proportion. Screens get
// nearest-neighbour row drawing; printers get the whole window in one call.
void DrawDIB(CanvasTarget &dc, int32_t X, int32_t Y, int32_t DestW, int32_t DestH, const DibImage &dib,
             int32_t SrcX, int32_t SrcY, int32_t SrcW, int32_t SrcH, bool Halftone = false,
             uint32_t Rop = SRCCOPY, bool UseDibPalette = false, const DibPalette *Palette = nullptr);

// Row-by-row nearest-neighbour drawing of 24-bit and 8-bit pictures; TopRow is
// the window's top row counted from the top of the picture.
void RowDraw24(CanvasTarget &dc, int32_t X, int32_t Y, int32_t DestW, int32_t DestH, const DibImage &dib,
               int32_t SrcX, int32_t TopRow, int32_t SrcW, int32_t SrcH, uint32_t Rop = SRCCOPY);
void RowDraw8(CanvasTarget &dc, int32_t X, int32_t Y, int32_t DestW, int32_t DestH, const DibImage &dib,
              int32_t SrcX, int32_t TopRow, int32_t SrcW, int32_t SrcH, uint32_t Rop = SRCCOPY);

// Reads a picture file into dib (releasing what it held). When nothing can be
// read, dib becomes a blank 320 x 200 picture of 24 bits per pixel and the
// result is false.
bool LoadDIBit(DibImage &dib, const QString &name);

// Reads a picture file into a toolkit image for previews. The image is first
// 100 x 100; files the image library cannot read are tried with Qt's own reader.
bool LoadBit(QImage &bitmap, const QString &name);

// Replace dib by a copy turned a quarter turn counter-clockwise, a quarter turn
// clockwise, or a half turn. Progress goes to the imaging notifier.
void RotLeft(DibImage &dib);
void RotRight(DibImage &dib);
void Rot180(DibImage &dib);
