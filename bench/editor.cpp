// Milliseconds per editor paint of the default layout on a large background
// picture, at the start-up and at the largest zoom, and per step of a drag
// (outline only). Each figure is the median of repeated runs, in CPU time.
#include "bench/benchstart.h"
#include "bench/benchpicture.h"
#include "core/document.h"
#include "editor/editorcontroller.h"
#include "editor/editorpaint.h"
#include "render/canvaspainter.h"
#include "templates/defaultlayout.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// CPU time of this thread in milliseconds: other work on a busy machine does not count.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double medianMs(int runs, const std::function<void()> &call)
{
    call();   // warm caches and fonts
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = cpuMs();
        call();
        times.push_back(cpuMs() - start);
    }
    return median(times);
}

// The visible area: a buffer of its own size at a scroll position; the drag
// outline goes straight onto it, as on the editor page.
struct BenchView : EditorSurfaceView {
    QImage buffer{1200, 800, QImage::Format_RGB32};
    int32_t h = 0, v = 0;
    int32_t hPos() const override { return h; }
    int32_t vPos() const override { return v; }
    int32_t scrollBoxWidth() const override { return buffer.width(); }
    int32_t scrollBoxHeight() const override { return buffer.height(); }
    void setScrollPositions(int32_t nh, int32_t nv) override { h = nh, v = nv; }
    void resizeSurface() override {}
    void paintEditor() override {}
    void invertOutline(int32_t l, int32_t t, int32_t w, int32_t hh) override
    {
        QPainter painter(&buffer);
        PainterCanvas canvas(painter, &buffer);
        canvas.invertFrame(l - h, t - v, l + w - h, t + hh - v);
    }
    void showCursor(int32_t) override {}
    void showElementMenu(int32_t, int32_t) override {}
    void showBackgroundMenu(int32_t, int32_t) override {}
    void editText(int32_t) override {}
    void showTool(EditorTool) override {}
    void focusKeys() override {}
};

// One editor paint of the visible area centred on the card's middle.
double paintMs(Document &doc, BenchView &view, const EditorState &state)
{
    const int32_t W = doc.surfaceWidth(), H = doc.surfaceHeight();
    view.h = std::max(0, W / 2 - view.buffer.width() / 2);
    view.v = std::max(0, H / 2 - view.buffer.height() / 2);
    return medianMs(41, [&] {
        view.buffer.fill(Qt::gray);
        QPainter painter(&view.buffer);
        PainterCanvas canvas(painter, &view.buffer);
        paintEditor(canvas, doc, CardRenderInputs{}, EditorView{W, H, view.h, view.v}, 1, state);
    });
}

} // namespace

int main(int argc, char **argv)
{
    prepareHeadlessBenchmark();
    QGuiApplication app(argc, argv);
    Document doc;
    LoadTemplate(doc, 96, {true, true});
    doc.BackgroundImage = gradientPicture(2000, 1500);
    doc.BackgroundMode = 0;
    BenchView view;
    EditorController editor(doc, view);

    const double startZoom = paintMs(doc, view, editor.state);
    doc.scale.DocUnitsPerPixel = 208.0 / 1.5 / 1.5 / 1.5 / 1.5;   // the largest zoom
    const double maxZoom = paintMs(doc, view, editor.state);
    doc.scale.DocUnitsPerPixel = 208;
    paintMs(doc, view, editor.state);

    // A 100-step drag of the title, timed per step.
    const Tobs &title = doc.pool[1];
    doc.CurrentElement = 1;
    const int32_t x0 = title.PxLeft() + 10, y0 = title.PxTop() + 10;
    std::vector<double> steps;
    for (int round = 0; round < 20; ++round) {
        editor.mouseDown(EditorButton::Left, x0, y0);
        for (int i = 1; i <= 100; ++i) {
            const double start = cpuMs();
            editor.mouseMove(x0 + i * 3, y0 + i);
            steps.push_back(cpuMs() - start);
        }
        editor.mouseUp(EditorButton::Left, x0, y0);   // back where it started
    }

    std::printf("paint-start-zoom: %.3f ms\n", startZoom);
    std::printf("paint-max-zoom: %.3f ms\n", maxZoom);
    std::printf("drag-step: %.4f ms\n", median(steps));
    return 0;
}
