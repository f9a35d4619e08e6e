#include "printing/sheetlayout.h"

#include "core/document.h"

#include <algorithm>

int32_t sheetColumns(const EttTyp &type)
{
    return std::max(1, type.Columns);
}

int32_t sheetRows(const EttTyp &type)
{
    return std::max(1, type.Rows);
}

int32_t ticketsPerSheet(const EttTyp &type)
{
    // Saturate: a damaged type must not overflow the product.
    return int32_t(std::min<int64_t>(int64_t(sheetColumns(type)) * sheetRows(type), INT32_MAX));
}

SheetPosition sheetPosition(const EttTyp &type, int32_t p)
{
    const int32_t columns = sheetColumns(type);
    return {p / ticketsPerSheet(type), p % columns, (p / columns) % sheetRows(type)};
}

int32_t runSheetCount(const EttTyp &type, const PrintRun &run)
{
    return run.last() / ticketsPerSheet(type) + 1;
}

bool startsNewSheet(const EttTyp &type, int32_t p)
{
    const int32_t n = ticketsPerSheet(type);
    return p / n != (p - 1) / n;
}

void clampPage(PrintRun &run, const EttTyp &type)
{
    run.PageEd = std::clamp(run.PageEd, 1, MaxPageEd);
    run.PageEd = std::min(run.PageEd, runSheetCount(type, run));
}

void clampRun(PrintRun &run, const EttTyp &type)
{
    run.UsedED = std::clamp(run.UsedED, 0, MaxUsedED);
    run.KopiesED = std::clamp(run.KopiesED, 1, MaxKopiesED);
    run.FirstKartenNrEd = std::clamp(run.FirstKartenNrEd, 1, MaxFirstKartenNr);
    run.UsedED = std::min(run.UsedED, ticketsPerSheet(type) - 1);
    clampPage(run, type);
}

TicketPlace ticketPlace(const EttTyp &type, const PlacementDevice &d, int32_t column, int32_t row)
{
    TicketPlace place;
    place.X = truncToInt32((type.MarginLeft - d.ox) / d.cx * d.dx + type.PitchX / d.cx * d.dx * column);
    place.Y = truncToInt32((type.MarginTop - d.oy) / d.cy * d.dy + type.PitchY / d.cy * d.dy * row);
    place.W = truncToInt32(type.CardWidth / d.cx * d.dx);
    place.H = truncToInt32(type.CardHeight / d.cy * d.dy);
    return place;
}
