#pragma once
// Scan conversion of the closed figures: which pixels of a row a rectangle,
// rounded rectangle or ellipse covers. A pixel belongs to a figure when its
// centre lies inside, so a figure with the bounding rectangle (l, t, r, b)
// covers exactly the columns l..r-1 and the rows t..b-1 at its widest.

// A rounded rectangle; an ellipse is the case whose corners are the whole box,
// a rectangle the case without corners.
struct ShapeOutline {
    int left = 0, top = 0, right = 0, bottom = 0;
    int cornerWidth = 0, cornerHeight = 0;

    static ShapeOutline rect(int l, int t, int r, int b) { return {l, t, r, b, 0, 0}; }
    static ShapeOutline ellipse(int l, int t, int r, int b) { return {l, t, r, b, r - l, b - t}; }
    static ShapeOutline roundRect(int l, int t, int r, int b, int cw, int ch) { return {l, t, r, b, cw, ch}; }

    // The outline moved outward by the given pixels at the left and top edges
    // and at the right and bottom edges (negative: inward), corners with it.
    ShapeOutline grown(int leftTop, int rightBottom) const;
    // The columns [x0, x1) of row y inside the figure; false when none.
    bool rowSpan(int y, int &x0, int &x1) const;
};

// The ring a pen of the given width paints when centred on the outline, and
// the interior left for the brush. Width 1 paints the outermost pixels.
struct PenRing {
    ShapeOutline outer;
    ShapeOutline inner;
};
PenRing penRing(const ShapeOutline &shape, int penWidth);

// The pixels of a line from (x0, y0) to (x1, y1), end point excluded, one
// pixel wide: along the longer axis every position, across it the pixel
// nearest the ideal line. Only positions inside [minX, maxX] × [minY, maxY]
// are visited, so a line far longer than the device costs nothing extra.
template <typename Plot>
void forEachLinePixel(int x0, int y0, int x1, int y1, int minX, int minY, int maxX, int maxY, Plot plot)
{
    const long long dx = (long long)x1 - x0, dy = (long long)y1 - y0;
    const long long adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const bool alongX = adx >= ady;
    const long long steps = alongX ? adx : ady;      // the end point is step `steps`, not drawn
    if (steps == 0)
        return;
    const long long major0 = alongX ? x0 : y0;
    const int majorStep = (alongX ? dx : dy) < 0 ? -1 : 1;
    const long long lo = alongX ? minX : minY, hi = alongX ? maxX : maxY;
    // Steps whose major coordinate lies in [lo, hi].
    long long first = majorStep > 0 ? lo - major0 : major0 - hi;
    long long last = majorStep > 0 ? hi - major0 : major0 - lo;
    first = first < 0 ? 0 : first;
    last = last > steps - 1 ? steps - 1 : last;
    const long long minorDelta = alongX ? dy : dx;
    const long long minor0 = alongX ? y0 : x0;
    for (long long i = first; i <= last; ++i) {
        // Nearest pixel, halves rounded toward the start.
        const long long num = 2 * i * (minorDelta < 0 ? -minorDelta : minorDelta) + steps - 1;
        const long long off = num / (2 * steps);
        const long long minor = minor0 + (minorDelta < 0 ? -off : off);
        const long long major = major0 + majorStep * i;
        const long long px = alongX ? major : minor, py = alongX ? minor : major;
        if (px >= minX && px <= maxX && py >= minY && py <= maxY)
            plot(int(px), int(py));
    }
}
