#include "templates/fontfitting.h"

#include "render/canvas.h"
#include "render/canvastext.h"

namespace {
// Bounds the remembered results; a gallery needs a few hundred.
constexpr qsizetype MaxRememberedFits = 20000;
}

TextMeasure::~TextMeasure() = default;

QSize ArialTextMeasure::measure(const QString &text, int characterHeight, int width)
{
    std::unique_ptr<QFontMetrics> &metrics = metrics_[characterHeight];
    if (!metrics) {
        CanvasFont font;
        font.face = QStringLiteral("Arial");
        font.height = -characterHeight;
        metrics = std::make_unique<QFontMetrics>(toQFont(font));
    }
    return wrappedTextExtent(text, *metrics, width);
}

int FitFontSize(const QString &text, const CellBox &cell, int start, TextMeasure &measure)
{
    const int32_t width = cell.x1 - cell.x0;
    const int32_t height = cell.y1 - cell.y0;
    for (int s = start - 1; s > 1; --s) {
        const QSize extent = measure.measure(text, s, width);
        if (extent.height() <= height && extent.width() <= width)
            return s;
    }
    return 1;
}

FontFitter::FontFitter() : FontFitter(std::make_unique<ArialTextMeasure>()) {}

FontFitter::FontFitter(std::unique_ptr<TextMeasure> measure) : measure_(std::move(measure)) {}

FontFitter::~FontFitter() = default;

int FontFitter::fit(const QString &text, const CellBox &cell, int start)
{
    const Key key{text, cell.x1 - cell.x0, cell.y1 - cell.y0, start};
    if (const auto found = fitted_.constFind(key); found != fitted_.constEnd())
        return *found;
    if (fitted_.size() >= MaxRememberedFits)
        fitted_.clear();
    const int size = FitFontSize(text, cell, start, *measure_);
    fitted_.insert(key, size);
    return size;
}
