// The event database file AdrDB.dat.
#include "events/eventdatabase.h"
#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    bool complete = false;
    const EventDatabase db = decodeEventDatabase(fuzzBytes(data, size), &complete);
    encodeEventDatabase(db);
    return 0;
}
