#include "ui/EditorPage.h"

#include "editor/editorpaint.h"
#include "render/canvaspainter.h"
#include "ui/Sdimain.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

EditorSurface::EditorSurface(TSDIAppForm *form, QWidget *parent) : QWidget(parent), form_(form)
{
    setObjectName(QStringLiteral("PaintBox1"));
    setAccessibleName(QStringLiteral("Eintrittskarte"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void EditorSurface::paintEvent(QPaintEvent *event)
{
    // Only the part that needs painting is rendered, into a buffer of its size.
    const QRect area = event->rect();
    if (area.isEmpty())
        return;
    QImage buffer(area.size(), QImage::Format_RGB32);
    buffer.fill(palette().color(QPalette::Dark));
    {
        QPainter painter(&buffer);
        PainterCanvas canvas(painter, &buffer);
        EditorView view;
        view.surfaceWidth = width();
        view.surfaceHeight = height();
        view.hPos = area.x();
        view.vPos = area.y();
        paintEditor(canvas, form_->document(), form_->renderInputs(), view, form_->firstTicketNumber());
    }
    QPainter(this).drawImage(area.topLeft(), buffer);
}

static QToolButton *flatButton(const QString &caption, const QString &hint, const char *name, QSize size)
{
    auto *b = new QToolButton;
    b->setObjectName(QLatin1String(name));
    b->setText(caption);
    b->setStatusTip(hint);
    b->setToolTip(hint.isEmpty() ? caption : hint);
    b->setAutoRaise(true);
    b->setFixedSize(size);
    return b;
}

EditorPage::EditorPage(TSDIAppForm *form, QWidget *parent) : QWidget(parent), form_(form)
{
    // Top bar: new, open, save and background.
    auto *topBar = new QWidget;
    topBar->setObjectName(QStringLiteral("SpeedBar2"));
    topBar->setFixedHeight(56);
    auto *top = new QHBoxLayout(topBar);
    top->setContentsMargins(8, 3, 8, 3);
    top->setSpacing(0);   // buttons at x = 8, 88, 168 and, after a gap, 264
    const QSize topSize(80, 50);
    NewFileBtn = flatButton(QStringLiteral("Neu..."), QStringLiteral("Neue Datei erstellen"), "NewFileBtn", topSize);
    OpenFileBtn = flatButton(QStringLiteral("Öffnen..."), QStringLiteral("Öffnet eine Visitenkarte"), "OpenFileBtn", topSize);
    SaveFileBtn = flatButton(QStringLiteral("Speichern"), QStringLiteral("Speichert die Vistenkarte"), "SaveFileBtn", topSize);
    BackgroundBtn = flatButton(QStringLiteral("Hintergrund"), QStringLiteral("Hintergrund auswählen"), "BackgroundBtn", topSize);
    BackgroundBtn->setEnabled(false); // the background dialog is not built yet
    for (QToolButton *b : {NewFileBtn, OpenFileBtn, SaveFileBtn})
        top->addWidget(b);
    top->addSpacing(16);
    top->addWidget(BackgroundBtn);
    top->addStretch();

    // Tool bar: the mouse tools, one exclusive group (editing tools arrive with the editor).
    auto *toolBar = new QWidget;
    toolBar->setObjectName(QStringLiteral("Toolbar"));
    toolBar->setFixedWidth(57);
    auto *tools = new QVBoxLayout(toolBar);
    tools->setContentsMargins(3, 3, 3, 3);
    Tools = new QButtonGroup(this);
    Tools->setExclusive(true);
    int id = 0;
    for (const char *caption : {"Zeiger", "Lupe", "Hand", "Figur", "Text", "Bild", "Barcode"}) {
        QToolButton *b = flatButton(QString::fromUtf8(caption), QString(), caption, QSize(50, 54));
        b->setCheckable(true);
        b->setEnabled(false);
        Tools->addButton(b, id++);
        tools->addWidget(b);
    }
    tools->addStretch();

    // Editing area: rulers and the scrollable surface.
    auto *editing = new QWidget;
    editing->setObjectName(QStringLiteral("GolbalPanel"));
    auto *grid = new QGridLayout(editing);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    auto *topRuler = new QWidget;
    topRuler->setObjectName(QStringLiteral("TRuler"));
    topRuler->setAccessibleName(QStringLiteral("Lineal oben"));
    topRuler->setFixedHeight(20);
    topRuler->setAutoFillBackground(true);
    topRuler->setPalette(QPalette(Qt::white));
    auto *leftRuler = new QWidget;
    leftRuler->setObjectName(QStringLiteral("LRuler"));
    leftRuler->setAccessibleName(QStringLiteral("Lineal links"));
    leftRuler->setFixedWidth(20);
    leftRuler->setAutoFillBackground(true);
    leftRuler->setPalette(QPalette(Qt::white));
    ScrollBox1 = new QScrollArea;
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setAccessibleName(QStringLiteral("Arbeitsfläche"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setBackgroundRole(QPalette::Dark);
    PaintBox1 = new EditorSurface(form);
    ScrollBox1->setWidget(PaintBox1);
    grid->addWidget(topRuler, 0, 0, 1, 2);
    grid->addWidget(leftRuler, 1, 0);
    grid->addWidget(ScrollBox1, 1, 1);

    // Property pages.
    PageControl3 = new QTabWidget;
    PageControl3->setObjectName(QStringLiteral("PageControl3"));
    PageControl3->setFixedWidth(145);
    for (const char *caption : {"Figur", "Text", "Bild", "Allgemein"})
        PageControl3->addTab(new QWidget, QString::fromUtf8(caption));

    auto *body = new QHBoxLayout;
    body->setSpacing(0);
    body->addWidget(toolBar);
    body->addWidget(editing, 1);
    body->addWidget(PageControl3);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(topBar);
    layout->addLayout(body, 1);

    connect(NewFileBtn, &QToolButton::clicked, form, &TSDIAppForm::Neu1Click);
    connect(OpenFileBtn, &QToolButton::clicked, form, &TSDIAppForm::OpenItemClick);
    connect(SaveFileBtn, &QToolButton::clicked, form, [form] { form->SaveItemClick(); });
}

void EditorPage::sizeSurface()
{
    const Document &doc = form_->document();
    PaintBox1->setFixedSize(std::max(1, doc.surfaceWidth()), std::max(1, doc.surfaceHeight()));
}

void EditorPage::centreSurface()
{
    centreNow();
    centrePending_ = !isVisible();
}

void EditorPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (centrePending_) {
        centrePending_ = false;
        // After the layout has given the scroll area its size and ranges.
        QTimer::singleShot(0, this, &EditorPage::centreNow);
    }
}

void EditorPage::centreNow()
{
    // Position (surface − visible) div 2; the scroll bars limit it to their range.
    const QSize visible = ScrollBox1->viewport()->size();
    ScrollBox1->horizontalScrollBar()->setValue((PaintBox1->width() - visible.width()) / 2);
    ScrollBox1->verticalScrollBar()->setValue((PaintBox1->height() - visible.height()) / 2);
}

void EditorPage::repaintSurface()
{
    PaintBox1->update();
}
