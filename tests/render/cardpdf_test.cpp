// The renderer on a printer-like canvas (PDF): transparent pictures go out as
// one composed image, not one operation per pixel.
#include "render/canvaspainter.h"
#include "renderfixture.h"
#include "tests/support/testsupport.h"

#include <QPageSize>
#include <QPdfWriter>
#include <gtest/gtest.h>

TEST(CardPdf, TransparentPictureIsOneImageOnAPrinter)
{
    RenderScene s;
    s.doc.BackgroundImage = solidPicture(50, 30, 0x00FF8000);
    s.doc.BackgroundMode = 0;
    DibImage dib = solidPicture(400, 400, 0x000000FF);
    for (int y = 100; y < 300; ++y)
        for (int x = 100; x < 300; ++x)
            setpixel(dib, x, y, 0x00FFFFFF);
    Tobs &e = s.add(KindImage, 0, 0, 0, 0);
    e.Dib = dib;
    e.Transparent = 1;
    e.setTransColor(0x00FFFFFF);
    Tobs &figure = s.add(KindFigure, 0, 0, 0, 0);
    figure.Shape = 5;
    figure.FillMode = 2;
    Tobs &text = s.add(KindText, 0, 0, 0, 0);
    text.Text = "Eintritt";
    text.FontSize = 12;
    Tobs &bar = s.add(KindBarcode, 0, 0, 0, 0);
    // 600 dpi: the card of 2125 × 1299 pixels, each element 600 × 600 pixels.
    const double scale = 600.0 / 20000;
    const int W = 2125, H = 1299;
    int i = 0;
    for (Tobs *t : {&e, &figure, &text, &bar}) {
        t->Left = int((W + 50 + 500 * i++) / scale);
        t->Top = int((H + 50) / scale);
        t->Width = t->Height = 20000;
    }

    TestFolder folder;
    const QString file = folder.file(QStringLiteral("ticket.pdf"));
    {
        QPdfWriter pdf(file);
        pdf.setResolution(600);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&pdf);
        PainterCanvas canvas(painter);
        ASSERT_TRUE(canvas.isPrinter());
        s.doc.scale.PrintScale = scale;
        DrawVCart(canvas, s.doc, s.inputs, W, H, W - 100, H - 100, scale, false);
    }
    const QByteArray bytes = readFileBytes(file);
    ASSERT_TRUE(bytes.startsWith("%PDF"));
    // The background and the composed picture (with its transparency mask).
    EXPECT_GE(bytes.count("/Subtype /Image"), 2);
    EXPECT_LE(bytes.count("/Subtype /Image"), 4);
    EXPECT_LT(bytes.size(), 2 * 1024 * 1024);
}
