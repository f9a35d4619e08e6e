#pragma once
// TKalForm "Drucker kalibrieren": the four calibration values, read from
// options.dat when the form is made and written there whenever it closes.
#include "printing/calibration.h"

#include <QDialog>
#include <functional>

class QDoubleSpinBox;
class QPushButton;

class TKalForm : public QDialog {
    Q_OBJECT
public:
    explicit TKalForm(QWidget *parent = nullptr);

    QDoubleSpinBox *LinksEd, *ObenEd, *BreitEd, *HochEd;
    QPushButton *BitBtn1;   // "Testrechteck drucken..."
    QPushButton *BitBtn2;   // "Zurück..."

    Calibration calibration() const;
    void setCalibration(const Calibration &c);

    // What "Testrechteck drucken..." does (the print page prints on its printer).
    std::function<void()> testPrint;

protected:
    void showEvent(QShowEvent *event) override;
};

// "Drucker kalibrieren...": shows the form; however it is closed, the values
// entered go to options.dat.
void Druckerkalibrieren1Click(TKalForm &form);
