// Seconds, peak memory and PDF size of print runs to a 600 dpi PDF: 1000
// tickets of a card with a numbered text, a barcode and a 1000 × 640 picture;
// the same without the picture; 10 000 tickets without it.
#include "bench/benchstart.h"
#include "core/cp1252.h"
#include "core/document.h"
#include "printing/printjob.h"
#include "render/cardrenderer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

// 90 × 55 mm tickets, 2 × 5 on A4.
void buildCard(Document &doc, bool picture)
{
    doc.ticketType.MarginLeft = 10;
    doc.ticketType.MarginTop = 10;
    doc.ticketType.PitchX = 95;
    doc.sizePasteboardFromTicketType();
    const auto mm = [](double v) { return int32_t(mmToDocUnits(v)); };
    const int32_t left = mm(90), top = mm(55);
    Tobs &text = doc.pool[1];
    text.Kind = KindText;
    text.Left = left + mm(5);
    text.Top = top + mm(5);
    text.Width = mm(70);
    text.Height = mm(8);
    text.Text = toCp1252(QStringLiteral("[Kartennummer]"));
    text.FontName = "Liberation Sans";
    text.FontSize = 14;
    Tobs &bar = doc.pool[2];
    bar.Kind = KindBarcode;
    bar.Left = left + mm(5);
    bar.Top = top + mm(20);
    bar.Width = mm(60);
    bar.Height = mm(20);
    if (picture) {
        newdib(doc.BackgroundImage, 1000, 640, 24);
        for (int y = 0; y < 640; ++y)
            for (int x = 0; x < 1000; ++x)
                setpixel(doc.BackgroundImage, x, y, (x * 255 / 1000) | ((y * 255 / 640) << 8) | 0x300000);
        doc.BackgroundMode = 0;
    }
}

struct Run {
    double seconds;
    double megabytes;
};

Run printOnce(int tickets, bool picture, const QString &file)
{
    Document doc;
    buildCard(doc, picture);
    CardRenderInputs inputs;
    inputs.placeholders.eventCurrent = true;
    inputs.placeholders.ticketLabel = QStringLiteral("Kartennummer");
    QPrinter printer(QPrinter::HighResolution);
    setUpPdfPrinter(printer, file, 600);
    PrintRun run;
    run.KopiesED = tickets;
    QElapsedTimer timer;
    timer.start();
    printRun(printer, doc, inputs, run, Calibration{});
    return {timer.nsecsElapsed() / 1e9, QFileInfo(file).size() / (1024.0 * 1024.0)};
}

Run median(int repeats, int tickets, bool picture, const QString &file)
{
    std::vector<Run> runs;
    for (int i = 0; i < repeats; ++i)
        runs.push_back(printOnce(tickets, picture, file));
    std::sort(runs.begin(), runs.end(), [](const Run &a, const Run &b) { return a.seconds < b.seconds; });
    return runs[runs.size() / 2];
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

} // namespace

int main(int argc, char **argv)
{
    prepareHeadlessBenchmark();
    QGuiApplication app(argc, argv);
    // An argument names a folder that keeps the PDF of the last run, to look at.
    QTemporaryDir dir;
    const QString file = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.path()).filePath(QStringLiteral("run.pdf"));

    // The large run first, so that the peak memory is its own.
    const Run large = median(1, 10000, false, file);
    const double memory = peakMegabytes();
    const Run plain = median(3, 1000, false, file);
    const Run withPicture = median(3, 1000, true, file);

    std::printf("run-1000-picture: %.3f s\n", withPicture.seconds);
    std::printf("run-1000-plain: %.3f s\n", plain.seconds);
    std::printf("run-10000-plain: %.3f s\n", large.seconds);
    std::printf("memory-10000-plain: %.1f MB\n", memory);
    std::printf("pdf-1000-picture: %.2f MB\n", withPicture.megabytes);
    return 0;
}
