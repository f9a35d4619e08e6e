// pelladromika-batch convert: a picture file read and written by the image library.
#include "batch/batchcommand.h"
#include "core/pictureloading.h"
#include "imaging/GrafikRW.h"

#include <QFileInfo>

namespace {

const QString Usage = QStringLiteral("convert IN OUT --format N   (N = 3 BMP, 4 DIB, 5 GIF, 6 IFF, 7 JIF, "
                                     "8 JPG, 9 LBM, 10 PCX, 11 RLE, 12 TGA, 13 TIF)");

int runConvert(const QStringList &arguments)
{
    QStringList args = arguments;
    QString formatText;
    bool optionOk = true;
    if (!takeOption(args, QStringLiteral("--format"), formatText, optionOk) || !optionOk || args.size() != 2)
        return batchUsageError(Usage);
    bool isNumber = false;
    const int format = formatText.toInt(&isNumber);
    if (!isNumber || format < 3 || format > 13)
        return batchUsageError(Usage);

    const QString in = QFileInfo(args.at(0)).absoluteFilePath();
    const QString out = QFileInfo(args.at(1)).absoluteFilePath();
    DibImage picture;
    OpenDib(picture, in);
    if (picture.isEmpty())
        return batchFailure(unreadablePictureText(args.at(0)));
    const int saved = SaveDib(picture, out, format);
    deldib(picture);
    if (saved != 1)
        return batchFailure(QStringLiteral("Fehler: Datei konnte nicht gespeichert werden!"));
    return BatchOk;
}

const BatchCommandRegistration registration({QStringLiteral("convert"), Usage, runConvert});

} // namespace
