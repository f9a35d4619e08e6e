#pragma once
// TJPEGQForm: asks for the quality of a JPEG file before a scan is saved.
// The quality shown is the one last accepted with OK, kept between runs in the
// user's settings store ("QualED1.Value", "QualED2.Value").
#include "printing/scansave.h"

#include <QDialog>

class QSlider;
class QSpinBox;

class TJPEGQForm : public QDialog {
    Q_OBJECT
public:
    explicit TJPEGQForm(QWidget *parent = nullptr);

    QSlider *QualED1;    // 1..99 between "Niedrige Qualität" and "Hohe Qualität"
    QSpinBox *QualED2;   // "Als Zahl:" 1..99, kept in step with the slider

    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void restoreKeptQuality();
    void storeKeptQuality() const;
};

// Shows the form modally and returns the slider's value when it is closed with OK.
JpegQualityAsker jpegQualityAsker(TJPEGQForm &form);
