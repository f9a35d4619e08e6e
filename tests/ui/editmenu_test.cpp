#include "core/designfile.h"
#include "editor/edithistory.h"
#include "editor/elementclipboard.h"
#include "tests/support/testsupport.h"
#include "ui/EditMenu.h"
#include "ui/ElementEditor.h"
#include "ui/EditorPage.h"
#include "ui/Sdimain.h"
#include "ui/modal.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
void mouse(QWidget *w, QEvent::Type type, QPoint at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, QPointF(at), QPointF(w->mapToGlobal(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}
void click(QWidget *w, QPoint at)
{
    mouse(w, QEvent::MouseButtonPress, at);
    mouse(w, QEvent::MouseButtonRelease, at);
}
}

class EditMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousHook = setModalHook([](QDialog &) { return int(QDialog::Accepted); });
        window.resize(1000, 720);
        window.show();
        window.activateWindow();
        window.FormActivate();
        ASSERT_TRUE(waitUntil([&] { return window.StartupNewDone; }));
        window.pages()->setCurrentWidget(page);
        ASSERT_TRUE(waitUntil([&] { return page->PaintBox1->isVisible() && page->ScrollBox1->viewport()->width() > 100; }));
        ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == &window; }));
        page->ScrollBox1->horizontalScrollBar()->setValue(0);
        page->ScrollBox1->verticalScrollBar()->setValue(0);
    }
    void TearDown() override { setModalHook(previousHook); }

    // A key pressed while the editor has the keyboard focus.
    void key(int k, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(page->KeyEdit, Qt::Key(k), modifiers);
    }
    // Draws a rectangle with the "Figur" tool; returns its slot.
    int drawRectangle(QPoint at)
    {
        QTest::mouseClick(page->SpeedItem1, Qt::LeftButton);
        click(page->PaintBox1, at);
        return doc.CurrentElement;
    }
    QByteArray bytes() const { return writeDesign(doc); }

    TestFolder folder;
    ScriptedPrompts prompts;
    ModalHook previousHook;
    TSDIAppForm window;
    EditorPage *page = window.editorPage();
    EditMenu *menu = window.editMenu();
    Document &doc = window.document();
};

TEST_F(EditMenuTest, MenuSitsBetweenFileAndSettingsWithItsItems)
{
    const QList<QAction *> bar = window.menuBar()->actions();
    ASSERT_GE(bar.size(), 3);
    EXPECT_EQ(bar[1]->text(), QStringLiteral("&Bearbeiten"));
    EXPECT_EQ(bar[1]->menu(), menu->menu);
    struct Item {
        QAction *action;
        const char *text;
        QList<QKeySequence> keys;
        const char *hint;
    };
    const Item items[] = {
        {menu->UndoItem, "&Rückgängig", {QKeySequence("Ctrl+Z")}, "Nimmt den letzten Arbeitsschritt zurück"},
        {menu->RedoItem, "&Wiederholen", {QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")},
         "Wiederholt den zuletzt zurückgenommenen Arbeitsschritt"},
        {menu->CutItem, "&Ausschneiden", {QKeySequence("Ctrl+X")}, "Entfernt das Objekt und legt es in die Zwischenablage"},
        {menu->CopyItem, "&Kopieren", {QKeySequence("Ctrl+C")}, "Legt das Objekt in die Zwischenablage"},
        {menu->PasteItem, "&Einfügen", {QKeySequence("Ctrl+V")}, "Fügt das Objekt aus der Zwischenablage ein"},
        {menu->DuplicateItem, "&Duplizieren", {QKeySequence("Ctrl+Shift+D")}, "Fügt eine Kopie des Objekts ein"},
    };
    for (const Item &i : items) {
        SCOPED_TRACE(i.text);
        EXPECT_EQ(i.action->text(), QString::fromUtf8(i.text));
        EXPECT_EQ(i.action->shortcuts(), i.keys);
        EXPECT_EQ(i.action->statusTip(), QString::fromUtf8(i.hint));
        EXPECT_TRUE(menu->menu->actions().contains(i.action));
    }
    // The start-up card (default layout) has nothing to undo, and nothing is selected.
    EXPECT_FALSE(menu->UndoItem->isEnabled());
    EXPECT_FALSE(menu->RedoItem->isEnabled());
    EXPECT_FALSE(menu->CopyItem->isEnabled());
    EXPECT_FALSE(menu->CutItem->isEnabled());
    EXPECT_FALSE(menu->DuplicateItem->isEnabled());
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(menu->PasteItem->isEnabled());
}

TEST_F(EditMenuTest, CreateDragAndDeleteUndoAndRedoWithTheKeys)
{
    const QByteArray start = bytes();
    const int slot = drawRectangle(QPoint(60, 40));
    ASSERT_GT(slot, 0);
    const QByteArray created = bytes();
    EXPECT_EQ(menu->UndoItem->text(), QStringLiteral("&Rückgängig: Erstellen"));

    // One drag with many mouse moves is one step.
    QWidget *surface = page->PaintBox1;
    mouse(surface, QEvent::MouseButtonPress, QPoint(70, 50));
    for (int i = 1; i <= 10; ++i)
        mouse(surface, QEvent::MouseMove, QPoint(70 + 3 * i, 50 + 2 * i));
    mouse(surface, QEvent::MouseButtonRelease, QPoint(100, 70));
    const QByteArray moved = bytes();
    ASSERT_NE(moved, created);
    EXPECT_EQ(window.history().undoCount(), 2);
    EXPECT_EQ(menu->UndoItem->text(), QStringLiteral("&Rückgängig: Verschieben"));
    EXPECT_TRUE(menu->UndoItem->isEnabled());

    // Pulling the bottom-right handle is a resize.
    const Tobs &e = doc.pool[slot];
    const QPoint corner(e.PxLeft() + e.PxWidth(), e.PxTop() + e.PxHeight());
    mouse(surface, QEvent::MouseButtonPress, corner);
    mouse(surface, QEvent::MouseMove, corner + QPoint(20, 10));
    mouse(surface, QEvent::MouseButtonRelease, corner + QPoint(20, 10));
    EXPECT_EQ(menu->UndoItem->text(), QStringLiteral("&Rückgängig: Größe ändern"));
    const QByteArray resized = bytes();

    // Delete keeps its meaning: it asks, then the deletion is a step.
    prompts.answer(MsgYes);
    key(Qt::Key_Delete, Qt::NoModifier);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Wollen Sie das Element löschen?"));
    EXPECT_EQ(doc.pool[slot].Kind, KindFree);
    EXPECT_EQ(menu->UndoItem->text(), QStringLiteral("&Rückgängig: Löschen"));

    key(Qt::Key_Z);
    EXPECT_EQ(bytes(), resized);
    EXPECT_EQ(doc.CurrentElement, slot);
    EXPECT_EQ(menu->RedoItem->text(), QStringLiteral("&Wiederholen: Löschen"));
    key(Qt::Key_Z);
    EXPECT_EQ(bytes(), moved);
    key(Qt::Key_Z);
    EXPECT_EQ(bytes(), created);
    key(Qt::Key_Z);
    EXPECT_EQ(bytes(), start);
    EXPECT_FALSE(menu->UndoItem->isEnabled());
    EXPECT_EQ(menu->UndoItem->text(), QStringLiteral("&Rückgängig"));

    key(Qt::Key_Y);
    EXPECT_EQ(bytes(), created);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(bytes(), moved);
    // The editor shows the restored card at once.
    const QPoint inside = QPoint(e.PxLeft() + 5, e.PxTop() + 5) - page->editorBufferOrigin();
    EXPECT_EQ(page->editorBuffer().pixel(inside), qRgb(0, 0, 0));
}

TEST_F(EditMenuTest, CopyPasteCutAndDuplicateThroughTheClipboard)
{
    const int slot = drawRectangle(QPoint(450, 300));   // on the card
    ASSERT_GT(slot, 0);
    const Tobs original = doc.pool[slot];
    EXPECT_TRUE(menu->CopyItem->isEnabled());

    key(Qt::Key_C);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(holdsElement(data));
    EXPECT_TRUE(data->hasImage());
    EXPECT_TRUE(menu->PasteItem->isEnabled());
    EXPECT_FALSE(menu->UndoItem->isEnabled() && menu->UndoItem->text().endsWith(QStringLiteral("Kopieren")));

    key(Qt::Key_V);
    const int pasted = doc.CurrentElement;
    ASSERT_NE(pasted, slot);
    EXPECT_EQ(doc.pool[pasted].Kind, KindFigure);
    EXPECT_EQ(doc.pool[pasted].Left, original.Left + 1574);
    EXPECT_EQ(doc.pool[pasted].Top, original.Top + 1574);
    EXPECT_EQ(menu->UndoItem->text(), QStringLiteral("&Rückgängig: Einfügen"));

    key(Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    const int duplicate = doc.CurrentElement;
    ASSERT_NE(duplicate, pasted);
    EXPECT_EQ(doc.pool[duplicate].Left, original.Left + 2 * 1574);
    EXPECT_EQ(menu->UndoItem->text(), QStringLiteral("&Rückgängig: Duplizieren"));

    // Cut asks nothing, and the element can be pasted back.
    const QByteArray beforeCut = bytes();
    const size_t asked = prompts.seen().size();
    key(Qt::Key_X);
    EXPECT_EQ(prompts.seen().size(), asked);
    EXPECT_EQ(doc.pool[duplicate].Kind, KindFree);
    EXPECT_EQ(doc.CurrentElement, 0);
    EXPECT_FALSE(menu->CopyItem->isEnabled());
    EXPECT_EQ(menu->UndoItem->text(), QStringLiteral("&Rückgängig: Ausschneiden"));
    key(Qt::Key_Z);
    EXPECT_EQ(bytes(), beforeCut);
    EXPECT_EQ(doc.CurrentElement, duplicate);
}

TEST_F(EditMenuTest, KeysActOnlyWhileTheEditorHasTheFocus)
{
    const int slot = drawRectangle(QPoint(60, 40));
    ASSERT_GT(slot, 0);
    const QByteArray created = bytes();
    window.pages()->setCurrentIndex(0);   // "Veranstaltungen"
    QWidget *elsewhere = window.pages()->currentWidget()->focusWidget()
        ? window.pages()->currentWidget()->focusWidget()
        : window.pages()->currentWidget();
    elsewhere->setFocus();
    QTest::keyClick(elsewhere, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(bytes(), created);
    EXPECT_EQ(window.history().undoCount(), 1);
    // The menu item still acts when chosen.
    menu->UndoItem->trigger();
    EXPECT_NE(bytes(), created);
    EXPECT_EQ(doc.pool[slot].Kind, KindFree);
}

TEST_F(EditMenuTest, NewCardAndOpeningClearTheHistory)
{
    drawRectangle(QPoint(60, 40));
    ASSERT_TRUE(menu->UndoItem->isEnabled());
    prompts.chooseFile(folder.file("karte.etr"));
    ASSERT_TRUE(window.Speichernunter1Click());
    key(Qt::Key_Z);
    ASSERT_TRUE(menu->RedoItem->isEnabled());

    prompts.answer(MsgNo);   // save first? No
    window.OpenItNow(folder.file("karte.etr"));
    EXPECT_FALSE(menu->UndoItem->isEnabled());
    EXPECT_FALSE(menu->RedoItem->isEnabled());

    drawRectangle(QPoint(60, 40));
    ASSERT_TRUE(menu->UndoItem->isEnabled());
    prompts.answer(MsgNo).answer(MsgNo);   // save first? No; default layout? No
    window.Neu1Click();
    EXPECT_FALSE(menu->UndoItem->isEnabled());
    EXPECT_EQ(window.history().undoCount(), 0);
}

TEST_F(EditMenuTest, ElementCommandsAreStepsNamedAfterThem)
{
    const int slot = drawRectangle(QPoint(450, 300));
    ASSERT_GT(slot, 0);
    ElementEditor *commands = window.elementEditor();
    const QByteArray created = bytes();
    commands->setShape(0);
    EXPECT_EQ(menu->UndoItem->text(), QStringLiteral("&Rückgängig: Form"));
    commands->frontClick();
    EXPECT_EQ(doc.CurrentElement, ElementPool::SlotCount);
    EXPECT_EQ(menu->UndoItem->text(), QStringLiteral("&Rückgängig: Nach vorne"));
    const QByteArray front = bytes();
    key(Qt::Key_Z);
    EXPECT_EQ(doc.CurrentElement, slot);
    EXPECT_EQ(doc.pool[ElementPool::SlotCount].Kind, KindFree);
    key(Qt::Key_Z);
    EXPECT_EQ(bytes(), created);
    key(Qt::Key_Y);
    key(Qt::Key_Y);
    EXPECT_EQ(bytes(), front);
}
