#include "printing/cardexport.h"

#include "core/document.h"
#include "core/programfolder.h"
#include "core/prompts.h"
#include "imaging/dibqimage.h"
#include "printing/printjob.h"
#include "printing/savefilter.h"
#include "render/canvaspainter.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

QSize exportCardSize(const EttTyp &type)
{
    return QSize(truncToInt32(type.CardWidth / MmPerInch * ExportPixelsPerInch),
                 truncToInt32(type.CardHeight / MmPerInch * ExportPixelsPerInch));
}

QImage renderCardForExport(Document &doc, const CardRenderInputs &inputs, int32_t ticketNumber)
{
    const QSize size = exportCardSize(doc.ticketType);
    // The card must fit in a picture of the image library (checked in bytes before
    // anything is allocated): a damaged or huge type must not take gigabytes.
    if (size.width() <= 0 || size.height() <= 0 || size.width() > MaxDibSide || size.height() > MaxDibSide
        || int64_t(dibRowBytes(size.width(), 24)) * size.height() > MaxDibBytes)
        return {};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.fill(Qt::white);

    const int32_t previousTicket = doc.CurrentTicketNumber;
    doc.CurrentTicketNumber = ticketNumber;
    doc.scale.UsePrintScale = true;
    doc.scale.PrintScale = ExportPixelsPerInch / DocUnitsPerInch;
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter, &image);
        DrawVCart(canvas, doc, inputs, size.width(), size.height(), size.width(), size.height(),
                  doc.scale.PrintScale, false);
    }
    doc.scale.UsePrintScale = false;
    doc.CurrentTicketNumber = previousTicket;
    return image;
}

int exportSaveFormat(int filterIndex)
{
    return saveFormatOfFilter(filterIndex);
}

QString exportExtension(int filterIndex)
{
    return saveExtensionOfFilter(filterIndex);
}

QString withExportExtension(const QString &fileName, int filterIndex)
{
    return withDefaultExtension(fileName, exportExtension(filterIndex));
}

int saveFormatForExtension(const QString &fileName)
{
    const QString name = fileNamePart(fileName).toLower();
    for (int entry = 1; entry <= SaveFilterEntries; ++entry)
        if (name.endsWith(saveExtensionOfFilter(entry)))
            return saveFormatOfFilter(entry);
    return 0;
}

PrinterResolution defaultPrinterResolution()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return {};
    QPrinter printer(info, QPrinter::HighResolution);
    return {printer.physicalDpiX(), printer.physicalDpiY()};
}

void EMailBtnClick(Document &doc, const CardRenderInputs &inputs, int32_t firstTicketNumber,
                   const PrinterResolution &printer)
{
    warnIfNotSquare(printer.x, printer.y);

    const QImage card = renderCardForExport(doc, inputs, firstTicketNumber);
    DibImage dib = dibFromQImage(card);
    if (dib.isEmpty())
        return;

    Prompt request;
    request.caption = QStringLiteral("Visitenkarte für eMail-Anhang speichern");
    request.filter = GetDIBSaveFilter();
    request.confirmOverwrite = true;
    const PromptAnswer answer = askSaveFile(request);
    if (!answer.fileName.isEmpty()) {
        const QString name = withExportExtension(answer.fileName, answer.filterIndex);
        if (SaveDib(dib, name, exportSaveFormat(answer.filterIndex)) != 1)
            showMessage(QString(), QStringLiteral("Fehler: Datei konnte nicht gespeichert werden!"),
                        MsgIcon::Information);
    }
    deldib(dib);
}
