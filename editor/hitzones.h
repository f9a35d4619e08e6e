#pragma once
// Where the mouse is over the current element (the hit zones of the pointer
// tool) and which element a click picks.
#include <cstdint>

class ElementPool;

struct ZoneHit {
    int32_t mode = 0;      // DragMode 1..9, 0 = none
    int32_t dx = 0, dy = 0; // GrabOffset
    int32_t cursor = 0;    // EditorCursor of the zone
};

// The zone of a box (screen pixels) under (x, y): handles 1..8 win over the
// body 9, corners over middle handles; bounds are inclusive.
ZoneHit hitZone(int32_t L, int32_t T, int32_t W, int32_t H, int32_t x, int32_t y);

// The topmost element (highest slot) whose bounding box contains (x, y) in
// screen pixels, or 0.
int hitTestSlot(const ElementPool &pool, int32_t x, int32_t y);
