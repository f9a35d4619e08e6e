#include "renderfixture.h"

RenderScene::RenderScene(bool printScale)
{
    doc.scale.ZoomFactor = 1.0;
    doc.scale.DocUnitsPerPixel = 1.0;
    doc.scale.UsePrintScale = printScale;
    doc.scale.PrintScale = 1.0;
}

RenderScene::~RenderScene() = default;

Tobs &RenderScene::add(int kind, int left, int top, int width, int height)
{
    const int slot = doc.pool.firstFreeSlot();
    Tobs &e = doc.pool[slot];
    e.Kind = kind;
    e.Left = left;
    e.Top = top;
    e.Width = width;
    e.Height = height;
    e.FontName = "Liberation Sans";
    return e;
}

QImage RenderScene::render(int imageW, int imageH, int W, int H, int offX, int offY, double scale,
                           bool centreThird, bool printer)
{
    if (doc.scale.UsePrintScale)
        doc.scale.PrintScale = scale;
    QImage image(imageW, imageH, QImage::Format_RGB32);
    image.fill(Grey);
    QPainter painter(&image);
    PainterCanvas canvas(painter, &image);
    canvas.setPrinter(printer);
    DrawVCart(canvas, doc, inputs, W, H, offX, offY, scale, centreThird);
    return image;
}

QImage RenderScene::renderTicket(int W, int H, bool printer)
{
    return render(W, H, W, H, W, H, 1.0, false, printer);
}

QImage RenderScene::renderEditor(int W, int H, int offX, int offY, int imageW, int imageH)
{
    return render(imageW, imageH, W, H, offX, offY, 1.0, true);
}

DibImage solidPicture(int w, int h, int32_t color)
{
    DibImage dib;
    newdib(dib, w, h, 24);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            setpixel(dib, x, y, color);
    return dib;
}

QRect boundsOf(const QImage &image, QRgb color, bool exact)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (exact ? p == color : p != color)
                r |= QRect(x, y, 1, 1);
        }
    return r;
}

int countOf(const QImage &image, QRgb color)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == color;
    return n;
}
