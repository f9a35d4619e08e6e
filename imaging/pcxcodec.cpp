// ZSoft PCX: 1-bit, 16-colour (planar or packed), 256-colour and 24-bit pictures.
#include "imaging/dibcodecs.h"
#include "imaging/bytespan.h"

#include <QtEndian>
#include <cmath>
#include <vector>

namespace {

constexpr size_t HeaderSize = 128;
constexpr uint8_t PaletteMarker = 0x0C;
constexpr size_t VgaPaletteSize = 1 + 256 * 3;

// The standard EGA colours, for 16-colour files whose header has no palette.
constexpr uint8_t EgaPalette[16][3] = {
    {0, 0, 0},       {0, 0, 170},   {0, 170, 0},   {0, 170, 170},   {170, 0, 0},     {170, 0, 170},
    {170, 85, 0},    {170, 170, 170}, {85, 85, 85}, {85, 85, 255},  {85, 255, 85},   {85, 255, 255},
    {255, 85, 85},   {255, 85, 255}, {255, 255, 85}, {255, 255, 255}};

// Expands the run-length stream into `size` bytes; runs may cross rows.
bool unpackRuns(ByteSpan in, bool compressed, std::vector<uint8_t> &out, size_t size)
{
    if (!compressed) {
        const uint8_t *p = in.take(size);
        if (!p)
            return false;
        out.assign(p, p + size);
        return true;
    }
    out.resize(size);
    size_t done = 0;
    while (done < size) {
        uint8_t byte = in.u8();
        size_t count = 1;
        if ((byte & 0xC0) == 0xC0) {
            count = std::min<size_t>(byte & 0x3F, size - done);
            byte = in.u8();
        }
        if (in.failed())
            return false;
        std::fill_n(out.data() + done, count, byte);
        done += count;
    }
    return true;
}

void appendRuns(QByteArray &out, const uint8_t *p, size_t n)
{
    size_t i = 0;
    while (i < n) {
        size_t run = 1;
        while (i + run < n && run < 63 && p[i + run] == p[i])
            ++run;
        if (run > 1 || (p[i] & 0xC0) == 0xC0)
            out.append(char(0xC0 | run));
        out.append(char(p[i]));
        i += run;
    }
}

int dpiOf(int32_t pelsPerMeter)
{
    return pelsPerMeter > 0 ? int(std::lround(pelsPerMeter * 0.0254)) : 96;
}

} // namespace

bool isPcx(QByteArrayView file)
{
    if (file.size() < qsizetype(HeaderSize))
        return false;
    const auto *h = reinterpret_cast<const uint8_t *>(file.data());
    const bool version = h[1] == 0 || h[1] == 2 || h[1] == 3 || h[1] == 4 || h[1] == 5;
    const bool depth = h[3] == 1 || h[3] == 2 || h[3] == 4 || h[3] == 8;
    return h[0] == 0x0A && version && h[2] <= 1 && depth;
}

DibImage decodePcx(QByteArrayView file)
{
    if (!isPcx(file))
        return DibImage{};
    ByteSpan in(file);
    in.skip(2);
    const bool compressed = in.u8() == 1;
    const int bits = in.u8();
    const int xMin = in.le16(), yMin = in.le16(), xMax = in.le16(), yMax = in.le16();
    in.skip(4); // resolution
    const uint8_t *headerPalette = in.take(48);
    in.skip(1);
    const int planes = in.u8();
    const size_t lineBytes = in.le16();
    const int width = xMax - xMin + 1, height = yMax - yMin + 1;
    if (width <= 0 || height <= 0 || width > MaxDibSide || height > MaxDibSide)
        return DibImage{};

    int depth = 0;
    if (bits == 1 && planes == 1)
        depth = 1;
    else if ((bits == 1 && planes >= 2 && planes <= 4) || (bits == 2 && planes == 1) || (bits == 4 && planes == 1))
        depth = 4;
    else if (bits == 8 && planes == 1)
        depth = 8;
    else if (bits == 8 && (planes == 3 || planes == 4))
        depth = 24; // a fourth plane is alpha, which is dropped
    if (depth == 0 || lineBytes * 8 < size_t(width) * bits)
        return DibImage{};

    ByteSpan data(file.sliced(HeaderSize));
    const uint8_t *vgaPalette = nullptr;
    if (depth == 8 && file.size() >= qsizetype(HeaderSize + VgaPaletteSize)
        && uint8_t(file[file.size() - qsizetype(VgaPaletteSize)]) == PaletteMarker) {
        vgaPalette = reinterpret_cast<const uint8_t *>(file.data()) + file.size() - VgaPaletteSize + 1;
        data = ByteSpan(file.sliced(HeaderSize, file.size() - qsizetype(HeaderSize + VgaPaletteSize)));
    }
    const size_t scanline = lineBytes * size_t(planes);
    const size_t total = scanline * size_t(height);
    // Every two bytes expand to at most 63: a header claiming more is refused unread.
    if (total > size_t(MaxDibBytes) || (compressed ? data.remaining() * 32 : data.remaining()) < total)
        return DibImage{};
    std::vector<uint8_t> raw;
    if (!unpackRuns(data, compressed, raw, total))
        return DibImage{};

    DibImage dib;
    if (!newdib(dib, width, height, depth))
        return DibImage{};
    if (depth == 8) {
        for (int i = 0; i < 256; ++i) {
            // Without the VGA palette the indexes are grey levels.
            const uint8_t *c = vgaPalette ? vgaPalette + 3 * i : nullptr;
            dib.Info->colors[i] = c ? DibRgbQuad{c[2], c[1], c[0], 0} : DibRgbQuad{uint8_t(i), uint8_t(i), uint8_t(i), 0};
        }
    } else if (depth <= 4) {
        bool headerHasColours = false;
        for (int i = 3; i < 48; ++i)
            headerHasColours |= headerPalette[i] != headerPalette[i % 3];
        for (int i = 0; i < (1 << depth); ++i) {
            const uint8_t *c = headerHasColours ? headerPalette + 3 * i : EgaPalette[i];
            if (depth == 1 && !headerHasColours)
                c = i ? EgaPalette[15] : EgaPalette[0]; // black and white
            dib.Info->colors[i] = {c[2], c[1], c[0], 0};
        }
    }
    dibUpdatePalette(dib);

    for (int y = 0; y < height; ++y) {
        const uint8_t *line = raw.data() + size_t(y) * scanline;
        uint8_t *out = dib.Bits + size_t(height - 1 - y) * size_t(dib.RowBytes);
        if (depth == 24) {
            for (int x = 0; x < width; ++x) {
                out[3 * x + 2] = line[x];
                out[3 * x + 1] = line[lineBytes + x];
                out[3 * x] = line[2 * lineBytes + x];
            }
        } else if (depth == 8 || depth == 1) {
            std::copy_n(line, dibRowBytes(width, depth) <= int32_t(lineBytes) ? size_t(dibRowBytes(width, depth)) : lineBytes, out);
        } else if (bits == 4 || bits == 2) {
            for (int x = 0; x < width; ++x) {
                const int bitPos = x * bits;
                setpixel(dib, x, y, (line[bitPos >> 3] >> (8 - bits - (bitPos & 7))) & ((1 << bits) - 1));
            }
        } else { // one bit in each of 2..4 planes
            for (int x = 0; x < width; ++x) {
                int v = 0;
                for (int p = 0; p < planes; ++p)
                    v |= ((line[size_t(p) * lineBytes + (x >> 3)] >> (7 - (x & 7))) & 1) << p;
                setpixel(dib, x, y, v);
            }
        }
    }
    return dib;
}

bool encodePcx(const DibImage &dib, QByteArray &out)
{
    if (!dibIsWellFormed(dib))
        return false;
    const DibInfoHeader &h = dib.Info->header;
    const int depth = h.biBitCount;
    // 16-colour pictures are written as four 1-bit planes, the form every reader knows.
    const int bits = depth == 4 ? 1 : (depth == 24 ? 8 : depth);
    const int planes = depth == 4 ? 4 : (depth == 24 ? 3 : 1);
    const size_t lineBytes = ((size_t(h.biWidth) * bits + 15) / 16) * 2;

    out = QByteArray(HeaderSize, '\0');
    auto *hd = reinterpret_cast<uint8_t *>(out.data());
    auto put16 = [hd](int at, int v) { qToLittleEndian<uint16_t>(uint16_t(v), hd + at); };
    hd[0] = 0x0A;
    hd[1] = 5;
    hd[2] = 1;
    hd[3] = uint8_t(bits);
    put16(8, h.biWidth - 1);
    put16(10, h.biHeight - 1);
    put16(12, dpiOf(h.biXPelsPerMeter));
    put16(14, dpiOf(h.biYPelsPerMeter));
    for (int i = 0; depth <= 4 && i < (1 << depth); ++i) {
        const DibRgbQuad &q = dib.Info->colors[i];
        hd[16 + 3 * i] = q.rgbRed;
        hd[17 + 3 * i] = q.rgbGreen;
        hd[18 + 3 * i] = q.rgbBlue;
    }
    hd[65] = uint8_t(planes);
    put16(66, int(lineBytes));
    put16(68, 1); // colour palette

    std::vector<uint8_t> plane(lineBytes);
    for (int32_t y = 0; y < h.biHeight; ++y) {
        const uint8_t *row = dib.Bits + size_t(h.biHeight - 1 - y) * size_t(dib.RowBytes);
        // Each plane of a scan line is packed on its own so no run crosses planes.
        for (int p = 0; p < planes; ++p) {
            std::fill(plane.begin(), plane.end(), 0);
            if (depth == 24) {
                for (int32_t x = 0; x < h.biWidth; ++x)
                    plane[x] = row[3 * x + 2 - p];
            } else if (depth == 4) {
                for (int32_t x = 0; x < h.biWidth; ++x)
                    if ((getpixel(dib, x, y) >> p) & 1)
                        plane[x >> 3] |= uint8_t(0x80 >> (x & 7));
            } else {
                std::copy_n(row, std::min(lineBytes, size_t(dibRowBytes(h.biWidth, depth))), plane.data());
            }
            appendRuns(out, plane.data(), lineBytes);
        }
    }
    if (depth == 8) {
        out.append(char(PaletteMarker));
        for (int i = 0; i < 256; ++i) {
            const DibRgbQuad &q = dib.Info->colors[i];
            const char rgb[3] = {char(q.rgbRed), char(q.rgbGreen), char(q.rgbBlue)};
            out.append(rgb, 3);
        }
    }
    return true;
}
