// Texts of the card renderer: boxes, anchors, effects, fonts and substitution,
// checked on the operations the renderer asks of the canvas.
#include "core/cp1252.h"
#include "recordingcanvas.h"
#include "renderfixture.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t Black = 0, Red = 0x0000FF, Green = 0x00FF00;

// A scene on screen at zoom 1 and 96 pixels per inch: 208 DocUnits per pixel.
struct TextScene : RenderScene {
    TextScene() : RenderScene(false) { doc.scale.DocUnitsPerPixel = 208; }

    // A text element at pixel box (x, y, w, h) of the pasteboard.
    Tobs &text(const char *utf8, int x, int y, int w, int h)
    {
        Tobs &e = add(KindText, 208 * x, 208 * y, 208 * w, 208 * h);
        e.Text = toCp1252(QString::fromUtf8(utf8));
        e.FontSize = 12;
        e.Color = Black;
        e.FillMode = Green;   // shadow colour
        e.LineColor = Red;    // outline colour
        return e;
    }
    RecordingCanvas record(int offX = 0, int offY = 0)
    {
        RecordingCanvas c;
        DrawVCart(c, doc, inputs, 3000, 1500, offX, offY, 1.0 / 208, true);
        return c;
    }
};

} // namespace

TEST(CardTexts, UnrotatedTextFillsItsBoxWithAlignment)
{
    for (int align : {0, 1, 2}) {
        TextScene s;
        s.text("Hallo", 100, 50, 80, 30).TextAlign = align;
        const auto calls = s.record(10, 20).ofKind(CanvasCall::DrawText);
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].box, QRect(QPoint(90, 30), QPoint(170, 60)));
        EXPECT_EQ(int(calls[0].alignment), align);
        EXPECT_EQ(calls[0].text, QStringLiteral("Hallo"));
        EXPECT_EQ(calls[0].color, Black);
        EXPECT_TRUE(calls[0].busy);
    }
}

TEST(CardTexts, FontFromSizeStyleAndScale)
{
    TextScene s;
    Tobs &e = s.text("x", 0, 0, 10, 10);
    e.FontName = toCp1252(QStringLiteral("Times New Roman"));
    e.FontStyle = 1 | 2 | 8;
    const CanvasFont screen = s.record().ofKind(CanvasCall::DrawText)[0].font;
    EXPECT_EQ(screen.height, -12);   // −Trunc(20000 / 96 × 12 / 208 × 96 / 96)
    EXPECT_EQ(screen.weight, 700);
    EXPECT_TRUE(screen.italic);
    EXPECT_FALSE(screen.underline);
    EXPECT_TRUE(screen.strikeOut);
    EXPECT_EQ(screen.face, QStringLiteral("Times New Roman"));
    EXPECT_EQ(screen.escapement, 0);

    // At 600 pixels per inch: −Trunc(208.33 × 12 × 0.03) = −75.
    s.doc.scale.UsePrintScale = true;
    s.doc.scale.PrintScale = 0.03;
    RecordingCanvas c;
    DrawVCart(c, s.doc, s.inputs, 100, 100, 100, 100, 0.03, false);
    EXPECT_EQ(c.ofKind(CanvasCall::DrawText)[0].font.height, -75);

    // Sizes of a damaged design keep their sign instead of overflowing.
    for (int32_t size : {INT32_MIN, INT32_MAX}) {
        e.FontSize = size;
        RecordingCanvas d;
        DrawVCart(d, s.doc, s.inputs, 100, 100, 100, 100, 1.0, false);
        const int height = d.ofKind(CanvasCall::DrawText)[0].font.height;
        EXPECT_EQ(height > 0, size < 0) << size;
        EXPECT_NE(height, 0) << size;
    }
}

TEST(CardTexts, ShadowMovesOnePixelAtZoomOne)
{
    TextScene s;
    s.text("Schatten", 100, 50, 80, 30).Shadow = 1;   // EffectDX = EffectDY = 5 (0.5 mm)
    const auto calls = s.record().ofKind(CanvasCall::DrawText);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].color, Green);
    EXPECT_EQ(calls[0].box, QRect(QPoint(101, 51), QPoint(181, 81)));
    EXPECT_EQ(calls[1].color, Black);
    EXPECT_EQ(calls[1].box, QRect(QPoint(100, 50), QPoint(180, 80)));
}

TEST(CardTexts, OutlineOfStepOneIsFourDiagonalCopies)
{
    TextScene s;
    s.text("Umriss", 100, 50, 80, 30).Outline = 1;
    const auto calls = s.record().ofKind(CanvasCall::DrawText);
    ASSERT_EQ(calls.size(), 5u);
    const QPoint expected[] = {{99, 49}, {99, 51}, {101, 49}, {101, 51}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(calls[size_t(i)].color, Red);
        EXPECT_EQ(calls[size_t(i)].box, QRect(expected[i], expected[i] + QPoint(80, 30)));
    }
    EXPECT_EQ(calls[4].color, Black);
}

TEST(CardTexts, OutlineStepGrowsWithResolution)
{
    // At 600 pixels per inch u = Trunc(4000 / 25.39995 × 0.03) = 4: (2u+1)² − (2u+1)·2 + 1 copies.
    TextScene s;
    Tobs &e = s.text("x", 0, 0, 10, 10);
    e.Outline = 1;
    s.doc.scale.UsePrintScale = true;
    s.doc.scale.PrintScale = 0.03;
    RecordingCanvas c;
    DrawVCart(c, s.doc, s.inputs, 100, 100, 100, 100, 0.03, false);
    EXPECT_EQ(c.ofKind(CanvasCall::DrawText).size(), size_t(8 * 8 + 1));
}

TEST(CardTexts, RotatedTextStartsAtTheBoxCornerAsOneLine)
{
    struct Case {
        int rotation;
        int escapement;
        QPoint anchor;
    };
    const Case cases[] = {{1, 2700, {100, 50}}, {2, 1800, {180, 50}}, {3, 900, {180, 80}}};
    for (const Case &c : cases) {
        TextScene s;
        Tobs &e = s.text("Zeile 1\r\nZeile 2", 100, 50, 80, 30);
        e.Rotation = c.rotation;
        e.Shadow = 1;
        const auto calls = s.record().ofKind(CanvasCall::TextOut);
        ASSERT_EQ(calls.size(), 2u);
        EXPECT_EQ(calls[0].at, c.anchor + QPoint(1, 1)) << c.rotation;   // shadow
        EXPECT_EQ(calls[1].at, c.anchor) << c.rotation;
        EXPECT_EQ(calls[1].font.escapement, c.escapement);
        EXPECT_EQ(int(calls[1].anchor), int(TextAnchor::BaselineLeft));
        EXPECT_EQ(calls[1].text, QStringLiteral("Zeile 1 \nZeile 2"));
    }
}

TEST(CardTexts, RotatedOutlineCopiesSurroundTheAnchor)
{
    TextScene s;
    Tobs &e = s.text("x", 100, 50, 80, 30);
    e.Rotation = 3;
    e.Outline = 1;
    const auto calls = s.record(5, 5).ofKind(CanvasCall::TextOut);
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].at, QPoint(174, 74));
    EXPECT_EQ(calls[3].at, QPoint(176, 76));
    EXPECT_EQ(calls[4].at, QPoint(175, 75));
}

TEST(CardTexts, SubstitutionOnlyWithACurrentEvent)
{
    TextScene s;
    s.text("[Ort] Nr. [Kartennummer] [Sitzplatz]", 0, 0, 100, 20);
    s.doc.CurrentTicketNumber = 2;
    s.inputs.placeholders.values[2] = QStringLiteral("Halle");
    s.inputs.placeholders.useSeatList = true;
    s.inputs.placeholders.seatList = {QStringLiteral("A1"), QStringLiteral("A2")};
    EXPECT_EQ(s.record().ofKind(CanvasCall::DrawText)[0].text,
              QStringLiteral("[Ort] Nr. [Kartennummer] [Sitzplatz]"));
    // The seat list is copied into the document on every render.
    EXPECT_EQ(s.doc.SeatLines, s.inputs.placeholders.seatList);
    EXPECT_FALSE(RenderBusy());
    s.inputs.placeholders.eventCurrent = true;
    EXPECT_EQ(s.record().ofKind(CanvasCall::DrawText)[0].text, QStringLiteral("Halle Nr. 2 A2"));
}

TEST(CardTexts, AHugeTextIsDrawnWithItsFirst65536Characters)
{
    TextScene s;
    s.inputs.placeholders.eventCurrent = true;
    s.inputs.placeholders.values[2] = QString(100000, QLatin1Char('x'));
    s.text("[Ort]", 0, 0, 100, 20).Text = QByteArray("[Ort]").repeated(2000);
    s.text("", 0, 30, 100, 20).Text = QByteArray(70000, 'y');
    const auto texts = s.record().ofKind(CanvasCall::DrawText);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, QString(65536, QLatin1Char('x')));
    EXPECT_EQ(texts[1].text, QString(65536, QLatin1Char('y')));
}

TEST(CardTexts, TicketIsClippedToTheCardForTheWholeCall)
{
    TextScene s;
    s.text("x", 0, 0, 10, 10);
    RecordingCanvas c;
    DrawVCart(c, s.doc, s.inputs, 200, 100, 150, 60, 1.0 / 208, false);
    ASSERT_GE(c.calls.size(), 3u);
    EXPECT_EQ(c.calls.front().kind, CanvasCall::Clip);
    EXPECT_EQ(c.calls.front().box, QRect(QPoint(50, 40), QPoint(250, 140)));
    EXPECT_EQ(c.calls.back().kind, CanvasCall::Unclip);
}
