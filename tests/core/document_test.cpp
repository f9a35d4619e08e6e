#include "core/document.h"
#include "core/tickettype.h"

#include <gtest/gtest.h>

TEST(Document, StartsWithTheStartupTypeAndPasteboard)
{
    Document doc;
    EXPECT_EQ(doc.ticketType.typeName(), QStringLiteral("Kein Eintrittskartentyp"));
    EXPECT_EQ(doc.PasteboardWidth, 212598);
    EXPECT_EQ(doc.PasteboardHeight, 129921);
    EXPECT_EQ(doc.surfaceWidth(), 1022);   // 212598 / 208
    EXPECT_EQ(doc.pool[1].EffectDX, 5);
    EXPECT_EQ(doc.windowCaption(), QStringLiteral("VELMORA Quorvantis-Pelladromika 1.0 - NONAME01"));
}

TEST(Document, PixelAccessorsTruncateTowardZero)
{
    Document doc;
    Tobs &t = doc.pool[1];
    t.Left = -1;
    EXPECT_EQ(t.PxLeft(), 0);
    t.SetPxLeft(100);
    EXPECT_EQ(t.Left, 20800);
    t.Width = 20000;
    doc.scale.UsePrintScale = true;
    doc.scale.PrintScale = 600.0 / 20000;
    EXPECT_EQ(t.PxWidth(), 600);
    // The mutators always convert from screen pixels.
    t.SetPxWidth(10);
    EXPECT_EQ(t.Width, 2080);
}

TEST(Document, ClearallFreesSlotsButKeepsTheirOtherFields)
{
    Document doc;
    Tobs &t = doc.pool[4];
    t.Kind = KindText;
    t.Rotation = 1;
    t.EffectDX = 9;
    newdib(t.Dib, 4, 4, 24);
    doc.BackgroundMode = 2;
    doc.BackgroundFile = "x.bmp";
    doc.CurrentFileName = "/tmp/a.etr";
    doc.CurrentElement = 4;
    doc.scale.ZoomFactor = 2;
    doc.clearall();
    EXPECT_EQ(t.Kind, KindFree);
    EXPECT_TRUE(t.Dib.isEmpty());
    EXPECT_EQ(t.Rotation, 1);          // a new element in this slot inherits it
    EXPECT_EQ(t.EffectDX, 5);
    EXPECT_EQ(doc.BackgroundMode, -1);
    EXPECT_TRUE(doc.BackgroundFile.isEmpty());
    EXPECT_TRUE(doc.CurrentFileName.isEmpty());
    EXPECT_EQ(doc.CurrentElement, 0);
    EXPECT_EQ(doc.scale.ZoomFactor, 2);
}

TEST(Document, FirstFreeSlotAndAFullPool)
{
    Document doc;
    EXPECT_EQ(doc.pool.firstFreeSlot(), 1);
    for (int i = 1; i <= ElementPool::SlotCount; ++i)
        doc.pool[i].Kind = KindFigure;
    EXPECT_EQ(doc.pool.firstFreeSlot(), 0);
    doc.pool[6].Kind = KindFree;
    EXPECT_EQ(doc.pool.firstFreeSlot(), 6);
}

TEST(TicketTypeSummary, UsesTheGivenDecimalSeparator)
{
    const EttTyp t = EttTyp::startupType();
    EXPECT_EQ(ticketTypeSummary(t, QLatin1Char(',')),
              QStringLiteral("2 x 5 Eintrittskarten á 90,00mm x 55,00mm pro Blatt [Abstände 90,00mm ; 55,00mm] "
                             "[Ränder 0,00mm ; 0,00mm]"));
    EXPECT_EQ(ticketTypeSummary(t, QLatin1Char('.')),
              QStringLiteral("2 x 5 Eintrittskarten á 90.00mm x 55.00mm pro Blatt [Abstände 90.00mm ; 55.00mm] "
                             "[Ränder 0.00mm ; 0.00mm]"));
}

TEST(TicketTypeSummary, LengthsKeepTwoDecimalsWithAtMostSevenSignificantDigits)
{
    struct Case { double mm; const char *shown; };
    const Case cases[] = {
        {1234.565, "1234,57"},      // 1234.565 is stored a little above
        {12345.674, "12345,67"},
        {123456.78, "123456,80"},   // rounded to 7 digits, still two decimals
        {1234567.4, "1234567,00"},
        {99999.996, "100000,00"},
        {12345678.0, "1,234568E7"}, // more integer digits than 7
        {0.004, "0,00"},
    };
    for (const Case &c : cases) {
        EttTyp t = EttTyp::startupType();
        t.MarginTop = c.mm;
        EXPECT_TRUE(ticketTypeSummary(t, QLatin1Char(',')).endsWith(QStringLiteral("mm ; %1mm]").arg(QLatin1String(c.shown))))
            << c.mm << " " << ticketTypeSummary(t, QLatin1Char(',')).toStdString();
    }
}
