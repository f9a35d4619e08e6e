#include "core/document.h"
#include "editor/dragit.h"
#include "editor/editorcontroller.h"
#include "editor/hitzones.h"
#include "tests/editor/fakesurfaceview.h"

#include <gtest/gtest.h>

TEST(HitZones, HandlesWinOverTheBodyAndCornersOverMiddles)
{
    struct Case { int x, y, mode, dx, dy; };
    // Element at (100, 50), 40 × 20 pixels.
    const Case cases[] = {
        {97, 47, 1, -3, -3}, {143, 53, 2, 3, 3}, {100, 70, 3, 0, 0},  {140, 70, 4, 0, 0},
        {122, 50, 5, 0, 0},  {118, 73, 6, 0, 3}, {100, 63, 7, 0, 0},  {141, 60, 8, 1, 0},
        {110, 55, 9, 10, 5}, {140, 55, 9, 40, 5}, {90, 60, 0, 0, 0},  {141, 71, 4, 1, 1},
    };
    for (const Case &c : cases) {
        const ZoneHit hit = hitZone(100, 50, 40, 20, c.x, c.y);
        EXPECT_EQ(hit.mode, c.mode) << c.x << "," << c.y;
        EXPECT_EQ(hit.cursor, c.mode) << c.x << "," << c.y;
        EXPECT_EQ(hit.dx, c.dx) << c.x << "," << c.y;
        EXPECT_EQ(hit.dy, c.dy) << c.x << "," << c.y;
    }
    // A tiny element: the top-left corner wins over the top-middle handle.
    EXPECT_EQ(hitZone(100, 50, 4, 4, 102, 50).mode, 1);
}

TEST(HitZones, ClickPicksTheTopmostBoundingBox)
{
    Document doc;
    placePx(doc, 3, KindFigure, 100, 100, 50, 50).Shape = 0;   // a circle: its bounding square counts
    placePx(doc, 7, KindText, 130, 130, 50, 50);
    placePx(doc, 9, -1, 0, 0, 500, 500);                         // no element
    EXPECT_EQ(hitTestSlot(doc.pool, 140, 140), 7);
    EXPECT_EQ(hitTestSlot(doc.pool, 101, 101), 3);
    EXPECT_EQ(hitTestSlot(doc.pool, 150, 100), 3);   // edges inclusive
    EXPECT_EQ(hitTestSlot(doc.pool, 181, 140), 0);
}

namespace {
DocBox pxBox(int l, int t, int w, int h)
{
    return {l * 208, t * 208, w * 208, h * 208};
}
void drag(DocBox &b, int32_t &mode, int x, int y, const Document &doc, int dx = 0, int dy = 0)
{
    dragit(b, mode, x, y, dx, dy, doc.scale, doc.surfaceWidth(), doc.surfaceHeight());
}
}

TEST(Dragit, HandlesMoveTheirEdges)
{
    Document doc;
    struct Case { int mode, x, y; DocBox expected; };
    // Box (100, 50) 40 × 20 px; each handle dragged to (90, 40) or (160, 80).
    const Case cases[] = {
        {1, 90, 40, pxBox(90, 40, 50, 30)},   {2, 160, 40, pxBox(100, 40, 60, 30)},
        {3, 90, 80, pxBox(90, 50, 50, 30)},   {4, 160, 80, pxBox(100, 50, 60, 30)},
        {5, 0, 40, pxBox(100, 40, 40, 30)},   {6, 0, 80, pxBox(100, 50, 40, 30)},
        {7, 90, 0, pxBox(90, 50, 50, 20)},    {8, 160, 0, pxBox(100, 50, 60, 20)},
        {9, 90, 40, pxBox(90, 40, 40, 20)},
    };
    for (const Case &c : cases) {
        DocBox b = pxBox(100, 50, 40, 20);
        int32_t mode = c.mode;
        drag(b, mode, c.x, c.y, doc);
        EXPECT_EQ(b, c.expected) << c.mode;
        EXPECT_EQ(mode, c.mode);
    }
}

TEST(Dragit, InsideOutFlipsTheHandleAndKeepsTheSizePositive)
{
    Document doc;
    // The right-middle handle dragged left past the left edge.
    DocBox b = pxBox(100, 50, 50, 50);
    int32_t mode = 8;
    drag(b, mode, 80, 0, doc);
    EXPECT_EQ(b, pxBox(80, 50, 20, 50));
    EXPECT_EQ(mode, 7);
    drag(b, mode, 60, 0, doc);   // continues as the left-middle handle
    EXPECT_EQ(b, pxBox(60, 50, 40, 50));
    EXPECT_EQ(mode, 7);

    // The bottom-right corner dragged above and left of the top-left corner.
    b = pxBox(100, 50, 50, 50);
    mode = 4;
    drag(b, mode, 90, 40, doc);
    EXPECT_EQ(b, pxBox(90, 40, 10, 10));
    EXPECT_EQ(mode, 1);
    // Bottom-middle handle above the top edge.
    b = pxBox(100, 50, 50, 50);
    mode = 6;
    drag(b, mode, 0, 30, doc);
    EXPECT_EQ(b, pxBox(100, 30, 50, 20));
    EXPECT_EQ(mode, 5);
}

TEST(Dragit, StaysOnThePasteboard)
{
    Document doc;   // 1022 × 624 surface
    DocBox b = pxBox(100, 50, 40, 20);
    int32_t mode = 9;
    drag(b, mode, -5000, -5000, doc);
    EXPECT_EQ(b.Left, -b.Width);
    EXPECT_EQ(b.Top, -b.Height);
    drag(b, mode, 5000, 5000, doc);
    EXPECT_EQ(b.Left, 1022 * 208 - 1);
    EXPECT_EQ(b.Top, 624 * 208 - 1);
    EXPECT_EQ(b.Width, 40 * 208);
}

class ControllerTest : public ::testing::Test {
protected:
    Document doc;
    FakeSurfaceView view{doc};
    EditorController editor{doc, view};
    std::vector<QString> changes;
    void SetUp() override
    {
        editor.beforeCardChange = [this](const QString &what) { changes.push_back(what); };
    }
};

TEST_F(ControllerTest, PressAndReleaseOnAHandleSnapsToThePixelGrid)
{
    Tobs &e = doc.pool[1];
    e.Kind = KindFigure;
    e.Left = e.Top = 10000;
    e.Width = e.Height = 20800;
    doc.CurrentElement = 1;
    editor.mouseDown(EditorButton::Left, 48, 48);   // top-left handle at Trunc(10000 / 208)
    EXPECT_EQ(editor.state.DragState, DragElement);
    EXPECT_EQ(editor.state.DragMode, 1);
    editor.mouseUp(EditorButton::Left, 48, 48);
    EXPECT_EQ(e.Left, 9984);
    EXPECT_EQ(e.Top, 9984);
    EXPECT_EQ(e.Width, 20816);
    EXPECT_EQ(editor.state.DragState, DragIdle);
    EXPECT_EQ(changes, std::vector<QString>{QStringLiteral("drag")});
}

TEST_F(ControllerTest, APressOnANewElementOnlySelectsItThenADragIsOneChange)
{
    Tobs &e = placePx(doc, 2, KindFigure, 100, 100, 50, 50);
    editor.mouseDown(EditorButton::Left, 120, 120);
    EXPECT_EQ(doc.CurrentElement, 2);
    EXPECT_EQ(editor.state.DragState, DragIdle);
    editor.mouseMove(200, 200);
    editor.mouseUp(EditorButton::Left, 200, 200);
    EXPECT_EQ(e.Left, 100 * 208);   // selecting did not move it
    EXPECT_EQ(view.focused, 1);

    editor.mouseDown(EditorButton::Left, 120, 120);
    ASSERT_EQ(editor.state.DragState, DragElement);
    view.outlines.clear();
    editor.mouseMove(170, 130);
    editor.mouseMove(220, 150);
    EXPECT_EQ(e.Left, 100 * 208);   // the element changes only at the release
    // Each move erases the last outline and draws the new one.
    EXPECT_EQ(view.outlines, (std::vector<QRect>{{100, 100, 50, 50}, {150, 110, 50, 50}, {150, 110, 50, 50},
                                                 {200, 130, 50, 50}}));
    EXPECT_TRUE(changes.empty());
    editor.mouseUp(EditorButton::Right, 0, 0);   // other buttons leave the drag running
    EXPECT_EQ(editor.state.DragState, DragElement);
    editor.mouseUp(EditorButton::Left, 220, 150);
    EXPECT_EQ(e.Left, 200 * 208);   // 100 pixels at 208 units each: 20800 units
    EXPECT_EQ(e.Top, 130 * 208);
    EXPECT_EQ(changes.size(), 1u);

    // A press on empty pasteboard clears the selection.
    editor.mouseDown(EditorButton::Left, 10, 10);
    EXPECT_EQ(doc.CurrentElement, 0);
}

TEST_F(ControllerTest, RightClickOpensTheMenuThatFitsWhateverTheTool)
{
    placePx(doc, 4, KindText, 100, 100, 50, 50);
    for (EditorTool tool : {EditorTool::Pointer, EditorTool::Hand, EditorTool::Figure}) {
        editor.setTool(tool);
        doc.CurrentElement = 0;
        editor.mouseDown(EditorButton::Right, 110, 120);
        EXPECT_EQ(view.menu, QStringLiteral("element"));
        EXPECT_EQ(view.menuAt, QPoint(110, 120));
        EXPECT_EQ(doc.CurrentElement, 4);
        editor.mouseDown(EditorButton::Right, 10, 20);
        EXPECT_EQ(view.menu, QStringLiteral("background"));
        EXPECT_EQ(view.menuAt, QPoint(10, 20));
        EXPECT_EQ(doc.CurrentElement, 0);
    }
    // The magnifier zooms out instead.
    editor.setTool(EditorTool::Magnifier);
    view.menu.clear();
    editor.mouseDown(EditorButton::Right, 110, 120);
    EXPECT_TRUE(view.menu.isEmpty());
    EXPECT_EQ(doc.scale.DocUnitsPerPixel, 312);
    editor.mouseDown(EditorButton::Left, 110, 120);
    EXPECT_EQ(doc.scale.DocUnitsPerPixel, 208);
    EXPECT_FALSE(editor.state.Rescaling);
}

TEST_F(ControllerTest, DoubleClickOnATextOpensTheDialogAndSwallowsThePress)
{
    Tobs &e = placePx(doc, 1, KindText, 100, 100, 50, 50);
    doc.CurrentElement = 1;
    editor.doubleClick();
    EXPECT_EQ(view.edited, 1);
    editor.mouseDown(EditorButton::Left, 120, 120);   // the pair's second press
    EXPECT_EQ(editor.state.DragState, DragIdle);
    editor.mouseMove(150, 150);
    editor.mouseUp(EditorButton::Left, 150, 150);
    EXPECT_EQ(e.Left, 100 * 208);
    EXPECT_TRUE(changes.empty());

    // Not on a figure.
    view.edited = 0;
    e.Kind = KindFigure;
    editor.doubleClick();
    EXPECT_EQ(view.edited, 0);
}

TEST_F(ControllerTest, HandScrollsAndCursorsFollowTheTool)
{
    view.h = 100;
    view.v = 100;
    editor.setTool(EditorTool::Hand);
    editor.mouseMove(5, 5);
    EXPECT_EQ(view.cursor, CursorGrab);
    editor.mouseDown(EditorButton::Left, 300, 200);
    editor.mouseMove(260, 170);
    EXPECT_EQ(view.h, 140);
    EXPECT_EQ(view.v, 130);
    // The anchor stays: with the surface scrolled under it, the mouse at the
    // same place on the screen is at the anchor again, and nothing moves.
    editor.mouseUp(EditorButton::Left, 300, 200);
    EXPECT_EQ(view.h, 140);
    EXPECT_EQ(view.v, 130);
    EXPECT_EQ(editor.state.DragState, DragIdle);

    editor.setTool(EditorTool::Magnifier);
    editor.mouseMove(5, 5);
    EXPECT_EQ(view.cursor, CursorMagnifier);
    editor.setTool(EditorTool::Barcode);
    editor.mouseMove(5, 5);
    EXPECT_EQ(view.cursor, CursorCreate);
    editor.setTool(EditorTool::Pointer);
    placePx(doc, 1, KindFigure, 100, 100, 50, 50);
    doc.CurrentElement = 1;
    editor.mouseMove(150, 125);
    EXPECT_EQ(view.cursor, CursorHorz8);
    editor.mouseMove(120, 120);
    EXPECT_EQ(view.cursor, CursorGrab);
    editor.mouseMove(5, 5);
    EXPECT_EQ(view.cursor, CursorArrow);
}
