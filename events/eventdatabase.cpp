#include "events/eventdatabase.h"

#include "core/bytes.h"
#include "core/cp1252.h"
#include "core/programfolder.h"
#include "imaging/atomicfile.h"

#include <QFile>

namespace {
// The smallest stored string: its length and its terminator.
constexpr qsizetype MinStringBytes = 4 + 1;

// Reads one counted string; false when the data is damaged or ends.
bool readString(ByteReader &in, QString &out)
{
    if (in.remaining() < 4)
        return false;
    const int32_t length = in.i32();
    if (length < 0 || qsizetype(length) >= in.remaining())   // text plus terminator must fit
        return false;
    QByteArrayView text = in.bytes(length);
    in.u8();   // terminator
    // Strings end at their first zero byte, as they do in memory.
    const qsizetype zero = text.indexOf('\0');
    out = fromCp1252(zero < 0 ? text : text.first(zero));
    return true;
}

void writeString(ByteWriter &out, const QString &s)
{
    QByteArray bytes = toCp1252(s);
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    out.i32(int32_t(bytes.size()));
    out.zstring(bytes);
}
}

EventDatabase decodeEventDatabase(QByteArrayView bytes, bool *complete)
{
    EventDatabase db;
    ByteReader in(bytes);
    bool whole = false;
    const auto done = [&] {
        if (complete)
            *complete = whole;
        return db;
    };
    if (in.remaining() < 4)
        return done();
    const int32_t count = in.i32();
    // Never reserve more events than the data could hold.
    const qsizetype fitting = in.remaining() / (MinStringBytes * EventStringCount);
    db.events.reserve(size_t(std::min<qsizetype>(std::max(count, 0), fitting)));
    for (int32_t e = 0; e < count; ++e) {
        EventRecord record;
        for (int k = 0; k < EventStringCount; ++k) {
            if (!readString(in, record.strings[size_t(k)])) {
                if (k > 0)
                    db.events.push_back(std::move(record));
                return done();
            }
        }
        db.events.push_back(std::move(record));
    }
    for (QString &label : db.FieldLabels) {
        if (!readString(in, label))
            return done();
    }
    if (in.remaining() < 4)
        return done();
    db.DefaultEventIndex = in.i32();
    whole = count >= 0 && in.remaining() == 0;
    return done();
}

QByteArray encodeEventDatabase(const EventDatabase &db)
{
    ByteWriter out;
    out.i32(db.EventCount());
    for (const EventRecord &record : db.events) {
        for (const QString &s : record.strings)
            writeString(out, s);
    }
    for (const QString &label : db.FieldLabels)
        writeString(out, label);
    out.i32(db.DefaultEventIndex);
    return out.take();
}

QString eventDatabasePath()
{
    return ProgramFolder() + QStringLiteral("AdrDB.dat");
}

std::optional<EventDatabase> readEventDatabaseFile(const QString &path, bool *complete)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    EventDatabase db = decodeEventDatabase(bytes, complete);
    if (complete && bytes.isEmpty())
        *complete = true;
    return db;
}

bool writeEventDatabaseFile(const QString &path, const EventDatabase &db)
{
    return writeFileAtomically(path, encodeEventDatabase(db));
}
