// Image library timings for a 3000 × 2000 24-bit picture. Each measured case is
// one function; add further cases to the table in main.
#include "imaging/GrafikRW.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
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

struct Case {
    const char *name;
    double (*run)(Context &);
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Context context;
    context.picture = makeTestPicture();

    // Saves come first: the opens read the files they wrote.
    const std::vector<Case> cases = {
        {"SaveDib JPG", saveJpg}, {"SaveDib TIF", saveTif}, {"SaveDib BMP", saveBmp},
        {"OpenDib JPG", openJpg}, {"OpenDib TIF", openTif}, {"OpenDib BMP", openBmp},
    };
    std::printf("image library, %d x %d pixels, 24 bits per pixel\n", Width, Height);
    for (const Case &c : cases)
        std::printf("%-28s %8.1f ms\n", c.name, c.run(context));
    deldib(context.picture);
    return 0;
}
