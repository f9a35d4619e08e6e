#include "printing/tickettypelist.h"

#include "core/bytes.h"
#include "core/programfolder.h"
#include "core/unreadfilebackup.h"

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
    const QByteArray bytes = f.readAll();
    keepOldFileFirst_ = !loadFrom(bytes) && !bytes.isEmpty();
}

bool TicketTypeList::loadFrom(QByteArrayView bytes)
{
    ByteReader r(bytes);
    if (r.i32() != Magic || r.failed())
        return false;
    types.clear();
    const int32_t count = r.i32();
    if (r.failed() || count < 0)
        return false;
    // Never trust the count beyond what the file holds.
    const qsizetype available = r.remaining() / EttTyp::RecordSize;
    const qsizetype n = std::min<qsizetype>(count, available);
    types.reserve(size_t(n));
    for (qsizetype i = 0; i < n; ++i) {
        EttTyp t;
        t.fromBytes(r.bytes(EttTyp::RecordSize));
        types.push_back(t);
    }
    return n == count && r.remaining() == 0;
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

bool TicketTypeList::save()
{
    return replaceDataFile(filePath(), toBytes(), keepOldFileFirst_);
}

void TicketTypeList::remove(int i)
{
    if (i < 0 || size_t(i) >= types.size())
        return;
    types.erase(types.begin() + i);
    if (types.empty())
        types.shrink_to_fit();
}
