#pragma once
// The values of the ticket-type editing dialog and their transfer to and from
// a ticket type. The dialog shows gaps; the record stores pitches.
#include "core/tickettype.h"

#include <QString>

struct TicketTypeFields {
    QString name = QStringLiteral("Kein Name");
    double marginLeft = 0;   // RLED
    double marginTop = 0;    // ROED
    double width = 90;       // BrED
    double height = 55;      // HoED
    double gapX = 0;         // AHED
    double gapY = 0;         // AVED
    double columns = 2;      // AnzHED
    double rows = 5;         // AnzVED

    static TicketTypeFields fromType(const EttTyp &type);
    // Takes the values into type; its padding bytes stay as they were.
    void applyTo(EttTyp &type) const;
};
