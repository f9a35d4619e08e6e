#include "core/cp1252.h"
#include "core/document.h"
#include "editor/editorcontroller.h"
#include "editor/editorkeys.h"
#include "editor/elementcreation.h"
#include "render/raster.h"
#include "tests/editor/fakesurfaceview.h"
#include "tests/support/testsupport.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {
int create(Document &doc, EditorTool tool, int x, int y, const ImageChooser &chooser = {})
{
    return createElement(doc, tool, x, y, CreationFont{}, 96, chooser);
}
}

TEST(ElementCreation, SizesAndFieldsOfEachKind)
{
    Document doc;
    Tobs &reused = doc.pool[1];
    reused.Rotation = 1;     // left by a deleted element
    reused.LineWidth = 7;
    reused.Text = "alt";
    reused.Color = 0x123456;
    struct Case { EditorTool tool; int32_t kind, width, height; };
    const Case cases[] = {
        {EditorTool::Figure, KindFigure, 10400, 10400},
        {EditorTool::Text, KindText, 10400, 10400},
        {EditorTool::Barcode, KindBarcode, 20800, 6240},
    };
    int expectedSlot = 1;
    for (const Case &c : cases) {
        const int slot = create(doc, c.tool, 100, 50);
        ASSERT_EQ(slot, expectedSlot++);
        const Tobs &e = doc.pool[slot];
        EXPECT_EQ(e.Kind, c.kind);
        EXPECT_EQ(doc.CurrentElement, slot);
        EXPECT_EQ(e.Left, 20800);
        EXPECT_EQ(e.Top, 10400);
        EXPECT_EQ(e.Width, c.width);
        EXPECT_EQ(e.Height, c.height);
        EXPECT_EQ(e.KeepAspect, 1);
        EXPECT_EQ(e.Shape, 3);
        EXPECT_EQ(e.Color, 0);
        EXPECT_TRUE(e.Text.isEmpty());
        EXPECT_EQ(e.FontName, QByteArray("Times New Roman"));
        EXPECT_EQ(e.FontHeight, -16);
        EXPECT_EQ(e.FontSize, 12);
        EXPECT_EQ(e.EffectDX, 5);
    }
    // Attributes the creation does not set stay as the slot held them.
    EXPECT_EQ(reused.Rotation, 1);
    EXPECT_EQ(reused.LineWidth, 7);
}

TEST(ElementCreation, ImagesTakeThePictureSizeAndReportUnreadableFiles)
{
    TestFolder folder;
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save(folder.file("bild.bmp"), "BMP"));
    ScriptedPrompts prompts;
    Document doc;

    // Cancelled: nothing, no message.
    EXPECT_EQ(create(doc, EditorTool::Image, 10, 10, [] { return QString(); }), 0);
    EXPECT_TRUE(prompts.seen().empty());

    // 200 × 100 image pixels at 96 dpi: 100 × 50 screen pixels at the initial zoom.
    const QString path = folder.file("bild.bmp");
    const int slot = create(doc, EditorTool::Image, 10, 20, [&] { return path; });
    ASSERT_EQ(slot, 1);
    const Tobs &e = doc.pool[1];
    EXPECT_EQ(e.Kind, KindImage);
    EXPECT_EQ(e.Width, 20800);
    EXPECT_EQ(e.Height, 10400);
    EXPECT_EQ(fromCp1252(e.Text), path);
    EXPECT_EQ(DibWidth(e.Dib), 200);

    // Unreadable: the message with the error icon and no caption; the slot stays free.
    prompts.answer(MsgOk);
    EXPECT_EQ(create(doc, EditorTool::Image, 10, 20, [&] { return folder.file("fehlt.bmp"); }), 0);
    ASSERT_EQ(prompts.seen().size(), 1u);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Konnte Bild (") + folder.file("fehlt.bmp") + QStringLiteral(") nicht Laden."));
    EXPECT_EQ(prompts.last().icon, MsgIcon::Error);
    EXPECT_TRUE(prompts.last().caption.isEmpty());
    EXPECT_EQ(doc.pool[2].Kind, KindFree);
    EXPECT_EQ(DibWidth(doc.pool[2].Dib), 0);
    EXPECT_EQ(doc.CurrentElement, 1);
}

TEST(ElementCreation, AFullPoolRefusesWithAMessage)
{
    ScriptedPrompts prompts;
    Document doc;
    for (int i = 1; i <= ElementPool::SlotCount; ++i)
        doc.pool[i].Kind = KindFigure;
    FakeSurfaceView view(doc);
    EditorController editor(doc, view);

    editor.mouseDown(EditorButton::Left, 5, 5);   // the pointer asks nothing
    editor.mouseUp(EditorButton::Left, 5, 5);
    EXPECT_TRUE(prompts.seen().empty());

    editor.setTool(EditorTool::Figure);
    prompts.answer(MsgOk);
    editor.mouseDown(EditorButton::Left, 5, 5);
    editor.mouseUp(EditorButton::Left, 5, 5);
    ASSERT_EQ(prompts.seen().size(), 1u);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Es wurden zuviele Objekte erstellt!"));
    EXPECT_EQ(prompts.last().caption, QStringLiteral("Fehler: Kein freies Objekt mehr"));
    EXPECT_EQ(prompts.last().icon, MsgIcon::Information);
    EXPECT_EQ(doc.pool[ElementPool::LastSlot].Kind, KindFree);
    EXPECT_EQ(editor.state.tool, EditorTool::Figure);
}

TEST(ElementCreation, AClickWithACreationToolCreatesAndReturnsToThePointer)
{
    Document doc;
    FakeSurfaceView view(doc);
    EditorController editor(doc, view);
    int changes = 0;
    editor.beforeCardChange = [&](const QString &) { ++changes; };
    editor.setTool(EditorTool::Figure);
    view.shownTool = EditorTool::Figure;
    editor.mouseDown(EditorButton::Left, 100, 50);
    EXPECT_EQ(doc.pool[1].Kind, KindFree);   // created on the release
    editor.mouseUp(EditorButton::Left, 100, 50);
    EXPECT_EQ(doc.pool[1].Kind, KindFigure);
    EXPECT_EQ(doc.CurrentElement, 1);
    EXPECT_EQ(editor.state.tool, EditorTool::Pointer);
    EXPECT_EQ(view.shownTool, EditorTool::Pointer);
    EXPECT_EQ(changes, 1);

    // A cancelled picture leaves the "Bild" tool active and changes nothing.
    editor.setTool(EditorTool::Image);
    editor.chooseImage = [] { return QString(); };
    editor.mouseUp(EditorButton::Left, 10, 10);
    EXPECT_EQ(editor.state.tool, EditorTool::Image);
    EXPECT_EQ(changes, 1);
}

TEST(EditorKeys, ArrowsStepUpwardThroughTheSlotsAndWrap)
{
    Document doc;
    FakeSurfaceView view(doc);
    EditorController editor(doc, view);
    editor.keyDown(EditorKey::Up);   // nothing without a current element
    EXPECT_EQ(doc.CurrentElement, 0);
    EXPECT_EQ(view.paints, 0);

    doc.pool[5].Kind = KindText;
    doc.CurrentElement = 5;
    editor.keyDown(EditorKey::Down);   // a single element stays selected
    EXPECT_EQ(doc.CurrentElement, 5);

    doc.pool[9].Kind = KindFigure;
    doc.CurrentElement = 9;
    editor.keyDown(EditorKey::Up);
    EXPECT_EQ(doc.CurrentElement, 5);
    editor.keyDown(EditorKey::Down);
    EXPECT_EQ(doc.CurrentElement, 9);
    editor.keyDown(EditorKey::Other);
    EXPECT_EQ(doc.CurrentElement, 9);

    doc.pool[10000].Kind = KindBarcode;
    doc.CurrentElement = 10000;
    EXPECT_EQ(nextElementUpward(doc), 5);
}

TEST(EditorKeys, DeleteAsksFirstAndFreesTheSlot)
{
    ScriptedPrompts prompts;
    Document doc;
    FakeSurfaceView view(doc);
    EditorController editor(doc, view);
    editor.keyDown(EditorKey::Delete);   // no current element: nothing asked
    EXPECT_TRUE(prompts.seen().empty());

    Tobs &e = doc.pool[3];
    e.Kind = KindFigure;
    e.Shape = 4;
    doc.CurrentElement = 3;
    prompts.answer(MsgNo);
    editor.keyDown(EditorKey::Delete);
    EXPECT_EQ(e.Kind, KindFigure);
    ASSERT_EQ(prompts.seen().size(), 1u);
    EXPECT_EQ(prompts.last().caption, QStringLiteral("Element löschen"));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Wollen Sie das Element löschen?"));
    EXPECT_EQ(prompts.last().icon, MsgIcon::Question);
    EXPECT_EQ(prompts.last().buttons, MsgYes | MsgNo);

    prompts.answer(MsgYes);
    editor.keyDown(EditorKey::Delete);
    EXPECT_EQ(e.Kind, KindFree);
    EXPECT_EQ(e.Shape, 4);   // the slot keeps its other fields
    EXPECT_EQ(doc.CurrentElement, 0);
}
