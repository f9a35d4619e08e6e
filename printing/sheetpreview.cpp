#include "printing/sheetpreview.h"

#include "core/document.h"
#include "printing/cuttinglines.h"
#include "printing/printscale.h"
#include "render/canvaspainter.h"
#include "render/cardrenderer.h"
#include "render/raster.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cstring>

PreviewDevice previewDeviceOf(const QPrinter *printer)
{
    if (!printer || printer->resolution() <= 0 || printer->width() <= 0 || printer->height() <= 0)
        return {};
    return {printer->logicalDpiX(), printer->logicalDpiY(), printer->width(), printer->height()};
}

int32_t zoomedIn(int32_t previewDpi)
{
    const int32_t d = 3 * previewDpi / 2;
    return d < 300 ? d : previewDpi;
}

int32_t zoomedOut(int32_t previewDpi)
{
    const int32_t d = 2 * previewDpi / 3;
    return d > 10 ? d : previewDpi;
}

QSize previewSize(const PreviewDevice &device, int32_t previewDpi)
{
    const int32_t ratioX = std::max(1, device.dpiX / std::max(1, previewDpi));
    const int32_t ratioY = std::max(1, device.dpiY / std::max(1, previewDpi));
    return {device.pageWidth / ratioX, device.pageHeight / ratioY};
}

namespace {

// Copies the rendered ticket into the 24-bit picture of the same size.
void copyIntoDib(const QImage &ticket, const DibImage &dib)
{
    const int w = ticket.width();
    for (int y = 0; y < ticket.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(ticket.constScanLine(y));
        uint8_t *out = dib.Bits + size_t(ticket.height() - 1 - y) * size_t(dib.RowBytes);
        for (int x = 0; x < w; ++x) {
            out[3 * x] = uint8_t(qBlue(in[x]));
            out[3 * x + 1] = uint8_t(qGreen(in[x]));
            out[3 * x + 2] = uint8_t(qRed(in[x]));
        }
    }
}

} // namespace

void paintPreview(QPainter &painter, const QSize &surface, Document &doc, const CardRenderInputs &inputs,
                  const PrintRun &run, int32_t previewDpi)
{
    painter.fillRect(QRect(QPoint(0, 0), surface), Qt::white);

    PrintScaleScope scale(doc, previewDpi / DocUnitsPerInch);
    const EttTyp &type = doc.ticketType;
    const PlacementDevice device{double(previewDpi), double(previewDpi), MmPerInch, MmPerInch, 0, 0};
    const TicketPlace size = ticketPlace(type, device, 0, 0);

    // Positions outside the shown sheet are only counted: the number after the
    // run is what drawing every position would leave behind.
    const int32_t n = ticketsPerSheet(type);
    const int64_t sheetFirst = int64_t(run.PageEd - 1) * n;
    const int64_t from = std::max<int64_t>(run.first(), sheetFirst);
    const int64_t to = std::min<int64_t>(run.last(), sheetFirst + n - 1);
    doc.CurrentTicketNumber = run.FirstKartenNrEd + run.KopiesED;
    if (size.W <= 0 || size.H <= 0 || size.W > MaxDibSide || size.H > MaxDibSide || from > to)
        return;

    QImage ticket(size.W, size.H, QImage::Format_RGB32);
    DibImage dib;
    newdib(dib, size.W, size.H, 24);
    if (ticket.isNull() || dib.isEmpty()) {
        deldib(dib);
        return;
    }
    PainterCanvas target(painter);
    const int32_t wc = truncToInt32(type.CardWidth / doc.MmPerInchX * previewDpi);
    const int32_t hc = truncToInt32(type.CardHeight / doc.MmPerInchY * previewDpi);
    for (int64_t p = from; p <= to; ++p) {
        const SheetPosition at = sheetPosition(type, int32_t(p));
        const TicketPlace place = ticketPlace(type, device, at.column, at.row);
        doc.CurrentTicketNumber = run.numberAt(int32_t(p));
        ticket.fill(Qt::white);
        {
            QPainter ticketPainter(&ticket);
            PainterCanvas canvas(ticketPainter, &ticket);
            DrawVCart(canvas, doc, inputs, size.W, size.H, size.W, size.H, doc.scale.PrintScale, false);
        }
        copyIntoDib(ticket, dib);
        DrawDIB(target, place.X, place.Y, size.W, size.H, dib, 0, 0, size.W, size.H, false, SRCCOPY, true);
        if (run.SchneidBtn)
            drawCuttingFrame(painter, place.X, place.Y, wc, hc);
    }
    deldib(dib);
    doc.CurrentTicketNumber = run.FirstKartenNrEd + run.KopiesED;
}

QImage renderPreview(Document &doc, const CardRenderInputs &inputs, const PrintRun &run,
                     const PreviewDevice &device, int32_t previewDpi)
{
    const QSize size = previewSize(device, previewDpi);
    if (size.isEmpty() || size.width() > MaxDibSide || size.height() > MaxDibSide)
        return {};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    QPainter painter(&image);
    paintPreview(painter, size, doc, inputs, run, previewDpi);
    return image;
}
