#pragma once
// TNewETypForm: edits one ticket type ("Eintrittskartentyp bearbeiten").
#include "printing/tickettypefields.h"

#include <QDialog>

class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

class TNewETypForm : public QDialog {
    Q_OBJECT
public:
    explicit TNewETypForm(QWidget *parent = nullptr);

    void setFields(const TicketTypeFields &fields);
    TicketTypeFields fields() const;
    void setName(const QString &name);

    QLineEdit *NameED;
    QDoubleSpinBox *RLED, *ROED, *BrED, *HoED, *AHED, *AVED;
    QSpinBox *AnzHED, *AnzVED;

protected:
    void showEvent(QShowEvent *event) override;
};
