// pelladromika-batch barcode: one barcode element drawn as on screen.
#include "batch/batchcommand.h"
#include "imaging/GrafikRW.h"
#include "imaging/atomicfile.h"
#include "render/barcode.h"
#include "render/canvaspainter.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QBuffer>

namespace {

const QString Usage = QStringLiteral("barcode NUMBER WIDTH HEIGHT OUT.png");

int runBarcode(const QStringList &args)
{
    if (args.size() != 4)
        return batchUsageError(Usage);
    bool okNumber = false, okWidth = false, okHeight = false;
    const int number = args.at(0).toInt(&okNumber);
    const int width = args.at(1).toInt(&okWidth);
    const int height = args.at(2).toInt(&okHeight);
    if (!okNumber || !okWidth || !okHeight || width < 1 || height < 1 || width > MaxDibSide || height > MaxDibSide)
        return batchUsageError(Usage);

    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return batchFailure(QStringLiteral("Fehler: Datei konnte nicht gespeichert werden!"));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter, &image);
        canvas.setPrinter(false);
        DrawBarcode(canvas, 0, 0, width, height, number);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG") || !writeFileAtomically(QFileInfo(args.at(3)).absoluteFilePath(), png))
        return batchFailure(QStringLiteral("Fehler: Datei konnte nicht gespeichert werden!"));
    return BatchOk;
}

const BatchCommandRegistration registration({QStringLiteral("barcode"), Usage, runBarcode});

} // namespace
