#include "render/canvaspainter.h"

#include "render/canvasshapes.h"
#include "render/canvastext.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <array>

namespace {

QColor qcolor(CanvasColor c)
{
    return QColor::fromRgb(canvasColorToRgb(c));
}

// Pens beyond this width cover any device anyway.
constexpr int MaxPenWidth = 1 << 20;

// Collects the spans of consecutive rows and fills runs of equal spans as one
// rectangle: few operations on a printer, identical pixels on a raster.
class SpanFiller {
public:
    SpanFiller(QPainter &painter, QColor color) : painter_(painter), color_(color) {}
    ~SpanFiller() { flush(); }

    void add(int y, int x0, int x1)
    {
        if (x1 <= x0) {
            flush();
            return;
        }
        if (open_ && x0 == x0_ && x1 == x1_ && y == yEnd_) {
            ++yEnd_;
            return;
        }
        flush();
        open_ = true;
        x0_ = x0;
        x1_ = x1;
        yStart_ = y;
        yEnd_ = y + 1;
    }
    void flush()
    {
        if (open_)
            painter_.fillRect(QRect(x0_, yStart_, x1_ - x0_, yEnd_ - yStart_), color_);
        open_ = false;
    }

private:
    QPainter &painter_;
    QColor color_;
    bool open_ = false;
    int x0_ = 0, x1_ = 0, yStart_ = 0, yEnd_ = 0;
};

} // namespace

PainterCanvas::PainterCanvas(QPainter &painter, const QImage *raster)
    : painter_(painter), raster_(raster), target_(painter)
{
}

bool PainterCanvas::isPrinter() const
{
    return target_.isPrinter();
}

int PainterCanvas::colorDepth() const
{
    return target_.colorDepth();
}

void PainterCanvas::stretchDib(const DibImage &dib, const QRect &dest, const QRect &source)
{
    target_.stretchDib(dib, dest, source);
}

QRect PainterCanvas::drawableArea() const
{
    const QPaintDevice *device = painter_.device();
    QRect r = device ? QRect(0, 0, device->width(), device->height()) : QRect();
    if (clipped_)
        r &= clip_;
    return r;
}

void PainterCanvas::fillRect(int left, int top, int right, int bottom, CanvasColor color)
{
    const QRect r = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)) & drawableArea().adjusted(-1, -1, 1, 1);
    if (r.isValid() && right > left && bottom > top)
        painter_.fillRect(r, qcolor(color));
}

void PainterCanvas::fillDiagonalHatch(int left, int top, int right, int bottom, CanvasColor color)
{
    const QRect r = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)) & drawableArea().adjusted(-1, -1, 1, 1);
    if (!r.isValid() || right <= left || bottom <= top)
        return;
    painter_.save();
    painter_.setBrushOrigin(0, 0);
    painter_.fillRect(r, QBrush(qcolor(color), Qt::DiagCrossPattern));
    painter_.restore();
}

void PainterCanvas::fillShape(const ShapeOutline &shape, const CanvasPen &pen, const CanvasBrush &brush)
{
    const PenRing ring = penRing(shape, std::clamp(pen.width, 1, MaxPenWidth));
    const QRect reach = drawableArea();
    if (reach.isEmpty())
        return;
    // Spans are cut to the reachable columns (plus a margin) so no rectangle
    // overflows, whatever the figure's coordinates.
    const int minX = reach.left() - 1, maxX = reach.right() + 2;
    const auto cut = [&](int &x0, int &x1) {
        x0 = std::max(x0, minX);
        x1 = std::min(x1, maxX);
    };
    SpanFiller fill(painter_, qcolor(brush.color));
    SpanFiller ringLeft(painter_, qcolor(pen.color));
    SpanFiller ringRight(painter_, qcolor(pen.color));
    const int yFrom = std::max(ring.outer.top, reach.top());
    const int yTo = std::min(ring.outer.bottom, reach.bottom() + 1);
    for (int y = yFrom; y < yTo; ++y) {
        int a0, a1;
        if (!ring.outer.rowSpan(y, a0, a1))
            continue;
        int b0, b1;
        const bool inside = ring.inner.rowSpan(y, b0, b1);
        if (inside) {
            b0 = std::max(b0, a0);
            b1 = std::min(b1, a1);
        }
        cut(a0, a1);
        if (inside) {
            cut(b0, b1);
            if (!brush.clear)
                fill.add(y, b0, b1);
            ringLeft.add(y, a0, std::min(b0, a1));
            ringRight.add(y, std::max(b1, a0), a1);
        } else {
            fill.add(y, 0, 0);
            ringLeft.add(y, a0, a1);
            ringRight.add(y, 0, 0);
        }
    }
}

void PainterCanvas::ellipse(int left, int top, int right, int bottom, const CanvasPen &pen,
                            const CanvasBrush &brush)
{
    fillShape(ShapeOutline::ellipse(left, top, right, bottom), pen, brush);
}

void PainterCanvas::rectangle(int left, int top, int right, int bottom, const CanvasPen &pen,
                              const CanvasBrush &brush)
{
    fillShape(ShapeOutline::rect(left, top, right, bottom), pen, brush);
}

void PainterCanvas::roundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight,
                              const CanvasPen &pen, const CanvasBrush &brush)
{
    fillShape(ShapeOutline::roundRect(left, top, right, bottom, std::max(0, cornerWidth),
                                      std::max(0, cornerHeight)),
              pen, brush);
}

void PainterCanvas::line(int x0, int y0, int x1, int y1, const CanvasPen &pen)
{
    const QRect reach = drawableArea();
    if (reach.isEmpty())
        return;
    const int width = std::clamp(pen.width, 1, MaxPenWidth);
    if (width == 1) {
        QPolygon points;
        forEachLinePixel(x0, y0, x1, y1, reach.left(), reach.top(), reach.right(), reach.bottom(),
                         [&](int x, int y) { points << QPoint(x, y); });
        if (points.isEmpty())
            return;
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setPen(QPen(qcolor(pen.color), 0));
        painter_.drawPoints(points);
        painter_.restore();
        return;
    }
    // A wide pen runs along the pixel centres with round ends.
    if (x0 == x1 && y0 == y1)
        return;
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(QPen(qcolor(pen.color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter_.drawLine(QPointF(x0 + 0.5, y0 + 0.5), QPointF(x1 + 0.5, y1 + 0.5));
    painter_.restore();
}

void PainterCanvas::textOut(int x, int y, const QString &text, const CanvasFont &font, CanvasColor color,
                            TextAnchor anchor)
{
    if (text.isEmpty())
        return;
    painter_.save();
    painter_.setFont(toQFont(font));
    painter_.setPen(qcolor(color));
    const int baseline = anchor == TextAnchor::TopLeft ? painter_.fontMetrics().ascent() : 0;
    painter_.translate(x, y);
    const int turn = font.escapement % 3600;
    if (turn != 0)
        painter_.rotate(-turn / 10.0);
    painter_.drawText(QPoint(0, baseline), text);
    painter_.restore();
}

void PainterCanvas::drawText(int left, int top, int right, int bottom, const QString &text,
                             const CanvasFont &font, CanvasColor color, TextAlignment alignment)
{
    if (right <= left || bottom <= top || text.isEmpty())
        return;
    painter_.save();
    painter_.setClipRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)),
                         clipped_ ? Qt::IntersectClip : Qt::ReplaceClip);
    painter_.setFont(toQFont(font));
    painter_.setPen(qcolor(color));
    const QFontMetrics fm = painter_.fontMetrics();
    const int width = right - left;
    const int lineHeight = textLineHeight(fm);
    int y = top;
    // Lines starting below the box are never seen, so they are not laid out.
    const qsizetype visibleLines = (qint64(bottom) - top + lineHeight - 1) / lineHeight;
    for (const QString &line : breakTextLines(text, fm, width, visibleLines)) {
        if (y >= bottom)
            break;
        int x = left;
        if (alignment != TextAlignment::Left) {
            const int slack = width - fm.horizontalAdvance(line);
            x += alignment == TextAlignment::Center ? slack / 2 : slack;
        }
        painter_.drawText(QPoint(x, y + fm.ascent()), line);
        y += lineHeight;
    }
    painter_.restore();
}

void PainterCanvas::setClipRect(int left, int top, int right, int bottom)
{
    clip_ = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    if (right <= left || bottom <= top)
        clip_ = QRect(left, top, 0, 0);
    clipped_ = true;
    painter_.setClipRect(clip_.isValid() ? clip_ : QRect(0, 0, 0, 0), Qt::ReplaceClip);
}

void PainterCanvas::clearClip()
{
    clipped_ = false;
    painter_.setClipping(false);
}

void PainterCanvas::drawImage(int x, int y, const QImage &image)
{
    if (!image.isNull())
        painter_.drawImage(QPoint(x, y), image);
}

CanvasColor PainterCanvas::getPixel(int x, int y) const
{
    if (!raster_ || !raster_->rect().contains(x, y))
        return CanvasColor(-1);
    return rgbToCanvasColor(raster_->pixel(x, y));
}

void PainterCanvas::setPixel(int x, int y, CanvasColor color)
{
    painter_.fillRect(QRect(x, y, 1, 1), qcolor(color));
}
