#include "ui/NewAdrFUnit.h"
#include "ui/dialogbuttons.h"
#include "ui/screencentre.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TNewAdrForm::TNewAdrForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NewAdrForm"));
    setWindowTitle(QStringLiteral("Neue Veranstaltung anlegen"));
    // Fixed dialog frame: no resizing, no help button.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit2 = new QLineEdit;
    Edit2->setObjectName(QStringLiteral("Edit2"));
    CheckBox1 = new QCheckBox(QStringLiteral("Restliche Daten vom aktuellen Datensatz übernehmen"));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));

    QDialogButtonBox *buttons = okCancelButtons(this);

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Bezeichnung:"), Edit1);
    fields->addRow(QStringLiteral("Ort:"), Edit2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(CheckBox1);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TNewAdrForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(*this);
    Edit1->setFocus();
}
