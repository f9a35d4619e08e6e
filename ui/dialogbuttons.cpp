#include "ui/dialogbuttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

QDialogButtonBox *okCancelButtons(QDialog *dialog, const DialogButtonNames &names)
{
    auto *buttons = new QDialogButtonBox;
    QPushButton *ok = buttons->addButton(names.okCaption, QDialogButtonBox::AcceptRole);
    ok->setObjectName(names.okName);
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(names.cancelCaption, QDialogButtonBox::RejectRole);
    cancel->setObjectName(names.cancelName);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}
