#pragma once
// "eMail Export": the card as an image file at 96 pixels per inch.
#include "render/cardrenderer.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>

class Document;
struct EttTyp;

constexpr int ExportPixelsPerInch = 96;

// W × H of the exported card: Trunc(mm / 25.39995 × 96) each (90 × 55 mm: 340 × 207).
QSize exportCardSize(const EttTyp &type);

// The card drawn as the export draws it: a white bitmap at 96 pixels per inch,
// the print scale switched on for the duration (and off afterwards), ticket
// number ticketNumber (the previous CurrentTicketNumber is restored).
QImage renderCardForExport(Document &doc, const CardRenderInputs &inputs, int32_t ticketNumber);

// Save format number (3..13) of the save dialog's 1-based filter entry, and the
// extension the export adds to a name typed without one.
int exportSaveFormat(int filterIndex);
QString exportExtension(int filterIndex);
// The name as typed when its file name part has an extension, else with the
// extension of the filter entry.
QString withExportExtension(const QString &fileName, int filterIndex);
// The save format that belongs to a file name's extension (".bmp" 3 … ".tif"
// 13), 0 when none does.
int saveFormatForExtension(const QString &fileName);

struct PrinterResolution {
    int x = 0;
    int y = 0;
};
// The default printer's horizontal and vertical resolution; equal values
// (0, 0) when there is no printer.
PrinterResolution defaultPrinterResolution();

// The command: check the printer's resolutions (a message only when they
// differ), render the card with the first ticket number of the run, ask for
// the file and save it. A failed save is reported, not passed over.
void EMailBtnClick(Document &doc, const CardRenderInputs &inputs, int32_t firstTicketNumber,
                   const PrinterResolution &printer);
