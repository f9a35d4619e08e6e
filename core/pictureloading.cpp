#include "core/pictureloading.h"

#include "core/cp1252.h"
#include "core/document.h"
#include "core/programfolder.h"
#include "core/prompts.h"
#include "imaging/dibrotate.h"

#include <QDir>

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
    for (auto &[key, dib] : held_)
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
    const int32_t turns = rotation >= 1 && rotation <= 3 ? rotation : 0;
    auto upright = held_.find({storedName, 0});
    if (upright == held_.end()) {
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
        upright = held_.emplace(Key{storedName, 0}, read).first;
    }
    auto wanted = held_.find({storedName, turns});
    if (wanted == held_.end()) {
        const int64_t bytes = pictureBytes(upright->second);
        if (used_ + bytes > budget_)
            return refuse(picture, storedName, rotation);
        // Turning makes a new picture and lets go of this holder, so the upright
        // one stays as it is for the other records.
        DibImage turned = dibShare(upright->second);
        applyStoredRotation(turned, turns);
        used_ += bytes;
        wanted = held_.emplace(Key{storedName, turns}, turned).first;
    }
    if (picture.Bits)
        deldib(picture);
    picture = dibShare(wanted->second);
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
