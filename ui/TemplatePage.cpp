#include "ui/TemplatePage.h"

#include "core/document.h"
#include "core/programfolder.h"
#include "core/programrandom.h"
#include "core/prompts.h"
#include "events/eventsession.h"
#include "render/canvaspainter.h"
#include "templates/templateadoption.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {
constexpr int WheelStepPixels = 20;
constexpr int ScrollStep = 160;
constexpr int WheelStepDelta = 120;
constexpr int ControlColumnWidth = 280;

const char *const ElementCaptions[9] = {
    "Bezeichnung", "Aufführung", "Ort", "Datum und Uhrzeit", "Preis", "Preis ermäßigt",
    "Kartennummer", "Sitzplatz", "Sitzplatz 2",
};

// Drops surrounding quotes and shortens a path into the program folder; sets
// the edit's text only when that changed it.
void tidyFileName(QLineEdit *edit)
{
    const QString unquoted = StripQuotes(edit->text());
    if (unquoted != edit->text())
        edit->setText(unquoted);
    const QString shortened = SubProgPath(unquoted);
    if (shortened != edit->text())
        edit->setText(shortened);
}
}

GallerySurface::GallerySurface(TemplatePage *page) : QWidget(nullptr), page_(page)
{
    setObjectName(QStringLiteral("PaintBox4"));
    setAccessibleName(QStringLiteral("Vorlagen-Galerie"));
}

void GallerySurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    page_->PaintBox4Paint(painter);
}

void GallerySurface::mousePressEvent(QMouseEvent *event)
{
    page_->PaintBox4MouseDown(event->position().toPoint());
}

void GallerySurface::mouseDoubleClickEvent(QMouseEvent *event)
{
    page_->PaintBox4DblClick(event->position().toPoint());
}

TemplatePage::TemplatePage(Document &doc, TemplatePageInputs inputs, QWidget *parent)
    : QWidget(parent), doc_(doc), inputs_(std::move(inputs))
{
    setObjectName(QStringLiteral("TabSheet8"));

    RenderBtn = new QPushButton(QStringLiteral("Vorlagen &berechnen"));
    RenderBtn->setObjectName(QStringLiteral("RenderBtn"));
    RenderBtn->setStatusTip(QStringLiteral("Berechnet zufällige Vorlagen aus den gewählten Elementen"));
    UseTemplateBtn = new QPushButton(QStringLiteral("Vorlage über&nehmen"));
    UseTemplateBtn->setObjectName(QStringLiteral("UseTemplateBtn"));
    UseTemplateBtn->setStatusTip(QStringLiteral("Übernimmt die gewählte Vorlage in den Editor"));
    connect(RenderBtn, &QPushButton::clicked, this, &TemplatePage::RenderBtnClick);
    connect(UseTemplateBtn, &QPushButton::clicked, this, &TemplatePage::UseTemplateBtnClick);

    Label3 = new QLabel(wizard_.Label3Text);
    Label3->setObjectName(QStringLiteral("Label3"));

    ScrollBox4 = new QScrollArea;
    ScrollBox4->setObjectName(QStringLiteral("ScrollBox4"));
    ScrollBox4->setAccessibleName(QStringLiteral("Vorlagen"));
    ScrollBox4->setBackgroundRole(QPalette::Dark);
    ScrollBox4->setWidgetResizable(false);
    ScrollBox4->verticalScrollBar()->setSingleStep(ScrollStep);
    PaintBox4 = new GallerySurface(this);
    ScrollBox4->setWidget(PaintBox4);
    ScrollBox4->viewport()->installEventFilter(this);

    auto *controls = new QVBoxLayout;
    controls->addWidget(buildElementGroup());
    controls->addWidget(buildDesignGroup());
    controls->addWidget(RenderBtn);
    controls->addWidget(UseTemplateBtn);
    controls->addStretch();
    auto *controlColumn = new QWidget;
    controlColumn->setLayout(controls);
    controlColumn->setFixedWidth(ControlColumnWidth);

    auto *gallery = new QVBoxLayout;
    gallery->addWidget(Label3);
    gallery->addWidget(ScrollBox4, 1);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(controlColumn);
    layout->addLayout(gallery, 1);
    syncSurfaceSize();
}

QWidget *TemplatePage::buildElementGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Elemente der Eintrittskarte"));
    auto *layout = new QVBoxLayout(group);
    for (int i = 0; i < 9; ++i) {
        EleCheck[i] = new QCheckBox(QString::fromUtf8(ElementCaptions[i]));
        EleCheck[i]->setObjectName(QStringLiteral("Ele%1Check").arg(i + 1));
        EleCheck[i]->setChecked(true);
        layout->addWidget(EleCheck[i]);
    }
    return group;
}

QLineEdit *TemplatePage::fileNameEdit(const QString &name, const QString &text, const QString &label,
                                      const std::function<void()> &tidy, QWidget **row)
{
    auto *edit = new QLineEdit(text);
    edit->setObjectName(name);
    auto *browse = new QToolButton;
    browse->setObjectName(name + QStringLiteral("Browse"));
    browse->setText(QStringLiteral("..."));
    browse->setAccessibleName(label + QStringLiteral(" auswählen"));
    auto *caption = new QLabel(label);
    caption->setBuddy(edit);
    // The name is tidied once it is whole: chosen in the dialog or typed to its
    // end. Tidying every keystroke would cut a path typed into the program
    // folder as soon as it reached the folder.
    connect(edit, &QLineEdit::editingFinished, this, tidy);
    connect(browse, &QToolButton::clicked, this, [edit, tidy] {
        const QString chosen = askOpenFileName(QString(), GetDIBOpenFilter(), ProgramFolder());
        if (chosen.isEmpty())
            return;
        edit->setText(chosen);
        tidy();
    });
    *row = new QWidget;
    auto *layout = new QGridLayout(*row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption, 0, 0, 1, 2);
    layout->addWidget(edit, 1, 0);
    layout->addWidget(browse, 1, 1);
    return edit;
}

QWidget *TemplatePage::buildDesignGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Grafische Gestaltung"));
    TextRadio = new QRadioButton(QStringLiteral("Nur Text"));
    TextRadio->setObjectName(QStringLiteral("TextRadio"));
    LogoRadio = new QRadioButton(QStringLiteral("Logo einbauen"));
    LogoRadio->setObjectName(QStringLiteral("LogoRadio"));
    LogoRadio->setChecked(true);
    GrafikRadio = new QRadioButton(QStringLiteral("Grafik einbauen"));
    GrafikRadio->setObjectName(QStringLiteral("GrafikRadio"));
    QWidget *grafikRow = nullptr;
    QWidget *backgroundRow = nullptr;
    GrafikFileEd = fileNameEdit(QStringLiteral("GrafikFileEd"), QStringLiteral("logo.jpg"),
                                QStringLiteral("Bilddatei Grafik:"), [this] { GrafikFileEdChange(); }, &grafikRow);
    BkGndCheck = new QCheckBox(QStringLiteral("Hintergrundbild"));
    BkGndCheck->setObjectName(QStringLiteral("BkGndCheck"));
    BkGndFileED = fileNameEdit(QStringLiteral("BkGndFileED"), QStringLiteral("sky.jpg"),
                               QStringLiteral("Bilddatei Hintergrund:"), [this] { BkGndFileEDChange(); },
                               &backgroundRow);

    auto *layout = new QVBoxLayout(group);
    for (QWidget *w : {static_cast<QWidget *>(TextRadio), static_cast<QWidget *>(LogoRadio),
                       static_cast<QWidget *>(GrafikRadio), grafikRow, static_cast<QWidget *>(BkGndCheck),
                       backgroundRow})
        layout->addWidget(w);
    return group;
}

TemplateRequest TemplatePage::request() const
{
    TemplateRequest r;
    for (size_t i = 0; i < 9; ++i)
        r.ticked[i] = EleCheck[i]->isChecked();
    if (LogoRadio->isChecked()) {
        r.picture = TemplateRequest::Picture::Logo;
        r.picturePath = inputs_.logoFileName();
    } else if (GrafikRadio->isChecked()) {
        r.picture = TemplateRequest::Picture::Graphic;
        r.picturePath = GrafikFileEd->text();
    }
    r.background = BkGndCheck->isChecked();
    r.backgroundFile = BkGndFileED->text();
    return r;
}

void TemplatePage::RenderBtnClick()
{
    if (wizard_.generate(request(), cellDrawFrom(programRandom())))
        Label3->setText(wizard_.Label3Text);
    syncSurfaceSize();
    PaintBox4->update();
}

GalleryGeometry TemplatePage::galleryGeometry() const
{
    return GalleryGeometry::compute(doc_.ticketType.CardWidth, doc_.ticketType.CardHeight,
                                    ScrollBox4->viewport()->width(), wizard_.TemplateCount);
}

bool TemplatePage::syncSurfaceSize()
{
    const GalleryGeometry g = galleryGeometry();
    const QSize size(g.surfaceWidth, g.surfaceHeight);
    if (PaintBox4->size() == size)
        return true;
    PaintBox4->resize(size);
    return false;
}

void TemplatePage::PaintBox4Paint(QPainter &painter)
{
    // A resize brings a new paint.
    if (!syncSurfaceSize())
        return;
    const QRect band(ScrollBox4->horizontalScrollBar()->value(), ScrollBox4->verticalScrollBar()->value(),
                     ScrollBox4->viewport()->width(), ScrollBox4->viewport()->height());
    const CardRenderInputs render = inputs_.renderInputs();
    const GalleryContent content{render.placeholders, inputs_.ticketNumber(), doc_.ticketType.CardWidth,
                                 doc_.ticketType.CardHeight};
    PainterCanvas canvas(painter);
    paintGallery(canvas, wizard_, galleryGeometry(), band, content, fitter_);
}

void TemplatePage::PaintBox4MouseDown(const QPoint &pos)
{
    syncSurfaceSize();
    const int32_t hit = galleryGeometry().thumbnailAt(pos.x(), pos.y(), wizard_.TemplateCount);
    if (hit < 0 || hit == wizard_.SelectedTemplate)
        return;
    wizard_.SelectedTemplate = hit;
    PaintBox4->update();
}

void TemplatePage::PaintBox4DblClick(const QPoint &pos)
{
    PaintBox4MouseDown(pos);
    UseTemplateBtnClick();
}

void TemplatePage::UseTemplateBtnClick()
{
    const CardRenderInputs render = inputs_.renderInputs();
    const AdoptionInputs adoption{render.placeholders, inputs_.ticketNumber(), int32_t(render.screenPixelsPerInch)};
    if (adoptTemplate(doc_, wizard_, adoption, fitter_))
        emit templateAdopted();
    else
        emit adoptionCancelled();
}

void TemplatePage::GrafikFileEdChange()
{
    tidyFileName(GrafikFileEd);
}

void TemplatePage::BkGndFileEDChange()
{
    tidyFileName(BkGndFileED);
}

void TemplatePage::scrollGallery(int steps)
{
    QScrollBar *bar = ScrollBox4->verticalScrollBar();
    bar->setValue(bar->value() + steps * WheelStepPixels);
}

void TemplatePage::handleWheel(QWheelEvent *event)
{
    // Turning the wheel towards the user (a negative delta) scrolls down.
    wheelRemainder_ -= event->angleDelta().y();
    const int steps = wheelRemainder_ / WheelStepDelta;
    wheelRemainder_ %= WheelStepDelta;
    scrollGallery(steps);
    event->accept();
}

void TemplatePage::wheelEvent(QWheelEvent *event)
{
    handleWheel(event);
}

bool TemplatePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ScrollBox4->viewport()) {
        if (event->type() == QEvent::Wheel) {
            handleWheel(static_cast<QWheelEvent *>(event));
            return true;
        }
        if (event->type() == QEvent::Resize)
            syncSurfaceSize();
    }
    return QWidget::eventFilter(watched, event);
}
