// pelladromika-batch export: the card image export of a design file.
#include "batch/batchcommand.h"
#include "core/designcommands.h"
#include "core/document.h"
#include "events/eventdatabase.h"
#include "imaging/dibqimage.h"
#include "printing/cardexport.h"
#include "printing/seatlist.h"

#include <QFileInfo>

namespace {

const QString Usage = QStringLiteral(
    "export DESIGN.etr OUT [--format N] [--ticket N] [--event I] [--bez TEXT] [--seat-list FILE] "
    "[--seat-check 0or1]   (format 3..13; without it OUT's extension decides, .png writes PNG)");

// Pops an integer option; false on a malformed or missing value.
bool takeInt(QStringList &args, const QString &name, int &value)
{
    QString text;
    bool ok = true;
    if (!takeOption(args, name, text, ok))
        return ok;
    bool isNumber = false;
    const int v = text.toInt(&isNumber);
    if (!isNumber)
        return false;
    value = v;
    return true;
}

// The placeholders as the main window fills them for the chosen event.
bool fillEvent(PlaceholderInputs &in, int eventIndex, bool eventGiven)
{
    const EventDatabase db = readEventDatabaseFile(eventDatabasePath()).value_or(EventDatabase{});
    const int index = eventGiven ? eventIndex : db.DefaultEventIndex;
    if (db.EventCount() == 0)
        return !eventGiven;
    if (!db.validIndex(index))
        return !eventGiven;
    const EventRecord &record = db.events[size_t(index)];
    for (int i = 1; i <= EventFieldCount; ++i) {
        in.values[size_t(i - 1)] = record.field(i);
        in.labels[size_t(i - 1)] = db.FieldLabels[size_t(i - 1)];
    }
    in.eventCurrent = true;
    return true;
}

int runExport(const QStringList &arguments)
{
    QStringList args = arguments;
    int format = 0, ticket = 1, eventIndex = -1, seatCheck = 1;
    QString bez = QStringLiteral("Kartennummer"), seatFile;
    bool ok = true;
    const bool eventGiven = args.contains(QStringLiteral("--event"));
    if (!takeInt(args, QStringLiteral("--format"), format) || !takeInt(args, QStringLiteral("--ticket"), ticket)
        || !takeInt(args, QStringLiteral("--event"), eventIndex)
        || !takeInt(args, QStringLiteral("--seat-check"), seatCheck))
        return batchUsageError(Usage);
    takeOption(args, QStringLiteral("--bez"), bez, ok);
    takeOption(args, QStringLiteral("--seat-list"), seatFile, ok);
    if (!ok || args.size() != 2 || (format != 0 && (format < 3 || format > 13)) || (seatCheck != 0 && seatCheck != 1))
        return batchUsageError(Usage);
    const QString design = QFileInfo(args.at(0)).absoluteFilePath();
    const QString out = QFileInfo(args.at(1)).absoluteFilePath();
    const bool png = format == 0 && out.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    if (format == 0 && !png)
        format = saveFormatForExtension(out);
    if (format == 0 && !png)
        return batchUsageError(Usage);

    CardRenderInputs inputs;
    PlaceholderInputs &ph = inputs.placeholders;
    if (!fillEvent(ph, eventIndex, eventGiven))
        return batchUsageError(Usage);
    ph.ticketLabel = bez;
    ph.useSeatList = seatCheck == 1;
    ph.seatList = generateSeatList(SeatListGenerator{});
    if (!seatFile.isEmpty() && !loadSeatListFile(QFileInfo(seatFile).absoluteFilePath(), ph.seatList))
        return batchFailure(QStringLiteral("Beim Öffnen der Datei ist ein Fehler aufgetreten!"));

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
