// pelladromika-batch events: the event database of the program folder as JSON.
#include "batch/batchcommand.h"
#include "events/eventdatabase.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {
template <typename Strings> QJsonArray stringArray(const Strings &strings)
{
    QJsonArray array;
    for (const QString &s : strings)
        array.append(s);
    return array;
}

int runEvents(const QStringList &args)
{
    if (!args.isEmpty())
        return batchUsageError(QStringLiteral("events"));
    // A file that cannot be opened is an empty database, as at program start.
    const EventDatabase db = readEventDatabaseFile(eventDatabasePath()).value_or(EventDatabase{});
    QJsonArray events;
    for (const EventRecord &record : db.events)
        events.append(stringArray(record.strings));
    // Written by hand so that the keys keep this order (QJsonObject sorts them).
    const QByteArray json = "{\"events\": " + QJsonDocument(events).toJson(QJsonDocument::Compact)
                            + ", \"labels\": " + QJsonDocument(stringArray(db.FieldLabels)).toJson(QJsonDocument::Compact)
                            + ", \"DefaultEventIndex\": " + QByteArray::number(db.DefaultEventIndex) + "}\n";
    batchPrint(json);
    return BatchOk;
}

const BatchCommandRegistration registration({QStringLiteral("events"), QStringLiteral("events"), runEvents});
}
