#include "editor/hitzones.h"

#include "core/document.h"

ZoneHit hitZone(int32_t L, int32_t T, int32_t W, int32_t H, int32_t x, int32_t y)
{
    const int32_t R = L + W, B = T + H, cx = L + W / 2, cy = T + H / 2;
    const auto near = [](int32_t v, int32_t c) { return v >= c - 3 && v <= c + 3; };
    // Zone centres (x, y) in the order they are tested; the offset axes they set.
    struct Handle { int32_t hx, hy; bool setsX, setsY; };
    const Handle handles[8] = {
        {L, T, true, true}, {R, T, true, true}, {L, B, true, true}, {R, B, true, true},
        {cx, T, false, true}, {cx, B, false, true}, {L, cy, true, false}, {R, cy, true, false},
    };
    for (int i = 0; i < 8; ++i) {
        const Handle &h = handles[i];
        if (near(x, h.hx) && near(y, h.hy)) {
            ZoneHit hit;
            hit.mode = hit.cursor = i + 1;
            if (h.setsX)
                hit.dx = x - h.hx;
            if (h.setsY)
                hit.dy = y - h.hy;
            return hit;
        }
    }
    if (x >= L && x <= R && y >= T && y <= B)
        return {9, x - L, y - T, 9};
    return {};
}

int hitTestSlot(const ElementPool &pool, int32_t x, int32_t y)
{
    for (int slot = ElementPool::SlotCount; slot >= 1; --slot) {
        const Tobs &e = pool[slot];
        if (e.Kind <= KindFree)
            continue;
        const int32_t L = e.PxLeft(), T = e.PxTop();
        if (L <= x && x <= L + e.PxWidth() && T <= y && y <= T + e.PxHeight())
            return slot;
    }
    return 0;
}
