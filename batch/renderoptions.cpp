#include "batch/renderoptions.h"

#include "batch/batchcommand.h"
#include "core/designcommands.h"
#include "core/document.h"
#include "events/eventdatabase.h"
#include "printing/seatlist.h"

#include <QFileInfo>

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

namespace {

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

} // namespace

int takeRenderInputs(QStringList &args, const QString &usage, CardRenderInputs &inputs)
{
    int eventIndex = -1, seatCheck = 1;
    QString bez = QStringLiteral("Kartennummer"), seatFile;
    bool ok = true;
    const bool eventGiven = args.contains(QStringLiteral("--event"));
    if (!takeInt(args, QStringLiteral("--event"), eventIndex) || !takeInt(args, QStringLiteral("--seat-check"), seatCheck))
        return batchUsageError(usage);
    takeOption(args, QStringLiteral("--bez"), bez, ok);
    takeOption(args, QStringLiteral("--seat-list"), seatFile, ok);
    if (!ok || (seatCheck != 0 && seatCheck != 1))
        return batchUsageError(usage);

    PlaceholderInputs &ph = inputs.placeholders;
    if (!fillEvent(ph, eventIndex, eventGiven))
        return batchUsageError(usage);
    ph.ticketLabel = bez;
    ph.useSeatList = seatCheck == 1;
    ph.seatList = generateSeatList(SeatListGenerator{});
    if (!seatFile.isEmpty() && !loadSeatListFile(QFileInfo(seatFile).absoluteFilePath(), ph.seatList))
        return batchFailure(QStringLiteral("Beim Öffnen der Datei ist ein Fehler aufgetreten!"));
    return BatchOk;
}

bool takeRunOptions(QStringList &args, PrintRun &run)
{
    int cut = 0;
    if (!takeInt(args, QStringLiteral("--used"), run.UsedED) || !takeInt(args, QStringLiteral("--count"), run.KopiesED)
        || !takeInt(args, QStringLiteral("--first"), run.FirstKartenNrEd)
        || !takeInt(args, QStringLiteral("--page"), run.PageEd) || !takeInt(args, QStringLiteral("--cut"), cut)
        || (cut != 0 && cut != 1))
        return false;
    run.SchneidBtn = cut == 1;
    return true;
}

int takeDesignArguments(QStringList &args, const QString &usage, CardRenderInputs &inputs, Document &doc)
{
    if (const int status = takeRenderInputs(args, usage, inputs); status != BatchOk)
        return status;
    if (args.size() != 2)
        return batchUsageError(usage);
    // Messages of the design reader go to standard error through the prompt seam.
    if (DesignCommands::OpenItNow(doc, QFileInfo(args.at(0)).absoluteFilePath()) == DesignCommands::OpenOutcome::Failed)
        return BatchFailed;
    return BatchOk;
}
