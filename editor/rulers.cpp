#include "editor/rulers.h"

#include "core/document.h"
#include "render/canvas.h"

#include <cmath>

double rulerStep(double spacing)
{
    if (spacing < 2.5)
        return 1;
    if (spacing < 7.5)
        return 5;
    if (spacing < 15)
        return 10;
    if (spacing < 30)
        return 20;
    if (spacing < 70)
        return 40;
    return 100;
}

std::vector<RulerTick> rulerTicks(int32_t scaleLen, double start, double end, bool skipNegative)
{
    std::vector<RulerTick> ticks;
    const int32_t n = scaleLen / 50;
    if (n <= 0 || !(end > start) || !std::isfinite(start) || !std::isfinite(end))
        return ticks;
    const double S = rulerStep((end - start) / n);
    const int64_t first = int64_t(truncToInt32(start / S - 1)) * 10;
    const int64_t last = int64_t(truncToInt32(end / S + 1)) * 10;
    if (last - first > 1000000)   // only a damaged scale gets that far
        return ticks;
    for (int64_t k = first; k <= last; ++k) {
        const int32_t v = truncToInt32(double(k) * S / 10);
        const int32_t px = truncToInt32(scaleLen * (v - start) / (end - start));
        if (skipNegative && px < 0)
            continue;
        const RulerTick::Kind kind = k % 10 == 0 ? RulerTick::Labelled
                                     : (k % 2 != 0 ? RulerTick::Long : RulerTick::Short);
        ticks.push_back({kind, px, v});
    }
    return ticks;
}

namespace {
constexpr CanvasColor White = 0x00FFFFFF;

CanvasPen blackPen()
{
    CanvasPen pen;
    pen.color = 0;
    return pen;
}

CanvasFont labelFont(double dpi)
{
    CanvasFont font;
    font.face = QStringLiteral("Arial");
    font.height = -int(std::lround(6 * dpi / 72));   // 6 points
    return font;
}

// Millimetres from the card's edge at the strip's first and last scale pixel.
bool scaleEnds(const RulerView &v, int32_t scaleLen, double &start, double &end)
{
    const int32_t cardPx = v.surfaceLength / 3;
    if (cardPx <= 0)
        return false;
    start = double(v.scrollPos - cardPx) * v.cardMm / cardPx;
    end = double(v.scrollPos + scaleLen - cardPx) * v.cardMm / cardPx;
    return true;
}
}

void drawTopRuler(Canvas &c, const RulerView &v)
{
    const int32_t W = v.width, H = v.height;
    const CanvasPen pen = blackPen();
    c.fillRect(0, 0, W, H, White);
    c.line(0, 0, W - 1, 0, pen);
    c.line(W - 1, 0, W - 1, H - 1, pen);
    c.line(W - 1, H - 1, 0, H - 1, pen);
    c.line(0, H - 1, 0, 0, pen);
    c.line(19, H - 1, 19, 0, pen);   // closes off the corner square above the left ruler
    c.fillRect(20, 1, W - 1, H - 1, White);
    c.fillRect(1, 1, 18, H - 2, White);

    const int32_t len = W - 21;
    double start = 0, end = 0;
    if (!scaleEnds(v, len, start, end))
        return;
    const CanvasFont font = labelFont(v.screenDpi);
    for (const RulerTick &t : rulerTicks(len, start, end, true)) {
        const int32_t X = t.pos + 20;
        switch (t.kind) {
        case RulerTick::Labelled:
            c.line(X, 0, X, H - 1, pen);
            c.textOut(X, 1, QString::number(t.value), font, 0, TextAnchor::TopLeft);
            break;
        case RulerTick::Long:
            c.line(X, H - 1 - H / 3, X, H - 1, pen);
            break;
        case RulerTick::Short:
            c.line(X, H - 1 - H / 3 + 3, X, H - 1, pen);
            break;
        }
    }
}

void drawLeftRuler(Canvas &c, const RulerView &v)
{
    const int32_t W = v.width, H = v.height;
    const CanvasPen pen = blackPen();
    c.fillRect(0, 0, W, H, White);
    c.line(W - 1, 0, W - 1, H - 1, pen);
    c.line(W - 1, H - 1, 0, H - 1, pen);
    c.line(0, H - 1, 0, -1, pen);
    c.fillRect(1, 0, W - 1, H - 1, White);

    const int32_t len = H - 1;
    double start = 0, end = 0;
    if (!scaleEnds(v, len, start, end))
        return;
    const CanvasFont font = labelFont(v.screenDpi);
    for (const RulerTick &t : rulerTicks(len, start, end, false)) {
        const int32_t y = t.pos;
        switch (t.kind) {
        case RulerTick::Labelled:
            c.line(0, y, W - 1, y, pen);
            c.textOut(1, y, QString::number(t.value), font, 0, TextAnchor::TopLeft);
            break;
        case RulerTick::Long:
            c.line(W - 1 - W / 3, y, W - 1, y, pen);
            break;
        case RulerTick::Short:
            c.line(W - 1 - W / 3 + 3, y, W - 1, y, pen);
            break;
        }
    }
}
