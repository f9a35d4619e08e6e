// pelladromika-batch preview: the print preview surface of a design as PNG.
#include "batch/batchcommand.h"
#include "batch/jsonwriter.h"
#include "batch/renderoptions.h"
#include "core/document.h"
#include "printing/sheetpreview.h"

#include <QFileInfo>
#include <QImageWriter>

namespace {

const QString Usage = QStringLiteral(
    "preview DESIGN.etr OUT.png [--used U] [--count N] [--first F] [--page P] [--cut 0or1] [--preview-dpi D] "
    "[--printer-dpi R] [--printable-px W H] [--event I] [--bez TEXT] [--seat-list FILE] [--seat-check 0or1]");

// Pops "--printable-px W H".
bool takePrintableArea(QStringList &args, PreviewDevice &device)
{
    const qsizetype at = args.indexOf(QStringLiteral("--printable-px"));
    if (at < 0)
        return true;
    if (at + 2 >= args.size())
        return false;
    bool okW = false, okH = false;
    device.pageWidth = args.at(at + 1).toInt(&okW);
    device.pageHeight = args.at(at + 2).toInt(&okH);
    args.remove(at, 3);
    return okW && okH && device.pageWidth > 0 && device.pageHeight > 0;
}

int runPreview(const QStringList &arguments)
{
    QStringList args = arguments;
    PrintRun run;
    PreviewDevice device;
    int previewDpi = InitialPreviewDpi, printerDpi = device.dpiX;
    if (!takeRunOptions(args, run) || !takeInt(args, QStringLiteral("--preview-dpi"), previewDpi)
        || !takeInt(args, QStringLiteral("--printer-dpi"), printerDpi) || !takePrintableArea(args, device)
        || previewDpi < 1 || printerDpi < 1)
        return batchUsageError(Usage);
    device.dpiX = device.dpiY = printerDpi;
    CardRenderInputs inputs;
    Document doc;
    if (const int status = takeDesignArguments(args, Usage, inputs, doc); status != BatchOk)
        return status;
    clampRun(run, doc.ticketType);
    const QImage surface = renderPreview(doc, inputs, run, device, previewDpi);
    QImageWriter writer(QFileInfo(args.at(1)).absoluteFilePath(), "png");
    if (surface.isNull() || !writer.write(surface))
        return batchFailure(QStringLiteral("Fehler: Datei konnte nicht gespeichert werden!"));

    JsonWriter json;
    json.beginObject()
        .key("UsedED").value(int64_t(run.UsedED))
        .key("PageEd").value(int64_t(run.PageEd))
        .key("width").value(int64_t(surface.width()))
        .key("height").value(int64_t(surface.height()))
        .endObject();
    batchPrint(json.take() + '\n');
    return BatchOk;
}

const BatchCommandRegistration registration({QStringLiteral("preview"), Usage, runPreview});

} // namespace
