// The printer calibration file options.dat: whatever it holds, the values read
// back lie in their fields' ranges and survive a write and a second read.
#include "fuzz/fuzzsupport.h"
#include "printing/calibration.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Calibration read = calibrationFromBytes(fuzzBytes(data, size));
    const bool inRange = read.LinksEd >= 0 && read.LinksEd <= 6 && read.ObenEd >= 0 && read.ObenEd <= 6
        && read.BreitEd >= 95 && read.BreitEd <= 105 && read.HochEd >= 95 && read.HochEd <= 105;
    if (!inRange || calibrationFromBytes(calibrationBytes(read)) != read)
        std::abort();
    return 0;
}
