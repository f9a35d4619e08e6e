#pragma once
// A canvas that records the text and clip operations it is asked for, to check
// the renderer's exact offsets and anchors independent of glyph shapes.
#include "render/canvas.h"
#include "render/cardrenderer.h"

#include <QRect>
#include <vector>

struct CanvasCall {
    enum Kind { DrawText, TextOut, Clip, Unclip, Fill } kind;
    QRect box;          // DrawText: (left, top, right, bottom) as given; Clip: the same
    QPoint at;          // TextOut
    QString text;
    CanvasFont font;
    CanvasColor color = 0;
    TextAlignment alignment = TextAlignment::Left;
    TextAnchor anchor = TextAnchor::TopLeft;
    bool busy = false;  // RenderBusy() during the call
};

class RecordingCanvas : public Canvas {
public:
    std::vector<CanvasCall> calls;

    bool isPrinter() const override { return false; }
    int colorDepth() const override { return 32; }
    void stretchDib(const DibImage &, const QRect &, const QRect &) override {}
    void fillRect(int l, int t, int r, int b, CanvasColor c) override
    {
        calls.push_back({CanvasCall::Fill, QRect(QPoint(l, t), QPoint(r, b)), {}, {}, {}, c});
    }
    void fillDiagonalHatch(int, int, int, int, CanvasColor) override {}
    void ellipse(int, int, int, int, const CanvasPen &, const CanvasBrush &) override {}
    void rectangle(int, int, int, int, const CanvasPen &, const CanvasBrush &) override {}
    void roundRect(int, int, int, int, int, int, const CanvasPen &, const CanvasBrush &) override {}
    void line(int, int, int, int, const CanvasPen &) override {}
    void textOut(int x, int y, const QString &text, const CanvasFont &font, CanvasColor color,
                 TextAnchor anchor) override
    {
        CanvasCall c{CanvasCall::TextOut, {}, QPoint(x, y), text, font, color};
        c.anchor = anchor;
        c.busy = RenderBusy();
        calls.push_back(c);
    }
    void drawText(int l, int t, int r, int b, const QString &text, const CanvasFont &font, CanvasColor color,
                  TextAlignment alignment) override
    {
        CanvasCall c{CanvasCall::DrawText, QRect(QPoint(l, t), QPoint(r, b)), {}, text, font, color};
        c.alignment = alignment;
        c.busy = RenderBusy();
        calls.push_back(c);
    }
    QRect drawableArea() const override { return QRect(-100000, -100000, 200000, 200000); }
    void setClipRect(int l, int t, int r, int b) override
    {
        calls.push_back({CanvasCall::Clip, QRect(QPoint(l, t), QPoint(r, b))});
    }
    void clearClip() override { calls.push_back({CanvasCall::Unclip}); }
    void drawImage(int, int, const QImage &) override {}
    CanvasColor getPixel(int, int) const override { return -1; }
    void setPixel(int, int, CanvasColor) override {}

    std::vector<CanvasCall> ofKind(CanvasCall::Kind k) const
    {
        std::vector<CanvasCall> out;
        for (const CanvasCall &c : calls)
            if (c.kind == k)
                out.push_back(c);
        return out;
    }
};
