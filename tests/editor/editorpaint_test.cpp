#include "core/document.h"
#include "editor/editorpaint.h"
#include "editor/editorstate.h"
#include "editor/selectionmarks.h"
#include "render/canvaspainter.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {
QImage paint(Document &doc, const EditorView &view, QSize buffer, int32_t firstTicket = 7)
{
    QImage image(buffer, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter painter(&image);
    PainterCanvas canvas(painter, &image);
    paintEditor(canvas, doc, CardRenderInputs{}, view, firstTicket, EditorState{});
    return image;
}
}

TEST(EditorPaint, PasteboardCardFrameAndShadow)
{
    Document doc;
    EditorView view{300, 150, 0, 0};
    const QImage img = paint(doc, view, QSize(320, 160));
    EXPECT_EQ(img.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(299, 149), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(300, 10), qRgb(0, 0, 255));          // outside the pasteboard
    EXPECT_EQ(img.pixel(100, 50), qRgb(0, 0, 0));            // card frame corner (W div 3, H div 3)
    EXPECT_EQ(img.pixel(199, 99), qRgb(0, 0, 0));            // right and bottom edges exclusive
    EXPECT_EQ(img.pixel(150, 75), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(202, 60), qRgb(128, 128, 128));      // right shadow from ct + 5
    EXPECT_EQ(img.pixel(202, 54), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(110, 102), qRgb(128, 128, 128));     // bottom shadow from cl + 5
    EXPECT_EQ(doc.CurrentTicketNumber, 7);
    EXPECT_FALSE(doc.scale.UsePrintScale);
}

TEST(EditorPaint, ScrolledBufferShowsTheSameSurface)
{
    Document doc;
    doc.pool[1].Kind = KindFigure;
    doc.pool[1].Color = 0x0000FF;   // red, filled
    doc.pool[1].SetPxLeft(120);
    doc.pool[1].SetPxTop(60);
    doc.pool[1].SetPxWidth(30);
    doc.pool[1].SetPxHeight(20);
    // A background picture drawn row by row, only the visible columns.
    newdib(doc.BackgroundImage, 37, 23, 24);
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x)
            setpixel(doc.BackgroundImage, x, y, x * 6 | (y * 10) << 8);
    doc.BackgroundMode = 0;
    const QImage whole = paint(doc, EditorView{300, 150, 0, 0}, QSize(300, 150));
    const QImage part = paint(doc, EditorView{300, 150, 110, 40}, QSize(80, 60));
    EXPECT_EQ(part, whole.copy(110, 40, 80, 60));
    EXPECT_EQ(paint(doc, EditorView{300, 150, 95, 45}, QSize(40, 30)), whole.copy(95, 45, 40, 30));
    EXPECT_NE(whole.pixel(102, 52), qRgb(255, 255, 255));
    EXPECT_EQ(whole.pixel(130, 70), qRgb(255, 0, 0));
}

TEST(EditorPaint, SelectionMarksHandlesAndTheInvertingDragOutline)
{
    Document doc;
    Tobs &e = doc.pool[1];
    e.Kind = KindFigure;
    e.FillMode = 1;   // border only, white inside
    e.LineColor = 0x00FFFFFF;
    e.SetPxLeft(120);
    e.SetPxTop(60);
    e.SetPxWidth(40);
    e.SetPxHeight(20);
    doc.CurrentElement = 1;
    EditorState state;
    QImage img(300, 150, QImage::Format_RGB32);
    QPainter painter(&img);
    PainterCanvas canvas(painter, &img);
    paintEditor(canvas, doc, CardRenderInputs{}, EditorView{300, 150, 10, 5}, 1, state);
    const auto at = [&](int x, int y) { return img.pixel(x - 10, y - 5); };   // surface point
    // Handles: 6 × 6 squares centred on the corners and edge middles.
    for (QPoint p : {QPoint(120, 60), QPoint(160, 60), QPoint(120, 80), QPoint(160, 80), QPoint(140, 60),
                     QPoint(140, 80), QPoint(120, 70), QPoint(160, 70)}) {
        EXPECT_EQ(at(p.x() - 3, p.y() - 3), qRgb(0, 0, 0)) << p.x() << "," << p.y();
        EXPECT_EQ(at(p.x() + 2, p.y() + 2), qRgb(0, 0, 0)) << p.x() << "," << p.y();
    }
    EXPECT_EQ(at(163, 63), qRgb(255, 255, 255));   // right and bottom edges exclusive
    EXPECT_EQ(at(130, 60), qRgb(0, 0, 0));         // outline
    EXPECT_EQ(at(130, 61), qRgb(255, 255, 255));

    // While dragging: the outline alone, inverting; drawn twice it disappears.
    state.DragState = DragElement;
    state.dragBox = {e.Left, e.Top, e.Width, e.Height};
    img.fill(Qt::white);
    markrec(canvas, doc, state, 10, 5);
    EXPECT_EQ(at(130, 60), qRgb(0, 0, 0));
    EXPECT_EQ(at(159, 79), qRgb(0, 0, 0));
    EXPECT_EQ(at(120, 80), qRgb(255, 255, 255));   // no handle
    markrec(canvas, doc, state, 10, 5);
    QImage white(300, 150, QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_EQ(img, white);
}
