#pragma once
// The page "Editor": top bar, tool bar, the rulers and the scrollable card
// surface, and the property panel area. The mouse and keyboard go to the
// editor's logic (EditorController); this page only draws and forwards.
#include "editor/editorcontroller.h"
#include "render/cardrenderer.h"

#include <QImage>
#include <QWidget>
#include <functional>

class Document;
class QButtonGroup;
class QLineEdit;
class QMenu;
class QScrollArea;
class QTabWidget;
class QToolButton;
class EditorPage;

// PaintBox1: the paint surface of the whole pasteboard. It shows EditorBuffer,
// the rendering of the visible area, and forwards the mouse to the editor.
class EditorSurface : public QWidget {
    Q_OBJECT
public:
    explicit EditorSurface(EditorPage *page);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    EditorPage *page_;
};

// TRuler and LRuler.
class RulerStrip : public QWidget {
    Q_OBJECT
public:
    RulerStrip(EditorPage *page, Qt::Orientation orientation);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    EditorPage *page_;
    Qt::Orientation orientation_;
};

class EditorPage : public QWidget, private EditorSurfaceView {
    Q_OBJECT
public:
    // The page draws the document with the renderer inputs and the first ticket
    // number the owner provides at each paint.
    EditorPage(Document &doc, std::function<CardRenderInputs()> renderInputs,
               std::function<int32_t()> firstTicketNumber, QWidget *parent = nullptr);

    // Sizes the paint surface to the document's pasteboard at the current scale.
    void sizeSurface();
    // Scrolls so that the pasteboard is centred in the visible area.
    void centreSurface();
    // PaintBox1Paint: the editor paint, run by every command that changes an
    // element, the selection or the view.
    void repaintSurface();

    EditorController &controller() { return controller_; }
    Document &document() { return doc_; }
    // The rendering of the visible area and the surface position of its top-left pixel.
    const QImage &editorBuffer() const { return EditorBuffer; }
    QPoint editorBufferOrigin() const { return bufferOrigin_; }
    // The tool whose button is down.
    EditorTool activeTool() const;

    EditorSurface *PaintBox1;
    QScrollArea *ScrollBox1;
    RulerStrip *TRuler, *LRuler;
    QLineEdit *KeyEdit;
    QToolButton *NewFileBtn, *OpenFileBtn, *SaveFileBtn, *BackgroundBtn;
    QToolButton *SpeedItem3, *SpeedZoom, *SpeedHand, *SpeedItem1, *SpeedItem2, *SpeedItem10, *BarcodeBtn;
    QButtonGroup *Tools;
    // The property panel (its pages are filled by the element commands).
    QTabWidget *PageControl3;
    // The element context menu and the background context menu; their items
    // are added by the element commands and the background dialog.
    QMenu *PopupMenu1;
    QMenu *PBoxPopup;

signals:
    // Start of every editor paint: bring the property panels in line with the
    // current element (CheckAllPanelOptions).
    void checkAllPanelOptions();
    // Right click on an element: PopupMenu1 is about to open for the current element.
    void elementMenuAboutToShow(int slot);
    // Right click on empty pasteboard: PBoxPopup is about to open.
    void backgroundMenuAboutToShow();
    // Double click on the current text element: open the text entry dialog.
    void textEditRequested(int slot);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class EditorSurface;
    friend class RulerStrip;

    // EditorSurfaceView
    int32_t hPos() const override;
    int32_t vPos() const override;
    int32_t scrollBoxWidth() const override;
    int32_t scrollBoxHeight() const override;
    void setScrollPositions(int32_t h, int32_t v) override;
    void resizeSurface() override { sizeSurface(); }
    void paintEditor() override { repaintSurface(); }
    void invertOutline(int32_t left, int32_t top, int32_t width, int32_t height) override;
    void showCursor(int32_t cursor) override;
    void showElementMenu(int32_t x, int32_t y) override;
    void showBackgroundMenu(int32_t x, int32_t y) override;
    void editText(int32_t slot) override;
    void showTool(EditorTool tool) override;
    void focusKeys() override;

    void buildTopBar(QWidget *bar);
    QWidget *buildToolBar();
    QWidget *buildEditingArea();
    void centreNow();
    // Renders the visible area into EditorBuffer.
    void renderBuffer();
    bool bufferCurrent() const;

    Document &doc_;
    std::function<CardRenderInputs()> renderInputs_;
    std::function<int32_t()> firstTicketNumber_;
    EditorController controller_;
    QImage EditorBuffer;
    QPoint bufferOrigin_;
    bool bufferValid_ = false;
    // A hidden page learns its scroll ranges only when shown: centre then.
    bool centrePending_ = false;
};
