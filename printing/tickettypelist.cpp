#include "printing/tickettypelist.h"

#include "core/datafilewrite.h"
#include "core/bytes.h"
#include "core/programfolder.h"

#include <QFile>

QString TicketTypeList::filePath()
{
    return ProgramFolder() + QStringLiteral("karten.dat");
}

void TicketTypeList::load()
{
    QFile f(filePath());
    if (!f.open(QIODevice::ReadOnly))
        return;
    loadFrom(f.readAll());
}

void TicketTypeList::loadFrom(QByteArrayView bytes)
{
    ByteReader r(bytes);
    if (r.i32() != Magic || r.failed())
        return;
    types.clear();
    const int32_t count = r.i32();
    if (count <= 0)
        return;
    // Never trust the count beyond what the file holds.
    const qsizetype available = r.remaining() / EttTyp::RecordSize;
    const qsizetype n = std::min<qsizetype>(count, available);
    types.reserve(size_t(n));
    for (qsizetype i = 0; i < n; ++i) {
        EttTyp t;
        t.fromBytes(r.bytes(EttTyp::RecordSize));
        types.push_back(t);
    }
}

QByteArray TicketTypeList::toBytes() const
{
    ByteWriter w;
    w.i32(Magic);
    w.i32(int32_t(types.size()));
    for (const EttTyp &t : types)
        w.raw(t.toBytes());
    return w.take();
}

bool TicketTypeList::save() const
{
    return writeDataFile(filePath(), toBytes());
}

void TicketTypeList::remove(int i)
{
    if (i < 0 || size_t(i) >= types.size())
        return;
    types.erase(types.begin() + i);
    if (types.empty())
        types.shrink_to_fit();
}
