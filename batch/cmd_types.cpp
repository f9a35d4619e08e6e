// types: the ticket-type list of the program folder as JSON.
#include "batch/batchcommand.h"
#include "batch/tickettypejson.h"
#include "printing/tickettypelist.h"

static int runTypes(const QStringList &args)
{
    if (!args.isEmpty())
        return batchUsageError(QStringLiteral("types"));
    TicketTypeList list;
    list.load();
    JsonWriter json;
    json.beginObject().key("types").beginArray();
    for (const EttTyp &t : list.types)
        writeTicketType(json, t);
    json.endArray().endObject();
    batchPrint(json.take() + '\n');
    return BatchOk;
}

static BatchCommandRegistration registration({QStringLiteral("types"), QStringLiteral("types"), runTypes});
