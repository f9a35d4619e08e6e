#include "ui/EditMenu.h"

#include "core/document.h"
#include "editor/edithistory.h"
#include "editor/elementclipboard.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QWidget>

EditMenu::EditMenu(QMenu *menu, QWidget *editorArea, QWidget *keyField, Document &doc, EditHistory &history,
                   Inputs inputs)
    : QObject(menu), menu(menu), editorArea_(editorArea), doc_(doc), history_(history), inputs_(std::move(inputs))
{
    menu->setObjectName(QStringLiteral("EditMenu"));
    UndoItem = item(QStringLiteral("&Rückgängig"), QStringLiteral("Nimmt den letzten Arbeitsschritt zurück"),
                    "UndoItem", &EditMenu::undoClick);
    RedoItem = item(QStringLiteral("&Wiederholen"), QStringLiteral("Wiederholt den zuletzt zurückgenommenen Arbeitsschritt"),
                    "RedoItem", &EditMenu::redoClick);
    menu->addSeparator();
    CutItem = item(QStringLiteral("&Ausschneiden"), QStringLiteral("Entfernt das Objekt und legt es in die Zwischenablage"),
                   "CutItem", &EditMenu::cutClick);
    CopyItem = item(QStringLiteral("&Kopieren"), QStringLiteral("Legt das Objekt in die Zwischenablage"), "CopyItem",
                    &EditMenu::copyClick);
    PasteItem = item(QStringLiteral("&Einfügen"), QStringLiteral("Fügt das Objekt aus der Zwischenablage ein"),
                     "PasteItem", &EditMenu::pasteClick);
    DuplicateItem = item(QStringLiteral("&Duplizieren"), QStringLiteral("Fügt eine Kopie des Objekts ein"),
                         "DuplicateItem", &EditMenu::duplicateClick);

    UndoItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    RedoItem->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    CutItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    CopyItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    PasteItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    // Strg+D stays with printing.
    DuplicateItem->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    for (QAction *a : menu->actions()) {
        // The shortcuts belong to the editor: elsewhere the keys keep their usual meaning.
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        editorArea_->addAction(a);
    }
    // The hidden key field is a text field, which would take these keys for itself.
    keyField->installEventFilter(this);

    connect(menu, &QMenu::aboutToShow, this, [this] {
        updateActions();
        updatePasteItem();
    });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &EditMenu::updatePasteItem);
    history_.changed = [this] { updateActions(); };
    updateActions();
    updatePasteItem();
}

QAction *EditMenu::item(const QString &caption, const QString &hint, const char *name, void (EditMenu::*command)())
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    a->setStatusTip(hint);
    connect(a, &QAction::triggered, this, command);
    return a;
}

bool EditMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        for (const QAction *a : menu->actions())
            if (a->shortcuts().contains(pressed)) {
                event->ignore();   // not overridden: the shortcut runs
                return true;
            }
    }
    return QObject::eventFilter(watched, event);
}

bool EditMenu::hasCurrentElement() const
{
    const int32_t slot = doc_.CurrentElement;
    return slot >= 1 && slot <= ElementPool::SlotCount && doc_.pool[slot].Kind > 0;
}

void EditMenu::updateActions()
{
    const bool canUndo = history_.canUndo();
    const bool canRedo = history_.canRedo();
    UndoItem->setEnabled(canUndo);
    UndoItem->setText(canUndo ? QStringLiteral("&Rückgängig: ") + history_.undoName() : QStringLiteral("&Rückgängig"));
    RedoItem->setEnabled(canRedo);
    RedoItem->setText(canRedo ? QStringLiteral("&Wiederholen: ") + history_.redoName() : QStringLiteral("&Wiederholen"));
    const bool element = hasCurrentElement() && !history_.stepOpen();
    CutItem->setEnabled(element);
    CopyItem->setEnabled(element);
    DuplicateItem->setEnabled(element);
}

void EditMenu::updatePasteItem()
{
    PasteItem->setEnabled(holdsElement(QGuiApplication::clipboard()->mimeData()));
}

void EditMenu::undoClick()
{
    if (history_.undo())
        inputs_.repaintViews();
}

void EditMenu::redoClick()
{
    if (history_.redo())
        inputs_.repaintViews();
}

void EditMenu::copyClick()
{
    if (!hasCurrentElement())
        return;
    QGuiApplication::clipboard()->setMimeData(
        elementMimeData(doc_, doc_.CurrentElement, inputs_.renderInputs(), inputs_.firstTicketNumber()));
}

void EditMenu::cutClick()
{
    if (!hasCurrentElement())
        return;
    copyClick();
    {
        EditStep step(&history_, StepName::Cut);
        removeElement(doc_, doc_.CurrentElement);
    }
    inputs_.repaintViews();
}

void EditMenu::pasteClick()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!holdsElement(data))
        return;
    const QByteArray bytes = data->data(ElementMimeType);
    {
        EditStep step(&history_, StepName::Paste);
        if (pasteElement(doc_, bytes) == 0)
            return;
    }
    inputs_.repaintViews();
}

void EditMenu::duplicateClick()
{
    if (!hasCurrentElement())
        return;
    {
        EditStep step(&history_, StepName::Duplicate);
        if (duplicateElement(doc_, doc_.CurrentElement) == 0)
            return;
    }
    inputs_.repaintViews();
}
