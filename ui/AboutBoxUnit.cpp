#include "ui/AboutBoxUnit.h"

#include "core/programfolder.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("Info"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *title = new QLabel(QString::fromLatin1(ProgramTitle));
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    title->setFont(big);
    auto *text = new QLabel(QStringLiteral(
        "Entwurf und Druck nummerierter Eintrittskarten.\n"
        "Veranstaltungsdaten, Sitzplätze und Barcodes werden beim Drucken eingesetzt."));
    auto *ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(text);
    layout->addWidget(ok, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
