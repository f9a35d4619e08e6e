#pragma once
// The page "Editor": file and tool bars, rulers, the scrollable card surface and
// the property pages.
#include <QWidget>

class QButtonGroup;
class QScrollArea;
class QTabWidget;
class QToolButton;
class TSDIAppForm;

// PaintBox1: the paint surface of the whole pasteboard.
class EditorSurface : public QWidget {
    Q_OBJECT
public:
    explicit EditorSurface(TSDIAppForm *form, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TSDIAppForm *form_;
};

class EditorPage : public QWidget {
    Q_OBJECT
public:
    explicit EditorPage(TSDIAppForm *form, QWidget *parent = nullptr);

    // Sizes the paint surface to the document's pasteboard at the current scale.
    void sizeSurface();
    // Scrolls so that the pasteboard is centred in the visible area.
    void centreSurface();
    void repaintSurface();

    EditorSurface *PaintBox1;
    QScrollArea *ScrollBox1;
    QToolButton *NewFileBtn, *OpenFileBtn, *SaveFileBtn, *BackgroundBtn;
    QButtonGroup *Tools;
    QTabWidget *PageControl3;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void centreNow();

    TSDIAppForm *form_;
    // A hidden page learns its scroll ranges only when shown: centre then.
    bool centrePending_ = false;
};
