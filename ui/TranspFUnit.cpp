#include "ui/TranspFUnit.h"

#include "ui/dialogbuttons.h"
#include "ui/standarddialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TTransForm::TTransForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TransForm"));
    setWindowTitle(QStringLiteral("Transparenz"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    TransCheck = new QCheckBox(QStringLiteral("Transparente Farbe"));
    TransCheck->setObjectName(QStringLiteral("TransCheck"));
    ColorBtn = new QPushButton(QStringLiteral("Farbe"));
    ColorBtn->setObjectName(QStringLiteral("ColorBtn"));
    ColorBtn->setAccessibleName(QStringLiteral("Transparente Farbe wählen"));
    ColorBtn->setAutoDefault(false);
    AutoCheck = new QCheckBox(QStringLiteral("Benutze Farbe des linken unteren Pixels"));
    AutoCheck->setObjectName(QStringLiteral("AutoCheck"));
    connect(ColorBtn, &QPushButton::clicked, this, [this] {
        if (auto c = askColor(this, color_))
            color_ = *c;
    });

    auto *colourRow = new QHBoxLayout;
    colourRow->addWidget(TransCheck);
    colourRow->addWidget(ColorBtn);
    colourRow->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(colourRow);
    layout->addWidget(AutoCheck);
    layout->addStretch();
    layout->addWidget(okCancelButtons(this));
    setFixedSize(sizeHint().expandedTo(QSize(297, 124)));
}

void TTransForm::setTransparency(const ElementCommands::Transparency &t)
{
    TransCheck->setChecked(t.transparent);
    AutoCheck->setChecked(t.autoTransparent);
    color_ = t.color;
}

ElementCommands::Transparency TTransForm::transparency() const
{
    return {TransCheck->isChecked(), AutoCheck->isChecked(), color_};
}
