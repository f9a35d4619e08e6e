#pragma once
#include "batch/jsonwriter.h"
#include "core/tickettype.h"

// A ticket type as a JSON object with its nine fields.
void writeTicketType(JsonWriter &json, const EttTyp &type);
