// Image library timings for a 3000 × 2000 24-bit picture. Each measured case is
// one function; add further cases to the table in main.
#include "bench/benchstart.h"
#include "imaging/GrafikRW.h"
#include "render/canvastarget.h"
#include "imaging/dibrotate.h"
#include "render/raster.h"

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

constexpr int Width = 3000, Height = 2000;

// Smooth ramps with some fine detail, so compressors get realistic work.
DibImage makeTestPicture()
{
    DibImage dib;
    newdib(dib, Width, Height, 24);
    for (int y = 0; y < Height; ++y) {
        uint8_t *row = dib.Bits + size_t(y) * size_t(dib.RowBytes);
        for (int x = 0; x < Width; ++x) {
            row[3 * x] = uint8_t((x + y) / 20);
            row[3 * x + 1] = uint8_t(y * 255 / Height);
            row[3 * x + 2] = uint8_t(((x / 4) ^ (y / 4)) & 0x3F) + uint8_t(x * 190 / Width);
        }
    }
    return dib;
}

struct Context {
    DibImage picture;
    QTemporaryDir folder;
    QString file(const char *name) const { return folder.filePath(QString::fromLatin1(name)); }
};

double timeMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

double saveAs(Context &c, const char *name, int format)
{
    return timeMs([&] {
        if (SaveDib(c.picture, c.file(name), format) != 1)
            std::fprintf(stderr, "SaveDib %s failed\n", name);
    });
}

double openFile(Context &c, const char *name)
{
    DibImage read;
    const double ms = timeMs([&] { OpenDib(read, c.file(name)); });
    if (read.isEmpty())
        std::fprintf(stderr, "OpenDib %s failed\n", name);
    deldib(read);
    return ms;
}

double saveJpg(Context &c) { return saveAs(c, "bench.jpg", 8); }
double saveTif(Context &c) { return saveAs(c, "bench.tif", 13); }
double saveBmp(Context &c) { return saveAs(c, "bench.bmp", 3); }
double openJpg(Context &c) { return openFile(c, "bench.jpg"); }
double openTif(Context &c) { return openFile(c, "bench.tif"); }
double openBmp(Context &c) { return openFile(c, "bench.bmp"); }

// Best of five turns of a copy (the copy is made outside the timing).
double rotateRight(Context &c)
{
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        DibImage copy;
        newdib(copy, Width, Height, 24);
        std::copy(c.picture.Bits, c.picture.Bits + size_t(c.picture.RowBytes) * Height, copy.Bits);
        best = std::min(best, timeMs([&] { RotRight(copy); }));
        deldib(copy);
    }
    return best;
}

// The whole picture scaled onto a 1000 × 667 screen image; best of five.
double drawOnScreen(Context &c)
{
    QImage screen(1000, 667, QImage::Format_RGB32);
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        QPainter painter(&screen);
        QPainterCanvasTarget target(painter);
        best = std::min(best, timeMs([&] {
            DrawDIB(target, 0, 0, 1000, 667, c.picture, 0, 0, Width, Height, false, SRCCOPY, true, nullptr);
        }));
    }
    return best;
}

struct Case {
    const char *name;
    double (*run)(Context &);
};

} // namespace

int main(int argc, char **argv)
{
    prepareHeadlessBenchmark();
    QGuiApplication app(argc, argv);
    Context context;
    context.picture = makeTestPicture();

    // Saves come first: the opens read the files they wrote.
    const std::vector<Case> cases = {
        {"SaveDib JPG", saveJpg}, {"SaveDib TIF", saveTif}, {"SaveDib BMP", saveBmp},
        {"OpenDib JPG", openJpg}, {"OpenDib TIF", openTif}, {"OpenDib BMP", openBmp},
        {"RotRight", rotateRight}, {"DrawDIB onto 1000 x 667", drawOnScreen},
    };
    std::printf("image library, %d x %d pixels, 24 bits per pixel\n", Width, Height);
    for (const Case &c : cases)
        std::printf("%-28s %8.1f ms\n", c.name, c.run(context));
    deldib(context.picture);
    return 0;
}
