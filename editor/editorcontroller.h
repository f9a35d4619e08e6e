#pragma once
// The editor's mouse and keyboard handling over the document. The window
// around it (ui/EditorPage) forwards its events here and provides the few
// things only it can do through EditorSurfaceView.
#include "editor/editorstate.h"
#include "editor/elementcreation.h"

#include <QString>
#include <functional>

class Document;
class EditHistory;

enum class EditorButton { Left, Right, Middle };
enum class EditorKey { Delete, Up, Down, Other };

class EditorSurfaceView {
public:
    virtual ~EditorSurfaceView() = default;
    // Scroll positions (HPos, VPos) and the scroll area's outer size.
    virtual int32_t hPos() const = 0;
    virtual int32_t vPos() const = 0;
    virtual int32_t scrollBoxWidth() const = 0;
    virtual int32_t scrollBoxHeight() const = 0;
    // Sets both positions; the scroll area limits them to what it can scroll.
    virtual void setScrollPositions(int32_t h, int32_t v) = 0;
    // Resizes the paint surface to the document's pasteboard at the current scale.
    virtual void resizeSurface() = 0;
    // PaintBox1Paint.
    virtual void paintEditor() = 0;
    // Draws a box's outline with the inverting pen directly on the paint surface.
    virtual void invertOutline(int32_t left, int32_t top, int32_t width, int32_t height) = 0;
    virtual void showCursor(int32_t cursor) = 0;
    // The context menus at a paint-surface point.
    virtual void showElementMenu(int32_t x, int32_t y) = 0;
    virtual void showBackgroundMenu(int32_t x, int32_t y) = 0;
    // Opens the text entry dialog for a text element.
    virtual void editText(int32_t slot) = 0;
    // Shows a tool as the active one (after a creation: the pointer).
    virtual void showTool(EditorTool tool) = 0;
    // Gives the keyboard focus to the editor's hidden key field.
    virtual void focusKeys() = 0;
};

class EditorController {
public:
    EditorController(Document &doc, EditorSurfaceView &view);

    EditorState state;
    double screenDpi = 96;   // the screen's horizontal pixels per inch
    // Chooses the picture of a new image element; the platform's open dialog
    // unless replaced (the image open dialog).
    ImageChooser chooseImage = choosePictureFile;
    // Called right before each change of the card (create, drag end, delete),
    // with the change's name, so the change can be recorded as one step.
    std::function<void(const QString &)> beforeCardChange;
    // Records each change of the card as one step, when set.
    EditHistory *history = nullptr;

    void setTool(EditorTool tool) { state.tool = tool; }

    // PaintBox1MouseDown, PaintBox1MouseMove, PaintBox1MouseUp, PaintBox1DblClick.
    void mouseDown(EditorButton button, int32_t x, int32_t y);
    void mouseMove(int32_t x, int32_t y);
    void mouseUp(EditorButton button, int32_t x, int32_t y);
    void doubleClick();
    // FormKeyDown.
    void keyDown(EditorKey key);

    void setdragmod(int32_t x, int32_t y);
    void ZoomAt(int32_t x, int32_t y, bool zoomIn);
    void Drag2Hand(int32_t x, int32_t y);
    // The card-changing operations, each one change of the card.
    int createAt(int32_t x, int32_t y);
    void finishDrag(int32_t x, int32_t y);
    bool deleteCurrent();

private:
    void showCursor(int32_t cursor);
    void selectAt(int32_t x, int32_t y);
    void notifyChange(const char *what);

    Document &doc_;
    EditorSurfaceView &view_;
};
