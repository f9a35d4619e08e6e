#include "core/bytes.h"
#include "core/designfile.h"
#include "core/document.h"
#include "editor/elementclipboard.h"
#include "imaging/GrafikRW.h"
#include "render/raster.h"
#include "tests/support/testsupport.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int32_t TwoMm = 1574;   // Trunc(2 × 20000 / 25.39995)

QByteArray recordOf(const Tobs &element, int slot)
{
    ByteWriter w;
    writeElementRecord(w, slot, element);
    return w.take();
}

// A text element on the card with every field set to its own value.
void fillText(Tobs &t)
{
    t.Kind = KindText;
    t.Left = 80000;
    t.Top = 50000;
    t.Width = 30000;
    t.Height = 8000;
    t.KeepAspect = 1;
    t.Rotation = 3;
    t.TextAlign = 2;
    t.LineWidth = 7;
    t.LineColor = 0x112233;
    t.FillMode = 0x445566;
    t.Color = 0x778899;
    t.AutoTransparent = 1;
    t.Transparent = 1;
    t.Shadow = 1;
    t.Outline = 1;
    t.EffectDX = 13;
    t.EffectDY = -4;
    t.Shape = 5;
    t.Text = "Gr\xFC\xDF" "e\r\n[Ort]";
    t.FontColor = 0x0000FF;
    t.FontHeight = -21;
    t.FontName = "Times New Roman";
    t.FontPitch = 2;
    t.FontSize = 16;
    t.FontStyle = 5;
}

} // namespace

TEST(ElementClipboard, CopyAndPasteBetweenTwoDocumentsKeepsEveryField)
{
    Document source;
    fillText(source.pool[4]);
    source.CurrentElement = 4;
    QGuiApplication::clipboard()->setMimeData(elementMimeData(source, 4, CardRenderInputs{}, 1));

    // Another card (as in another running copy) with slots 1 and 2 taken.
    Document target;
    target.pool[1].Kind = KindFigure;
    target.pool[2].Kind = KindBarcode;
    target.pool[3].Rotation = 1;   // left over from a deleted element: the paste sets every field
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(holdsElement(data));
    ASSERT_EQ(pasteElement(target, data->data(ElementMimeType)), 3);
    EXPECT_EQ(target.CurrentElement, 3);

    Tobs expected(&source.scale);
    ASSERT_TRUE(decodeElement(encodeElement(source, 4), expected));
    expected.Left += TwoMm;
    expected.Top += TwoMm;
    EXPECT_EQ(recordOf(target.pool[3], 3), recordOf(expected, 3));
    EXPECT_EQ(target.pool[3].Left, 80000 + TwoMm);
    EXPECT_EQ(target.pool[3].Text, source.pool[4].Text);
    EXPECT_EQ(target.pool[3].Rotation, 3);
    // The source is untouched.
    EXPECT_EQ(source.pool[4].Left, 80000);
}

TEST(ElementClipboard, PictureForOtherProgramsIsTheElementAt96Dpi)
{
    Document doc;
    Tobs &figure = doc.pool[2];
    figure.Kind = KindFigure;
    figure.Shape = 3;
    figure.FillMode = 0;
    figure.Color = 0x0000FF;   // red
    figure.Left = 75000;
    figure.Top = 45000;
    figure.Width = 20834;      // 100 × 50 pixels at 96 per inch
    figure.Height = 10417;
    std::unique_ptr<QMimeData> data(elementMimeData(doc, 2, CardRenderInputs{}, 1));
    const QImage picture = QImage::fromData(data->data(QStringLiteral("image/png")), "PNG");
    ASSERT_EQ(picture.size(), QSize(100, 50));
    EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(picture.pixel(50, 25), qRgb(255, 0, 0));
    EXPECT_EQ(picture.pixel(99, 49), qRgb(255, 0, 0));
    EXPECT_TRUE(data->hasImage());
    EXPECT_FALSE(doc.scale.UsePrintScale);   // the card's own scale is left alone
}

TEST(ElementClipboard, PasteGoesTwoMillimetresOnOrCentredOnTheCard)
{
    Document doc;   // 90 × 55 mm: the card spans 70866..141732 × 43307..86614
    struct Case {
        const char *name;
        int32_t left, top, width, height;
        int32_t expectLeft, expectTop;
    };
    const Case cases[] = {
        {"on the card", 80000, 50000, 10000, 5000, 80000 + TwoMm, 50000 + TwoMm},
        {"would cross the right edge", 135000, 50000, 10000, 5000, 101299, 62460},
        {"left of the card", 10000, 50000, 10000, 5000, 101299, 62460},
        {"larger than the card", 80000, 50000, 100000, 5000, 56299, 62460},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Tobs t(&doc.scale);
        t.Left = c.left;
        t.Top = c.top;
        t.Width = c.width;
        t.Height = c.height;
        placePastedElement(t, doc);
        EXPECT_EQ(t.Left, c.expectLeft);
        EXPECT_EQ(t.Top, c.expectTop);
    }
}

TEST(ElementClipboard, PasteIntoAFullPoolShowsThePoolMessage)
{
    Document source;
    fillText(source.pool[1]);
    const QByteArray bytes = encodeElement(source, 1);
    Document full;
    for (int slot = 1; slot <= ElementPool::SlotCount; ++slot)
        full.pool[slot].Kind = KindBarcode;
    const QByteArray before = writeDesign(full);
    ScriptedPrompts prompts;
    prompts.answer(MsgOk);
    EXPECT_EQ(pasteElement(full, bytes), 0);
    ASSERT_EQ(prompts.seen().size(), 1u);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Es wurden zuviele Objekte erstellt!"));
    EXPECT_EQ(prompts.last().caption, QStringLiteral("Fehler: Kein freies Objekt mehr"));
    EXPECT_EQ(prompts.last().icon, MsgIcon::Information);
    EXPECT_EQ(writeDesign(full), before);
}

TEST(ElementClipboard, PastedImageReadsItsPictureAgainBesideItsDesign)
{
    TestFolder programFolder;   // the bare name is not in the program folder
    QTemporaryDir designDir;
    DibImage file;
    newdib(file, 4, 2, 24);
    setpixel(file, 3, 0, 0x00FF00);
    ASSERT_EQ(SaveDib(file, QDir(designDir.path()).filePath(QStringLiteral("bild.bmp")), 3), 1);
    deldib(file);

    Document source;
    source.CurrentFileName = QDir(designDir.path()).filePath(QStringLiteral("karte.etr"));
    Tobs &image = source.pool[6];
    image.Kind = KindImage;
    image.Text = "bild.bmp";
    image.Rotation = 1;
    image.Left = 80000;
    image.Top = 50000;
    image.Width = 416;
    image.Height = 832;

    Document target;
    ScriptedPrompts prompts;   // no message: the picture is found
    const int slot = pasteElement(target, encodeElement(source, 6));
    ASSERT_EQ(slot, 1);
    const DibImage &picture = target.pool[1].Dib;
    ASSERT_FALSE(picture.isEmpty());
    // Read from its file and turned clockwise once, as when opening the design.
    EXPECT_EQ(DibWidth(picture), 2);
    EXPECT_EQ(DibHeight(picture), 4);
    EXPECT_EQ(getpixel(picture, 1, 3), 0x00FF00);
    EXPECT_EQ(target.pool[1].Width, 416);
    EXPECT_TRUE(prompts.seen().empty());
}

TEST(ElementClipboard, DuplicateSharesThePictureAndLeavesTheClipboard)
{
    Document doc;
    Tobs &image = doc.pool[2];
    image.Kind = KindImage;
    image.Text = "weg.bmp";
    image.Left = 80000;
    image.Top = 50000;
    image.Width = image.Height = 1000;
    newdib(image.Dib, 3, 3, 24);
    QGuiApplication::clipboard()->clear();
    ScriptedPrompts prompts;   // the missing file is never looked for
    EXPECT_EQ(duplicateElement(doc, 2), 1);
    EXPECT_EQ(doc.pool[1].Dib.Bits, image.Dib.Bits);
    EXPECT_EQ(doc.pool[1].Left, 80000 + TwoMm);
    EXPECT_EQ(doc.CurrentElement, 1);
    EXPECT_FALSE(holdsElement(QGuiApplication::clipboard()->mimeData()));

    // Deleting either keeps the other's picture.
    removeElement(doc, 2);
    EXPECT_EQ(doc.pool[2].Kind, KindFree);
    EXPECT_EQ(getpixel(doc.pool[1].Dib, 2, 2), 0);
    EXPECT_EQ(dibShareCount(doc.pool[1].Dib), 0);
}

TEST(ElementClipboard, ForeignOrDamagedDataIsNoElement)
{
    Document doc;
    fillText(doc.pool[1]);
    const QByteArray good = encodeElement(doc, 1);
    Tobs t(&doc.scale);
    ASSERT_TRUE(decodeElement(good, t));

    QByteArray wrongMagic = good;
    wrongMagic[3] = 'x';
    QByteArray freeKind = good;
    freeKind[36 + 21] = 0;   // Kind of the record
    QByteArray unknownKind = good;
    unknownKind[36 + 21] = 9;
    const QByteArray cases[] = {QByteArray(), QByteArray("image/png"), wrongMagic, good.left(36 + 60),
                                freeKind, unknownKind, good + QByteArray(1024 * 1024, 'a')};
    for (const QByteArray &bytes : cases) {
        Tobs into(&doc.scale);
        EXPECT_FALSE(decodeElement(bytes, into)) << bytes.size();
        EXPECT_EQ(pasteElement(doc, bytes), 0);
    }
    EXPECT_EQ(doc.pool[2].Kind, KindFree);
}
