#pragma once
// Placeholder substitution in card texts: "[Ort]" becomes the current event's
// place, "<Ort>" its label, "[Kartennummer]" the ticket number.
#include "core/eventfields.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <limits>

// What the main window's controls supply to the substitution. The main window
// (or the batch tool) fills it; the card renderer reads it on every draw.
struct PlaceholderInputs {
    // An event is current: CurrentEventIndex >= 0 and EventCount > 0. Without one
    // the renderer draws texts as written, placeholders included.
    bool eventCurrent = false;
    // Column 1 of the edit grid StringGrid1, rows 1..12, as shown right now.
    std::array<QString, EventFieldCount> values;
    // Column 1 of the label grid StringGrid2, rows 1..12.
    std::array<QString, EventFieldCount> labels;
    // SitzplatzCheck: "[Sitzplatz]" takes the ticket's line of the seat list.
    bool useSeatList = false;
    // BezEd: the text before the ticket number.
    QString ticketLabel;
    // The lines of the seat list SitzplatzMemo; the renderer copies them into
    // the document's SeatLines at the start of every card.
    QStringList seatList;
};

// The seat of a ticket: line number ticketNumber (from 1) of the seat list when
// it is used and long enough; otherwise the event's own "Sitzplatz" value.
QString seatForTicket(const QStringList &seatLines, bool useSeatList, int32_t ticketNumber,
                      const QString &eventSeat);

// A copy of text with every placeholder replaced, field 1 to 12 (label form,
// then value form), then "[Kartennummer]". An inserted value that contains its
// own placeholder is not searched again, so the substitution always ends. Time
// and memory grow linearly with the text and the values inserted. With a
// maxLength, the text is cut to it, and a step stops once its text grows beyond
// it and keeps its first maxLength characters, so time and memory stay bounded
// whatever the values hold; a text that stays within maxLength throughout comes
// out as without it.
QString GetRepStr(const QString &text, const PlaceholderInputs &inputs, int32_t ticketNumber,
                  const QStringList &seatLines, qsizetype maxLength = std::numeric_limits<qsizetype>::max());
