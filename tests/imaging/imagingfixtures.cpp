#include "tests/imaging/imagingfixtures.h"

#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>
#include <cstdlib>

DibImage makeGradient(int width, int height)
{
    DibImage dib;
    newdib(dib, width, height, 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int r = x * 255 / std::max(1, width - 1);
            const int g = y * 255 / std::max(1, height - 1);
            const int b = ((x / 7 + y / 5) % 2) ? 230 : (x * y) % 97;
            setpixel(dib, x, y, r | (g << 8) | (b << 16));
        }
    return dib;
}

DibImage makeSmooth(int width, int height)
{
    DibImage dib;
    newdib(dib, width, height, 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int r = x * 255 / std::max(1, width - 1);
            const int g = y * 255 / std::max(1, height - 1);
            const int b = (x + y) * 255 / std::max(1, width + height - 2);
            setpixel(dib, x, y, r | (g << 8) | (b << 16));
        }
    return dib;
}

static uint32_t stockColour(int i)
{
    // Distinct, well-spread colours (no two alike for i < 256).
    return uint32_t((i * 53 % 256) | (((i * 101 + 17) % 256) << 8) | ((i ^ 0x5A) << 16));
}

DibImage makeFewColours(int width, int height, int colours)
{
    DibImage dib;
    newdib(dib, width, height, 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            setpixel(dib, x, y, int32_t(stockColour(((x / 3) + y * 7) % colours)));
    return dib;
}

DibImage makePalettePicture(int width, int height, int bitsPerPixel)
{
    DibInfo table;
    const int n = 1 << bitsPerPixel;
    for (int i = 0; i < n; ++i) {
        const uint32_t c = stockColour(i + 3);
        table.colors[i] = {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c), 0};
    }
    DibImage dib;
    newdib(dib, width, height, bitsPerPixel, &table, n);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            setpixel(dib, x, y, ((x / 2) * 5 + y * 3 + (x * y) % 7) % n);
    return dib;
}

uint32_t shownColour(const DibImage &dib, int x, int y)
{
    const int32_t v = getpixel(dib, x, y);
    if (dib.Info->header.biBitCount == 24)
        return uint32_t(((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF));
    const DibRgbQuad &q = dib.Info->colors[v & 0xFF];
    return (uint32_t(q.rgbRed) << 16) | (uint32_t(q.rgbGreen) << 8) | q.rgbBlue;
}

static int channelDistance(uint32_t a, uint32_t b)
{
    int worst = 0;
    for (int shift = 0; shift < 24; shift += 8)
        worst = std::max(worst, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return worst;
}

int differingPixels(const DibImage &a, const DibImage &b, int tolerance)
{
    if (a.Info->header.biWidth != b.Info->header.biWidth || a.Info->header.biHeight != b.Info->header.biHeight)
        return -1;
    int count = 0;
    for (int y = 0; y < a.Info->header.biHeight; ++y)
        for (int x = 0; x < a.Info->header.biWidth; ++x)
            count += channelDistance(shownColour(a, x, y), shownColour(b, x, y)) > tolerance;
    return count;
}

double meanAbsoluteError(const DibImage &a, const DibImage &b)
{
    double sum = 0;
    const int w = a.Info->header.biWidth, h = a.Info->header.biHeight;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t p = shownColour(a, x, y), q = shownColour(b, x, y);
            for (int shift = 0; shift < 24; shift += 8)
                sum += std::abs(int((p >> shift) & 0xFF) - int((q >> shift) & 0xFF));
        }
    return sum / (3.0 * w * h);
}

QByteArray toPpm(const DibImage &dib)
{
    const int w = dib.Info->header.biWidth, h = dib.Info->header.biHeight;
    QByteArray out = QByteArray("P6\n") + QByteArray::number(w) + ' ' + QByteArray::number(h) + "\n255\n";
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t c = shownColour(dib, x, y);
            out.append(char(c >> 16));
            out.append(char(c >> 8));
            out.append(char(c));
        }
    return out;
}

uint32_t RgbPixels::at(int x, int y) const
{
    const auto *p = reinterpret_cast<const uint8_t *>(rgb.constData()) + (size_t(y) * width + x) * 3;
    return (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
}

bool parsePpm(const QByteArray &ppm, RgbPixels &out)
{
    // P6 with a maxval of 255, as the tools are asked to write.
    int pos = 0;
    auto token = [&]() {
        while (pos < ppm.size() && (QChar(ppm[pos]).isSpace() || ppm[pos] == '#')) {
            if (ppm[pos] == '#')
                while (pos < ppm.size() && ppm[pos] != '\n')
                    ++pos;
            else
                ++pos;
        }
        const int start = pos;
        while (pos < ppm.size() && !QChar(ppm[pos]).isSpace())
            ++pos;
        return ppm.mid(start, pos - start);
    };
    if (token() != "P6")
        return false;
    out.width = token().toInt();
    out.height = token().toInt();
    if (token() != "255")
        return false;
    ++pos;
    out.rgb = ppm.mid(pos);
    return out.width > 0 && out.height > 0 && out.rgb.size() == qsizetype(out.width) * out.height * 3;
}

int differingPixels(const DibImage &dib, const RgbPixels &pixels, int tolerance)
{
    if (dib.Info->header.biWidth != pixels.width || dib.Info->header.biHeight != pixels.height)
        return -1;
    int count = 0;
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x)
            count += channelDistance(shownColour(dib, x, y), pixels.at(x, y)) > tolerance;
    return count;
}

QByteArray runTool(const QString &program, const QStringList &args, bool *ok, const QByteArray &input)
{
    QProcess process;
    process.start(program, args);
    bool good = process.waitForStarted(10000);
    if (good) {
        process.write(input);
        process.closeWriteChannel();
        good = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit
               && process.exitCode() == 0;
    }
    if (ok)
        *ok = good;
    return good ? process.readAllStandardOutput() : QByteArray();
}

bool toolAvailable(const QString &program)
{
    return !QStandardPaths::findExecutable(program).isEmpty();
}

QString debianTool(const QString &name)
{
    // Only the packaged programs, never wrappers earlier on the search path.
    return QStandardPaths::findExecutable(name, {QStringLiteral("/usr/bin")});
}

bool decodeForeign(const QString &path, RgbPixels &out)
{
    static const QMap<QString, QString> netpbmReaders = {
        {"iff", "ilbmtoppm"}, {"lbm", "ilbmtoppm"}, {"tga", "tgatoppm"}, {"pcx", "pcxtoppm"}};
    const QString suffix = QFileInfo(path).suffix().toLower();
    bool ok = false;
    const QByteArray ppm = netpbmReaders.contains(suffix)
                               ? runTool(debianTool(netpbmReaders.value(suffix)), {path}, &ok)
                               : runTool(debianTool("convert"), {path + "[0]", "-depth", "8", "ppm:-"}, &ok);
    return ok && parsePpm(ppm, out);
}

QByteArray le16(int v)
{
    QByteArray b(2, '\0');
    qToLittleEndian<uint16_t>(uint16_t(v), b.data());
    return b;
}

QByteArray le32(int64_t v)
{
    QByteArray b(4, '\0');
    qToLittleEndian<uint32_t>(uint32_t(v), b.data());
    return b;
}

QByteArray bmpFile(int width, int height, int bits, int compression, const QByteArray &data)
{
    const int colours = bits <= 8 ? 1 << bits : 0;
    QByteArray table;
    for (int i = 0; i < colours; ++i)
        table += QByteArray(3, char(i * 17 % 256)) + '\0';
    const int offset = 14 + 40 + int(table.size());
    return "BM" + le32(offset + data.size()) + le32(0) + le32(offset) + le32(40) + le32(width) + le32(height)
           + le16(1) + le16(bits) + le32(compression) + le32(data.size()) + le32(0) + le32(0) + le32(0) + le32(0)
           + table + data;
}

QByteArray onePixelGif(int screenWidth, int screenHeight, int left, int top)
{
    return "GIF89a" + le16(screenWidth) + le16(screenHeight) + QByteArray::fromHex("800000" "000000ffffff") + ","
           + le16(left) + le16(top) + le16(1) + le16(1) + '\0' + QByteArray::fromHex("02" "024c0100") + ";";
}
