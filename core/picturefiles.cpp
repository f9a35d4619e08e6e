// Reading picture files by their stored names.
#include "core/pictureloading.h"

#include "core/programfolder.h"
#include "imaging/dibqimage.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <cstring>

namespace {
// The names of one folder by their lower-case form, read once and kept while
// the folder is unchanged.
struct FolderNames {
    QDateTime modified;
    QHash<QString, QString> byLowerCase;
};

QString sameNameInOtherCase(const QString &path)
{
    static QHash<QString, FolderNames> cache;
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    const QDateTime modified = QFileInfo(folder).lastModified();
    if (!modified.isValid())
        return {};
    auto it = cache.find(folder);
    if (it == cache.end() || it->modified != modified) {
        if (cache.size() > 64)
            cache.clear();
        FolderNames names{modified, {}};
        for (const QString &entry : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System))
            names.byLowerCase.insert(entry.toLower(), entry);
        it = cache.insert(folder, names);
    }
    const QString match = it->byLowerCase.value(info.fileName().toLower());
    return match.isEmpty() ? QString() : QDir(folder).filePath(match);
}
} // namespace

QString locatePictureFile(const QString &storedName)
{
    // Names stored on Windows separate folders with '\'.
    QString path = resolveProgramPath(storedName);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QFileInfo::exists(path))
        return path;
    const QString other = sameNameInOtherCase(path);
    return other.isEmpty() ? path : other;
}

void putBlankPicture(DibImage &dib)
{
    // The picture held before is released, not leaked, when the blank one replaces it.
    if (dib.Bits)
        deldib(dib);
    newdib(dib, 320, 200, 24);
    // A picture that cannot be read shows as a white area, not a black block.
    if (dib.Bits)
        std::memset(dib.Bits, 0xFF, size_t(dib.RowBytes) * 200);
}

bool LoadDIBit(DibImage &dib, const QString &name)
{
    DibImage read;
    OpenDib(read, locatePictureFile(name));
    if (!read.Bits) {
        deldib(read);
        putBlankPicture(dib);
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
    const QString path = locatePictureFile(name);
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
