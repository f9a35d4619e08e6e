// Milliseconds per DrawVCart for a busy card: the editor's visible area, one
// ticket at 600 pixels per inch, and the 96-dpi export; and the placeholder
// substitution of a 1 MB text made of placeholders.
#include "bench/benchstart.h"
#include "core/cp1252.h"
#include "bench/benchpicture.h"
#include "core/document.h"
#include "printing/cardexport.h"
#include "render/canvaspainter.h"
#include "render/cardrenderer.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <functional>

namespace {

// A 90 × 55 mm card: stretched background, eight texts (two shadowed, one
// outlined, one rotated), a barcode and a transparent 400 × 400 picture.
void buildCard(Document &doc)
{
    doc.BackgroundImage = gradientPicture(2000, 1500);
    doc.BackgroundMode = 0;
    const int32_t left = doc.PasteboardWidth / 3, top = doc.PasteboardHeight / 3;
    const auto mm = [](double v) { return int32_t(mmToDocUnits(v)); };
    int slot = 1;
    const char *texts[] = {"Sommerfest [Ort]", "Stadthalle", "Samstag, 1. Mai 20:00 Uhr", "Preis: 12,00 EUR",
                           "Reihe 4, Platz 17", "Einlass ab 19:00 Uhr", "[Kartennummer]",
                           "Veranstalter: Kulturverein"};
    for (int i = 0; i < 8; ++i) {
        Tobs &e = doc.pool[slot++];
        e.Kind = KindText;
        e.Left = left + mm(5);
        e.Top = top + mm(4 + 5.5 * i);
        e.Width = mm(60);
        e.Height = mm(6);
        e.Text = toCp1252(QString::fromUtf8(texts[i]));
        e.FontName = "Arial";
        e.FontSize = i == 0 ? 16 : 10;
        e.FontStyle = i == 0 ? 1 : 0;
        e.Color = 0x000000;
        e.FillMode = 0x808080;
        e.LineColor = 0xFFFFFF;
        e.Shadow = i < 2;
        e.Outline = i == 2;
        if (i == 7) {
            e.Rotation = 1;
            e.Left = left + mm(82);
            e.Top = top + mm(5);
            e.Width = mm(6);
            e.Height = mm(45);
        }
    }
    Tobs &bar = doc.pool[slot++];
    bar.Kind = KindBarcode;
    bar.Left = left + mm(5);
    bar.Top = top + mm(45);
    bar.Width = mm(45);
    bar.Height = mm(8);
    Tobs &pic = doc.pool[slot++];
    pic.Kind = KindImage;
    pic.Left = left + mm(58);
    pic.Top = top + mm(25);
    pic.Width = mm(22);
    pic.Height = mm(22);
    pic.Dib = gradientPicture(400, 400);
    for (int y = 100; y < 300; ++y)
        for (int x = 100; x < 300; ++x)
            setpixel(pic.Dib, x, y, 0xFFFFFF);
    pic.Transparent = 1;
    pic.setTransColor(0xFFFFFF);
}

double msPerCall(const std::function<void()> &call)
{
    call();   // warm caches and fonts
    QElapsedTimer timer;
    int runs = 0;
    timer.start();
    while (timer.elapsed() < 1500 || runs < 5) {
        call();
        ++runs;
    }
    return double(timer.nsecsElapsed()) / 1e6 / runs;
}

} // namespace

int main(int argc, char **argv)
{
    prepareHeadlessBenchmark();
    QGuiApplication app(argc, argv);
    Document doc;
    buildCard(doc);
    CardRenderInputs inputs;
    inputs.placeholders.eventCurrent = true;
    inputs.placeholders.values[2] = QStringLiteral("Stadthalle");
    inputs.placeholders.ticketLabel = QStringLiteral("Kartennummer");
    doc.CurrentTicketNumber = 1234;

    // (a) editor: a 1000 × 700 buffer of the pasteboard at zoom 1, the card in view.
    QImage editor(1000, 700, QImage::Format_RGB32);
    const double screenScale = doc.scale.ZoomFactor / doc.scale.DocUnitsPerPixel;
    const int surfaceW = doc.surfaceWidth(), surfaceH = doc.surfaceHeight();
    const double a = msPerCall([&] {
        editor.fill(Qt::white);
        QPainter painter(&editor);
        PainterCanvas canvas(painter, &editor);
        doc.scale.UsePrintScale = false;
        DrawVCart(canvas, doc, inputs, surfaceW, surfaceH, 0, 0, screenScale, true);
    });

    // (b) one ticket at 600 pixels per inch, clipped to the card.
    const double printScale = 600 / DocUnitsPerInch;
    const int W = int(90 / MmPerInch * 600), H = int(55 / MmPerInch * 600);
    QImage ticket(W, H, QImage::Format_RGB32);
    const double b = msPerCall([&] {
        ticket.fill(Qt::white);
        QPainter painter(&ticket);
        PainterCanvas canvas(painter, &ticket);
        doc.scale.UsePrintScale = true;
        doc.scale.PrintScale = printScale;
        DrawVCart(canvas, doc, inputs, W, H, W, H, printScale, false);
        doc.scale.UsePrintScale = false;
    });

    // (c) the 96-dpi export.
    const double c = msPerCall([&] { renderCardForExport(doc, inputs, 1234); });

    // (d) substitution in one million characters of placeholders.
    QString placeholderText;
    while (placeholderText.size() < 1000000)
        placeholderText += QStringLiteral("[Ort] <Preis> [Kartennummer] [Zusatz 5] ");
    const double d = msPerCall([&] { GetRepStr(placeholderText, inputs.placeholders, 1234, {}); });

    std::printf("render (a) editor 1000x700 zoom 1:      %8.2f ms per DrawVCart (goal < 8)\n", a);
    std::printf("render (b) ticket 600 dpi %dx%d:      %8.2f ms per DrawVCart (goal < 120)\n", W, H, b);
    std::printf("render (c) export 96 dpi 340x207:       %8.2f ms per DrawVCart\n", c);
    std::printf("render (d) placeholders in 1 MB of text:  %8.2f ms per GetRepStr (goal < 500)\n", d);
    return 0;
}
