// RLE8 and RLE4 compression of BMP pixel rows.
#include "imaging/bmprle.h"

namespace {

// Writes one pixel of a bottom-up row; pixels outside the picture are dropped,
// as a hostile file may point anywhere.
struct RleTarget {
    const DibImage &dib;
    int32_t width, height;
    bool rle4;

    void put(int64_t x, int64_t y, uint8_t value) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return;
        uint8_t *row = dib.Bits + size_t(y) * size_t(dib.RowBytes);
        if (!rle4)
            row[x] = value;
        else if (x & 1)
            row[x >> 1] = uint8_t((row[x >> 1] & 0xF0) | (value & 0x0F));
        else
            row[x >> 1] = uint8_t((row[x >> 1] & 0x0F) | (value << 4));
    }
};

} // namespace

bool decodeBmpRle(ByteSpan data, const DibImage &dib, bool rle4)
{
    const RleTarget target{dib, dib.Info->header.biWidth, dib.Info->header.biHeight, rle4};
    int64_t x = 0, y = 0; // y counts stored rows, bottom row first; wide enough for any file
    while (true) {
        if (data.remaining() < 2)
            return y >= target.height; // a file may end without the code once every row is done
        const uint8_t count = data.u8();
        const uint8_t code = data.u8();
        if (count > 0) {
            // Encoded run; RLE4 alternates the two nibbles of the code byte.
            for (int i = 0; i < count; ++i, ++x)
                target.put(x, y, rle4 ? ((i & 1) ? (code & 0x0F) : (code >> 4)) : code);
            continue;
        }
        switch (code) {
        case 0: // end of line
            x = 0;
            ++y;
            break;
        case 1: // end of picture
            return true;
        case 2: { // move right and up
            const uint8_t dx = data.u8();
            const uint8_t dy = data.u8();
            if (data.failed())
                return false;
            x += dx;
            y += dy;
            break;
        }
        default: { // literal pixels, padded to a 16-bit boundary
            const size_t bytes = rle4 ? (size_t(code) + 1) / 2 : code;
            const uint8_t *p = data.take(bytes);
            if (!p)
                return false;
            for (int i = 0; i < code; ++i, ++x)
                target.put(x, y, rle4 ? ((i & 1) ? (p[i >> 1] & 0x0F) : (p[i >> 1] >> 4)) : p[i]);
            if (bytes & 1)
                data.skip(1);
            break;
        }
        }
        if (y > target.height) // beyond the picture nothing more can be drawn
            return true;
    }
}

QByteArray encodeRle8Rows(const uint8_t *bits, int32_t width, int32_t height, int32_t rowBytes)
{
    QByteArray out;
    out.reserve(qsizetype(width + 2) * height / 2);
    auto put = [&out](int a, int b) {
        out.append(char(a));
        out.append(char(b));
    };
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t *p = bits + size_t(y) * size_t(rowBytes);
        int32_t i = 0;
        while (i < width) {
            int32_t run = 1;
            while (i + run < width && run < 255 && p[i + run] == p[i])
                ++run;
            if (run >= 2) {
                put(run, p[i]);
                i += run;
                continue;
            }
            // Literal stretch up to the next run of three equal pixels.
            int32_t end = i;
            while (end < width && end - i < 255
                   && !(end + 2 < width && p[end] == p[end + 1] && p[end] == p[end + 2]))
                ++end;
            const int32_t n = end - i;
            if (n >= 3) {
                put(0, n);
                out.append(reinterpret_cast<const char *>(p + i), n);
                if (n & 1)
                    out.append('\0');
            } else {
                for (int32_t k = 0; k < n; ++k)
                    put(1, p[i + k]);
            }
            i = end;
        }
        if (y + 1 < height)
            put(0, 0); // end of line
    }
    put(0, 1); // end of picture
    return out;
}
