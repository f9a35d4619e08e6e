#include "batch/tickettypejson.h"

void writeTicketType(JsonWriter &json, const EttTyp &t)
{
    json.beginObject();
    json.key("MarginLeft").value(t.MarginLeft);
    json.key("MarginTop").value(t.MarginTop);
    json.key("PitchX").value(t.PitchX);
    json.key("PitchY").value(t.PitchY);
    json.key("CardWidth").value(t.CardWidth);
    json.key("CardHeight").value(t.CardHeight);
    json.key("Columns").value(int64_t(t.Columns));
    json.key("Rows").value(int64_t(t.Rows));
    json.key("TypeName").value(t.typeName());
    json.endObject();
}
