#pragma once
// The event database and its file AdrDB.dat in the program folder.
//
// File layout (little-endian, no header): int32 event count; per event its 13
// strings; the 13 field labels; int32 DefaultEventIndex. A string is int32 L,
// L bytes of Windows-1252 text and one zero byte.
#include "events/eventrecord.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

struct EventDatabase {
    std::vector<EventRecord> events;              // file order = order of the choosers
    std::array<QString, FieldLabelCount> FieldLabels;
    int32_t DefaultEventIndex = 0;

    int EventCount() const { return int(events.size()); }
    bool validIndex(int index) const { return index >= 0 && index < EventCount(); }
    bool operator==(const EventDatabase &) const = default;
};

// Decodes the file's bytes. The lengths are not trusted: reading ends at the
// first string whose length is negative or longer than the bytes left, or at
// the end of the data. Everything read before that point stays (an event cut
// short keeps the strings read so far); what was not reached stays empty, and
// DefaultEventIndex stays 0 when it was not reached. A negative event count
// reads as no events. complete (when given) tells whether every byte was read
// as the layout says, up to and including DefaultEventIndex and nothing after it.
EventDatabase decodeEventDatabase(QByteArrayView bytes, bool *complete = nullptr);
QByteArray encodeEventDatabase(const EventDatabase &db);

// ProgramFolder() + "AdrDB.dat".
QString eventDatabasePath();
// Reads the file; nullopt when it cannot be opened. complete as for decoding
// (an empty file counts as complete: there is nothing to lose).
std::optional<EventDatabase> readEventDatabaseFile(const QString &path, bool *complete = nullptr);
// Replaces the file only once the new contents are completely written; a
// failed write leaves the previous file as it was.
bool writeEventDatabaseFile(const QString &path, const EventDatabase &db);
