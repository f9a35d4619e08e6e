#pragma once
// Raster drawing helpers: picture sizes and scaled drawing onto a canvas.
// Reading picture files lives with the model (core/pictureloading.h), turning
// pictures with the image library (imaging/dibrotate.h).
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
