// The quality of the next JPEG save.
#include "imaging/GrafikRW.h"

#include <algorithm>

namespace {
int jpegQuality = 75;
}

void SetJPEGQual(int quality)
{
    jpegQuality = std::clamp(quality, 1, 99);
}

int JPEGQual()
{
    return jpegQuality;
}
