// BMP files and packed DIBs: the picture record's own layout on disk.
#include "imaging/dibcodecs.h"
#include "imaging/bmprle.h"
#include "imaging/bytespan.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace {

constexpr uint32_t BiRgb = 0, BiRle8 = 1, BiRle4 = 2;
constexpr size_t FileHeaderSize = 14;

struct BmpLayout {
    size_t infoStart = 0;       // offset of the info header
    uint32_t infoSize = 0;
    int64_t width = 0, height = 0; // height negative: top row first
    uint16_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
    int32_t xPelsPerMeter = 0, yPelsPerMeter = 0;
    size_t tableStart = 0, tableEntrySize = 4;
    size_t bitsStart = 0;       // 0: right after the colour table
};

bool knownInfoSize(uint32_t size)
{
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 64 || size == 108 || size == 124;
}

bool parseLayout(QByteArrayView file, BmpLayout &l)
{
    ByteSpan in(file);
    if (file.startsWith("BM")) {
        in.skip(10);
        l.bitsStart = in.le32();
        l.infoStart = FileHeaderSize;
    }
    in.seek(l.infoStart);
    l.infoSize = in.le32();
    if (in.failed() || !knownInfoSize(l.infoSize))
        return false;
    if (l.infoSize == 12) { // OS/2 core header, colour table of RGB triples
        l.width = in.le16();
        l.height = in.le16();
        if (in.le16() != 1)
            return false;
        l.bitCount = in.le16();
        l.tableEntrySize = 3;
    } else {
        l.width = int32_t(in.le32());
        l.height = int32_t(in.le32());
        if (in.le16() != 1)
            return false;
        l.bitCount = in.le16();
        l.compression = in.le32();
        in.skip(4); // image size, often zero
        l.xPelsPerMeter = int32_t(in.le32());
        l.yPelsPerMeter = int32_t(in.le32());
        l.colorsUsed = in.le32();
    }
    l.tableStart = l.infoStart + l.infoSize;
    return !in.failed();
}

bool ownFlavour(const BmpLayout &l)
{
    switch (l.compression) {
    case BiRgb:
        return l.bitCount == 1 || l.bitCount == 4 || l.bitCount == 8 || l.bitCount == 24;
    case BiRle8:
        return l.bitCount == 8;
    case BiRle4:
        return l.bitCount == 4;
    }
    return false;
}

void putHeaders(QByteArray &out, const DibInfoHeader &h, uint32_t compression, uint32_t tableEntries,
                uint32_t imageSize)
{
    const uint32_t bitsOffset = uint32_t(FileHeaderSize + 40 + tableEntries * 4);
    auto le16 = [&out](uint16_t v) { v = qToLittleEndian(v); out.append(reinterpret_cast<const char *>(&v), 2); };
    auto le32 = [&out](uint32_t v) { v = qToLittleEndian(v); out.append(reinterpret_cast<const char *>(&v), 4); };
    out.append("BM", 2);
    le32(bitsOffset + imageSize);
    le32(0);
    le32(bitsOffset);
    le32(40);
    le32(uint32_t(h.biWidth));
    le32(uint32_t(h.biHeight));
    le16(1);
    le16(h.biBitCount);
    le32(compression);
    le32(imageSize);
    le32(uint32_t(h.biXPelsPerMeter));
    le32(uint32_t(h.biYPelsPerMeter));
    le32(tableEntries);
    le32(0);
}

void putColourTable(QByteArray &out, const DibInfo &info, uint32_t entries)
{
    for (uint32_t i = 0; i < entries; ++i) {
        const DibRgbQuad &q = info.colors[i];
        const char quad[4] = {char(q.rgbBlue), char(q.rgbGreen), char(q.rgbRed), 0};
        out.append(quad, 4);
    }
}

} // namespace

bool isBmpOrDib(QByteArrayView file)
{
    BmpLayout l;
    return parseLayout(file, l);
}

bool bmpHandledHere(QByteArrayView file)
{
    BmpLayout l;
    return parseLayout(file, l) && ownFlavour(l);
}

DibImage decodeBmp(QByteArrayView file)
{
    BmpLayout l;
    if (!parseLayout(file, l) || !ownFlavour(l))
        return DibImage{};
    const bool topDown = l.height < 0;
    const int64_t height = topDown ? -l.height : l.height;
    if (l.width <= 0 || height <= 0 || l.width > MaxDibSide || height > MaxDibSide)
        return DibImage{};
    if (topDown && l.compression != BiRgb)
        return DibImage{}; // compressed pictures are always stored bottom-up

    const uint32_t tableSize = l.bitCount <= 8 ? (1u << l.bitCount) : 0;
    const uint32_t fileColours = (l.colorsUsed > 0 && l.colorsUsed < tableSize) ? l.colorsUsed : tableSize;
    ByteSpan in(file);
    in.seek(l.tableStart);
    const uint8_t *table = in.take(size_t(fileColours) * l.tableEntrySize);
    if (!table)
        return DibImage{};
    if (tableSize == 0) // a true-colour file may carry a palette hint before its rows
        in.skip(size_t(std::min<uint32_t>(l.colorsUsed, 256)) * l.tableEntrySize);
    // Writers disagree about the offset field; trust it only where it is possible.
    size_t bitsStart = in.position();
    if (l.bitsStart >= bitsStart && l.bitsStart < size_t(file.size()))
        bitsStart = l.bitsStart;

    if (l.compression == BiRgb
        && uint64_t(bitsStart) + uint64_t(dibRowBytes(int32_t(l.width), l.bitCount)) * uint64_t(height)
               > uint64_t(file.size()))
        return DibImage{}; // truncated, or a header promising more than the file holds
    if (l.compression != BiRgb && !pictureBackedByData(l.width * height, int64_t(file.size()) - int64_t(bitsStart)))
        return DibImage{}; // run codes this short cannot describe a picture that large

    DibImage dib;
    if (!newdib(dib, int32_t(l.width), int32_t(height), l.bitCount))
        return DibImage{};
    dib.Info->header.biXPelsPerMeter = l.xPelsPerMeter;
    dib.Info->header.biYPelsPerMeter = l.yPelsPerMeter;
    for (uint32_t i = 0; i < tableSize; ++i) {
        const uint8_t *e = table + size_t(i) * l.tableEntrySize;
        dib.Info->colors[i] = i < fileColours ? DibRgbQuad{e[0], e[1], e[2], 0} : DibRgbQuad{};
    }
    dibUpdatePalette(dib);

    ByteSpan bits(file.sliced(qsizetype(bitsStart)));
    bool ok;
    if (l.compression == BiRgb) {
        const size_t rowBytes = size_t(dib.RowBytes);
        const uint8_t *src = bits.take(rowBytes * size_t(height));
        ok = src != nullptr;
        if (ok && !topDown) {
            std::memcpy(dib.Bits, src, rowBytes * size_t(height));
        } else if (ok) {
            for (int64_t y = 0; y < height; ++y)
                std::memcpy(dib.Bits + size_t(height - 1 - y) * rowBytes, src + size_t(y) * rowBytes, rowBytes);
        }
    } else {
        ok = decodeBmpRle(bits, dib, l.compression == BiRle4);
    }
    if (!ok) {
        deldib(dib);
        return DibImage{};
    }
    return dib;
}

bool encodeBmp(const DibImage &dib, QByteArray &out)
{
    if (!dibIsWellFormed(dib))
        return false;
    const DibInfoHeader &h = dib.Info->header;
    const uint32_t entries = h.biBitCount <= 8 ? (1u << h.biBitCount) : 0;
    const int32_t rowBytes = dibRowBytes(h.biWidth, h.biBitCount);
    const uint32_t imageSize = uint32_t(rowBytes) * uint32_t(h.biHeight);
    out.clear();
    out.reserve(qsizetype(FileHeaderSize + 40 + entries * 4 + imageSize));
    putHeaders(out, h, BiRgb, entries, imageSize);
    putColourTable(out, *dib.Info, entries);
    for (int32_t y = 0; y < h.biHeight; ++y)
        out.append(reinterpret_cast<const char *>(dib.Bits + size_t(y) * size_t(dib.RowBytes)), rowBytes);
    return true;
}

bool encodeBmpRle8(const DibImage &dib, QByteArray &out)
{
    if (!dibIsWellFormed(dib))
        return false;
    DibImage indexed = reduceTo256Colours(dib);
    if (indexed.isEmpty())
        return false;
    const DibInfoHeader &h = indexed.Info->header;
    const QByteArray codes = encodeRle8Rows(indexed.Bits, h.biWidth, h.biHeight, indexed.RowBytes);
    // Only the colours in use are stored: a 1-bit picture keeps a 2-entry table.
    uint32_t entries = 256;
    if (dib.Info->header.biBitCount < 8)
        entries = 1u << dib.Info->header.biBitCount;
    else if (indexed.Info->header.biClrUsed > 0)
        entries = indexed.Info->header.biClrUsed;
    out.clear();
    putHeaders(out, h, BiRle8, entries, uint32_t(codes.size()));
    putColourTable(out, *indexed.Info, entries);
    out.append(codes);
    deldib(indexed);
    return true;
}
