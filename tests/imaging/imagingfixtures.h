#pragma once
// Test pictures, pixel comparison and the independent tools (ImageMagick,
// netpbm) that read and make foreign picture files.
#include "imaging/GrafikRW.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Owns a picture record for the length of a test.
struct OwnedDib {
    DibImage dib;
    OwnedDib() = default;
    explicit OwnedDib(const DibImage &d) : dib(d) {}
    OwnedDib(const OwnedDib &) = delete;
    OwnedDib &operator=(const OwnedDib &) = delete;
    OwnedDib(OwnedDib &&other) noexcept : dib(other.dib) { other.dib = DibImage{}; }
    ~OwnedDib() { deldib(dib); }
    DibImage *operator->() { return &dib; }
    int width() const { return dib.Info ? dib.Info->header.biWidth : 0; }
    int height() const { return dib.Info ? dib.Info->header.biHeight : 0; }
    int depth() const { return dib.Info ? dib.Info->header.biBitCount : 0; }
};

// A 24-bit picture with more than 256 colours (smooth gradients and a few sharp edges).
DibImage makeGradient(int width, int height);
// A smooth 24-bit picture (three crossing ramps), as photographs are.
DibImage makeSmooth(int width, int height);
// A 24-bit picture using exactly `colours` colours (at most 256) in stripes and runs.
DibImage makeFewColours(int width, int height, int colours);
// A palette picture of 1, 4 or 8 bits per pixel with a distinctive colour table.
DibImage makePalettePicture(int width, int height, int bitsPerPixel);

// The colour shown at (x, y) as 0xRRGGBB, whatever the depth.
uint32_t shownColour(const DibImage &dib, int x, int y);
// Number of pixels whose shown colours differ by more than `tolerance` in any channel.
int differingPixels(const DibImage &a, const DibImage &b, int tolerance = 0);
double meanAbsoluteError(const DibImage &a, const DibImage &b);

// A plain binary PPM (P6) of the picture, and the RGB pixels of a PPM/PAM stream.
QByteArray toPpm(const DibImage &dib);
struct RgbPixels {
    int width = 0, height = 0;
    QByteArray rgb; // top row first
    uint32_t at(int x, int y) const;
};
bool parsePpm(const QByteArray &ppm, RgbPixels &out);
// Pixels that differ between a picture and a foreign tool's decoding of it.
int differingPixels(const DibImage &dib, const RgbPixels &pixels, int tolerance = 0);

// Runs a tool; returns its standard output, or an empty array with `ok` false.
QByteArray runTool(const QString &program, const QStringList &args, bool *ok = nullptr,
                   const QByteArray &input = {});
bool toolAvailable(const QString &program);
// The Debian-installed tool (ImageMagick or netpbm) of that name.
QString debianTool(const QString &name);
// A picture file decoded to RGB by an independent reader chosen by its suffix:
// netpbm for ILBM (.iff, .lbm), TGA and PCX, ImageMagick for the rest. (The
// packaged ImageMagick turns TGA pictures upside down and ignores the colours
// of 1-bit PCX files.)
bool decodeForeign(const QString &path, RgbPixels &out);

// Hand-made file bytes for the readers' hostile cases.
QByteArray le16(int v);
QByteArray le32(int64_t v);
// A BMP file with a grey colour table (index i = grey 17 × i mod 256) for up to
// 8 bits per pixel, the given compression and pixel data.
QByteArray bmpFile(int width, int height, int bits, int compression, const QByteArray &data);
// A GIF whose screenWidth × screenHeight screen holds one white pixel at (left, top).
QByteArray onePixelGif(int screenWidth, int screenHeight, int left, int top);
