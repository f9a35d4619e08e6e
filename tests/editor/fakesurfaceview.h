#pragma once
// A stand-in for the editor page: records what the editor logic asks of it.
#include "core/document.h"
#include "editor/editorcontroller.h"

#include <QRect>
#include <algorithm>
#include <vector>

struct FakeSurfaceView : EditorSurfaceView {
    explicit FakeSurfaceView(Document &d) : doc(d) {}
    Document &doc;
    int32_t h = 0, v = 0;
    int32_t boxW = 400, boxH = 300;   // the scroll area's outer size (no scroll bars)
    int paints = 0;
    std::vector<QRect> outlines;
    int32_t cursor = 0;
    QString menu;                     // "element" or "background"
    QPoint menuAt;
    int32_t edited = 0;
    EditorTool shownTool = EditorTool::Pointer;
    int focused = 0;

    int32_t hPos() const override { return h; }
    int32_t vPos() const override { return v; }
    int32_t scrollBoxWidth() const override { return boxW; }
    int32_t scrollBoxHeight() const override { return boxH; }
    void setScrollPositions(int32_t nh, int32_t nv) override
    {
        // A scroll area scrolls at most to surface − visible.
        h = std::clamp(nh, 0, std::max(0, doc.surfaceWidth() - boxW));
        v = std::clamp(nv, 0, std::max(0, doc.surfaceHeight() - boxH));
    }
    void resizeSurface() override {}
    void paintEditor() override { ++paints; }
    void invertOutline(int32_t l, int32_t t, int32_t w, int32_t hh) override { outlines.emplace_back(l, t, w, hh); }
    void showCursor(int32_t c) override { cursor = c; }
    void showElementMenu(int32_t x, int32_t y) override { menu = QStringLiteral("element"); menuAt = {x, y}; }
    void showBackgroundMenu(int32_t x, int32_t y) override { menu = QStringLiteral("background"); menuAt = {x, y}; }
    void editText(int32_t slot) override { edited = slot; }
    void showTool(EditorTool t) override { shownTool = t; }
    void focusKeys() override { ++focused; }
};

// Puts an element into a slot with its box given in screen pixels at 208 units per pixel.
inline Tobs &placePx(Document &doc, int slot, int32_t kind, int32_t l, int32_t t, int32_t w, int32_t h)
{
    Tobs &e = doc.pool[slot];
    e.Kind = kind;
    e.Left = l * 208;
    e.Top = t * 208;
    e.Width = w * 208;
    e.Height = h * 208;
    return e;
}
