// Truevision TGA: colour-mapped, true-colour and grey pictures, raw or RLE.
#include "imaging/dibcodecs.h"
#include "imaging/bytespan.h"

#include <QtEndian>

namespace {

enum TgaType : uint8_t { Mapped = 1, TrueColour = 2, Grey = 3, RleMapped = 9, RleTrueColour = 10, RleGrey = 11 };
constexpr uint8_t TopOrigin = 0x20, RightOrigin = 0x10;

// A 15/16-bit, 24-bit or 32-bit TGA colour as 0x00RRGGBB (alpha ignored).
uint32_t tgaColour(const uint8_t *p, int bits)
{
    if (bits == 15 || bits == 16) {
        const uint16_t v = uint16_t(p[0] | (p[1] << 8));
        auto widen = [](int c) { return uint32_t((c << 3) | (c >> 2)); };
        return (widen((v >> 10) & 31) << 16) | (widen((v >> 5) & 31) << 8) | widen(v & 31);
    }
    return (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
}

// Hands out the pixels one by one from raw data or RLE packets; packets may
// run across rows. Null when the data ends early.
class PixelStream {
public:
    PixelStream(ByteSpan &in, bool rle, size_t bytes) : in_(in), rle_(rle), bytes_(bytes) {}

    const uint8_t *next()
    {
        if (!rle_)
            return in_.take(bytes_);
        if (left_ == 0) {
            const uint8_t packet = in_.u8();
            left_ = (packet & 0x7F) + 1;
            repeat_ = packet & 0x80;
            if (repeat_)
                current_ = in_.take(bytes_);
        }
        --left_;
        return repeat_ ? current_ : in_.take(bytes_);
    }

private:
    ByteSpan &in_;
    bool rle_;
    size_t bytes_;
    int left_ = 0;
    bool repeat_ = false;
    const uint8_t *current_ = nullptr;
};

} // namespace

DibImage decodeTga(QByteArrayView file)
{
    ByteSpan in(file);
    const uint8_t idLength = in.u8();
    const uint8_t mapType = in.u8();
    const uint8_t type = in.u8();
    const uint16_t mapFirst = in.le16();
    const uint16_t mapLength = in.le16();
    const uint8_t mapBits = in.u8();
    in.skip(4); // origin
    const uint16_t width = in.le16();
    const uint16_t height = in.le16();
    const uint8_t pixelBits = in.u8();
    const uint8_t descriptor = in.u8();
    if (in.failed() || width == 0 || height == 0 || width > MaxDibSide || height > MaxDibSide || mapType > 1)
        return DibImage{};

    const bool rle = type >= RleMapped;
    const uint8_t base = rle ? uint8_t(type - 8) : type;
    const bool goodMapBits = mapBits == 15 || mapBits == 16 || mapBits == 24 || mapBits == 32;
    if (base == Mapped) {
        if (mapType != 1 || pixelBits != 8 || !goodMapBits || mapLength == 0)
            return DibImage{};
    } else if (base == TrueColour) {
        if (pixelBits != 15 && pixelBits != 16 && pixelBits != 24 && pixelBits != 32)
            return DibImage{};
    } else if (base == Grey) {
        if (pixelBits != 8)
            return DibImage{};
    } else {
        return DibImage{};
    }

    in.skip(idLength);
    const uint8_t *map = nullptr;
    const size_t mapEntryBytes = (size_t(mapBits) + 7) / 8;
    if (mapType == 1)
        map = in.take(size_t(mapLength) * mapEntryBytes);
    // A header that promises more pixels than the data can hold is refused
    // before anything is allocated.
    const size_t pixelBytes = (size_t(pixelBits) + 7) / 8;
    const size_t pixelCount = size_t(width) * height;
    const size_t minimumData = rle ? (pixelCount + 127) / 128 * (1 + pixelBytes) : pixelCount * pixelBytes;
    if (in.failed() || in.remaining() < minimumData)
        return DibImage{};

    DibImage dib;
    if (!newdib(dib, width, height, base == TrueColour ? 24 : 8))
        return DibImage{};
    if (base == Mapped) {
        for (int i = 0; i < 256; ++i) {
            const int entry = i - mapFirst;
            if (entry < 0 || entry >= mapLength) {
                dib.Info->colors[i] = {};
                continue;
            }
            const uint32_t c = tgaColour(map + size_t(entry) * mapEntryBytes, mapBits);
            dib.Info->colors[i] = {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16), 0};
        }
        dibUpdatePalette(dib);
    }
    const bool topFirst = descriptor & TopOrigin;
    const bool rightFirst = descriptor & RightOrigin;
    PixelStream pixels(in, rle, pixelBytes);
    for (int32_t row = 0; row < height; ++row) {
        // Stored rows count from the bottom unless the origin is at the top.
        uint8_t *out = dib.Bits + size_t(topFirst ? height - 1 - row : row) * size_t(dib.RowBytes);
        for (int32_t i = 0; i < width; ++i) {
            const uint8_t *p = pixels.next();
            if (!p) {
                deldib(dib);
                return DibImage{};
            }
            const int32_t x = rightFirst ? width - 1 - i : i;
            if (base == TrueColour) {
                const uint32_t c = tgaColour(p, pixelBits);
                out[3 * x] = uint8_t(c);
                out[3 * x + 1] = uint8_t(c >> 8);
                out[3 * x + 2] = uint8_t(c >> 16);
            } else {
                out[x] = p[0];
            }
        }
    }
    return dib;
}

bool encodeTga(const DibImage &dib, QByteArray &out)
{
    if (!dibIsWellFormed(dib))
        return false;
    const DibInfoHeader &h = dib.Info->header;
    const bool mapped = h.biBitCount <= 8;
    const int mapLength = mapped ? 1 << h.biBitCount : 0;
    out.clear();
    auto le16 = [&out](uint16_t v) { v = qToLittleEndian(v); out.append(reinterpret_cast<const char *>(&v), 2); };
    out.append(char(0));                                 // no image id
    out.append(char(mapped ? 1 : 0));                   // colour map present
    out.append(char(mapped ? Mapped : TrueColour));
    le16(0);                                             // first map entry
    le16(uint16_t(mapLength));
    out.append(char(mapped ? 24 : 0));                  // bits per map entry
    le16(0);
    le16(0);                                             // origin
    le16(uint16_t(h.biWidth));
    le16(uint16_t(h.biHeight));
    out.append(char(mapped ? 8 : 24));
    out.append(char(0));                                 // bottom-left origin, like the record's rows
    for (int i = 0; i < mapLength; ++i) {
        const DibRgbQuad &q = dib.Info->colors[i];
        const char bgr[3] = {char(q.rgbBlue), char(q.rgbGreen), char(q.rgbRed)};
        out.append(bgr, 3);
    }
    for (int32_t y = 0; y < h.biHeight; ++y) {
        const uint8_t *row = dib.Bits + size_t(y) * size_t(dib.RowBytes);
        if (h.biBitCount == 24 || h.biBitCount == 8) {
            out.append(reinterpret_cast<const char *>(row), qsizetype(h.biWidth) * (h.biBitCount / 8));
        } else {
            for (int32_t x = 0; x < h.biWidth; ++x)
                out.append(char(getpixel(dib, x, h.biHeight - 1 - y)));
        }
    }
    // The TGA 2.0 footer (no extension or developer area) lets strict readers accept the file.
    out.append(QByteArray(8, '\0'));
    out.append("TRUEVISION-XFILE.", 17);
    out.append('\0');
    return true;
}
