// pelladromika-batch print: the print command of a design, into a PDF file or
// to an installed printer, with the calibration of the program folder.
#include "batch/batchcommand.h"
#include "batch/jsonwriter.h"
#include "batch/renderoptions.h"
#include "core/document.h"
#include "printing/printjob.h"

#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

const QString Usage = QStringLiteral(
    "print DESIGN.etr OUT.pdf [--used U] [--count N] [--first F] [--cut 0or1] [--dpi R] [--printer NAME] "
    "[--event I] [--bez TEXT] [--seat-list FILE] [--seat-check 0or1]");

int runPrint(const QStringList &arguments)
{
    QStringList args = arguments;
    PrintRun run;
    int dpi = 600;
    QString printerName;
    bool ok = true;
    const bool toPrinter = takeOption(args, QStringLiteral("--printer"), printerName, ok);
    if (!ok || !takeRunOptions(args, run) || !takeInt(args, QStringLiteral("--dpi"), dpi) || dpi < 1)
        return batchUsageError(Usage);
    CardRenderInputs inputs;
    Document doc;
    if (const int status = takeDesignArguments(args, Usage, inputs, doc); status != BatchOk)
        return status;

    std::unique_ptr<QPrinter> printer;
    if (toPrinter) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
        if (info.isNull())
            return batchFailure(QStringLiteral("Der Drucker \"%1\" ist nicht installiert.").arg(printerName));
        printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    } else {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        setUpPdfPrinter(*printer, QFileInfo(args.at(1)).absoluteFilePath(), dpi);
    }
    const PrintOutcome outcome = printRun(*printer, doc, inputs, run, readCalibration());
    if (!outcome.started || outcome.failed)
        return batchFailure(printFailedText());

    JsonWriter json;
    json.beginObject().key("pages").value(int64_t(outcome.pages)).key("tickets").value(int64_t(outcome.tickets)).endObject();
    batchPrint(json.take() + '\n');
    return BatchOk;
}

const BatchCommandRegistration registration({QStringLiteral("print"), Usage, runPrint});

} // namespace
