#pragma once
// The print preview: one sheet of the run as it will print, every ticket of it
// rendered off-screen into one reused ticket bitmap and copied onto the page.
#include "printing/sheetlayout.h"

#include <QImage>
#include <QSize>

class Document;
class QPainter;
class QPrinter;
struct CardRenderInputs;

// What the preview needs of the printer: resolutions in pixels per inch and
// the printable area in device pixels.
struct PreviewDevice {
    int32_t dpiX = 600;
    int32_t dpiY = 600;
    int32_t pageWidth = 4958;
    int32_t pageHeight = 7017;
};

// The device of a printer; without one (or a printer that reports nothing),
// A4 at 600 dpi.
PreviewDevice previewDeviceOf(const QPrinter *printer);

constexpr int32_t InitialPreviewDpi = 72;
// Zoom steps: 3/2 up while below 300, 2/3 down while above 10 (integer
// division); the value unchanged when the step is refused.
int32_t zoomedIn(int32_t previewDpi);
int32_t zoomedOut(int32_t previewDpi);

// The surface: printable area div (printer resolution div PreviewDpi) each way.
// A PreviewDpi above the printer's resolution uses a ratio of 1.
QSize previewSize(const PreviewDevice &device, int32_t previewDpi);

// Paints the surface of the given size: white, then every ticket of sheet
// PageEd with its number and seat, and the cutting lines when switched on.
// The run must be clamped. UsePrintScale is on only while painting;
// CurrentTicketNumber is left after the last ticket of the run.
void paintPreview(QPainter &painter, const QSize &surface, Document &doc, const CardRenderInputs &inputs,
                  const PrintRun &run, int32_t previewDpi);

// The same onto a new image of the surface's size (the batch tool and tests).
QImage renderPreview(Document &doc, const CardRenderInputs &inputs, const PrintRun &run,
                     const PreviewDevice &device, int32_t previewDpi);
