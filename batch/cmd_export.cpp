// pelladromika-batch export: the card image export of a design file.
#include "batch/batchcommand.h"
#include "batch/renderoptions.h"
#include "core/designcommands.h"
#include "core/document.h"
#include "imaging/dibqimage.h"
#include "printing/cardexport.h"

#include <QFileInfo>

namespace {

const QString Usage = QStringLiteral(
    "export DESIGN.etr OUT [--format N] [--ticket N] [--event I] [--bez TEXT] [--seat-list FILE] "
    "[--seat-check 0or1]   (format 3..13; without it OUT's extension decides, .png writes PNG)");

int runExport(const QStringList &arguments)
{
    QStringList args = arguments;
    int format = 0, ticket = 1;
    if (!takeInt(args, QStringLiteral("--format"), format) || !takeInt(args, QStringLiteral("--ticket"), ticket))
        return batchUsageError(Usage);
    CardRenderInputs inputs;
    if (const int status = takeRenderInputs(args, Usage, inputs); status != BatchOk)
        return status;
    if (args.size() != 2 || (format != 0 && (format < 3 || format > 13)))
        return batchUsageError(Usage);
    const QString design = QFileInfo(args.at(0)).absoluteFilePath();
    const QString out = QFileInfo(args.at(1)).absoluteFilePath();
    const bool png = format == 0 && out.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    if (format == 0 && !png)
        format = saveFormatForExtension(out);
    if (format == 0 && !png)
        return batchUsageError(Usage);

    // Messages of the design reader go to standard error through the prompt seam.
    Document doc;
    if (DesignCommands::OpenItNow(doc, design) == DesignCommands::OpenOutcome::Failed)
        return BatchFailed;

    const QImage card = renderCardForExport(doc, inputs, ticket);
    DibImage dib = dibFromQImage(card);
    if (dib.isEmpty())
        return batchFailure(QStringLiteral("Fehler: Datei konnte nicht gespeichert werden!"));
    const bool saved = png ? saveDibAsPng(dib, out) : SaveDib(dib, out, format) == 1;
    deldib(dib);
    if (!saved)
        return batchFailure(QStringLiteral("Fehler: Datei konnte nicht gespeichert werden!"));
    return BatchOk;
}

const BatchCommandRegistration registration({QStringLiteral("export"), Usage, runExport});

} // namespace
