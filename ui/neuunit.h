#pragma once
// TneuForm: manages the ticket-type list and picks the type of a new card
// ("Neue Eintrittskarte erstellen").
#include "printing/tickettypelist.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class TNewETypForm;

class TneuForm : public QDialog {
    Q_OBJECT
public:
    // OK copies the chosen type into *cardType.
    TneuForm(TNewETypForm *typeEditor, EttTyp *cardType, QWidget *parent = nullptr);

    void LoadEttTypes();
    void SaveEttTypes();
    void UpdateEttTypes();
    void FreeEttTypes();

    void NewBtnClick();
    void EditBtnClick();
    void DelBtnClick();
    void OkBitBtn1Click();

    const TicketTypeList &list() const { return list_; }

    QComboBox *ComboBox1;
    QPushButton *NewBtn, *EditBtn, *DelBtn, *OkBitBtn1, *CancelBitBtn2;

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void FormShow();
    void FormClose();

    TNewETypForm *typeEditor_;
    EttTyp *cardType_;
    TicketTypeList list_;
};
