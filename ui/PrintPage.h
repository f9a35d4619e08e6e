#pragma once
// The page "Drucken": run settings, the sheet preview and the print tool bar.
// The arithmetic, the preview drawing and the print job live in printing/.
#include "printing/sheetlayout.h"

#include <QElapsedTimer>
#include <QWidget>
#include <memory>

class QCheckBox;
class QPainter;
class QPrinter;
class QScrollArea;
class QSpinBox;
class QToolButton;
class QPushButton;
class TKalForm;
class TSDIAppForm;

class PrintPage : public QWidget {
    Q_OBJECT
public:
    explicit PrintPage(TSDIAppForm *form, QWidget *parent = nullptr);
    ~PrintPage() override;

    // Redraws the sheet preview.
    void repaintPreview();

    // The run fields, and setting them without their change handlers.
    PrintRun run() const;
    void setRun(const PrintRun &run);

    // Commands of the page and the file menu.
    void ZoominBtnClick();
    void ZoomOutBtnClick();
    void PrintSetupClick();
    void PrintClick();
    void Druckerkalibrieren1Click();
    // "Testrechteck drucken..." of the calibration dialog.
    void printTestRectangle();
    // Stops a running print job before its next ticket.
    void cancelPrinting() { cancelRequested_ = true; }
    bool isPrinting() const { return printing_; }

    // The printer chosen in "Einrichten" (the default printer until then);
    // null when no printer is installed and no file was chosen.
    QPrinter *selectedPrinter();

    // Paints VPaint (its paint event).
    void VPaintPaint(QPainter &painter);

    int32_t PreviewDpi;
    QSpinBox *UsedED, *KopiesED, *FirstKartenNrEd, *PageEd;
    QCheckBox *SchneidBtn;
    QPushButton *ZoominBtn, *ZoomOutBtn;
    QToolButton *SetupBtn, *PrintBtn, *FormatBtn, *EMailBtn, *CalibrateBtn;
    QPushButton *CancelPrintBtn;   // shown while a run prints
    QScrollArea *PreviewArea;
    QWidget *VPaint;
    TKalForm *KalForm;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void clampFields(bool usedToo);
    QPrinter *printerOrPdfFile(std::unique_ptr<QPrinter> &pdf);
    void setPrintingState(bool printing);
    bool reportProgress(int32_t done, int32_t total);

    TSDIAppForm *form_;
    QWidget *runPanel_;
    std::unique_ptr<QPrinter> printer_;
    bool printing_ = false;
    bool cancelRequested_ = false;
    QElapsedTimer eventsClock_;
};
