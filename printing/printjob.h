#pragma once
// Printing a run: every ticket of the run rendered directly onto the printer's
// pages with the calibration applied, and the calibration's test rectangle.
#include "printing/calibration.h"
#include "printing/sheetlayout.h"

#include <QString>
#include <functional>

class Document;
class QPrinter;
struct CardRenderInputs;

// ProgramTitle, a blank and "Eintrittskarte".
QString printJobTitle();
constexpr const char TestPrintTitle[] = "Format-Drucker Testdruck";

// The message for a job that could not be started or finished.
QString printFailedText();

// The message shown when a printer's resolutions differ (the run goes on).
void warnIfNotSquare(int dpiX, int dpiY);

// Called after each ticket with the tickets done and the run's total; false
// cancels the run before the next ticket.
using PrintProgress = std::function<bool(int32_t done, int32_t total)>;

struct PrintOutcome {
    bool started = false;     // the job could be opened on the printer
    bool cancelled = false;
    bool failed = false;      // a page could not be started or the job not finished
    int32_t pages = 0;
    int32_t tickets = 0;
};

// The print command on a configured printer: clamps the run (the caller
// takes the clamped values back), sets the job title, prints every position
// from the first unused one, a new page whenever the sheet changes, cutting
// lines drawn twice when switched on. UsePrintScale and MmPerInchX/Y are
// restored however the run ends.
PrintOutcome printRun(QPrinter &printer, Document &doc, const CardRenderInputs &inputs, PrintRun &run,
                      const Calibration &calibration, const PrintProgress &progress = {});

// "Testrechteck drucken...": a silver 100 × 100 mm square with a black
// outline at the top-left corner of the printable area, uncalibrated.
bool printTestRectangle(QPrinter &printer);

// Sets up a printer that writes a PDF file: A4 portrait at the given
// resolution, device coordinates from the paper's top-left corner.
void setUpPdfPrinter(QPrinter &printer, const QString &fileName, int dpi);
