#pragma once
// The OK and cancel buttons of the program's dialogs.
#include <QString>

class QDialog;
class QDialogButtonBox;

struct DialogButtonNames {
    QString okCaption = QStringLiteral("OK");
    QString cancelCaption = QStringLiteral("A&bbrechen");
    QString okName = QStringLiteral("OKBtn");
    QString cancelName = QStringLiteral("CancelBtn");
};

// OK (the default button) accepts the dialog, cancel rejects it.
QDialogButtonBox *okCancelButtons(QDialog *dialog, const DialogButtonNames &names = {});
