#pragma once
// TNewAdrForm: asks for the title and place of a new event.
#include <QDialog>

class QCheckBox;
class QLineEdit;

class TNewAdrForm : public QDialog {
    Q_OBJECT
public:
    explicit TNewAdrForm(QWidget *parent = nullptr);

    QLineEdit *Edit1;       // "Bezeichnung:"
    QLineEdit *Edit2;       // "Ort:"
    QCheckBox *CheckBox1;   // copy the other fields from the current event

protected:
    void showEvent(QShowEvent *event) override;
};
