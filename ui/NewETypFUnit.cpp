#include "ui/NewETypFUnit.h"
#include "ui/dialogbuttons.h"
#include "ui/screencentre.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
QDoubleSpinBox *decimalField(const char *name, double max, double value)
{
    auto *e = new QDoubleSpinBox;
    e->setObjectName(QLatin1String(name));
    e->setRange(0, max);
    e->setDecimals(2);
    e->setValue(value);
    return e;
}

QSpinBox *countField(const char *name, int value)
{
    auto *e = new QSpinBox;
    e->setObjectName(QLatin1String(name));
    e->setRange(1, 50);
    e->setValue(value);
    return e;
}

QGroupBox *group(const QString &title, const QString &label1, QWidget *field1, const QString &label2,
                 QWidget *field2)
{
    auto *box = new QGroupBox(title);
    auto *form = new QFormLayout(box);
    form->addRow(label1, field1);
    form->addRow(label2, field2);
    return box;
}
}

TNewETypForm::TNewETypForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TNewETypForm"));
    setWindowTitle(QStringLiteral("Eintrittskartentyp bearbeiten"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    NameED = new QLineEdit(QStringLiteral("Kein Name"));
    NameED->setObjectName(QStringLiteral("NameED"));
    NameED->setMaxLength(EttTyp::MaxNameLength);
    RLED = decimalField("RLED", 3000, 0);
    ROED = decimalField("ROED", 1000, 0);
    BrED = decimalField("BrED", 3000, 90);
    HoED = decimalField("HoED", 1000, 55);
    AHED = decimalField("AHED", 3000, 0);
    AVED = decimalField("AVED", 1000, 0);
    AnzHED = countField("AnzHED", 2);
    AnzVED = countField("AnzVED", 5);

    auto *nameBox = new QGroupBox(QStringLiteral("Bezeichnung für diesen Eintrittskartentyp"));
    (new QVBoxLayout(nameBox))->addWidget(NameED);

    auto *grid = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    left->addWidget(group(QStringLiteral("Ränder in mm"), QStringLiteral("Links:"), RLED, QStringLiteral("Oben:"), ROED));
    left->addWidget(group(QStringLiteral("Ausmaße in mm"), QStringLiteral("Breite:"), BrED, QStringLiteral("Höhe:"), HoED));
    right->addWidget(group(QStringLiteral("Abstände zwischen den Eintrittskarten in mm"), QStringLiteral("Horizontaler:"),
                           AHED, QStringLiteral("Vertikal:"), AVED));
    right->addWidget(group(QStringLiteral("Anzahl der Eintrittskarten pro Blatt"), QStringLiteral("Horizontal:"), AnzHED,
                           QStringLiteral("Vertikal:"), AnzVED));
    grid->addLayout(left);
    grid->addLayout(right);

    QDialogButtonBox *buttons = okCancelButtons(
        this, {QStringLiteral("&OK"), QStringLiteral("&Abbrechen"), QStringLiteral("OkBitBtn1"), QStringLiteral("CancelBitBtn2")});

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(nameBox);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TNewETypForm::setFields(const TicketTypeFields &f)
{
    RLED->setValue(f.marginLeft);
    ROED->setValue(f.marginTop);
    AHED->setValue(f.gapX);
    AVED->setValue(f.gapY);
    BrED->setValue(f.width);
    HoED->setValue(f.height);
    AnzHED->setValue(int(f.columns));
    AnzVED->setValue(int(f.rows));
    NameED->setText(f.name);
}

TicketTypeFields TNewETypForm::fields() const
{
    TicketTypeFields f;
    f.marginLeft = RLED->value();
    f.marginTop = ROED->value();
    f.gapX = AHED->value();
    f.gapY = AVED->value();
    f.width = BrED->value();
    f.height = HoED->value();
    f.columns = AnzHED->value();
    f.rows = AnzVED->value();
    f.name = NameED->text();
    return f;
}

void TNewETypForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(*this);
}

void TNewETypForm::setName(const QString &name)
{
    NameED->setText(name);
}
