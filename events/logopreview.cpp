#include "events/logopreview.h"

#include <cstdint>

QRect logoPreviewRect(int W, int H, int BW, int BH)
{
    if (W <= 0 || H <= 0 || BW <= 0 || BH <= 0)
        return {};
    // Integer divisions truncating, in 64 bits so that large pictures cannot overflow.
    int64_t w = BW;
    int64_t h = int64_t(H) * BW / W;
    if (BH < h) {
        w = int64_t(W) * BH / H;
        h = BH;
    }
    return QRect(int((BW - w) / 2), int((BH - h) / 2), int(w), int(h));
}
