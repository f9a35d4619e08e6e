// The print preview: surface size, zoom steps, what each sheet shows, numbers
// continuing across sheets, seats and cutting lines.
#include "printfixture.h"
#include "printing/sheetpreview.h"

#include <gtest/gtest.h>

TEST(SheetPreview, SurfaceSizeAndZoomSteps)
{
    const PreviewDevice a4;   // 600 dpi, 4958 × 7017
    EXPECT_EQ(previewSize(a4, 72), QSize(4958 / 8, 7017 / 8));
    EXPECT_EQ(previewSize(a4, 243), QSize(4958 / 2, 7017 / 2));
    // Above the printer's resolution the ratio falls back to 1.
    EXPECT_EQ(previewSize(PreviewDevice{300, 300, 2480, 3508}, 400), QSize(2480, 3508));
    EXPECT_EQ(previewSize(PreviewDevice{600, 300, 4960, 3508}, 72), QSize(4960 / 8, 3508 / 4));

    QList<int> steps;
    int dpi = 72;
    for (int i = 0; i < 4; ++i)
        steps << (dpi = zoomedIn(dpi));
    EXPECT_EQ(steps, (QList<int>{108, 162, 243, 243}));
    steps.clear();
    dpi = 72;
    for (int i = 0; i < 5; ++i)
        steps << (dpi = zoomedOut(dpi));
    EXPECT_EQ(steps, (QList<int>{48, 32, 21, 14, 14}));
    steps.clear();
    dpi = 21;
    for (int i = 0; i < 4; ++i)
        steps << (dpi = zoomedIn(dpi));
    EXPECT_EQ(steps, (QList<int>{31, 46, 69, 103}));
}

TEST(SheetPreview, ShowsTheTicketsOfTheChosenSheetOnly)
{
    PrintScene s;
    s.fillCard(0x000000FF);   // red
    PrintRun run{3, 20, 1, 1, false};
    const int dpi = 72;
    const PlacementDevice device{72, 72, MmPerInch, MmPerInch, 0, 0};
    const auto redAt = [&](const QImage &image, int column, int row) {
        const TicketPlace t = ticketPlace(s.doc.ticketType, device, column, row);
        return image.pixel(t.X + t.W / 2, t.Y + t.H / 2) == qRgb(255, 0, 0);
    };
    const struct {
        int page;
        int firstPosition, lastPosition;   // within the sheet
    } sheets[] = {{1, 3, 9}, {2, 0, 9}, {3, 0, 2}};
    for (const auto &sheet : sheets) {
        run.PageEd = sheet.page;
        const QImage image = renderPreview(s.doc, s.inputs, run, PreviewDevice{}, dpi);
        ASSERT_EQ(image.size(), QSize(619, 877));
        for (int p = 0; p < 10; ++p)
            EXPECT_EQ(redAt(image, p % 2, p / 2), p >= sheet.firstPosition && p <= sheet.lastPosition)
                << "sheet " << sheet.page << " position " << p;
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
        // The number after the run, whichever sheet was shown; the scale is back on screen.
        EXPECT_EQ(s.doc.CurrentTicketNumber, 21);
        EXPECT_FALSE(s.doc.scale.UsePrintScale);
    }
}

TEST(SheetPreview, NumbersContinueAcrossSheets)
{
    PrintScene s;
    s.barcode();
    PrintRun run{3, 20, 1, 1, false};
    // A sharp surface: 150 pixels per inch on a 600 dpi sheet.
    const QList<QList<int>> expected = {{1, 2, 3, 4, 5, 6, 7}, {8, 9, 10, 11, 12, 13, 14, 15, 16, 17}, {18, 19, 20}};
    for (int page = 1; page <= 3; ++page) {
        run.PageEd = page;
        EXPECT_EQ(decodeBarcodes(renderPreview(s.doc, s.inputs, run, PreviewDevice{}, 150)), expected[page - 1]);
    }
}

TEST(SheetPreview, FirstTicketCarriesTheSeatOfItsNumber)
{
    // First number 5 after 3 used positions: the first ticket shows seat line 5.
    PrintScene s;
    Tobs &text = s.add(KindText, 2, 2, 80, 20);
    text.Text = "[Sitzplatz]";
    text.FontName = "Liberation Sans";
    text.FontSize = 20;
    PlaceholderInputs &ph = s.inputs.placeholders;
    ph.eventCurrent = true;
    ph.useSeatList = true;
    ph.seatList = QStringList(10, QString());
    ph.seatList[4] = QStringLiteral("WWWWWWWW");
    const PrintRun run{3, 7, 5, 1, false};
    const QImage image = renderPreview(s.doc, s.inputs, run, PreviewDevice{}, 72);
    const PlacementDevice device{72, 72, MmPerInch, MmPerInch, 0, 0};
    for (int p = 3; p < 10; ++p) {
        const TicketPlace t = ticketPlace(s.doc.ticketType, device, p % 2, p / 2);
        bool ink = false;
        for (int y = t.Y; y < t.Y + t.H && !ink; ++y)
            for (int x = t.X; x < t.X + t.W && !ink; ++x)
                ink = image.pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_EQ(ink, p == 3) << p;
    }
}

TEST(SheetPreview, CuttingLinesFrameEveryTicket)
{
    PrintScene s;   // an empty card: only the frames can show
    PrintRun run{0, 10, 1, 1, true};
    const QImage framed = renderPreview(s.doc, s.inputs, run, PreviewDevice{}, 72);
    run.SchneidBtn = false;
    const QImage plain = renderPreview(s.doc, s.inputs, run, PreviewDevice{}, 72);
    const PlacementDevice device{72, 72, MmPerInch, MmPerInch, 0, 0};
    int black = 0;
    for (int p = 0; p < 10; ++p) {
        const TicketPlace t = ticketPlace(s.doc.ticketType, device, p % 2, p / 2);
        int onFrame = 0;
        for (int x = t.X; x < t.X + t.W; ++x)
            onFrame += framed.pixel(x, t.Y) == qRgb(0, 0, 0);
        // Dotted: about every other pixel of the top edge is black.
        EXPECT_GT(onFrame, t.W / 3) << p;
        EXPECT_LT(onFrame, t.W * 2 / 3 + 2) << p;
        black += onFrame;
        EXPECT_EQ(framed.pixel(t.X + t.W / 2, t.Y + t.H / 2), qRgb(255, 255, 255));
    }
    EXPECT_GT(black, 0);
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            ASSERT_EQ(plain.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
}
