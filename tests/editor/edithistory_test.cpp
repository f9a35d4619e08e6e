#include "core/bytes.h"
#include "core/designfile.h"
#include "core/document.h"
#include "editor/edithistory.h"
#include "imaging/GrafikRW.h"
#include "imaging/dibrotate.h"
#include "render/raster.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

DibImage smallPicture(int32_t width, int32_t height)
{
    DibImage dib;
    newdib(dib, width, height, 24);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            setpixel(dib, x, y, x * 40 + y * 0x2000);
    return dib;
}

// A card with a figure in slot 2, a text in slot 5, an image in slot 7, a
// barcode in slot 9 and a tiled background picture.
struct Card {
    Card()
    {
        Tobs &figure = doc.pool[2];
        figure.Kind = KindFigure;
        figure.Left = 70000;
        figure.Top = 40000;
        figure.Width = 10400;
        figure.Height = 10400;
        figure.Shape = 3;
        figure.Color = 0x0000FF;
        Tobs &text = doc.pool[5];
        text.Kind = KindText;
        text.Left = 80000;
        text.Top = 50000;
        text.Width = 20000;
        text.Height = 5000;
        text.Text = "[Ort]";
        text.FontName = "Arial";
        text.FontSize = 12;
        Tobs &image = doc.pool[7];
        image.Kind = KindImage;
        image.Text = "bild.bmp";
        image.Left = 90000;
        image.Top = 45000;
        image.Width = 1248;
        image.Height = 624;
        image.Dib = smallPicture(6, 3);
        Tobs &barcode = doc.pool[9];
        barcode.Kind = KindBarcode;
        barcode.Left = 75000;
        barcode.Top = 60000;
        barcode.Width = 20800;
        barcode.Height = 6240;
        doc.BackgroundMode = 3;
        doc.BackgroundFile = "hinten.bmp";
        doc.BackgroundImage = smallPicture(4, 4);
        doc.CurrentElement = 2;
    }

    QByteArray bytes() const { return writeDesign(doc); }
    QByteArray slotRecord(int slot) const
    {
        ByteWriter w;
        writeElementRecord(w, slot, doc.pool[slot]);
        return w.take();
    }

    // Runs a command as one step.
    bool step(const QString &name, const std::function<void(Document &)> &command)
    {
        history.beginStep(name);
        command(doc);
        return history.endStep();
    }

    Document doc;
    EditHistory history{doc};
};

struct StepCase {
    const char *name;
    std::function<void(Document &)> command;
};

void rotateImageRight(Document &doc)
{
    Tobs &image = doc.pool[7];
    RotRight(image.Dib);
    std::swap(image.Width, image.Height);
    image.Rotation = (image.Rotation + 1) % 4;
}

const StepCase stepCases[] = {
    {"Verschieben", [](Document &d) { d.pool[2].Left += 2080; d.pool[2].Top -= 624; }},
    {"Größe ändern", [](Document &d) { d.pool[5].Width = 31200; d.pool[5].Height = 2080; }},
    {"Erstellen",
     [](Document &d) {
         Tobs &t = d.pool[1];
         t.Kind = KindFigure;
         t.Left = t.Top = 62400;
         t.Width = t.Height = 10400;
         t.Shape = 3;
         d.CurrentElement = 1;
     }},
    {"Löschen figure", [](Document &d) { d.pool[2].release(); d.CurrentElement = 0; }},
    {"Löschen image", [](Document &d) { d.pool[7].release(); d.CurrentElement = 0; }},
    {"Farbe", [](Document &d) { d.pool[2].Color = 0x00FF00; }},
    {"Schriftart",
     [](Document &d) {
         d.pool[5].FontName = "Courier New";
         d.pool[5].FontSize = 20;
         d.pool[5].FontStyle = 3;
     }},
    {"Texteffekte", [](Document &d) { d.pool[5].Shadow = 1; d.pool[5].EffectDX = 12; }},
    {"Drehen text", [](Document &d) { d.pool[5].Rotation = 3; }},
    {"Drehen image", rotateImageRight},
    {"Nach vorne", [](Document &d) { d.pool.swapSlots(2, ElementPool::SlotCount); d.CurrentElement = 10000; }},
    {"Nach hinten", [](Document &d) { d.pool.swapSlots(9, 1); d.CurrentElement = 1; }},
    {"Hintergrund mode", [](Document &d) { d.BackgroundMode = 0; }},
    {"Hintergrund picture",
     [](Document &d) {
         d.releaseBackground();
         d.BackgroundFile = "anders.bmp";
         d.BackgroundImage = smallPicture(8, 2);
     }},
    {"Hintergrund none",
     [](Document &d) {
         d.releaseBackground();
         d.BackgroundMode = -1;
         d.BackgroundFile.clear();
     }},
};

} // namespace

TEST(EditHistory, EveryKindOfStepUndoesAndRedoesExactly)
{
    for (const StepCase &c : stepCases) {
        SCOPED_TRACE(c.name);
        Card card;
        const QByteArray before = card.bytes();
        const QByteArray slot1Before = card.slotRecord(1);
        const int32_t currentBefore = card.doc.CurrentElement;
        ASSERT_TRUE(card.step(QString::fromUtf8(c.name), c.command));
        const QByteArray after = card.bytes();
        const int32_t currentAfter = card.doc.CurrentElement;
        ASSERT_NE(after, before);
        EXPECT_EQ(card.history.undoName(), QString::fromUtf8(c.name));

        ASSERT_TRUE(card.history.undo());
        EXPECT_EQ(card.bytes(), before);
        EXPECT_EQ(card.slotRecord(1), slot1Before);   // also the fields a free slot keeps
        EXPECT_EQ(card.doc.CurrentElement, currentBefore);
        EXPECT_FALSE(card.history.canUndo());
        EXPECT_EQ(card.history.redoName(), QString::fromUtf8(c.name));

        ASSERT_TRUE(card.history.redo());
        EXPECT_EQ(card.bytes(), after);
        EXPECT_EQ(card.doc.CurrentElement, currentAfter);
        ASSERT_TRUE(card.history.undo());
        EXPECT_EQ(card.bytes(), before);
    }
}

TEST(EditHistory, PicturesComeBackSharedNotCopied)
{
    Card card;
    const uint8_t *imagePixels = card.doc.pool[7].Dib.Bits;
    const uint8_t *backgroundPixels = card.doc.BackgroundImage.Bits;
    card.step(StepName::Delete, [](Document &d) { d.pool[7].release(); });
    card.step(StepName::Background, [](Document &d) {
        d.releaseBackground();
        d.BackgroundMode = -1;
    });
    ASSERT_TRUE(card.history.undo());
    ASSERT_TRUE(card.history.undo());
    EXPECT_EQ(card.doc.pool[7].Dib.Bits, imagePixels);
    EXPECT_EQ(card.doc.BackgroundImage.Bits, backgroundPixels);
    EXPECT_EQ(getpixel(card.doc.pool[7].Dib, 5, 2), 5 * 40 + 2 * 0x2000);
    EXPECT_GE(dibShareCount(card.doc.pool[7].Dib), 1);

    // Once neither history nor card holds the picture any more, nothing is left shared.
    card.history.clear();
    EXPECT_EQ(dibShareCount(card.doc.pool[7].Dib), 0);
    EXPECT_EQ(dibShareCount(card.doc.BackgroundImage), 0);
}

TEST(EditHistory, RotatedPictureUndoesToTheSamePixels)
{
    Card card;
    const uint8_t *original = card.doc.pool[7].Dib.Bits;
    card.step(StepName::Rotate, rotateImageRight);
    EXPECT_EQ(DibWidth(card.doc.pool[7].Dib), 3);
    card.history.undo();
    EXPECT_EQ(card.doc.pool[7].Dib.Bits, original);
    EXPECT_EQ(DibWidth(card.doc.pool[7].Dib), 6);
    card.history.redo();
    EXPECT_EQ(DibWidth(card.doc.pool[7].Dib), 3);
    EXPECT_EQ(getpixel(card.doc.pool[7].Dib, 2, 5), 5 * 40);   // old (5, 0) after a clockwise turn
}

TEST(EditHistory, OnlyChangesAreSteps_AndNestedStepsAreOne)
{
    Card card;
    EXPECT_FALSE(card.step(StepName::Move, [](Document &) {}));
    // Selecting another element is no change of the card.
    EXPECT_FALSE(card.step(StepName::Move, [](Document &d) { d.CurrentElement = 5; }));
    EXPECT_FALSE(card.history.canUndo());

    card.history.beginStep(StepName::Cut);
    card.doc.pool[2].Color = 1;
    card.history.beginStep(StepName::Delete);
    card.doc.pool[5].release();
    EXPECT_FALSE(card.history.endStep());
    EXPECT_TRUE(card.history.stepOpen());
    EXPECT_FALSE(card.history.canUndo());   // no undo in the middle of a command
    EXPECT_TRUE(card.history.endStep());
    EXPECT_EQ(card.history.undoCount(), 1);
    EXPECT_EQ(card.history.undoName(), StepName::Cut);

    // The name can be given when the command knows what it did.
    {
        EditStep step(&card.history, StepName::Move);
        card.doc.pool[2].Width += 100;
        step.rename(StepName::Resize);
    }
    EXPECT_EQ(card.history.undoName(), StepName::Resize);
}

TEST(EditHistory, NewStepClearsRedo)
{
    Card card;
    card.step(StepName::Color, [](Document &d) { d.pool[2].Color = 1; });
    card.step(StepName::Move, [](Document &d) { d.pool[2].Left = 1; });
    card.history.undo();
    ASSERT_TRUE(card.history.canRedo());
    card.step(StepName::Shape, [](Document &d) { d.pool[2].Shape = 0; });
    EXPECT_FALSE(card.history.canRedo());
    EXPECT_EQ(card.history.undoCount(), 2);
    card.history.undo();
    card.history.undo();
    EXPECT_EQ(card.doc.pool[2].Color, 0x0000FF);
    EXPECT_EQ(card.doc.pool[2].Left, 70000);
}

TEST(EditHistory, KeepsTheLastHundredSteps)
{
    Card card;
    QByteArray afterFifthStep;
    for (int i = 1; i <= 105; ++i) {
        card.step(StepName::Move, [i](Document &d) { d.pool[2].Left = 1000 * i; });
        if (i == 5)
            afterFifthStep = card.bytes();
    }
    EXPECT_EQ(card.history.undoCount(), EditHistory::Limit);
    int undone = 0;
    while (card.history.undo())
        ++undone;
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(card.bytes(), afterFifthStep);
    EXPECT_EQ(card.history.redoCount(), 100);
}

TEST(EditHistory, ReplacingTheCardClearsIt)
{
    Card card;
    card.step(StepName::Color, [](Document &d) { d.pool[2].Color = 1; });
    card.step(StepName::Color, [](Document &d) { d.pool[2].Color = 2; });
    card.history.undo();
    ASSERT_TRUE(card.history.canUndo());
    ASSERT_TRUE(card.history.canRedo());

    // A new card (and template adoption) clear the document first.
    card.doc.clearall();
    EXPECT_FALSE(card.history.canUndo());
    EXPECT_FALSE(card.history.canRedo());

    // Opening a design file replaces the card the same way.
    card.step(StepName::Create, [](Document &d) { d.pool[3].Kind = KindBarcode; });
    ASSERT_TRUE(card.history.canUndo());
    Document other;
    other.pool[4].Kind = KindFigure;
    ASSERT_TRUE(readDesign(writeDesign(other), card.doc, QString()).ok());
    EXPECT_FALSE(card.history.canUndo());
    EXPECT_EQ(card.history.undoCount(), 0);

    // A command that replaces the card records nothing.
    EXPECT_FALSE(card.step(StepName::Create, [](Document &d) {
        d.clearall();
        d.pool[1].Kind = KindText;
    }));
    EXPECT_FALSE(card.history.canUndo());
}
