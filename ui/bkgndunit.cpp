#include "ui/bkgndunit.h"

#include "core/document.h"
#include "editor/pictures.h"
#include "events/logopreview.h"
#include "render/raster.h"
#include "ui/BMPOpenFUnit.h"
#include "ui/screencentre.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QToolButton *barButton(const QString &caption, const QString &hint, const char *name, QStyle::StandardPixmap icon,
                       const QStyle *style)
{
    auto *b = new QToolButton;
    b->setObjectName(QLatin1String(name));
    b->setText(caption);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setIcon(style->standardIcon(icon));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setFixedSize(73, 49);
    return b;
}
}

BackgroundPreview::BackgroundPreview(const Document &doc, QWidget *parent) : QWidget(parent), doc_(doc)
{
    setObjectName(QStringLiteral("PreviewArea"));
    setAccessibleName(QStringLiteral("Vorschau des Hintergrundbildes"));
}

void BackgroundPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    const DibImage &picture = doc_.BackgroundImage;
    if (picture.isEmpty())
        return;
    const QRect place = logoPreviewRect(DibWidth(picture), DibHeight(picture), width(), height());
    if (place.isEmpty())
        return;
    QPainterCanvasTarget target(painter);
    DrawDIB(target, place.x(), place.y(), place.width(), place.height(), picture, 0, 0, DibWidth(picture),
            DibHeight(picture));
}

Tbkgndform::Tbkgndform(Document &doc, TBMPOpenForm &openForm, QWidget *parent)
    : QDialog(parent), doc_(doc), openForm_(openForm)
{
    setObjectName(QStringLiteral("bkgndform"));
    setWindowTitle(QStringLiteral("Hintergrundbild auswählen"));

    OpenBtn = barButton(QStringLiteral("Ö&ffnen..."), QStringLiteral("Öffnet ein Hintergrundbild"), "OpenBtn",
                        QStyle::SP_DialogOpenButton, style());
    NoneBtn = barButton(QStringLiteral("&Keins"), QStringLiteral("Kein Hintergrundbild auswählen..."), "NoneBtn",
                        QStyle::SP_DialogDiscardButton, style());
    BackBtn = barButton(QStringLiteral("&Zurück"), QStringLiteral("Zurück zum Hauptprogramm..."), "BackBtn",
                        QStyle::SP_ArrowBack, style());
    auto *topBar = new QWidget;
    topBar->setFixedHeight(65);
    auto *top = new QHBoxLayout(topBar);
    top->addWidget(OpenBtn);
    top->addWidget(NoneBtn);
    top->addWidget(BackBtn);
    top->addStretch();

    BiggerRadio = new QRadioButton(QStringLiteral("Zentriert größer"));
    BiggerRadio->setObjectName(QStringLiteral("BiggerRadio"));
    SmallerRadio = new QRadioButton(QStringLiteral("Zentriert kleiner"));
    SmallerRadio->setObjectName(QStringLiteral("SmallerRadio"));
    TileRadio = new QRadioButton(QStringLiteral("Nebeneinander (Kacheln)"));
    TileRadio->setObjectName(QStringLiteral("TileRadio"));
    StretchRadio = new QRadioButton(QStringLiteral("Angepasst an Karte"));
    StretchRadio->setObjectName(QStringLiteral("StretchRadio"));
    modes_ = new QButtonGroup(this);
    modes_->addButton(StretchRadio, 0);
    modes_->addButton(SmallerRadio, 1);
    modes_->addButton(BiggerRadio, 2);
    modes_->addButton(TileRadio, 3);
    BiggerRadio->setChecked(true);
    auto *settings = new QGroupBox(QStringLiteral("Einstellungen"));
    settings->setToolTip(QStringLiteral("Wählen Sie die gewünschte Anordnung des Hintergrundbildes"));
    auto *radios = new QVBoxLayout(settings);
    for (QRadioButton *r : {BiggerRadio, SmallerRadio, TileRadio, StretchRadio})
        radios->addWidget(r);
    radios->addStretch();
    settings->setFixedWidth(184);

    PreviewArea = new BackgroundPreview(doc);
    auto *body = new QHBoxLayout;
    body->addWidget(PreviewArea, 1);
    body->addWidget(settings);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(topBar);
    layout->addLayout(body, 1);
    resize(592, 405);

    connect(OpenBtn, &QToolButton::clicked, this, &Tbkgndform::openClicked);
    connect(NoneBtn, &QToolButton::clicked, this, [this] {
        Background::clear(doc_);
        PreviewArea->update();
    });
    connect(BackBtn, &QToolButton::clicked, this, &QDialog::accept);
}

int Tbkgndform::checkedMode() const
{
    return std::max(0, modes_->checkedId());
}

void Tbkgndform::showDocumentMode()
{
    if (QAbstractButton *b = modes_->button(doc_.BackgroundMode))
        b->setChecked(true);
    PreviewArea->update();
}

void Tbkgndform::openClicked()
{
    Background::clear(doc_);
    PreviewArea->update();
    Background::open(doc_, chooseImageFile(openForm_));
    PreviewArea->update();
    // Back from the nested dialog the window is active again.
    showDocumentMode();
}

void Tbkgndform::done(int result)
{
    // "Zurück" and the close box both commit the arrangement.
    Background::close(doc_, checkedMode());
    QDialog::done(result);
}

bool Tbkgndform::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        showDocumentMode();
    return QDialog::event(e);
}

void Tbkgndform::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    centreOnScreen(*this);
    showDocumentMode();
}
