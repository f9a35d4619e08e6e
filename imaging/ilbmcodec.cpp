// IFF ILBM (bit planes, also the chunky "PBM " form of .lbm files) with ByteRun1.
#include "imaging/dibcodecs.h"
#include "imaging/bytespan.h"

#include <QtEndian>
#include <vector>

namespace {

constexpr uint32_t CamgExtraHalfbrite = 0x80, CamgHam = 0x800;

struct BitmapHeader {
    int width = 0, height = 0, planes = 0, masking = 0, compression = 0;
};

// Hands out the unpacked bytes of the BODY chunk; runs may cross rows.
class ByteRun1Reader {
public:
    ByteRun1Reader(ByteSpan in, bool compressed) : in_(in), compressed_(compressed) {}

    bool read(uint8_t *out, size_t n)
    {
        if (!compressed_) {
            const uint8_t *p = in_.take(n);
            if (p)
                std::copy_n(p, n, out);
            return p != nullptr;
        }
        for (size_t i = 0; i < n; ++i) {
            while (left_ == 0) {
                const int8_t code = int8_t(in_.u8());
                if (in_.failed())
                    return false;
                if (code == -128)
                    continue; // no operation
                repeat_ = code < 0;
                left_ = repeat_ ? 1 - code : code + 1;
                if (repeat_)
                    value_ = in_.u8();
            }
            out[i] = repeat_ ? value_ : in_.u8();
            --left_;
        }
        return !in_.failed();
    }

private:
    ByteSpan in_;
    bool compressed_;
    int left_ = 0;
    bool repeat_ = false;
    uint8_t value_ = 0;
};

void appendByteRun1(QByteArray &out, const uint8_t *p, size_t n)
{
    size_t i = 0;
    while (i < n) {
        size_t run = 1;
        while (i + run < n && run < 128 && p[i + run] == p[i])
            ++run;
        if (run >= 3) {
            out.append(char(int8_t(1 - int(run))));
            out.append(char(p[i]));
            i += run;
            continue;
        }
        size_t end = i;
        while (end < n && end - i < 128 && !(end + 2 < n && p[end] == p[end + 1] && p[end] == p[end + 2]))
            ++end;
        out.append(char(end - i - 1));
        out.append(reinterpret_cast<const char *>(p + i), qsizetype(end - i));
        i = end;
    }
}

void appendChunk(QByteArray &out, const char *id, const QByteArray &data)
{
    out.append(id, 4);
    uint32_t size = qToBigEndian(uint32_t(data.size()));
    out.append(reinterpret_cast<const char *>(&size), 4);
    out.append(data);
    if (data.size() & 1)
        out.append('\0');
}

void setRgb(uint8_t *p, uint32_t rgb)
{
    p[0] = uint8_t(rgb);
    p[1] = uint8_t(rgb >> 8);
    p[2] = uint8_t(rgb >> 16);
}

} // namespace

bool isIlbm(QByteArrayView file)
{
    return file.size() >= 12 && file.startsWith("FORM")
           && (file.sliced(8, 4) == "ILBM" || file.sliced(8, 4) == "PBM ");
}

DibImage decodeIlbm(QByteArrayView file)
{
    if (!isIlbm(file))
        return DibImage{};
    const bool chunky = file.sliced(8, 4) == "PBM ";
    ByteSpan in(file);
    in.skip(4);
    const uint32_t formSize = in.be32();
    in.skip(4);
    ByteSpan form(in.data() + in.position(), std::min<size_t>(formSize < 4 ? 0 : formSize - 4, in.remaining()));

    BitmapHeader bmhd;
    bool haveHeader = false;
    const uint8_t *cmap = nullptr;
    size_t cmapColours = 0;
    uint32_t camg = 0;
    ByteSpan body(nullptr, 0);
    bool haveBody = false;
    while (form.remaining() >= 8 && !haveBody) {
        const uint8_t *id = form.take(4);
        const uint32_t size = form.be32();
        ByteSpan chunk = form.sub(size);
        if (size & 1)
            form.skip(1);
        if (std::equal(id, id + 4, "BMHD")) {
            bmhd.width = chunk.be16();
            bmhd.height = chunk.be16();
            chunk.skip(4);
            bmhd.planes = chunk.u8();
            bmhd.masking = chunk.u8();
            bmhd.compression = chunk.u8();
            haveHeader = !chunk.failed();
        } else if (std::equal(id, id + 4, "CMAP")) {
            cmapColours = std::min<size_t>(chunk.size() / 3, 256);
            cmap = chunk.data();
        } else if (std::equal(id, id + 4, "CAMG")) {
            camg = chunk.be32();
        } else if (std::equal(id, id + 4, "BODY")) {
            body = chunk;
            haveBody = true;
        }
    }
    if (!haveHeader || !haveBody || bmhd.width <= 0 || bmhd.height <= 0 || bmhd.width > MaxDibSide
        || bmhd.height > MaxDibSide || bmhd.compression > 1)
        return DibImage{};
    const int planes = bmhd.planes;
    const bool ham = (camg & CamgHam) && (planes == 6 || planes == 8) && !chunky;
    const bool deep = planes == 24 || planes == 32;
    if (chunky ? planes != 8 : !(deep || (planes >= 1 && planes <= 8)))
        return DibImage{};
    const int depth = (deep || ham) ? 24 : (planes == 1 ? 1 : (planes <= 4 ? 4 : 8));

    // Every two packed bytes give at most 128: refuse headers the body cannot fill.
    const size_t planeRow = chunky ? size_t((bmhd.width + 1) & ~1) : size_t((bmhd.width + 15) / 16 * 2);
    const size_t storedPlanes = chunky ? 1 : size_t(planes + (bmhd.masking == 1 ? 1 : 0));
    const uint64_t bodyBytes = uint64_t(planeRow) * storedPlanes * uint64_t(bmhd.height);
    if (uint64_t(body.size()) * (bmhd.compression ? 64 : 1) < bodyBytes)
        return DibImage{};

    DibImage dib;
    if (!newdib(dib, bmhd.width, bmhd.height, depth))
        return DibImage{};
    // The colour registers; EHB pictures double them with half-bright copies.
    uint32_t colours[256] = {};
    const int registers = planes >= 8 ? 256 : 1 << planes;
    for (int i = 0; i < registers; ++i) {
        if (size_t(i) < cmapColours) {
            const uint8_t *c = cmap + 3 * i;
            colours[i] = (uint32_t(c[0]) << 16) | (uint32_t(c[1]) << 8) | c[2];
        } else if ((camg & CamgExtraHalfbrite) && i >= 32 && planes == 6) {
            colours[i] = (colours[i - 32] >> 1) & 0x7F7F7F;
        } else if (cmapColours == 0) {
            const uint32_t v = uint32_t(i * 255 / (registers - 1));
            colours[i] = v * 0x010101;
        }
    }
    if (depth <= 8) {
        for (int i = 0; i < (1 << depth); ++i)
            dib.Info->colors[i] = {uint8_t(colours[i]), uint8_t(colours[i] >> 8), uint8_t(colours[i] >> 16), 0};
        dibUpdatePalette(dib);
    }

    ByteRun1Reader reader(body, bmhd.compression == 1);
    std::vector<uint8_t> row(planeRow * storedPlanes);
    std::vector<uint32_t> values(size_t(bmhd.width));
    for (int y = 0; y < bmhd.height; ++y) {
        if (!reader.read(row.data(), row.size())) {
            deldib(dib);
            return DibImage{};
        }
        uint8_t *out = dib.Bits + size_t(bmhd.height - 1 - y) * size_t(dib.RowBytes);
        if (chunky) {
            std::copy_n(row.data(), bmhd.width, out);
            continue;
        }
        const int usedPlanes = std::min(planes, 24);
        std::fill(values.begin(), values.end(), 0);
        for (int p = 0; p < usedPlanes; ++p) {
            const uint8_t *bits = row.data() + size_t(p) * planeRow;
            for (int x = 0; x < bmhd.width; ++x)
                values[x] |= uint32_t((bits[x >> 3] >> (7 - (x & 7))) & 1) << p;
        }
        if (deep) {
            for (int x = 0; x < bmhd.width; ++x) // planes 0-7 red, 8-15 green, 16-23 blue
                setRgb(out + 3 * x, ((values[x] & 0xFF) << 16) | (values[x] & 0xFF00) | (values[x] >> 16));
        } else if (ham) {
            // Hold-and-modify: each pixel changes one component of its left neighbour.
            const int dataBits = planes - 2;
            uint32_t rgb = colours[0];
            for (int x = 0; x < bmhd.width; ++x) {
                const uint32_t v = values[x] & ((1u << dataBits) - 1);
                const uint32_t c = dataBits == 4 ? (v << 4 | v) : (v << 2 | v >> 4);
                switch (values[x] >> dataBits) {
                case 0: rgb = colours[v]; break;
                case 1: rgb = (rgb & 0xFFFF00) | c; break;
                case 2: rgb = (rgb & 0x00FFFF) | (c << 16); break;
                default: rgb = (rgb & 0xFF00FF) | (c << 8); break;
                }
                setRgb(out + 3 * x, rgb);
            }
        } else {
            for (int x = 0; x < bmhd.width; ++x)
                setpixel(dib, x, y, int32_t(values[x]));
        }
    }
    return dib;
}

bool encodeIlbm(const DibImage &dib, QByteArray &out)
{
    if (!dibIsWellFormed(dib))
        return false;
    const DibInfoHeader &h = dib.Info->header;
    const int planes = h.biBitCount;
    const size_t planeRow = size_t((h.biWidth + 15) / 16 * 2);

    QByteArray bmhd(20, '\0');
    auto *b = reinterpret_cast<uint8_t *>(bmhd.data());
    qToBigEndian<uint16_t>(uint16_t(h.biWidth), b);
    qToBigEndian<uint16_t>(uint16_t(h.biHeight), b + 2);
    b[8] = uint8_t(planes);
    b[10] = 1;  // ByteRun1
    b[14] = 1;  // square pixels
    b[15] = 1;
    qToBigEndian<uint16_t>(uint16_t(h.biWidth), b + 16);
    qToBigEndian<uint16_t>(uint16_t(h.biHeight), b + 18);

    QByteArray body;
    std::vector<uint8_t> plane(planeRow);
    for (int32_t y = 0; y < h.biHeight; ++y) {
        const uint8_t *row = dib.Bits + size_t(h.biHeight - 1 - y) * size_t(dib.RowBytes);
        for (int p = 0; p < planes; ++p) {
            std::fill(plane.begin(), plane.end(), 0);
            for (int32_t x = 0; x < h.biWidth; ++x) {
                uint32_t v;
                if (planes == 24) // planes 0-7 hold red, then green, then blue
                    v = (uint32_t(row[3 * x + 2]) | (uint32_t(row[3 * x + 1]) << 8) | (uint32_t(row[3 * x]) << 16));
                else
                    v = uint32_t(getpixel(dib, x, y));
                if ((v >> p) & 1)
                    plane[x >> 3] |= uint8_t(0x80 >> (x & 7));
            }
            appendByteRun1(body, plane.data(), planeRow);
        }
    }

    QByteArray form("ILBM");
    appendChunk(form, "BMHD", bmhd);
    if (planes <= 8) {
        QByteArray cmap;
        for (int i = 0; i < (1 << planes); ++i) {
            const DibRgbQuad &q = dib.Info->colors[i];
            const char rgb[3] = {char(q.rgbRed), char(q.rgbGreen), char(q.rgbBlue)};
            cmap.append(rgb, 3);
        }
        appendChunk(form, "CMAP", cmap);
    }
    appendChunk(form, "BODY", body);
    out.clear();
    appendChunk(out, "FORM", form);
    return true;
}
