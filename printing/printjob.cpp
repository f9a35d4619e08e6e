#include "printing/printjob.h"

#include "core/document.h"
#include "core/programfolder.h"
#include "core/prompts.h"
#include "printing/cuttinglines.h"
#include "printing/printscale.h"
#include "render/canvaspainter.h"
#include "render/cardrenderer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

QString printJobTitle()
{
    return QLatin1String(ProgramTitle) + QStringLiteral(" Eintrittskarte");
}

QString printFailedText()
{
    return QStringLiteral("Der Druckauftrag konnte nicht ausgeführt werden.");
}

void warnIfNotSquare(int dpiX, int dpiY)
{
    if (dpiX != dpiY)
        showMessage(QStringLiteral("Fehler"),
                    QStringLiteral("Diese Meldung dürfte nie erscheinen. Das Programm kann mit diesem Drucker "
                                   "wahrscheinlich nicht korrekt drucken."),
                    MsgIcon::Information);
}

PrintOutcome printRun(QPrinter &printer, Document &doc, const CardRenderInputs &inputs, PrintRun &run,
                      const Calibration &calibration, const PrintProgress &progress)
{
    PrintOutcome outcome;
    doc.MmPerInchX = calibration.mmPerInchX();
    doc.MmPerInchY = calibration.mmPerInchY();
    const EttTyp &type = doc.ticketType;
    clampRun(run, type);
    printer.setDocName(printJobTitle());

    // From here on the scales return to the screen's however the run ends.
    PrintScaleScope scale(doc, 0);
    QPainter painter;
    if (!painter.begin(&printer))
        return outcome;
    outcome.started = true;
    const int dx = printer.logicalDpiX();
    const int dy = printer.logicalDpiY();
    warnIfNotSquare(dx, dy);
    doc.scale.PrintScale = dx / DocUnitsPerInch;

    const PlacementDevice device{double(dx), double(dy), doc.MmPerInchX, doc.MmPerInchY, calibration.LinksEd,
                                 calibration.ObenEd};
    // One canvas for the whole job: a picture drawn on every ticket is handed
    // to the printer as the same image each time.
    PainterCanvas canvas(painter);
    outcome.pages = 1;
    for (int32_t p = run.first(); p <= run.last(); ++p) {
        if (startsNewSheet(type, p) && p != run.first()) {
            if (!printer.newPage()) {
                outcome.failed = true;
                break;
            }
            ++outcome.pages;
        }
        const SheetPosition at = sheetPosition(type, p);
        const TicketPlace place = ticketPlace(type, device, at.column, at.row);
        doc.CurrentTicketNumber = run.numberAt(p);
        DrawVCart(canvas, doc, inputs, place.W, place.H, place.W - place.X, place.H - place.Y,
                  doc.scale.PrintScale, false);
        canvas.clearClip();
        if (run.SchneidBtn) {
            drawCuttingFrame(painter, place.X, place.Y, place.W, place.H);
            drawCuttingFrame(painter, place.X, place.Y, place.W, place.H);
        }
        ++outcome.tickets;
        if (progress && !progress(outcome.tickets, run.KopiesED)) {
            outcome.cancelled = true;
            printer.abort();
            break;
        }
    }
    if (!painter.end())
        outcome.failed = true;
    doc.CurrentTicketNumber = run.FirstKartenNrEd + outcome.tickets;
    return outcome;
}

bool printTestRectangle(QPrinter &printer)
{
    printer.setDocName(QLatin1String(TestPrintTitle));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const int dx = printer.logicalDpiX();
    const int dy = printer.logicalDpiY();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(192, 192, 192));
    // GDI's Rectangle: the outline runs inside (0, 0)..(right, bottom), right and bottom exclusive.
    const int right = truncToInt32(100 / MmPerInch * dx);
    const int bottom = truncToInt32(100 / MmPerInch * dy);
    painter.drawRect(QRectF(0.5, 0.5, right - 1, bottom - 1));
    return painter.end();
}

void setUpPdfPrinter(QPrinter &printer, const QString &fileName, int dpi)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    printer.setResolution(dpi);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    printer.setFullPage(true);
}
