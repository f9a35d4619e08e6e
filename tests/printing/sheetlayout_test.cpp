// The run arithmetic: sheets, positions, numbers, clamping and placement.
#include "printfixture.h"
#include "printing/calibration.h"
#include "printing/sheetlayout.h"

#include <gtest/gtest.h>

TEST(SheetLayout, RunOfTwentyAfterThreeUsedPositions)
{
    const EttTyp type = twoByFive();
    PrintRun run;
    run.UsedED = 3;
    run.KopiesED = 20;
    EXPECT_EQ(ticketsPerSheet(type), 10);
    EXPECT_EQ(run.first(), 3);
    EXPECT_EQ(run.last(), 22);
    EXPECT_EQ(runSheetCount(type, run), 3);
    const struct {
        int p, sheet, column, row, number;
    } cases[] = {{3, 0, 1, 1, 1},  {9, 0, 1, 4, 7},   {10, 1, 0, 0, 8},
                 {19, 1, 1, 4, 17}, {20, 2, 0, 0, 18}, {22, 2, 0, 1, 20}};
    for (const auto &c : cases) {
        const SheetPosition at = sheetPosition(type, c.p);
        EXPECT_EQ(at.sheet, c.sheet) << c.p;
        EXPECT_EQ(at.column, c.column) << c.p;
        EXPECT_EQ(at.row, c.row) << c.p;
        EXPECT_EQ(run.numberAt(c.p), c.number) << c.p;
    }
    // Page breaks come before positions 10 and 20 only; position 0 stays with sheet 0.
    for (int p = 0; p <= 22; ++p)
        EXPECT_EQ(startsNewSheet(type, p), p == 10 || p == 20) << p;
}

TEST(SheetLayout, Clamping)
{
    const EttTyp type = twoByFive();
    const struct {
        PrintRun in;
        bool usedToo;
        int used, page;
    } cases[] = {
        {{15, 10, 1, 1, false}, true, 9, 1},    // at most n - 1 used
        {{9, 1, 1, 5, false}, true, 9, 1},      // 9 used and 1 copy: one sheet
        {{0, 30, 1, 3, false}, false, 0, 3},    // three sheets, sheet 3 stays
        {{0, 15, 1, 3, false}, false, 0, 2},    // fewer copies: sheet 3 becomes 2
        {{3, 20, 1, 1000, false}, false, 3, 3},
        {{15, 10, 1, 1000, false}, false, 15, 3},  // the page step alone leaves UsedED
    };
    for (const auto &c : cases) {
        PrintRun run = c.in;
        c.usedToo ? clampRun(run, type) : clampPage(run, type);
        EXPECT_EQ(run.UsedED, c.used);
        EXPECT_EQ(run.PageEd, c.page);
    }
    // A damaged type without columns or rows counts as one ticket per sheet.
    EttTyp empty = type;
    empty.Columns = 0;
    empty.Rows = 0;
    PrintRun run{5, 3, 1, 9, false};
    clampRun(run, empty);
    EXPECT_EQ(run.UsedED, 0);
    EXPECT_EQ(run.PageEd, 3);
    EXPECT_EQ(sheetPosition(empty, 2).sheet, 2);
}

TEST(SheetLayout, PlacementWithAndWithoutCalibration)
{
    const EttTyp type = twoByFive();
    const PlacementDevice plain{600, 600, 25.39995, 25.39995, 0, 0};
    TicketPlace first = ticketPlace(type, plain, 0, 0);
    EXPECT_EQ(first.X, 236);   // Trunc(10 / 25.39995 × 600)
    EXPECT_EQ(first.Y, 354);   // Trunc(15 / 25.39995 × 600)
    EXPECT_EQ(first.W, 2125);
    EXPECT_EQ(first.H, 1299);
    const TicketPlace last = ticketPlace(type, plain, 1, 4);
    EXPECT_EQ(last.X, int(10 / 25.39995 * 600 + 95 / 25.39995 * 600 * 1));
    EXPECT_EQ(last.Y, int(15 / 25.39995 * 600 + 55 / 25.39995 * 600 * 4));

    // Offsets 3 and 4 mm move every ticket 3 mm left and 4 mm up.
    const PlacementDevice moved{600, 600, 25.39995, 25.39995, 3, 4};
    first = ticketPlace(type, moved, 0, 0);
    EXPECT_EQ(first.X, int(7 / 25.39995 * 600));
    EXPECT_EQ(first.Y, int(11 / 25.39995 * 600));
    // A margin smaller than the offset gives a negative coordinate.
    EttTyp tight = type;
    tight.MarginLeft = 1;
    EXPECT_LT(ticketPlace(tight, moved, 0, 0).X, 0);

    // A measured width of 101 mm divides horizontal distances and the width by 1.01.
    Calibration wide;
    wide.BreitEd = 101;
    const PlacementDevice stretched{600, 600, wide.mmPerInchX(), wide.mmPerInchY(), 0, 0};
    const TicketPlace s = ticketPlace(type, stretched, 1, 1);
    EXPECT_EQ(s.X, int((10 + 95) / 25.39995 * 600 / 1.01));
    EXPECT_EQ(s.W, int(90 / 25.39995 * 600 / 1.01));
    EXPECT_EQ(s.Y, int((15 + 55) / 25.39995 * 600));
    EXPECT_EQ(s.H, 1299);
}
