#include "core/designfile.h"
#include "tests/support/testsupport.h"
#include "ui/EditorPage.h"
#include "ui/Sdimain.h"
#include "ui/modal.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
void mouse(QWidget *w, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(at), QPointF(w->mapToGlobal(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}
void click(QWidget *w, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    mouse(w, QEvent::MouseButtonPress, at, button);
    mouse(w, QEvent::MouseButtonRelease, at, button);
}
void dragTo(QWidget *w, QPoint from, QPoint to)
{
    mouse(w, QEvent::MouseButtonPress, from);
    mouse(w, QEvent::MouseMove, (from + to) / 2);
    mouse(w, QEvent::MouseMove, to);
    mouse(w, QEvent::MouseButtonRelease, to);
}

struct Box {
    int32_t kind, left, top, width, height;
    bool operator==(const Box &) const = default;
};
std::vector<Box> elements(const Document &doc)
{
    std::vector<Box> out;
    for (int i = 1; i <= ElementPool::SlotCount; ++i)
        if (doc.pool[i].Kind > 0)
            out.push_back({doc.pool[i].Kind, doc.pool[i].Left, doc.pool[i].Top, doc.pool[i].Width, doc.pool[i].Height});
    return out;
}
}

class EditorPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousHook = setModalHook([](QDialog &) { return int(QDialog::Accepted); });
        window.resize(1000, 720);
        window.show();
        // The start-up step: the type dialog (accepted) and the default layout.
        window.FormActivate();
        ASSERT_TRUE(waitUntil([&] { return window.StartupNewDone; }));
        window.pages()->setCurrentWidget(page);
        ASSERT_TRUE(waitUntil([&] { return page->PaintBox1->isVisible() && page->ScrollBox1->viewport()->width() > 100; }));
        page->ScrollBox1->horizontalScrollBar()->setValue(0);
        page->ScrollBox1->verticalScrollBar()->setValue(0);
    }
    void TearDown() override { setModalHook(previousHook); }

    // Surface pixels to DocUnits at the current scale.
    int32_t units(int px) const { return int32_t(px * doc.scale.DocUnitsPerPixel); }

    TestFolder folder;
    ScriptedPrompts prompts;
    ModalHook previousHook;
    TSDIAppForm window;
    EditorPage *page = window.editorPage();
    Document &doc = window.document();
};

TEST_F(EditorPageTest, ANewCardStartsFromTheDefaultLayout)
{
    EXPECT_EQ(elements(doc).size(), 9u);
    EXPECT_EQ(doc.pool[9].Kind, KindBarcode);
    EXPECT_EQ(doc.scale.ZoomFactor, 1.0);
    EXPECT_EQ(page->PaintBox1->width(), doc.surfaceWidth());
    EXPECT_TRUE(prompts.seen().empty());
}

TEST_F(EditorPageTest, DrawMoveResizeSaveAndReopen)
{
    QWidget *surface = page->PaintBox1;
    const QPoint rect(60, 40), code(60, 140);
    QTest::mouseClick(page->SpeedItem1, Qt::LeftButton);
    click(surface, rect);
    ASSERT_EQ(doc.pool[10].Kind, KindFigure);
    EXPECT_TRUE(page->SpeedItem3->isChecked());   // back to "Zeiger"
    EXPECT_EQ(doc.pool[10].Width, units(50));
    // The editor paint shows the new black rectangle.
    const QPoint inBuffer = rect + QPoint(25, 25) - page->editorBufferOrigin();
    EXPECT_EQ(page->editorBuffer().pixel(inBuffer), qRgb(0, 0, 0));

    QTest::mouseClick(page->BarcodeBtn, Qt::LeftButton);
    click(surface, code);
    ASSERT_EQ(doc.pool[11].Kind, KindBarcode);
    EXPECT_EQ(doc.CurrentElement, 11);

    // Select the rectangle, then move it by (30, 20) pixels.
    click(surface, rect + QPoint(10, 10));
    EXPECT_EQ(doc.CurrentElement, 10);
    dragTo(surface, rect + QPoint(10, 10), rect + QPoint(40, 30));
    EXPECT_EQ(doc.pool[10].Left, units(rect.x() + 30));
    EXPECT_EQ(doc.pool[10].Top, units(rect.y() + 20));

    // Select the barcode and pull its bottom-right handle.
    click(surface, code + QPoint(5, 5));
    dragTo(surface, code + QPoint(100, 30), code + QPoint(150, 60));
    EXPECT_EQ(doc.pool[11].Width, units(150));
    EXPECT_EQ(doc.pool[11].Height, units(60));

    prompts.chooseFile(folder.file("karte.etr"));
    QTest::mouseClick(page->SaveFileBtn, Qt::LeftButton);
    ASSERT_TRUE(folder.exists("karte.etr"));
    const std::vector<Box> designed = elements(doc);
    ASSERT_EQ(designed.size(), 11u);

    Document reread;
    ASSERT_TRUE(readDesign(folder.read("karte.etr"), reread, folder.path()).ok());
    EXPECT_EQ(elements(reread), designed);
    prompts.answer(MsgNo);   // save first? No
    window.OpenItNow(folder.file("karte.etr"));
    EXPECT_EQ(elements(doc), designed);
}

TEST_F(EditorPageTest, MagnifierZoomsAndRecentresInTheScrollArea)
{
    QTest::mouseClick(page->SpeedZoom, Qt::LeftButton);
    const QPoint at(601, 301);
    click(page->PaintBox1, at);
    EXPECT_NEAR(doc.scale.DocUnitsPerPixel, 138.67, 0.005);
    EXPECT_EQ(page->PaintBox1->width(), doc.surfaceWidth());
    QScrollBar *h = page->ScrollBox1->horizontalScrollBar();
    QScrollBar *v = page->ScrollBox1->verticalScrollBar();
    // (601, 301) lies at (901, 451) now; the scroll area limits to what it can scroll.
    EXPECT_EQ(h->value(), std::min(901 - page->ScrollBox1->width() / 2, h->maximum()));
    EXPECT_EQ(v->value(), std::min(451 - page->ScrollBox1->height() / 2, v->maximum()));
    EXPECT_TRUE(page->SpeedZoom->isChecked());
    mouse(page->PaintBox1, QEvent::MouseButtonPress, at, Qt::RightButton);
    EXPECT_EQ(doc.scale.DocUnitsPerPixel, 208.0);
}

TEST_F(EditorPageTest, MenusKeysAndDoubleClick)
{
    QWidget *surface = page->PaintBox1;
    page->PopupMenu1->addAction(QStringLiteral("x"));
    page->PBoxPopup->addAction(QStringLiteral("y"));
    int menuSlot = -1, edited = 0;
    QObject::connect(page, &EditorPage::elementMenuAboutToShow, [&](int slot) { menuSlot = slot; });
    QObject::connect(page, &EditorPage::textEditRequested, [&](int slot) { edited = slot; });

    // A text of the default layout, at its top-left corner plus a little.
    const Tobs &text = doc.pool[4];
    const QPoint onText(text.PxLeft() + 5, text.PxTop() + 5);
    page->ScrollBox1->horizontalScrollBar()->setValue(onText.x() - 50);
    page->ScrollBox1->verticalScrollBar()->setValue(onText.y() - 50);
    mouse(surface, QEvent::MouseButtonPress, onText, Qt::RightButton);
    EXPECT_EQ(doc.CurrentElement, 4);
    EXPECT_EQ(menuSlot, 4);
    ASSERT_TRUE(page->PopupMenu1->isVisible());
    // A tall menu is moved up so that it fits on the screen.
    EXPECT_EQ(page->PopupMenu1->pos().x(), surface->mapToGlobal(onText).x());
    EXPECT_LE(page->PopupMenu1->pos().y(), surface->mapToGlobal(onText).y());
    page->PopupMenu1->hide();

    const QPoint empty(onText.x(), onText.y() - 30);   // above the card's texts
    mouse(surface, QEvent::MouseButtonPress, empty, Qt::RightButton);
    EXPECT_EQ(doc.CurrentElement, 0);
    ASSERT_TRUE(page->PBoxPopup->isVisible());
    EXPECT_EQ(page->PBoxPopup->pos(), surface->mapToGlobal(empty));
    page->PBoxPopup->hide();

    // A click gives the keys to the hidden field; the arrows walk the slots.
    click(surface, onText);
    EXPECT_EQ(window.focusWidget(), page->KeyEdit);
    QTest::keyClick(page->KeyEdit, Qt::Key_Up);
    EXPECT_EQ(doc.CurrentElement, 5);
    QTest::keyClick(page->KeyEdit, Qt::Key_Down);
    EXPECT_EQ(doc.CurrentElement, 6);
    EXPECT_TRUE(page->KeyEdit->text().isEmpty());

    // Double click on a text: the dialog once, and the element does not move.
    click(surface, onText);
    ASSERT_EQ(doc.CurrentElement, 4);
    const int32_t left = text.Left;
    mouse(surface, QEvent::MouseButtonPress, onText);
    mouse(surface, QEvent::MouseButtonRelease, onText);
    mouse(surface, QEvent::MouseButtonDblClick, onText);
    mouse(surface, QEvent::MouseMove, onText + QPoint(30, 30));
    mouse(surface, QEvent::MouseButtonRelease, onText + QPoint(30, 30));
    EXPECT_EQ(edited, 4);
    EXPECT_EQ(text.Left, left);
}
