#include "ui/KalibrateUnit1.h"

#include "ui/modal.h"
#include "ui/screencentre.h"

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QDoubleSpinBox *calibrationField(const char *name, double min, double max, double value)
{
    auto *e = new QDoubleSpinBox;
    e->setObjectName(QLatin1String(name));
    e->setDecimals(2);
    e->setSingleStep(0.1);
    e->setRange(min, max);
    e->setValue(value);
    return e;
}

} // namespace

TKalForm::TKalForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("KalForm"));
    setWindowTitle(QStringLiteral("Drucker kalibrieren - Die Feineinstellung "));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *explanation = new QLabel(
        QStringLiteral("Dies ist eine Feineinstellung des Druckers, die den Ausdruck verschiebt und "
                       "vergrößert/verkleinert.\nDurch diese Funktion, werden die Ausdrucke sehr genau, führen "
                       "Sie diesen Test für jeden neuen Drucker durch."));
    explanation->setWordWrap(true);

    const Calibration initial;
    LinksEd = calibrationField("LinksEd", 0, 6, initial.LinksEd);
    ObenEd = calibrationField("ObenEd", 0, 6, initial.ObenEd);
    BreitEd = calibrationField("BreitEd", 95, 105, initial.BreitEd);
    HochEd = calibrationField("HochEd", 95, 105, initial.HochEd);

    auto *group = new QGroupBox(QStringLiteral("Testrechteck"));
    auto *grid = new QGridLayout(group);
    const struct {
        const char *label;
        QDoubleSpinBox *field;
        const char *note;
    } rows[] = {{"Abstand zum linken Seitenrand:", LinksEd, "(ca. 3 mm)"},
                {"Abstand zum oberen Seitenrand:", ObenEd, "(ca. 3 mm)"},
                {"Breite des Rechtecks:", BreitEd, "(ca. 100 mm)"},
                {"Höhe des Rechtecks:", HochEd, "(ca. 100 mm)"}};
    int row = 0;
    for (const auto &r : rows) {
        auto *label = new QLabel(QString::fromUtf8(r.label));
        label->setBuddy(r.field);
        grid->addWidget(label, row, 0);
        grid->addWidget(r.field, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("mm")), row, 2);
        grid->addWidget(new QLabel(QString::fromUtf8(r.note)), row, 3);
        ++row;
    }
    auto *instruction = new QLabel(QStringLiteral(
        "Messen Sie auf dem Testrechteck-Ausdruck diese Werte ab und korrigieren Sie die Einstellungen entsprechend."));
    instruction->setWordWrap(true);
    grid->addWidget(instruction, row, 0, 1, 4);

    BitBtn1 = new QPushButton(QStringLiteral("Testrechteck drucken..."));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = new QPushButton(QStringLiteral("Zurück..."));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        if (testPrint)
            testPrint();
    });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addStretch();
    buttons->addWidget(BitBtn2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setCalibration(readCalibration());
}

Calibration TKalForm::calibration() const
{
    return {LinksEd->value(), ObenEd->value(), BreitEd->value(), HochEd->value()};
}

void TKalForm::setCalibration(const Calibration &c)
{
    LinksEd->setValue(c.LinksEd);
    ObenEd->setValue(c.ObenEd);
    BreitEd->setValue(c.BreitEd);
    HochEd->setValue(c.HochEd);
}

void TKalForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(*this);
}

void Druckerkalibrieren1Click(TKalForm &form)
{
    runModal(form);
    // A file that cannot be written is passed over, as the data files are.
    writeCalibration(form.calibration());
}
