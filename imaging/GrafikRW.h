#pragma once
// The image library: reading and writing picture files, creating and freeing
// pictures, single-pixel access, halftoning, file-dialog filters, JPEG quality.
//
// A DibImage is a plain record that is copied by value; copies share the
// picture storage. Whoever releases a picture with deldib marks its own
// record empty (Bits = nullptr); the other copies must not be used afterwards,
// unless they were made with dibShare (see there).

#include <QString>
#include <QRgb>
#include <QList>
#include <cstdint>

class QObject;

// BITMAPINFOHEADER layout: 40 bytes, little-endian fields.
struct DibInfoHeader {
    uint32_t biSize = 40;
    int32_t biWidth = 0;
    int32_t biHeight = 0;      // positive: bottom row stored first
    uint16_t biPlanes = 1;
    uint16_t biBitCount = 0;   // 1, 4, 8 or 24
    uint32_t biCompression = 0;
    uint32_t biSizeImage = 0;
    int32_t biXPelsPerMeter = 0;
    int32_t biYPelsPerMeter = 0;
    uint32_t biClrUsed = 0;
    uint32_t biClrImportant = 0;
};
static_assert(sizeof(DibInfoHeader) == 40);

struct DibRgbQuad {
    uint8_t rgbBlue = 0, rgbGreen = 0, rgbRed = 0, rgbReserved = 0;
};

// The header followed by its colour table, as handed to drawing operations.
struct DibInfo {
    DibInfoHeader header;
    DibRgbQuad colors[256];
};

struct DibPaletteEntry {
    uint8_t peRed = 0, peGreen = 0, peBlue = 0, peFlags = 0;
};

// The palette made from PaletteEntries, in the form the drawing code uses.
struct DibPalette {
    QList<QRgb> colors;
};

struct DibImage {
    DibInfo *Info = nullptr;          // header + colour table; null for the empty record
    uint8_t *Bits = nullptr;          // rows bottom-up, each padded to 4 bytes; null = no image
    int32_t RowBytes = 0;             // bytes per stored row
    uint8_t HasPalette = 0;           // 1 = PaletteEntries and PaletteHandle are valid
    DibPaletteEntry PaletteEntries[256] = {};
    DibPalette *PaletteHandle = nullptr;

    bool isEmpty() const { return Bits == nullptr; }
};

// Bytes per stored row for a width and depth, padded to a multiple of 4.
int32_t dibRowBytes(int32_t width, int bitsPerPixel);

// Refuses pictures beyond this size (pixels per side, bytes of pixel data).
constexpr int32_t MaxDibSide = 30000;
constexpr int64_t MaxDibBytes = 512LL * 1024 * 1024;

// Reads a picture file. On failure the record is still written, with Bits null.
int OpenDib(DibImage &dib, const QString &fullPath, int reserved = 0, QObject *owner = nullptr);
// Writes dib in save format 3..13 (BMP, DIB, GIF, IFF, JIF, JPG, LBM, PCX, RLE, TGA, TIF).
// Returns 1 on success; on failure no partial file is left behind.
int SaveDib(const DibImage &dib, const QString &fullPath, int saveFormatNumber, QObject *owner = nullptr);

// A new picture with a complete header and allocated rows (zeroed). With a palette
// source (another picture's Info) its first colorCount colour-table entries are copied.
int newdib(DibImage &dib, int32_t width, int32_t height, int bitsPerPixel,
           const DibInfo *paletteSource = nullptr, int colorCount = 0);
// Frees the picture; accepts the empty record. The caller then marks its record empty.
// A picture handed out by dibShare is freed only when its last holder releases it.
void deldib(const DibImage &dib);
// Another holder of the same picture (the record itself; nothing is copied). Each
// holder releases it with deldib. Shared pictures are read-only: whoever wants
// other pixels makes a new picture, as the rotations do.
DibImage dibShare(const DibImage &dib);
// Holders of a picture besides the first (0 for an unshared or empty picture).
int dibShareCount(const DibImage &dib);

// Pixel access, y = 0 is the top row as displayed. A palette index for 1, 4 and
// 8 bits per pixel, 0x00BBGGRR for 24 bits. Out-of-range coordinates read 0 and write nothing.
int32_t getpixel(const DibImage &dib, int32_t x, int32_t y);
void setpixel(const DibImage &dib, int32_t x, int32_t y, int32_t value);

// A copy of a 24-bit picture with at most 256 colours (optionally scaled).
int DIBHalftoneDIB(DibImage &out, const DibImage &source);
int DIBHalftoneDIBXY(DibImage &out, const DibImage &source, int32_t width, int32_t height);

// File-dialog filters: pairs of description and pattern separated by "|".
QString GetDIBOpenFilter();
QString GetDIBSaveFilter();

// Quality (1..99) of the next JPEG save; 75 until set.
void SetJPEGQual(int quality);
int JPEGQual();

// Rebuilds PaletteEntries and PaletteHandle from the colour table of Info.
void dibUpdatePalette(DibImage &dib);
