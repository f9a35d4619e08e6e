#pragma once
// The list of ticket types kept in "karten.dat" in the program folder.
#include "core/tickettype.h"

#include <QByteArray>
#include <QString>
#include <vector>

class TicketTypeList {
public:
    static constexpr int32_t Magic = 64687;

    std::vector<EttTyp> types;

    // The file's path in the program folder.
    static QString filePath();

    // Replaces the list by the file's records when the file carries the magic;
    // a missing file or another magic leaves the list unchanged. A count that
    // the file cannot hold reads only the complete records present. A file that
    // was not read completely is kept as a backup before save() first replaces it.
    void load();
    // True when the bytes were read completely: the magic, a count and exactly
    // that many records.
    bool loadFrom(QByteArrayView bytes);
    // Writes magic, count and records; a failed write leaves the old file and
    // is reported to the user.
    bool save();
    QByteArray toBytes() const;

    // Removes record i; the later ones move down in order.
    void remove(int i);

private:
    bool keepOldFileFirst_ = false;
};
