// A loaded design drawn as the export draws it, with placeholders substituted.
#include "core/designfile.h"
#include "core/document.h"
#include "fuzz/fuzzsupport.h"
#include "printing/cardexport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzSetUp();
    Document doc;
    const DesignReadResult read = readDesign(fuzzBytes(data, size), doc, QString());
    if (read.status == DesignReadResult::Status::BadMagic || read.status == DesignReadResult::Status::DamagedHeader)
        return 0;
    CardRenderInputs inputs;
    inputs.placeholders.eventCurrent = true;
    inputs.placeholders.values[2] = QStringLiteral("Stadthalle [Ort]");
    inputs.placeholders.useSeatList = true;
    inputs.placeholders.seatList = {QStringLiteral("Reihe A, Platz 1")};
    renderCardForExport(doc, inputs, 1);
    return 0;
}
