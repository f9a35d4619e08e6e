#include "printing/tickettypefields.h"

#include <cmath>

TicketTypeFields TicketTypeFields::fromType(const EttTyp &t)
{
    TicketTypeFields f;
    f.marginLeft = t.MarginLeft;
    f.marginTop = t.MarginTop;
    f.gapX = t.PitchX - t.CardWidth;
    f.gapY = t.PitchY - t.CardHeight;
    f.width = t.CardWidth;
    f.height = t.CardHeight;
    f.columns = t.Columns;
    f.rows = t.Rows;
    f.name = t.typeName();
    return f;
}

void TicketTypeFields::applyTo(EttTyp &t) const
{
    t.MarginLeft = marginLeft;
    t.MarginTop = marginTop;
    t.PitchX = gapX + width;
    t.PitchY = gapY + height;
    t.CardWidth = width;
    t.CardHeight = height;
    t.Columns = int32_t(std::trunc(columns));
    t.Rows = int32_t(std::trunc(rows));
    t.setTypeName(name.left(EttTyp::MaxNameLength));
}
