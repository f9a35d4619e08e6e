#pragma once
// The element commands of the editor: the element menu PopupMenu1, the
// background menu, the property pages and the dialogs they open. Each command
// is one call into the editor logic followed by the editor paint.
#include "editor/elementfont.h"

#include <QObject>
#include <QPoint>
#include <array>
#include <functional>
#include <optional>

class Document;
class ElementPanels;
class QAction;
class QMenu;
class QWidget;
class TBMPOpenForm;
class TEffektForm;
class TTransForm;
class TTxtForm;
class Tbkgndform;

class ElementEditor : public QObject {
    Q_OBJECT
public:
    // dialogParent owns the dialogs; paint runs the editor paint.
    ElementEditor(Document &doc, QWidget *dialogParent, std::function<void()> paint);
    ~ElementEditor() override;

    // The property pages, to be placed into the editor page (which then owns them).
    ElementPanels *panels() const { return panels_; }
    QMenu *PopupMenu1 = nullptr;
    QMenu *PBoxPopup = nullptr;
    TTxtForm *TxtForm = nullptr;
    TEffektForm *EffektForm = nullptr;
    TTransForm *TransForm = nullptr;
    TBMPOpenForm *BMPOpenForm = nullptr;
    Tbkgndform *bkgndform = nullptr;
    // The font dialog's font: kept between uses and copied into new elements.
    ElementFont FontDialogFont;
    // Screen resolution for the font height.
    double pixelsPerInch = 96;

    // At the start of every editor paint.
    void CheckAllPanelOptions();
    // Prepares and shows the element menu at a screen point.
    void PopItUp(QPoint globalPos);
    // Shows the background menu at a screen point.
    void showBackgroundMenu(QPoint globalPos);

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
    void after(bool changed);

    Document &doc_;
    QWidget *dialogParent_;
    std::function<void()> paint_;
    ElementPanels *panels_;
};
