// OpenDib: reading a picture file of any readable format into a record.
#include "imaging/GrafikRW.h"
#include "imaging/dibcodecs.h"
#include "imaging/dibqimage.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// Qt reads these formats well; other plugins are not offered.
bool qtFormatAccepted(const QByteArray &format)
{
    static const QList<QByteArray> accepted = {"bmp", "gif", "jpeg", "jpg", "png", "tiff", "tif",
                                               "pbm", "pgm", "ppm", "webp"};
    return accepted.contains(format.toLower());
}

DibImage readWithQt(QFile &file)
{
    // A 24-bit picture at the size limit needs more than Qt's default allowance
    // once widened to 32 bits; the size check below keeps to our own limit.
    QImageReader::setAllocationLimit(1024);
    file.seek(0);
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead() || !qtFormatAccepted(reader.format()))
        return DibImage{};
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > MaxDibSide || size.height() > MaxDibSide
        || int64_t(dibRowBytes(size.width(), 24)) * size.height() > MaxDibBytes)
        return DibImage{};
    QImage image;
    if (!reader.read(&image))
        return DibImage{};
    return dibFromQImage(image);
}

bool hasTgaSuffix(const QString &path)
{
    static const QStringList suffixes = {"tga", "tpic", "vda", "icb", "vst"};
    return suffixes.contains(QFileInfo(path).suffix().toLower());
}

DibImage decode(QFile &file, QByteArrayView bytes)
{
    if (isBmpOrDib(bytes))
        return bmpHandledHere(bytes) ? decodeBmp(bytes) : readWithQt(file);
    if (isGif(bytes))
        return decodeGif(bytes);
    if (isIlbm(bytes))
        return decodeIlbm(bytes);
    if (isPcx(bytes))
        return decodePcx(bytes);
    // TGA files carry no signature: trust the name first, the strict header check last.
    if (hasTgaSuffix(file.fileName())) {
        DibImage dib = decodeTga(bytes);
        if (!dib.isEmpty())
            return dib;
    }
    DibImage dib = readWithQt(file);
    return dib.isEmpty() ? decodeTga(bytes) : dib;
}

} // namespace

int OpenDib(DibImage &dib, const QString &fullPath, int, QObject *)
{
    dib = DibImage{};
    // Only regular files: opening a named pipe or device a design file names
    // could block the program for good.
    if (!QFileInfo(fullPath).isFile())
        return 0;
    QFile file(fullPath);
    if (!file.open(QIODevice::ReadOnly) || file.size() <= 0)
        return 0;
    // Mapping keeps even large files out of the heap; the decoders stay within it.
    const uchar *mapped = file.map(0, file.size());
    if (!mapped)
        return 0;
    dib = decode(file, QByteArrayView(mapped, file.size()));
    file.unmap(const_cast<uchar *>(mapped));
    return dib.isEmpty() ? 0 : 1;
}
