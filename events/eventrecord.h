#pragma once
// One event of the event database.
#include "core/eventfields.h"

#include <QString>
#include <array>

constexpr int EventStringCount = 13;   // the fields, then the logo file name
constexpr int FieldLabelCount = 13;    // labels 1..12 belong to the fields; 13 is kept but unused

struct EventRecord {
    std::array<QString, EventStringCount> strings;

    // Field 1..12.
    QString &field(int fieldIndex) { return strings[size_t(fieldIndex - 1)]; }
    const QString &field(int fieldIndex) const { return strings[size_t(fieldIndex - 1)]; }
    // As chosen by the user, shortened by SubProgPath: a bare name lies in the program folder.
    QString &LogoFileName() { return strings[EventStringCount - 1]; }
    const QString &LogoFileName() const { return strings[EventStringCount - 1]; }

    bool operator==(const EventRecord &) const = default;
};
