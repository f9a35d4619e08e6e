#include "ui/TemplatePage.h"

#include <QPushButton>
#include <QVBoxLayout>

TemplatePage::TemplatePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TemplatePage"));
    auto *layout = new QVBoxLayout(this);
    // The generator's commands are wired when the template generator is built.
    for (const char *caption : {"Vorlagen &berechnen", "Vorlage über&nehmen"}) {
        auto *b = new QPushButton(QString::fromUtf8(caption));
        b->setEnabled(false);
        layout->addWidget(b);
    }
    layout->addStretch();
}
