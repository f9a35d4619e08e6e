#pragma once
// How a run of numbered tickets maps onto the sheets of a ticket type: sheets,
// positions, numbers, the clamping of the run fields and the placement of one
// ticket on a device.
#include "core/tickettype.h"

#include <cstdint>

// The run fields of the page "Drucken", with their initial values.
struct PrintRun {
    int32_t UsedED = 0;            // positions of the first sheet already used, 0..100
    int32_t KopiesED = 10;         // tickets in the run, 1..10000000
    int32_t FirstKartenNrEd = 1;   // number of the first ticket, 1..10000000
    int32_t PageEd = 1;            // sheet shown in the preview, 1..1000
    bool SchneidBtn = false;       // cutting lines

    // Global positions of the run: first .. last.
    int32_t first() const { return UsedED; }
    int32_t last() const { return UsedED + KopiesED - 1; }
    // Number of the ticket at global position p.
    int32_t numberAt(int32_t p) const { return FirstKartenNrEd + (p - UsedED); }
};

constexpr int32_t MaxUsedED = 100;
constexpr int32_t MaxKopiesED = 10000000;
constexpr int32_t MaxFirstKartenNr = 10000000;
constexpr int32_t MaxPageEd = 1000;

// Columns and rows of the sheet grid; a damaged type with no column or row
// counts as one, so that the arithmetic never divides by zero.
int32_t sheetColumns(const EttTyp &type);
int32_t sheetRows(const EttTyp &type);
// n = columns × rows, the tickets of one sheet.
int32_t ticketsPerSheet(const EttTyp &type);

// Where global position p lies: its sheet (0-based), column and row.
struct SheetPosition {
    int32_t sheet = 0;
    int32_t column = 0;
    int32_t row = 0;
};
SheetPosition sheetPosition(const EttTyp &type, int32_t p);
// Sheets the run covers: last div n + 1.
int32_t runSheetCount(const EttTyp &type, const PrintRun &run);
// True when position p begins a sheet other than that of p − 1 (position 0
// belongs with −1 to sheet 0), so a page break goes before it.
bool startsNewSheet(const EttTyp &type, int32_t p);

// Brings every field into its range, then: UsedED at most n − 1, and PageEd at
// most the run's sheet count.
void clampRun(PrintRun &run, const EttTyp &type);
// Only the second step: PageEd at most the run's sheet count.
void clampPage(PrintRun &run, const EttTyp &type);

// A device for the placement formulas: resolutions in pixels per inch,
// millimetres per inch for each axis, and offsets in millimetres.
struct PlacementDevice {
    double dx = 72, dy = 72;
    double cx = 25.39995, cy = 25.39995;
    double ox = 0, oy = 0;
};

// The ticket's rectangle in device pixels, relative to the printable area.
struct TicketPlace {
    int32_t X = 0, Y = 0, W = 0, H = 0;
};
TicketPlace ticketPlace(const EttTyp &type, const PlacementDevice &device, int32_t column, int32_t row);
