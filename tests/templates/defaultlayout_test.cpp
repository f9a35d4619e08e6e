#include "core/cp1252.h"
#include "core/document.h"
#include "templates/cardframe.h"
#include "templates/defaultlayout.h"

#include <gtest/gtest.h>

namespace {
struct Expected {
    int32_t kind;
    const char *text;
    int32_t size, style, left, top, width, height, align;
};

// Compares the slots from 1 with the table given in screen pixels at 208 units each.
void expectLayout(const Document &doc, const std::vector<Expected> &table)
{
    for (size_t i = 0; i < table.size(); ++i) {
        const Tobs &e = doc.pool[int(i) + 1];
        const Expected &x = table[i];
        SCOPED_TRACE(x.text);
        EXPECT_EQ(e.Kind, x.kind);
        EXPECT_EQ(fromCp1252(e.Text), QString::fromUtf8(x.text));
        EXPECT_EQ(e.FontSize, x.size);
        EXPECT_EQ(e.FontHeight, x.size);
        EXPECT_EQ(e.FontStyle, x.style);
        EXPECT_EQ(e.FontName, QByteArray("Arial"));
        EXPECT_EQ(e.FontColor, 0);
        EXPECT_EQ(e.Left, x.left * 208);
        EXPECT_EQ(e.Top, x.top * 208);
        EXPECT_EQ(e.Width, x.width * 208);
        EXPECT_EQ(e.Height, x.height * 208);
        EXPECT_EQ(e.TextAlign, x.align);
    }
    EXPECT_EQ(doc.pool[int(table.size()) + 1].Kind, KindFree);
}
}

TEST(DefaultLayout, StartUpCardWithBothOptions)
{
    Document doc;   // 90 × 55 mm: 1022 × 624 pixels, margin 18, inner 358..663 × 226..398
    doc.scale.ZoomFactor = 2.0;
    doc.scale.DocUnitsPerPixel = 92.5;
    doc.pool[8].Rotation = 0;
    doc.pool[2].Rotation = 1;   // kept by a text: only element 8 gets a rotation
    LoadTemplate(doc, 96, {true, true});
    EXPECT_EQ(doc.scale.ZoomFactor, 1.0);
    EXPECT_EQ(doc.scale.DocUnitsPerPixel, 208.0);
    // Right edge 635 after the 28-pixel strip: Wd 277, Hd 172.
    expectLayout(doc, {
        {KindText, "[Bezeichnung]", 18, 1, 358, 269, 277, 36, 1},
        {KindText, "[Aufführung]", 12, 0, 358, 251, 277, 24, 1},
        {KindText, "[Ort]", 12, 1, 358, 293, 277, 24, 1},
        {KindText, "[Datum und Uhrzeit]", 12, 0, 358, 226, 277, 24, 1},
        {KindText, "[Preis]", 14, 1, 497, 384, 138, 28, 2},
        {KindText, "[Preis ermäßigt]", 12, 0, 358, 386, 138, 24, 0},
        {KindText, "[Sitzplatz]", 14, 0, 358, 326, 277, 28, 1},
        {KindText, "[Kartennummer]", 14, 0, 635, 226, 28, 144, 1},
        {KindBarcode, "[Barcode]", 14, 0, 454, 354, 84, 28, 1},
    });
    EXPECT_EQ(doc.pool[8].Rotation, 3);
    EXPECT_EQ(doc.pool[2].Rotation, 1);
    EXPECT_EQ(doc.pool[9].Width, 17472);   // the barcode box: 17472 × 5824 units
    EXPECT_EQ(doc.pool[9].Height, 5824);
}

TEST(DefaultLayout, WithoutTheOptionsTheFullWidthAndTheTicketNumber)
{
    Document doc;
    LoadTemplate(doc, 96, {false, false});
    // Wd 305, Hd 172.
    expectLayout(doc, {
        {KindText, "[Bezeichnung]", 18, 1, 358, 269, 305, 36, 1},
        {KindText, "[Aufführung]", 12, 0, 358, 251, 305, 24, 1},
        {KindText, "[Ort]", 12, 1, 358, 293, 305, 24, 1},
        {KindText, "[Datum und Uhrzeit]", 12, 0, 358, 226, 305, 24, 1},
        {KindText, "[Preis]", 14, 1, 511, 384, 152, 28, 2},
        {KindText, "[Preis ermäßigt]", 12, 0, 358, 386, 152, 24, 0},
        {KindText, "[Kartennummer]", 14, 0, 358, 326, 305, 28, 1},
        {KindBarcode, "[Barcode]", 14, 0, 468, 354, 84, 28, 1},
    });
}

TEST(DefaultLayout, ACardTwelveMillimetresHighHasNoMargin)
{
    Document doc;
    doc.ticketType.CardHeight = 12;
    doc.sizePasteboardFromTicketType();   // 1022 × 136 pixels: the card is 340..681 × 45..90
    LoadTemplate(doc, 96, {true, true});
    const Tobs &title = doc.pool[4];      // "[Datum und Uhrzeit]" at the inner top-left
    EXPECT_EQ(title.Left, 340 * 208);
    EXPECT_EQ(title.Top, 45 * 208);
    EXPECT_EQ(title.Width, 313 * 208);    // 681 − 28 − 340
    const Tobs &number = doc.pool[8];
    EXPECT_EQ(number.Left, 653 * 208);
    EXPECT_EQ(number.Height, 17 * 208);   // Hd − 28 with Hd 45
    const Tobs &price = doc.pool[5];
    EXPECT_EQ(price.Top, (90 - 14) * 208);
}

TEST(DefaultLayout, PreparationUsesTheScreenResolution)
{
    Document doc;
    const CellBox r = prepareCardFrame(doc, 120).inner;   // 166 units per pixel
    EXPECT_EQ(doc.scale.DocUnitsPerPixel, 166.0);
    EXPECT_EQ(doc.surfaceWidth(), 1280);   // Trunc(212598 / 166)
    EXPECT_EQ(r.x0, 426 + 23);           // margin Trunc(426 × 5 / 90)
}
