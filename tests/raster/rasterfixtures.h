#pragma once
// Pictures and drawing targets for the raster tests.
#include "render/canvastarget.h"

#include <QImage>
#include <QRect>
#include <functional>
#include <vector>

// An owned picture, released at the end of the test.
struct OwnedDib {
    DibImage dib;
    OwnedDib() = default;
    OwnedDib(const OwnedDib &) = delete;
    OwnedDib &operator=(const OwnedDib &) = delete;
    ~OwnedDib();
};

// A picture whose pixel (x, y) is value(x, y); 1-, 4- and 8-bit pictures get a
// colour table where index i is the colour (i, 255 - i, 7).
void fillDib(OwnedDib &out, int width, int height, int bpp, const std::function<int32_t(int, int)> &value);

// The colour of pixel (x, y) in the pattern of a 24-bit test picture: red = x,
// green = y, blue = 0x40 (as 0x00BBGGRR).
int32_t patternPixel(int x, int y);
QRgb patternRgb(int x, int y);

// Records what DrawDIB hands to a device.
class RecordingTarget : public CanvasTarget {
public:
    struct Call {
        QRect dest, source;
        int width, height, bpp;
    };
    explicit RecordingTarget(bool printer, QRect area = {}) : printer_(printer), area_(area) {}
    bool isPrinter() const override { return printer_; }
    int colorDepth() const override { return 32; }
    void stretchDib(const DibImage &dib, const QRect &dest, const QRect &source) override;
    QRect drawableArea() const override { return area_; }
    std::vector<Call> calls;

private:
    bool printer_;
    QRect area_;
};

// A white RGB32 image to draw on.
QImage blankCanvas(int width, int height);
