// Printing a run into a PDF: pages, numbers, calibration, one stored picture,
// cancelling and failing jobs, and the test rectangle.
#include "printfixture.h"
#include "printing/printjob.h"
#include "tests/support/testsupport.h"

#include <QPrinter>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// The bounding box of the pixels of a colour (with a little tolerance).
QRect boundsOfColor(const QImage &image, QRgb color)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAbs(qRed(p) - qRed(color)) < 40 && qAbs(qGreen(p) - qGreen(color)) < 40
                && qAbs(qBlue(p) - qBlue(color)) < 40)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

struct PdfJob {
    TestFolder folder;
    QString file = folder.file(QStringLiteral("run.pdf"));
    QPrinter printer{QPrinter::HighResolution};
    explicit PdfJob(int dpi = 600) { setUpPdfPrinter(printer, file, dpi); }
};

} // namespace

TEST(PrintJob, RunAfterUsedPositionsPrintsEverySheetWithItsNumbers)
{
    PrintScene s;
    s.barcode();
    PdfJob job(150);
    PrintRun run{3, 20, 1, 7, false};
    const PrintOutcome outcome = printRun(job.printer, s.doc, s.inputs, run, Calibration{});
    EXPECT_TRUE(outcome.started);
    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.pages, 3);
    EXPECT_EQ(outcome.tickets, 20);
    EXPECT_EQ(run.PageEd, 3);   // clamped like the preview
    EXPECT_EQ(job.printer.docName(), QStringLiteral("VELMORA Quorvantis-Pelladromika 1.0 Eintrittskarte"));
    const QList<QImage> pages = pdfPages(job.file, 150);
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(decodeBarcodes(pages[0]), (QList<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(decodeBarcodes(pages[1]), (QList<int>{8, 9, 10, 11, 12, 13, 14, 15, 16, 17}));
    EXPECT_EQ(decodeBarcodes(pages[2]), (QList<int>{18, 19, 20}));
    EXPECT_FALSE(s.doc.scale.UsePrintScale);
    EXPECT_DOUBLE_EQ(s.doc.MmPerInchX, MmPerInch);
}

TEST(PrintJob, CalibrationMovesAndScalesTheTickets)
{
    const int dpi = 100;
    const struct {
        Calibration calibration;
    } cases[] = {{Calibration{}}, {Calibration{3, 4, 101, 98}}};
    for (const auto &c : cases) {
        // A red figure larger than the card: the red area is the card's clip rectangle.
        PrintScene s;
        Tobs &fill = s.add(KindFigure, -10, -10, 110, 75);
        fill.Shape = 3;
        fill.Color = 0x000000FF;
        PdfJob job(dpi);
        PrintRun run{0, 1, 1, 1, false};
        printRun(job.printer, s.doc, s.inputs, run, c.calibration);
        const QList<QImage> pages = pdfPages(job.file, dpi);
        ASSERT_EQ(pages.size(), 1);
        const PlacementDevice device{dpi, dpi, c.calibration.mmPerInchX(), c.calibration.mmPerInchY(),
                                     c.calibration.LinksEd, c.calibration.ObenEd};
        const TicketPlace t = ticketPlace(s.doc.ticketType, device, 0, 0);
        const QRect red = boundsOfColor(pages[0], qRgb(255, 0, 0));
        EXPECT_NEAR(red.left(), t.X, 1);
        EXPECT_NEAR(red.top(), t.Y, 1);
        EXPECT_NEAR(red.width(), t.W, 2);
        EXPECT_NEAR(red.height(), t.H, 2);
        // After the run the preview's lengths use 25.39995 again.
        EXPECT_DOUBLE_EQ(s.doc.MmPerInchY, MmPerInch);
    }
}

TEST(PrintJob, SamePictureOnEveryTicketIsStoredOnce)
{
    PrintScene s;
    DibImage picture;
    newdib(picture, 300, 200, 24);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            setpixel(picture, x, y, (x * 255 / 300) | ((y * 255 / 200) << 8));
    s.doc.BackgroundImage = picture;
    s.doc.BackgroundMode = 0;
    Tobs &image = s.add(KindImage, 50, 5, 30, 20);
    newdib(image.Dib, 40, 40, 24);
    s.barcode();
    PdfJob job;
    PrintRun run{0, 20, 1, 1, true};
    const PrintOutcome outcome = printRun(job.printer, s.doc, s.inputs, run, Calibration{});
    EXPECT_EQ(outcome.pages, 2);
    // Two pictures, each handed over once for twenty tickets.
    EXPECT_EQ(countInFile(job.file, "/Subtype /Image"), 2);
}

TEST(PrintJob, CancelledOrFailingRunsRestoreTheScales)
{
    PrintScene s;
    s.fillCard(0x00FF0000);
    {
        PdfJob job;
        PrintRun run{0, 30, 1, 1, false};
        int calls = 0;
        const PrintOutcome outcome = printRun(job.printer, s.doc, s.inputs, run, Calibration{3, 3, 102, 102},
                                              [&](int32_t done, int32_t total) {
                                                  ++calls;
                                                  EXPECT_EQ(total, 30);
                                                  return done < 12;
                                              });
        EXPECT_TRUE(outcome.cancelled);
        EXPECT_EQ(outcome.tickets, 12);
        EXPECT_EQ(calls, 12);
        EXPECT_FALSE(s.doc.scale.UsePrintScale);
        EXPECT_DOUBLE_EQ(s.doc.MmPerInchX, MmPerInch);
    }
    {
        // An error raised while the job runs still leaves the screen's scales.
        PdfJob job;
        PrintRun run{0, 5, 1, 1, false};
        EXPECT_THROW(printRun(job.printer, s.doc, s.inputs, run, Calibration{0, 0, 96, 104},
                              [](int32_t, int32_t) -> bool { throw std::runtime_error("device lost"); }),
                     std::runtime_error);
        EXPECT_FALSE(s.doc.scale.UsePrintScale);
        EXPECT_DOUBLE_EQ(s.doc.MmPerInchX, MmPerInch);
        EXPECT_DOUBLE_EQ(s.doc.MmPerInchY, MmPerInch);
    }
    {
        // A job that cannot be opened is reported as not started.
        TestFolder folder;
        QPrinter printer(QPrinter::HighResolution);
        setUpPdfPrinter(printer, folder.file(QStringLiteral("no/such/folder/run.pdf")), 600);
        PrintRun run;
        const PrintOutcome outcome = printRun(printer, s.doc, s.inputs, run, Calibration{1, 1, 99, 99});
        EXPECT_FALSE(outcome.started);
        EXPECT_FALSE(s.doc.scale.UsePrintScale);
        EXPECT_DOUBLE_EQ(s.doc.MmPerInchX, MmPerInch);
    }
}

TEST(PrintJob, TestRectangleIsAHundredMillimetreSilverSquare)
{
    PdfJob job(100);
    ASSERT_TRUE(printTestRectangle(job.printer));
    EXPECT_EQ(job.printer.docName(), QStringLiteral("Format-Drucker Testdruck"));
    const QList<QImage> pages = pdfPages(job.file, 100);
    ASSERT_EQ(pages.size(), 1);
    const QRect silver = boundsOfColor(pages[0], qRgb(192, 192, 192));
    const int side = int(100 / MmPerInch * 100);   // 393 pixels
    EXPECT_NEAR(silver.left(), 1, 1);
    EXPECT_NEAR(silver.top(), 1, 1);
    EXPECT_NEAR(silver.width(), side - 2, 2);
    EXPECT_NEAR(silver.height(), side - 2, 2);
    EXPECT_LT(qGray(pages[0].pixel(0, side / 2)), 170);   // the black outline
}
