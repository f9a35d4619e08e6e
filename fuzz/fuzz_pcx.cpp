// The image library's own Pcx decoder on arbitrary bytes.
#include "fuzz/fuzzsupport.h"
#include "imaging/dibcodecs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    DibImage dib = decodePcx(fuzzBytes(data, size));
    if (!dib.isEmpty())
        getpixel(dib, dib.Info->header.biWidth - 1, dib.Info->header.biHeight - 1);
    deldib(dib);
    return 0;
}
