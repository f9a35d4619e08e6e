#include "ui/EffektFUnit.h"

#include "ui/dialogbuttons.h"
#include "ui/standarddialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

namespace {
// Offsets take any whole number, negative ones included.
QSpinBox *offsetField(const char *name, const QString &accessibleName)
{
    auto *field = new QSpinBox;
    field->setObjectName(QLatin1String(name));
    field->setAccessibleName(accessibleName);
    field->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    field->setValue(5);
    return field;
}

QPushButton *colourButton(const char *name, const QString &accessibleName)
{
    auto *button = new QPushButton(QStringLiteral("Farbe"));
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(accessibleName);
    button->setAutoDefault(false);
    return button;
}
}

TEffektForm::TEffektForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("EffektForm"));
    setWindowTitle(QStringLiteral("Effekte"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);

    UmrCheck = new QCheckBox(QStringLiteral("Umrandung"));
    UmrCheck->setObjectName(QStringLiteral("UmrCheck"));
    UmrColorBtn = colourButton("UmrColorBtn", QStringLiteral("Farbe der Umrandung"));
    auto *outline = new QGroupBox(QStringLiteral("Umrandung"));
    auto *outlineRow = new QHBoxLayout(outline);
    outlineRow->addWidget(UmrCheck);
    outlineRow->addWidget(UmrColorBtn);

    SchattCheck = new QCheckBox(QStringLiteral("Schatten"));
    SchattCheck->setObjectName(QStringLiteral("SchattCheck"));
    SchattColorBtn = colourButton("SchattColorBtn", QStringLiteral("Farbe des Schattens"));
    SchattED1 = offsetField("SchattED1", QStringLiteral("Entfernung Horizontal"));
    SchattEd2 = offsetField("SchattEd2", QStringLiteral("Entfernung Vertikal"));
    auto *shadow = new QGroupBox(QStringLiteral("Schatten"));
    auto *shadowLayout = new QVBoxLayout(shadow);
    auto *shadowRow = new QHBoxLayout;
    shadowRow->addWidget(SchattCheck);
    shadowRow->addWidget(SchattColorBtn);
    auto *offsets = new QFormLayout;
    offsets->addRow(QStringLiteral("Entfernung Horizontal:"), SchattED1);
    offsets->addRow(QStringLiteral("Entfernung Vertikal:"), SchattEd2);
    shadowLayout->addLayout(shadowRow);
    shadowLayout->addLayout(offsets);

    connect(UmrColorBtn, &QPushButton::clicked, this, [this] {
        if (auto c = askColor(this, outlineColor_))
            outlineColor_ = *c;
    });
    connect(SchattColorBtn, &QPushButton::clicked, this, [this] {
        if (auto c = askColor(this, shadowColor_))
            shadowColor_ = *c;
    });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(outline);
    layout->addWidget(shadow);
    layout->addWidget(okCancelButtons(this));
    setFixedSize(sizeHint().expandedTo(QSize(302, 227)));
}

void TEffektForm::setEffects(const ElementCommands::TextEffects &fx)
{
    UmrCheck->setChecked(fx.outline);
    SchattCheck->setChecked(fx.shadow);
    outlineColor_ = fx.outlineColor;
    shadowColor_ = fx.shadowColor;
    SchattED1->setValue(fx.dx);
    SchattEd2->setValue(fx.dy);
}

ElementCommands::TextEffects TEffektForm::effects() const
{
    return {UmrCheck->isChecked(), outlineColor_, SchattCheck->isChecked(), shadowColor_, SchattED1->value(),
            SchattEd2->value()};
}
