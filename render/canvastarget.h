#pragma once
// The drawing target of the raster helpers: what DrawDIB needs of a device
// (draw a scaled picture, tell a printer from a screen). The card renderer's
// full canvas derives from it.
#include "imaging/GrafikRW.h"

#include <QImage>
#include <QRect>
#include <vector>

class QPainter;

class CanvasTarget {
public:
    virtual ~CanvasTarget();

    // True for printers and PDF writers: pictures are handed over whole so that
    // the device scales them at its own resolution.
    virtual bool isPrinter() const = 0;
    // Bits per pixel of the device.
    virtual int colorDepth() const = 0;

    // Draws the source window of the picture scaled into dest, nearest neighbour
    // (rows and columns are repeated or dropped, never blended), as a copy.
    // The window's y counts rows from the picture's bottom edge, as with
    // bottom-up pictures; it must lie inside the picture.
    virtual void stretchDib(const DibImage &dib, const QRect &dest, const QRect &source) = 0;

    // The part of the target that drawing can reach, in the coordinates of
    // stretchDib's dest; rows outside it are skipped. Null: unknown, draw all.
    virtual QRect drawableArea() const { return {}; }
};

// A target over a QPainter: on a QImage or widget (screen), a QPrinter or a
// QPdfWriter (printer). The painter must stay active while the target is used.
class QPainterCanvasTarget : public CanvasTarget {
public:
    explicit QPainterCanvasTarget(QPainter &painter);

    bool isPrinter() const override;
    int colorDepth() const override;
    void stretchDib(const DibImage &dib, const QRect &dest, const QRect &source) override;
    QRect drawableArea() const override;

    // Overrides the printer detection (e.g. an image that stands for a page).
    void setPrinter(bool printer) { printerOverride_ = printer ? 1 : 0; }

    QPainter &painter() const { return painter_; }

private:
    // Pictures already handed to a printer, by picture and window: drawing the
    // same QImage again lets a PDF store it once. Valid while the pictures do
    // not change, i.e. for one print job on one canvas.
    struct HandedOver {
        const uint8_t *bits;
        const void *info;
        QRect window;
        QImage image;
    };
    const QImage &printerImage(const DibImage &dib, const QRect &window);

    QPainter &painter_;
    int printerOverride_ = -1;
    std::vector<HandedOver> handedOver_;
    QImage rowImage_;   // reused by the row-by-row picture drawing
};
