// The element commands in the real main window: the editor page's menus,
// property pages, "Hintergrund" button, "Bild" tool and double click.
#include "core/document.h"
#include "tests/support/testpictures.h"
#include "tests/support/testsupport.h"
#include "tests/ui/scripteddialogs.h"
#include "ui/BMPOpenFUnit.h"
#include "ui/EditorPage.h"
#include "ui/ElementEditor.h"
#include "ui/Sdimain.h"
#include "ui/bkgndunit.h"
#include "ui/txtFunit.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
void press(QWidget *w, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

ScriptedDialogs::Step typeName(const char *name)
{
    return [name](QDialog &d) {
        auto &open = dynamic_cast<TBMPOpenForm &>(d);
        open.FileNameEdit->setText(QString::fromLatin1(name));
        QTest::mouseClick(open.findChild<QPushButton *>("OpenBtn"), Qt::LeftButton);
        return d.result();
    };
}
}

class ElementEditorWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(writePatternBmp(folder.file("bild.bmp"), 30, 20));
        dialogs.then([](QDialog &) { return int(QDialog::Accepted); });   // ticket type at start-up
        window.resize(1000, 720);
        window.show();
        window.FormActivate();
        ASSERT_TRUE(waitUntil([&] { return window.StartupNewDone; }));
        window.pages()->setCurrentWidget(page);
        ASSERT_TRUE(waitUntil([&] { return page->PaintBox1->isVisible() && page->ScrollBox1->viewport()->width() > 100; }));
    }

    std::vector<QString> visibleTabs() const
    {
        std::vector<QString> tabs;
        for (int i = 0; i < page->PageControl3->count(); ++i)
            if (page->PageControl3->isTabVisible(i))
                tabs.push_back(page->PageControl3->tabText(i));
        return tabs;
    }

    // Scrolls so that the element's top-left corner is visible; returns a point just inside it.
    QPoint onElement(int slot)
    {
        const Tobs &e = doc.pool[slot];
        page->ScrollBox1->horizontalScrollBar()->setValue(e.PxLeft() - 50);
        page->ScrollBox1->verticalScrollBar()->setValue(e.PxTop() - 50);
        return QPoint(e.PxLeft() + 5, e.PxTop() + 5);
    }

    QAction *action(const char *name) { return window.elementEditor()->action(name); }

    TestFolder folder;
    ScriptedPrompts prompts;
    ScriptedDialogs dialogs;
    TSDIAppForm window;
    EditorPage *page = window.editorPage();
    Document &doc = window.document();
};

TEST_F(ElementEditorWindowTest, RightClickMenuAndPanelFollowTheElement)
{
    const QPoint onText = onElement(4);   // a text of the default layout
    press(page->PaintBox1, QEvent::MouseButtonPress, onText, Qt::RightButton);
    ASSERT_EQ(doc.CurrentElement, 4);
    ASSERT_TRUE(page->PopupMenu1->isVisible());
    EXPECT_EQ(page->PopupMenu1->actions().first()->text(), QStringLiteral("&Löschen..."));
    EXPECT_TRUE(action("SchriftartM")->isEnabled());
    EXPECT_FALSE(action("KreisM")->isEnabled());
    EXPECT_EQ(visibleTabs(), (std::vector<QString>{"Text", "Allgemein"}));
    page->PopupMenu1->hide();

    action("Nachvorne1")->trigger();
    EXPECT_EQ(doc.CurrentElement, ElementPool::SlotCount);
    EXPECT_EQ(doc.pool[4].Kind, KindFree) << "slot 10000 was free";

    // The barcode of the default layout shows only "Allgemein".
    press(page->PaintBox1, QEvent::MouseButtonPress, onElement(9), Qt::RightButton);
    page->PopupMenu1->hide();
    EXPECT_EQ(doc.CurrentElement, 9);
    EXPECT_EQ(visibleTabs(), std::vector<QString>{"Allgemein"});
}

TEST_F(ElementEditorWindowTest, DoubleClickOnATextOpensTheTextDialog)
{
    const QPoint onText = onElement(4);
    press(page->PaintBox1, QEvent::MouseButtonPress, onText);
    press(page->PaintBox1, QEvent::MouseButtonRelease, onText);
    ASSERT_EQ(doc.CurrentElement, 4);
    dialogs.then([](QDialog &d) {
        dynamic_cast<TTxtForm &>(d).Memo1->setPlainText(QStringLiteral("Neu\n[Ort]"));
        return int(QDialog::Accepted);
    });
    press(page->PaintBox1, QEvent::MouseButtonDblClick, onText);
    EXPECT_EQ(doc.pool[4].Text, QByteArray("Neu\r[Ort]"));
    EXPECT_EQ(dialogs.pending(), 0u);
}

TEST_F(ElementEditorWindowTest, PictureToolAndBackgroundButtonUseTheDialogs)
{
    const int32_t before = doc.pool.firstFreeSlot();
    QTest::mouseClick(page->SpeedItem10, Qt::LeftButton);
    page->ScrollBox1->horizontalScrollBar()->setValue(0);
    page->ScrollBox1->verticalScrollBar()->setValue(0);
    dialogs.then(typeName("bild.bmp"));
    press(page->PaintBox1, QEvent::MouseButtonPress, QPoint(40, 40));
    press(page->PaintBox1, QEvent::MouseButtonRelease, QPoint(40, 40));
    ASSERT_EQ(doc.pool[before].Kind, KindImage);
    EXPECT_EQ(doc.pool[before].Text, QByteArray("bild.bmp"));
    EXPECT_EQ(visibleTabs(), (std::vector<QString>{"Bild", "Allgemein"}));

    ASSERT_TRUE(page->BackgroundBtn->isEnabled());
    Tbkgndform &form = *window.elementEditor()->bkgndform;
    dialogs.then([&](QDialog &d) {
        form.show();
        dialogs.then(typeName("bild.bmp"));
        QTest::mouseClick(form.OpenBtn, Qt::LeftButton);
        form.TileRadio->setChecked(true);
        QTest::mouseClick(form.BackBtn, Qt::LeftButton);
        return d.result();
    });
    QTest::mouseClick(page->BackgroundBtn, Qt::LeftButton);
    EXPECT_EQ(doc.BackgroundMode, 3);
    EXPECT_EQ(doc.BackgroundFile, QByteArray("bild.bmp"));

    QAction *menuItem = window.findChild<QAction *>("Hintergrundbild1");
    ASSERT_TRUE(menuItem && menuItem->isEnabled());
    dialogs.then([&](QDialog &d) {
        QTest::mouseClick(form.NoneBtn, Qt::LeftButton);
        form.reject();
        return d.result();
    });
    menuItem->trigger();
    EXPECT_EQ(doc.BackgroundMode, -1);
    EXPECT_EQ(dialogs.pending(), 0u);
}
