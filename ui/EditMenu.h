#pragma once
// The menu "&Bearbeiten": undo and redo of the card's changes, and cut, copy,
// paste and duplicate of the current element through the clipboard.
#include "render/cardrenderer.h"

#include <QObject>
#include <functional>

class Document;
class EditHistory;
class QAction;
class QMenu;
class QWidget;

class EditMenu : public QObject {
    Q_OBJECT
public:
    // What the commands need besides the document and its history.
    struct Inputs {
        std::function<CardRenderInputs()> renderInputs;
        std::function<int32_t()> firstTicketNumber;
        // Repaints the editor and the print preview after a change of the card.
        std::function<void()> repaintViews;
    };

    // Fills the menu. The shortcuts act while the keyboard focus is inside
    // editorArea; keyField is the editor's hidden key field.
    EditMenu(QMenu *menu, QWidget *editorArea, QWidget *keyField, Document &doc, EditHistory &history,
             Inputs inputs);

    // Item texts and enabled states from the history, the selection and the clipboard.
    void updateActions();

    void undoClick();
    void redoClick();
    void cutClick();
    void copyClick();
    void pasteClick();
    void duplicateClick();

    QMenu *menu;
    QAction *UndoItem, *RedoItem, *CutItem, *CopyItem, *PasteItem, *DuplicateItem;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *item(const QString &caption, const QString &hint, const char *name, void (EditMenu::*command)());
    bool hasCurrentElement() const;
    void updatePasteItem();

    QWidget *editorArea_;
    Document &doc_;
    EditHistory &history_;
    Inputs inputs_;
};
