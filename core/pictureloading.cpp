#include "core/pictureloading.h"

#include "core/cp1252.h"
#include "core/programfolder.h"
#include "core/prompts.h"
#include "render/raster.h"

#include <QDir>

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
    showMessage(QString(), QStringLiteral("Konnte Bild (") + name + QStringLiteral(") nicht Laden."),
                MsgIcon::Error, MsgOk);
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
