#pragma once
// The canvas over a QPainter: on a QImage (the editor's buffer and every
// bitmap) or on a QPrinter / QPdfWriter page.
#include "render/canvas.h"

#include <QRect>

class QImage;
class QPainter;

class PainterCanvas : public Canvas {
public:
    // The painter must be active on its device for the canvas's lifetime and
    // use device pixels as coordinates. Pass the painted image as raster to let
    // getPixel read it back; without it the canvas is write-only.
    explicit PainterCanvas(QPainter &painter, const QImage *raster = nullptr);

    bool isPrinter() const override;
    int colorDepth() const override;
    void stretchDib(const DibImage &dib, const QRect &dest, const QRect &source) override;

    void fillRect(int left, int top, int right, int bottom, CanvasColor color) override;
    void fillDiagonalHatch(int left, int top, int right, int bottom, CanvasColor color) override;
    void ellipse(int left, int top, int right, int bottom, const CanvasPen &pen,
                 const CanvasBrush &brush) override;
    void rectangle(int left, int top, int right, int bottom, const CanvasPen &pen,
                   const CanvasBrush &brush) override;
    void roundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight,
                   const CanvasPen &pen, const CanvasBrush &brush) override;
    void line(int x0, int y0, int x1, int y1, const CanvasPen &pen) override;
    void textOut(int x, int y, const QString &text, const CanvasFont &font, CanvasColor color,
                 TextAnchor anchor) override;
    void drawText(int left, int top, int right, int bottom, const QString &text, const CanvasFont &font,
                  CanvasColor color, TextAlignment alignment) override;
    QRect drawableArea() const override;
    void setClipRect(int left, int top, int right, int bottom) override;
    void clearClip() override;
    void drawImage(int x, int y, const QImage &image) override;
    CanvasColor getPixel(int x, int y) const override;
    void setPixel(int x, int y, CanvasColor color) override;
    void invertFrame(int left, int top, int right, int bottom) override;

    // Treat the device as a printer (or not), whatever it is.
    void setPrinter(bool printer) { target_.setPrinter(printer); }

private:
    void fillShape(const struct ShapeOutline &shape, const CanvasPen &pen, const CanvasBrush &brush);

    QPainter &painter_;
    const QImage *raster_;
    QPainterCanvasTarget target_;
    QRect clip_;          // valid while a clip rectangle is set
    bool clipped_ = false;
};
