// Seat list text files.
#include "fuzz/fuzzsupport.h"
#include "printing/seatlist.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    encodeSeatListText(decodeSeatListText(fuzzBytes(data, size)));
    return 0;
}
