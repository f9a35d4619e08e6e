#pragma once
// A document and a canvas to render it on, for the renderer's tests.
#include "core/document.h"
#include "render/canvaspainter.h"
#include "render/cardrenderer.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <vector>

constexpr QRgb Grey = 0xFF808080;

// Pixels equal DocUnits (scale 1), on screen or at print scale.
struct RenderScene {
    Document doc;
    CardRenderInputs inputs;

    explicit RenderScene(bool printScale = true);
    ~RenderScene();

    // A new element in the next free slot; geometry in DocUnits.
    Tobs &add(int kind, int left, int top, int width, int height);
    // Renders one ticket of W × H whose top-left lies at (W, H) on the pasteboard,
    // as the preview and export do.
    QImage renderTicket(int W, int H, bool printer = false);
    // The general case: a W × H card drawn with offsets into an image of its own size.
    QImage render(int imageW, int imageH, int W, int H, int offX, int offY, double scale, bool centreThird,
                  bool printer = false);
    // Renders a visible area of the pasteboard as the editor does.
    QImage renderEditor(int W, int H, int offX, int offY, int imageW, int imageH);
};

// A picture filled with one colour (24 bits, 0x00BBGGRR).
DibImage solidPicture(int w, int h, int32_t color);

// The bounding box of the pixels of the given colour (or of every pixel unlike
// the background when exact is false).
QRect boundsOf(const QImage &image, QRgb color, bool exact = true);
// How many pixels have this colour.
int countOf(const QImage &image, QRgb color);
