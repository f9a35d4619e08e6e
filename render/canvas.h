#pragma once
// The drawing canvas of the card renderer: the device operations a card is
// drawn with, in device pixels. Rectangles are given by their edges (left, top,
// right, bottom) with the right and bottom edges exclusive.
#include "render/canvastarget.h"

#include <QString>
#include <cstdint>

class QImage;

// Colours are 0x00BBGGRR, red in the low byte.
using CanvasColor = int32_t;

// A solid pen; the outline of a figure is centred on its boundary.
struct CanvasPen {
    CanvasColor color = 0x00FFFFFF;
    int width = 1;
};

// A solid brush, or none (the figure's interior is left alone).
struct CanvasBrush {
    CanvasColor color = 0x00FFFFFF;
    bool clear = false;
};

struct CanvasFont {
    QString face;
    // Negative: character height in pixels (without internal leading).
    // Positive: cell height. 0: a default height.
    int height = 0;
    int escapement = 0;   // tenths of a degree, counter-clockwise
    int weight = 400;     // 700 is bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

// Reference point of textOut.
enum class TextAnchor {
    TopLeft,        // 0: the top-left corner of the text
    BaselineLeft,   // 24: the left end of the baseline
};

// Horizontal alignment of the lines of drawText.
enum class TextAlignment { Left, Center, Right };

class Canvas : public CanvasTarget {
public:
    // Fills the rectangle with a colour.
    virtual void fillRect(int left, int top, int right, int bottom, CanvasColor color) = 0;
    // Fills the rectangle with a diagonal cross-hatch of the colour; the gaps
    // between the hatch lines keep what is there.
    virtual void fillDiagonalHatch(int left, int top, int right, int bottom, CanvasColor color) = 0;

    // Figures inside the bounding rectangle, the outline drawn with the pen
    // centred on the boundary, the interior with the brush.
    virtual void ellipse(int left, int top, int right, int bottom, const CanvasPen &pen,
                         const CanvasBrush &brush) = 0;
    virtual void rectangle(int left, int top, int right, int bottom, const CanvasPen &pen,
                           const CanvasBrush &brush) = 0;
    // Corners are quarters of a cornerWidth × cornerHeight ellipse.
    virtual void roundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight,
                           const CanvasPen &pen, const CanvasBrush &brush) = 0;
    // A line from (x0, y0) up to, not including, (x1, y1).
    virtual void line(int x0, int y0, int x1, int y1, const CanvasPen &pen) = 0;

    // One line of text at the reference point; not clipped to any box. Glyphs
    // only, no background.
    virtual void textOut(int x, int y, const QString &text, const CanvasFont &font, CanvasColor color,
                         TextAnchor anchor) = 0;
    // Text laid out inside the rectangle from its top: lines break at CR LF, a
    // lone CR or a lone LF and between words that do not fit the width; "&" is
    // an ordinary character; everything is clipped to the rectangle.
    virtual void drawText(int left, int top, int right, int bottom, const QString &text,
                          const CanvasFont &font, CanvasColor color, TextAlignment alignment) = 0;

    // The part of the device drawing can reach: the device's pixels within the
    // clip rectangle, when one is set.
    virtual QRect drawableArea() const = 0;

    // Restricts all further drawing to the rectangle (replacing any earlier
    // restriction), or lifts the restriction.
    virtual void setClipRect(int left, int top, int right, int bottom) = 0;
    virtual void clearClip() = 0;

    // Draws an image with transparency at its own size, top-left at (x, y).
    // Fully transparent pixels keep the canvas.
    virtual void drawImage(int x, int y, const QImage &image) = 0;

    // One device pixel. Raster canvases only: a printer reads back
    // 0xFFFFFFFF (no colour) and setPixel draws a one-pixel square.
    virtual CanvasColor getPixel(int x, int y) const = 0;
    virtual void setPixel(int x, int y, CanvasColor color) = 0;

    // The outline of the rectangle drawn with a one-pixel pen that inverts the
    // pixels it covers, so drawing it twice restores the picture. Raster only.
    virtual void invertFrame(int left, int top, int right, int bottom);
};

// QColor-free conversions between 0x00BBGGRR and QRgb.
inline uint32_t canvasColorToRgb(CanvasColor c)
{
    const uint32_t v = uint32_t(c);
    return 0xFF000000u | ((v & 0xFFu) << 16) | (v & 0xFF00u) | ((v >> 16) & 0xFFu);
}
inline CanvasColor rgbToCanvasColor(uint32_t rgb)
{
    return CanvasColor(((rgb >> 16) & 0xFFu) | (rgb & 0xFF00u) | ((rgb & 0xFFu) << 16));
}
