#include "core/pictureloading.h"

#include "core/cp1252.h"
#include "core/document.h"
#include "core/programfolder.h"
#include "core/prompts.h"
#include "imaging/dibrotate.h"

#include <QDir>
#include <cstring>

QString unreadablePictureText(const QString &name)
{
    return QStringLiteral("Konnte Bild (") + name + QStringLiteral(") nicht Laden.");
}

void reportUnreadablePicture(const QString &name)
{
    showMessage(QString(), unreadablePictureText(name), MsgIcon::Error, MsgOk);
}

namespace {

int64_t pictureBytes(const DibImage &dib)
{
    return dib.Bits ? int64_t(dib.RowBytes) * dib.Info->header.biHeight : 0;
}

// A picture of its own with the same header, colours and pixels.
DibImage copyOf(const DibImage &dib)
{
    const DibInfoHeader &h = dib.Info->header;
    DibImage copy;
    if (!newdib(copy, h.biWidth, h.biHeight, h.biBitCount, dib.Info, 256))
        return DibImage{};
    copy.Info->header = h;
    for (int32_t y = 0; y < h.biHeight; ++y)
        std::memcpy(copy.Bits + size_t(y) * size_t(copy.RowBytes), dib.Bits + size_t(y) * size_t(dib.RowBytes),
                    size_t(copy.RowBytes));
    dibUpdatePalette(copy);
    return copy;
}

} // namespace

bool loadPictureByRule(DibImage &picture, const QByteArray &storedName, const QString &designFolder)
{
    const QString name = fromCp1252(storedName);
    if (LoadDIBit(picture, name))
        return true;
    // Designs travel with their pictures: look next to the design file.
    if (!designFolder.isEmpty()) {
        const QString besideDesign = QDir(designFolder).filePath(fileNamePart(name));
        if (LoadDIBit(picture, besideDesign))
            return true;
    }
    reportUnreadablePicture(name);
    return false;
}

void applyStoredRotation(DibImage &picture, int32_t rotation)
{
    switch (rotation) {
    case 1:
        RotRight(picture);
        break;
    case 2:
        Rot180(picture);
        break;
    case 3:
        RotLeft(picture);
        break;
    default:
        break;
    }
}

DesignPictures::~DesignPictures()
{
    for (auto &[name, dib] : decoded_)
        deldib(dib);
}

bool DesignPictures::refuse(DibImage &picture, const QByteArray &storedName, int32_t rotation)
{
    reportUnreadablePicture(fromCp1252(storedName));
    putBlankPicture(picture);
    applyStoredRotation(picture, rotation);
    return false;
}

bool DesignPictures::load(DibImage &picture, const QByteArray &storedName, int32_t rotation)
{
    auto it = decoded_.find(storedName);
    if (it == decoded_.end()) {
        DibImage read;
        if (!loadPictureByRule(read, storedName, folder_)) {
            // Reported already; the blank picture takes the record's place.
            if (picture.Bits)
                deldib(picture);
            picture = read;
            applyStoredRotation(picture, rotation);
            return false;
        }
        if (used_ + pictureBytes(read) > budget_) {
            deldib(read);
            return refuse(picture, storedName, rotation);
        }
        used_ += pictureBytes(read);
        it = decoded_.emplace(storedName, read).first;
    }
    const int64_t bytes = pictureBytes(it->second);
    const bool turned = rotation >= 1 && rotation <= 3;
    if (used_ + bytes * (turned ? 2 : 1) > budget_)
        return refuse(picture, storedName, rotation);
    DibImage copy = copyOf(it->second);
    if (copy.isEmpty())
        return refuse(picture, storedName, rotation);
    used_ += bytes;
    if (picture.Bits)
        deldib(picture);
    picture = copy;
    applyStoredRotation(picture, rotation);
    return true;
}

void reloadElementPicture(Tobs &element, const QString &designFolder)
{
    const int32_t kind = element.Kind;
    element.release();
    element.Kind = kind;
    loadPictureByRule(element.Dib, element.Text, designFolder);
    applyStoredRotation(element.Dib, element.Rotation);
}
