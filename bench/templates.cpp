// The template wizard: generating 100 layouts of all nine elements, and
// painting a 1200 × 800 gallery band with 12 visible thumbnails (the first
// paint, when every text is fitted, and a repaint).
#include "bench/benchstart.h"
#include "core/programfolder.h"
#include "core/programrandom.h"
#include "render/canvaspainter.h"
#include "render/placeholders.h"
#include "templates/fontfitting.h"
#include "templates/gallery.h"
#include "templates/templatewizard.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int Runs = 21;

double medianMs(const std::function<void()> &call)
{
    std::vector<double> times;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        call();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void writeLogo(const QString &path)
{
    DibImage dib;
    newdib(dib, 300, 200, 24);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            setpixel(dib, x, y, (x * 255 / 300) | ((y * 255 / 200) << 8) | 0x400000);
    SaveDib(dib, path, 3);
    deldib(dib);
}
}

int main(int argc, char **argv)
{
    prepareHeadlessBenchmark();
    QGuiApplication app(argc, argv);
    QTemporaryDir folder;
    setProgramFolder(folder.path());
    writeLogo(folder.filePath(QStringLiteral("logo.bmp")));
    seedProgramRandom(1);

    TemplateRequest request;
    request.ticked.fill(true);
    request.picture = TemplateRequest::Picture::Logo;
    request.picturePath = QStringLiteral("logo.bmp");
    TemplateWizard wizard;
    if (!wizard.generate(request, cellDrawFrom(programRandom())) || wizard.TemplateElementCount() != 9) {
        std::fprintf(stderr, "generation failed\n");
        return 1;
    }
    const double generate = medianMs([&] { generateLayouts(wizard.Layouts, 9, cellDrawFrom(programRandom())); });

    PlaceholderInputs placeholders;
    placeholders.eventCurrent = true;
    const char *values[] = {"Sommerfest der Stadtkapelle", "Abendvorstellung", "Stadthalle am Markt",
                            "Samstag, 1. Mai 2027, 20:00 Uhr", "24,00 EUR", "18,00 EUR", "Reihe 4, Platz 17"};
    for (int i = 0; i < 7; ++i)
        placeholders.values[size_t(i)] = QString::fromUtf8(values[i]);
    placeholders.ticketLabel = QStringLiteral("Nr. ");

    // A 100 × 30 mm card: 500-pixel thumbnails, two to a row; the band from
    // y = 100 meets six rows.
    const GalleryGeometry geometry = GalleryGeometry::compute(100, 30, 1200, wizard.TemplateCount);
    const QRect band(0, 100, 1200, 800);
    const GalleryContent content{placeholders, 1234, 100, 30};
    QImage surface(geometry.surfaceWidth, geometry.surfaceHeight, QImage::Format_RGB32);
    size_t visible = 0;
    const auto paint = [&](FontFitter &fitter) {
        QPainter painter(&surface);
        painter.fillRect(band, QColor(0x808080));
        PainterCanvas canvas(painter, &surface);
        visible = paintGallery(canvas, wizard, geometry, band, content, fitter).size();
    };
    const double first = medianMs([&] {
        FontFitter fresh;
        paint(fresh);
    });
    FontFitter kept;
    const double repaint = medianMs([&] { paint(kept); });
    if (visible != 12)
        std::fprintf(stderr, "%zu thumbnails visible instead of 12\n", visible);

    std::printf("generate: %.3f ms\n", generate);
    std::printf("gallery-paint: %.2f ms\n", first);
    std::printf("gallery-repaint: %.2f ms\n", repaint);
    return 0;
}
