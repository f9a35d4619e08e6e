#include "ui/JpegQFUnit.h"
#include "ui/dialogbuttons.h"
#include "ui/screencentre.h"

#include "ui/modal.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
const QString SliderKey = QStringLiteral("QualED1.Value");
const QString SpinKey = QStringLiteral("QualED2.Value");
constexpr int DefaultQuality = 75;
} // namespace

TJPEGQForm::TJPEGQForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("JPEGQForm"));
    setWindowTitle(QStringLiteral("JPEG-Speicherqualität setzen"));
    // Fixed dialog frame: no resizing, no help button.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *explanation = new QLabel(
        QStringLiteral("Je stärker das Bild komprimiert wird, je geringer die Qualität und der Speicherverbrauch."));
    explanation->setWordWrap(true);

    QualED1 = new QSlider(Qt::Horizontal);
    QualED1->setObjectName(QStringLiteral("QualED1"));
    QualED1->setRange(1, 99);
    QualED1->setValue(DefaultQuality);
    QualED1->setMinimumWidth(240);
    QualED2 = new QSpinBox;
    QualED2->setObjectName(QStringLiteral("QualED2"));
    QualED2->setRange(1, 99);
    QualED2->setValue(DefaultQuality);
    // Each control follows the other; setting an equal value does not signal again.
    connect(QualED1, &QSlider::valueChanged, QualED2, &QSpinBox::setValue);
    connect(QualED2, &QSpinBox::valueChanged, QualED1, &QSlider::setValue);

    auto *group = new QGroupBox(QStringLiteral("Qualität"));
    auto *grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("Voreinstellung: 75")), 0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Niedrige Qualität")), 1, 0);
    grid->addWidget(QualED1, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Hohe Qualität")), 1, 2);
    auto *number = new QHBoxLayout;
    auto *numberLabel = new QLabel(QStringLiteral("Als Zahl:"));
    numberLabel->setBuddy(QualED2);
    number->addWidget(numberLabel);
    number->addWidget(QualED2);
    number->addStretch();
    grid->addLayout(number, 2, 0, 1, 3);

    QDialogButtonBox *buttons = okCancelButtons(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    restoreKeptQuality();
}

void TJPEGQForm::accept()
{
    storeKeptQuality();
    QDialog::accept();
}

void TJPEGQForm::reject()
{
    // A cancelled change is forgotten: the form shows the quality in use.
    restoreKeptQuality();
    QDialog::reject();
}

void TJPEGQForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(*this);
    QualED1->setFocus();
}

void TJPEGQForm::restoreKeptQuality()
{
    QSettings settings;
    // The slider's value is the one used for saving, so it is put back last and wins.
    // Values out of 1..99 in the store are clamped by the controls' ranges.
    bool ok = false;
    const int spin = settings.value(SpinKey).toInt(&ok);
    QualED2->setValue(ok ? spin : DefaultQuality);
    const int slider = settings.value(SliderKey).toInt(&ok);
    if (ok)
        QualED1->setValue(slider);
}

void TJPEGQForm::storeKeptQuality() const
{
    QSettings settings;
    settings.setValue(SliderKey, QualED1->value());
    settings.setValue(SpinKey, QualED2->value());
}

JpegQualityAsker jpegQualityAsker(TJPEGQForm &form)
{
    return [&form]() -> std::optional<int> {
        if (runModal(form) != QDialog::Accepted)
            return std::nullopt;
        return form.QualED1->value();
    };
}
