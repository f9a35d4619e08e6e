#pragma once
// The image library's own decoders and encoders, for the formats Qt does not
// read or write the way the library needs. Decoders return the empty record
// when the bytes are not a well-formed picture; encoders return false and
// leave `out` unspecified on failure.
#include "imaging/GrafikRW.h"

#include <QByteArray>
#include <QByteArrayView>

// BMP files and packed DIBs (no file header). The own decoder handles 1, 4, 8
// and 24 bits uncompressed plus RLE4 and RLE8; other flavours (16/32 bits,
// bit fields, embedded PNG/JPEG) are left to Qt.
bool isBmpOrDib(QByteArrayView file);
bool bmpHandledHere(QByteArrayView file);
DibImage decodeBmp(QByteArrayView file);
bool encodeBmp(const DibImage &dib, QByteArray &out);
// BMP with RLE8 compression; pictures of more than 256 colours are reduced first.
bool encodeBmpRle8(const DibImage &dib, QByteArray &out);

DibImage decodeTga(QByteArrayView file);
bool encodeTga(const DibImage &dib, QByteArray &out);

bool isPcx(QByteArrayView file);
DibImage decodePcx(QByteArrayView file);
bool encodePcx(const DibImage &dib, QByteArray &out);

// IFF ILBM (planar) and the chunky "PBM " variant of .lbm files.
bool isIlbm(QByteArrayView file);
DibImage decodeIlbm(QByteArrayView file);
bool encodeIlbm(const DibImage &dib, QByteArray &out);

// GIF through giflib (the first image of a file); 24-bit pictures are
// reduced to 256 colours when written.
bool isGif(QByteArrayView file);
DibImage decodeGif(QByteArrayView file);
bool encodeGif(const DibImage &dib, QByteArray &out);

// Whether a picture of this many pixels may come from this many bytes of coded
// data. Run-length and LZW codes describe a few thousand pixels per byte at
// most, so a tiny file cannot make a huge picture; small pictures always pass.
bool pictureBackedByData(int64_t pixels, int64_t dataBytes);

// Header, pointers and row size agree with each other and the size limits.
bool dibIsWellFormed(const DibImage &dib);

// An 8-bit copy with the picture's exact colours when it has at most 256,
// else a median-cut palette. Palette pictures are widened to 8 bits unchanged.
DibImage reduceTo256Colours(const DibImage &dib);
