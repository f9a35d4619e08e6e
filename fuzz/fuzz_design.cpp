// The design file reader, with the pictures its records name.
#include "core/designfile.h"
#include "core/document.h"
#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzSetUp();
    Document doc;
    readDesign(fuzzBytes(data, size), doc, QString());
    return 0;
}
