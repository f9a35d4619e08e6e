// Reading picture files by their stored names.
#include "core/pictureloading.h"

#include "core/programfolder.h"
#include "imaging/dibqimage.h"

#include <QFileInfo>
#include <QImage>
#include <cstring>

bool LoadDIBit(DibImage &dib, const QString &name)
{
    DibImage read;
    OpenDib(read, resolveProgramPath(name));
    if (!read.Bits) {
        deldib(read);
        // The picture held before is released, not leaked, when the blank one replaces it.
        if (dib.Bits)
            deldib(dib);
        newdib(dib, 320, 200, 24);
        // A picture that cannot be read shows as a white area, not a black block.
        if (dib.Bits)
            std::memset(dib.Bits, 0xFF, size_t(dib.RowBytes) * 200);
        return false;
    }
    if (dib.Bits)
        deldib(dib);
    dib = read;
    return true;
}

bool LoadBit(QImage &bitmap, const QString &name)
{
    bitmap = QImage(100, 100, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    const QString path = resolveProgramPath(name);
    DibImage read;
    OpenDib(read, path);
    if (read.Bits) {
        const QImage image = dibToQImage(read).convertToFormat(QImage::Format_RGB32);
        deldib(read);
        if (image.isNull())
            return false;
        bitmap = image;
        return true;
    }
    deldib(read);
    // Qt's own reader understands Windows bitmap files the library may not;
    // like the library it reads regular files only (a named pipe would block).
    QImage own;
    if (!QFileInfo(path).isFile() || !own.load(path))
        return false;
    bitmap = own.convertToFormat(QImage::Format_RGB32);
    return true;
}
