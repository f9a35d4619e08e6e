// SaveDib: writing a picture in one of the eleven save formats.
#include "imaging/GrafikRW.h"
#include "imaging/atomicfile.h"
#include "imaging/dibcodecs.h"
#include "imaging/dibqimage.h"

#include <QBuffer>
#include <QImageWriter>

namespace {

enum SaveFormat { Bmp = 3, Dib, Gif, Iff, Jif, Jpg, Lbm, Pcx, Rle, Tga, Tif };

bool isBlackAndWhite(const QImage &image)
{
    const QList<QRgb> t = image.colorTable();
    return t.size() == 2 && ((t[0] == qRgb(0, 0, 0) && t[1] == qRgb(255, 255, 255))
                             || (t[0] == qRgb(255, 255, 255) && t[1] == qRgb(0, 0, 0)));
}

bool encodeWithQt(const DibImage &dib, const char *format, QByteArray &out)
{
    QImage image = dibToQImage(dib);
    if (image.isNull())
        return false;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (qstrcmp(format, "jpeg") == 0) {
        writer.setQuality(JPEGQual());
        writer.setProgressiveScanWrite(false); // baseline JFIF
        writer.setOptimizedWrite(false);
    } else if (dib.Info->header.biBitCount == 1 && isBlackAndWhite(image)) {
        image = image.convertToFormat(QImage::Format_Mono); // stays a bilevel TIFF
    }
    return writer.write(image);
}

bool encode(const DibImage &dib, int format, QByteArray &out)
{
    switch (format) {
    case Bmp:
    case Dib: // a full BMP file: Qt's "dib" writer would leave out the file header
        return encodeBmp(dib, out);
    case Gif:
        return encodeGif(dib, out);
    case Iff:
    case Lbm:
        return encodeIlbm(dib, out);
    case Jif:
    case Jpg:
        return encodeWithQt(dib, "jpeg", out);
    case Pcx:
        return encodePcx(dib, out);
    case Rle:
        return encodeBmpRle8(dib, out);
    case Tga:
        return encodeTga(dib, out);
    case Tif:
        return encodeWithQt(dib, "tiff", out);
    }
    return false;
}

} // namespace

int SaveDib(const DibImage &dib, const QString &fullPath, int saveFormatNumber, QObject *)
{
    if (!dibIsWellFormed(dib))
        return 0;
    QByteArray bytes;
    if (!encode(dib, saveFormatNumber, bytes) || bytes.isEmpty())
        return 0;
    return writeFileAtomically(fullPath, bytes) ? 1 : 0;
}
