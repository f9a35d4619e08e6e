#pragma once
// The page "Drucken": run settings, the sheet preview and the print tool bar.
#include <QWidget>

class QCheckBox;
class QScrollArea;
class QSpinBox;
class QToolButton;
class QPushButton;
class TSDIAppForm;

class PrintPage : public QWidget {
    Q_OBJECT
public:
    explicit PrintPage(TSDIAppForm *form, QWidget *parent = nullptr);

    // Redraws the sheet preview.
    void repaintPreview();

    QSpinBox *UsedED, *KopiesED, *FirstKartenNrEd, *PageEd;
    QCheckBox *SchneidBtn;
    QPushButton *ZoominBtn, *ZoomOutBtn;
    QToolButton *SetupBtn, *PrintBtn, *FormatBtn, *EMailBtn, *CalibrateBtn;
    QScrollArea *PreviewArea;
    QWidget *VPaint;

private:
    TSDIAppForm *form_;
};
