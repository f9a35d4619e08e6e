#include "core/document.h"
#include "editor/elementcommands.h"
#include "editor/elementstate.h"
#include "render/raster.h"
#include "tests/support/testpictures.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace ElementCommands;

namespace {
Tobs &place(Document &doc, int slot, int32_t kind)
{
    Tobs &e = doc.pool[slot];
    e.Kind = kind;
    e.Left = 20800;
    e.Top = 10400;
    e.Width = 10000;
    e.Height = 5000;
    doc.CurrentElement = slot;
    return e;
}
}

TEST(ElementCommands, WithoutACurrentElementNothingChanges)
{
    Document doc;
    doc.pool[1].Kind = KindFigure;
    ScriptedPrompts prompts;   // no question may be asked
    EXPECT_FALSE(bringToFront(doc));
    EXPECT_FALSE(sendToBack(doc));
    EXPECT_FALSE(setColor(doc, 5));
    EXPECT_FALSE(rotateLeft(doc));
    EXPECT_FALSE(setEffects(doc, TextEffects{}));
    EXPECT_EQ(doc.pool[1].Color, 0);
    EXPECT_EQ(doc.pool[1].Kind, KindFigure);
}

TEST(ElementCommands, FrontAndBackExchangeTheSlotContents)
{
    Document doc;
    Tobs &top = place(doc, ElementPool::SlotCount, KindText);
    top.Text = "oben";
    Tobs &bottom = place(doc, 1, KindBarcode);
    Tobs &mine = place(doc, 7, KindFigure);
    mine.Color = 0x123456;

    EXPECT_TRUE(bringToFront(doc));
    EXPECT_EQ(doc.CurrentElement, ElementPool::SlotCount);
    EXPECT_EQ(doc.pool[ElementPool::SlotCount].Color, 0x123456);
    EXPECT_EQ(doc.pool[7].Text, QByteArray("oben")) << "the front element moved into the freed slot";

    EXPECT_TRUE(sendToBack(doc));
    EXPECT_EQ(doc.CurrentElement, 1);
    EXPECT_EQ(doc.pool[1].Color, 0x123456);
    EXPECT_EQ(doc.pool[ElementPool::SlotCount].Kind, KindBarcode);
    EXPECT_EQ(&doc.pool[1], &mine);
    (void)bottom;

    EXPECT_TRUE(sendToBack(doc)) << "already at the back: only the repaint";
    EXPECT_EQ(&doc.pool[1], &mine);
    EXPECT_EQ(doc.CurrentElement, 1);
}

TEST(ElementCommands, FourLeftTurnsOfAnImageRestoreItsPixelsAndRotation)
{
    Document doc;
    Tobs &e = place(doc, 3, KindImage);
    e.Dib = makePatternPicture(5, 3);
    DibImage original = makePatternPicture(5, 3);
    e.Rotation = 1;
    e.Width = 10000;   // 48 screen pixels at 208 units per pixel
    e.Height = 5000;   // 24

    ASSERT_TRUE(rotateLeft(doc));
    EXPECT_EQ(e.Rotation, 0);
    EXPECT_EQ(DibWidth(e.Dib), 3);
    EXPECT_EQ(DibHeight(e.Dib), 5);
    EXPECT_EQ(getpixel(e.Dib, 0, 4), patternColor(0, 0)) << "a quarter turn counter-clockwise";
    EXPECT_EQ(e.Width, 24 * 208);
    EXPECT_EQ(e.Height, 48 * 208);
    for (int i = 0; i < 3; ++i)
        rotateLeft(doc);
    EXPECT_EQ(e.Rotation, 1);
    EXPECT_TRUE(samePixels(e.Dib, original));
    EXPECT_EQ(e.Width, 48 * 208) << "quantised to the screen grid";
    EXPECT_EQ(e.Height, 24 * 208);

    ASSERT_TRUE(rotateRight(doc));
    EXPECT_EQ(e.Rotation, 2);
    EXPECT_EQ(getpixel(e.Dib, 2, 0), patternColor(0, 0)) << "a quarter turn clockwise";
    rotateRight(doc);
    rotateRight(doc);
    EXPECT_EQ(e.Rotation, 0) << "4 becomes 0";
    deldib(original);
}

TEST(ElementCommands, TurningATextKeepsItsBox)
{
    Document doc;
    Tobs &e = place(doc, 2, KindText);
    e.Width = 10001;
    e.Height = 333;
    rotateLeft(doc);
    EXPECT_EQ(e.Rotation, 3);
    rotateRight(doc);
    rotateRight(doc);
    EXPECT_EQ(e.Rotation, 1);
    EXPECT_EQ(e.Width, 10001);
    EXPECT_EQ(e.Height, 333);
}

TEST(ElementCommands, FontEffectsAndTransparencyReachTheirFields)
{
    Document doc;
    Tobs &e = place(doc, 2, KindText);
    CreationFont f;
    f.color = 0xFF;
    f.height = -27;
    f.name = "Arial";
    f.pitch = 2;
    f.size = 20;
    f.style = 1 | 8;
    ASSERT_TRUE(setFont(doc, f));
    EXPECT_EQ(e.Color, 0xFF) << "the font colour is the text colour";
    EXPECT_EQ(fontOf(e), f);

    const TextEffects fx{true, 0x0000FF, true, 0x00FF00, -7, 12};
    ASSERT_TRUE(setEffects(doc, fx));
    EXPECT_EQ(e.LineColor, 0x0000FF);
    EXPECT_EQ(e.FillMode, 0x00FF00) << "the shadow colour lives in FillMode";
    EXPECT_EQ(e.EffectDX, -7);
    EXPECT_EQ(effectsOf(doc), fx);

    const Transparency t{true, true, 0xABCDEF};
    ASSERT_TRUE(setTransparency(doc, t));
    EXPECT_EQ(e.LineWidth, 0xABCDEF) << "TransColor shares the line width field";
    EXPECT_EQ(transparencyOf(doc), t);

    toggleKeepAspect(doc);
    EXPECT_EQ(e.KeepAspect, 1);
    toggleKeepAspect(doc);
    EXPECT_EQ(e.KeepAspect, 0);
}

TEST(ElementMenu, EnabledAndCheckedItemsFollowTheKind)
{
    struct Row {
        int32_t kind;
        bool color, font, textItems, imageItems, rotation, shapes;
    };
    const Row rows[] = {
        {KindFigure, true, false, false, false, false, true},
        {KindText, true, true, true, false, true, false},
        {KindImage, false, false, false, true, true, false},
        {KindBarcode, false, false, false, false, false, false},
    };
    for (const Row &r : rows) {
        Document doc;
        Tobs &e = place(doc, 9, r.kind);
        e.TextAlign = 2;
        e.KeepAspect = 1;
        e.Shape = 8;
        const ElementMenuState m = elementMenuState(doc);
        SCOPED_TRACE(r.kind);
        EXPECT_EQ(m.color, r.color);
        EXPECT_EQ(m.font, r.font);
        EXPECT_EQ(m.textItems, r.textItems);
        EXPECT_EQ(m.imageItems, r.imageItems);
        EXPECT_EQ(m.rotation, r.rotation);
        EXPECT_EQ(m.shapes, r.shapes);
        EXPECT_EQ(m.checkedAlign, r.kind == KindText ? 2 : -1);
        EXPECT_TRUE(m.keepAspectChecked);
        EXPECT_EQ(m.checkedShape, 8);
    }
}

TEST(ElementPanel, PagesAndControlsFollowTheElement)
{
    Document doc;
    EXPECT_FALSE(panelState(doc).allgemein) << "no element: no page";

    Tobs &text = place(doc, 1, KindText);
    text.TextAlign = 1;
    PanelState p = panelState(doc);
    EXPECT_TRUE(p.text && p.allgemein && !p.figur && !p.bild);
    EXPECT_EQ(p.active, PanelPage::Text);
    EXPECT_EQ(p.textAlign, 1);

    place(doc, 2, KindBarcode);
    p = panelState(doc);
    EXPECT_TRUE(p.allgemein && !p.text && !p.figur && !p.bild);
    EXPECT_EQ(p.active, PanelPage::Allgemein);

    Tobs &line = place(doc, 3, KindFigure);
    line.Shape = 9;
    line.FillMode = 2;
    line.LineWidth = 0;   // a slot never used since start-up
    p = panelState(doc);
    EXPECT_EQ(p.active, PanelPage::Figur);
    EXPECT_FALSE(p.borderAndFillEnabled);
    EXPECT_EQ(p.lineWidth, 1);
    line.Shape = 5;
    line.LineWidth = 99;
    p = panelState(doc);
    EXPECT_TRUE(p.borderAndFillEnabled);
    EXPECT_EQ(p.fillMode, 2);
    EXPECT_EQ(p.lineWidth, 20);
    EXPECT_EQ(line.LineWidth, 99) << "showing writes nothing back";

    Tobs &image = place(doc, 4, KindImage);
    image.KeepAspect = 0;
    p = panelState(doc);
    EXPECT_EQ(p.active, PanelPage::Bild);
    EXPECT_FALSE(p.keepAspect);
}
