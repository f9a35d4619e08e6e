#pragma once
// The element commands of the editor: the items of the element menu
// PopupMenu1 and the background menu, the property pages and the dialogs they
// open. Each command is one call into the editor logic followed by the editor paint.
#include "editor/editorstate.h"

#include <QObject>
#include <array>
#include <functional>
#include <optional>

class Document;
class EditorPage;
class ElementPanels;
class QAction;
class QMenu;
class QTabWidget;
class QWidget;
class TBMPOpenForm;
class TEffektForm;
class TTransForm;
class TTxtForm;
class Tbkgndform;

class EditHistory;

class ElementEditor : public QObject {
    Q_OBJECT
public:
    struct Places {
        QWidget *dialogParent;      // owns the dialogs
        QTabWidget *pageControl;    // PageControl3: receives the property pages
        QMenu *elementMenu;         // PopupMenu1: receives its items
        QMenu *backgroundMenu;      // PBoxPopup
    };
    // fontDialogFont is the font dialog's font, which new elements take; paint
    // runs the editor paint.
    ElementEditor(Document &doc, const Places &places, CreationFont &fontDialogFont, std::function<void()> paint);
    ~ElementEditor() override;

    // Connects the editor page's paint, menus, double click, "Hintergrund"
    // button and "Bild" tool to these commands.
    void connectTo(EditorPage &page);

    ElementPanels *panels() const { return panels_; }
    QMenu *PopupMenu1;
    QMenu *PBoxPopup;
    TTxtForm *TxtForm = nullptr;
    TEffektForm *EffektForm = nullptr;
    TTransForm *TransForm = nullptr;
    TBMPOpenForm *BMPOpenForm = nullptr;
    Tbkgndform *bkgndform = nullptr;
    // Screen resolution for the font height.
    double pixelsPerInch = 96;
    // Called right before each change of the card with the change's name, so
    // that the change can be recorded as one step.
    std::function<void(const QString &)> beforeCardChange;
    // Records each change of the card as one step, when set.
    EditHistory *history = nullptr;

    // At the start of every editor paint.
    void CheckAllPanelOptions();
    // PopItUp: sets the element menu's enabled and checked items for the current element.
    void prepareElementMenu();

    // Commands on the current element.
    void deleteClick();
    void frontClick();
    void backClick();
    void colorClick();
    void lineColorClick();
    void fontClick();
    void setShape(int32_t shape);
    void setFillMode(int32_t fillMode);
    void setLineWidth(int32_t width);
    void setAlign(int32_t align);
    void rotateLeft();
    void rotateRight();
    void toggleKeepAspect();
    void setKeepAspect(bool keep);
    void EditTextNow();
    void Texteffekte1Click();
    void Transparenz1Click();
    // The background dialog; repaints the editor when it closes.
    void Hintergrundbild1Click();
    // The image open dialog for the "Bild" tool: the chosen file or nothing.
    std::optional<QString> chooseImageFile();

    QAction *action(const char *name) const;

private:
    void buildMenus();
    void connectPanels();
    // Runs one command on the current element: notifies, changes, paints.
    template <typename Command>
    void change(const char *what, Command &&command);
    bool hasCurrent() const;

    Document &doc_;
    QWidget *dialogParent_;
    CreationFont &fontDialogFont_;
    std::function<void()> paint_;
    ElementPanels *panels_;
};
