// The ticket-type list karten.dat.
#include "fuzz/fuzzsupport.h"
#include "printing/tickettypelist.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TicketTypeList list;
    list.loadFrom(fuzzBytes(data, size));
    for (const EttTyp &type : list.types)
        type.typeName();
    list.toBytes();
    return 0;
}
