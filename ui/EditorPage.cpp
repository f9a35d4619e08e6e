#include "ui/EditorPage.h"

#include "core/document.h"
#include "editor/editorpaint.h"
#include "editor/rulers.h"
#include "render/canvaspainter.h"
#include "ui/editorcursors.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
bool editorButton(Qt::MouseButton b, EditorButton &out)
{
    switch (b) {
    case Qt::LeftButton: out = EditorButton::Left; return true;
    case Qt::RightButton: out = EditorButton::Right; return true;
    case Qt::MiddleButton: out = EditorButton::Middle; return true;
    default: return false;
    }
}

QToolButton *flatButton(const QString &caption, const QString &shortHint, const QString &longHint, const char *name,
                        QSize size)
{
    auto *b = new QToolButton;
    b->setObjectName(QLatin1String(name));
    b->setText(caption);
    b->setToolTip(shortHint);
    b->setStatusTip(longHint);
    b->setAccessibleName(caption);
    b->setAutoRaise(true);
    b->setFixedSize(size);
    return b;
}
}

// ---- PaintBox1 ----

EditorSurface::EditorSurface(EditorPage *page) : QWidget(nullptr), page_(page)
{
    setObjectName(QStringLiteral("PaintBox1"));
    setAccessibleName(QStringLiteral("Karte"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);   // hover feedback of the hit zones
}

void EditorSurface::paintEvent(QPaintEvent *)
{
    if (!page_->bufferCurrent())
        page_->renderBuffer();
    if (!page_->bufferValid_)
        return;
    QPainter(this).drawImage(page_->bufferOrigin_, page_->EditorBuffer);
}

void EditorSurface::mousePressEvent(QMouseEvent *event)
{
    EditorButton b;
    if (editorButton(event->button(), b))
        page_->controller_.mouseDown(b, event->position().toPoint().x(), event->position().toPoint().y());
}

void EditorSurface::mouseMoveEvent(QMouseEvent *event)
{
    page_->controller_.mouseMove(event->position().toPoint().x(), event->position().toPoint().y());
}

void EditorSurface::mouseReleaseEvent(QMouseEvent *event)
{
    EditorButton b;
    if (editorButton(event->button(), b))
        page_->controller_.mouseUp(b, event->position().toPoint().x(), event->position().toPoint().y());
}

void EditorSurface::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The double click comes first, then the pair's second press (which it may swallow).
    if (event->button() == Qt::LeftButton)
        page_->controller_.doubleClick();
    mousePressEvent(event);
}

// ---- TRuler, LRuler ----

RulerStrip::RulerStrip(EditorPage *page, Qt::Orientation orientation) : page_(page), orientation_(orientation)
{
    const bool top = orientation == Qt::Horizontal;
    setObjectName(QLatin1String(top ? "TRuler" : "LRuler"));
    setAccessibleName(QLatin1String(top ? "Lineal oben" : "Lineal links"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (top)
        setFixedHeight(20);
    else
        setFixedWidth(20);
}

void RulerStrip::paintEvent(QPaintEvent *)
{
    // Drawn into a temporary bitmap of the strip's size, then copied onto it.
    QImage strip(size(), QImage::Format_RGB32);
    {
        QPainter painter(&strip);
        PainterCanvas canvas(painter, &strip);
        const Document &doc = page_->doc_;
        RulerView view;
        view.width = width();
        view.height = height();
        view.screenDpi = page_->controller_.screenDpi;
        if (orientation_ == Qt::Horizontal) {
            view.scrollPos = page_->hPos();
            view.surfaceLength = page_->PaintBox1->width();
            view.cardMm = doc.ticketType.CardWidth;
            drawTopRuler(canvas, view);
        } else {
            view.scrollPos = page_->vPos();
            view.surfaceLength = page_->PaintBox1->height();
            view.cardMm = doc.ticketType.CardHeight;
            drawLeftRuler(canvas, view);
        }
    }
    QPainter(this).drawImage(0, 0, strip);
}

// ---- the page ----

EditorPage::EditorPage(Document &doc, std::function<CardRenderInputs()> renderInputs,
                       std::function<int32_t()> firstTicketNumber, QWidget *parent)
    : QWidget(parent), doc_(doc), renderInputs_(std::move(renderInputs)),
      firstTicketNumber_(std::move(firstTicketNumber)), controller_(doc, *this)
{
    setObjectName(QStringLiteral("EditorPage"));
    if (QScreen *s = screen())
        controller_.screenDpi = s->logicalDotsPerInchX();

    auto *topBar = new QWidget;
    buildTopBar(topBar);
    QWidget *toolBar = buildToolBar();
    QWidget *editing = buildEditingArea();

    // Property panel: its pages come with the element commands.
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel10"));
    panel->setFixedWidth(145);
    PageControl3 = new QTabWidget;
    PageControl3->setObjectName(QStringLiteral("PageControl3"));
    PageControl3->setAccessibleName(QStringLiteral("Eigenschaften"));
    PageControl3->setDocumentMode(true);   // tabs drawn as flat buttons
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(PageControl3);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->setTitle(QStringLiteral("Objekt"));
    PopupMenu1->setAccessibleName(QStringLiteral("Objektmenü"));
    PBoxPopup = new QMenu(this);
    PBoxPopup->setObjectName(QStringLiteral("PBoxPopup"));
    PBoxPopup->setTitle(QStringLiteral("Hintergrund"));
    PBoxPopup->setAccessibleName(QStringLiteral("Hintergrundmenü"));

    auto *body = new QHBoxLayout;
    body->setSpacing(0);
    body->addWidget(toolBar);
    body->addWidget(editing, 1);
    body->addWidget(panel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(topBar);
    layout->addLayout(body, 1);
}

void EditorPage::buildTopBar(QWidget *topBar)
{
    topBar->setObjectName(QStringLiteral("SpeedBar2"));
    topBar->setFixedHeight(56);
    auto *top = new QHBoxLayout(topBar);
    top->setContentsMargins(8, 3, 8, 3);
    top->setSpacing(0);   // buttons at x = 8, 88, 168 and, after a gap, 264
    const QSize size(80, 50);
    const auto button = [&](const char *caption, const char *hint, const char *name) {
        return flatButton(QString::fromUtf8(caption), QString::fromUtf8(hint), QString::fromUtf8(hint), name, size);
    };
    NewFileBtn = button("Neu...", "Neue Datei erstellen", "NewFileBtn");
    OpenFileBtn = button("Öffnen...", "Öffnet eine Visitenkarte", "OpenFileBtn");
    SaveFileBtn = button("Speichern", "Speichert die Vistenkarte", "SaveFileBtn");
    BackgroundBtn = button("Hintergrund", "Hintergrund auswählen", "BackgroundBtn");
    BackgroundBtn->setEnabled(false);   // until the background dialog is wired to it
    for (QToolButton *b : {NewFileBtn, OpenFileBtn, SaveFileBtn})
        top->addWidget(b);
    top->addSpacing(16);
    top->addWidget(BackgroundBtn);
    top->addStretch();
}

QWidget *EditorPage::buildToolBar()
{
    auto *toolBar = new QWidget;
    toolBar->setObjectName(QStringLiteral("Toolbar"));
    toolBar->setFixedWidth(57);
    auto *tools = new QVBoxLayout(toolBar);
    tools->setContentsMargins(3, 3, 3, 3);
    tools->setSpacing(0);
    Tools = new QButtonGroup(this);
    Tools->setExclusive(true);
    struct ToolDef { EditorTool tool; const char *caption, *name, *shortHint, *longHint; QToolButton **field; };
    const ToolDef defs[] = {
        {EditorTool::Pointer, "Zeiger", "SpeedItem3", "Verändert Objekte", "Verändert Objekte", &SpeedItem3},
        {EditorTool::Magnifier, "Lupe", "SpeedZoom", "Vergrößert oder Verkleinert", "Vergrößert oder Verkleinert", &SpeedZoom},
        {EditorTool::Hand, "Hand", "SpeedHand", "Verschiebt den sichtbaren Ausschnitt", "Verschiebt den sichtbaren Ausschnitt", &SpeedHand},
        {EditorTool::Figure, "Figur", "SpeedItem1", "Fügt eine geometrische Figur ein", "Fügt eine geometrische Figur ein", &SpeedItem1},
        {EditorTool::Text, "Text", "SpeedItem2",
         "Fügt Text ein - Sie müssen auf das Textfeld doppelklicken, um Text einzugeben",
         "Fügt Text ein - Sie müssen auf das Textfeld doppelklicken, um Text einzugeben", &SpeedItem2},
        {EditorTool::Image, "Bild", "SpeedItem10", "Fügt ein Bild ein", "Fügt ein Bild ein", &SpeedItem10},
        // Its hint "BarcodeBtn|": the short hint "BarcodeBtn", no long hint.
        {EditorTool::Barcode, "Barcode", "BarcodeBtn", "BarcodeBtn", "", &BarcodeBtn},
    };
    for (const ToolDef &d : defs) {
        QToolButton *b = flatButton(QString::fromUtf8(d.caption), QString::fromUtf8(d.shortHint),
                                    QString::fromUtf8(d.longHint), d.name, QSize(50, 54));
        b->setCheckable(true);
        Tools->addButton(b, int(d.tool));
        tools->addWidget(b);
        *d.field = b;
    }
    SpeedItem3->setChecked(true);
    tools->addStretch();
    connect(Tools, &QButtonGroup::idClicked, this, [this](int id) { controller_.setTool(EditorTool(id)); });
    return toolBar;
}

QWidget *EditorPage::buildEditingArea()
{
    auto *editing = new QWidget;
    editing->setObjectName(QStringLiteral("GolbalPanel"));
    editing->setAutoFillBackground(true);
    editing->setPalette(QPalette(Qt::black));
    auto *grid = new QGridLayout(editing);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);

    // KeyEdit holds the editor's keyboard focus; it lies behind the scroll area.
    KeyEdit = new QLineEdit(editing);
    KeyEdit->setObjectName(QStringLiteral("KeyEdit"));
    KeyEdit->setAccessibleName(QStringLiteral("Editor-Tastatur"));
    KeyEdit->setGeometry(30, 30, 20, 20);
    KeyEdit->installEventFilter(this);

    TRuler = new RulerStrip(this, Qt::Horizontal);
    LRuler = new RulerStrip(this, Qt::Vertical);
    ScrollBox1 = new QScrollArea;
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setAccessibleName(QStringLiteral("Arbeitsfläche"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setBackgroundRole(QPalette::Dark);   // the workspace colour
    PaintBox1 = new EditorSurface(this);
    ScrollBox1->setWidget(PaintBox1);
    ScrollBox1->viewport()->installEventFilter(this);
    grid->addWidget(TRuler, 0, 0, 1, 2);
    grid->addWidget(LRuler, 1, 0);
    grid->addWidget(ScrollBox1, 1, 1);
    KeyEdit->lower();

    // The rulers follow scrolling.
    for (QScrollBar *bar : {ScrollBox1->horizontalScrollBar(), ScrollBox1->verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            TRuler->update();
            LRuler->update();
        });
    return editing;
}

bool EditorPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ScrollBox1->viewport() && event->type() == QEvent::MouseButtonPress) {
        focusKeys();   // a press around the surface also gives the editor the keys
    } else if (watched == KeyEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Delete || key == Qt::Key_Up || key == Qt::Key_Down) {
            controller_.keyDown(key == Qt::Key_Delete ? EditorKey::Delete
                                : key == Qt::Key_Up   ? EditorKey::Up
                                                      : EditorKey::Down);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

EditorTool EditorPage::activeTool() const
{
    return EditorTool(Tools->checkedId());
}

void EditorPage::sizeSurface()
{
    PaintBox1->setFixedSize(std::max(1, doc_.surfaceWidth()), std::max(1, doc_.surfaceHeight()));
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
    setScrollPositions((PaintBox1->width() - visible.width()) / 2, (PaintBox1->height() - visible.height()) / 2);
}

bool EditorPage::bufferCurrent() const
{
    return bufferValid_ && bufferOrigin_ == QPoint(hPos(), vPos())
        && EditorBuffer.size() == ScrollBox1->viewport()->size();
}

void EditorPage::renderBuffer()
{
    // The buffer has the size of the visible area; only that part is rendered.
    const QSize visible = ScrollBox1->viewport()->size();
    if (visible.isEmpty() || RenderBusy())
        return;
    if (EditorBuffer.size() != visible)
        EditorBuffer = QImage(visible, QImage::Format_RGB32);
    EditorBuffer.fill(ScrollBox1->palette().color(QPalette::Dark));
    bufferOrigin_ = QPoint(hPos(), vPos());
    {
        QPainter painter(&EditorBuffer);
        PainterCanvas canvas(painter, &EditorBuffer);
        EditorView view;
        view.surfaceWidth = PaintBox1->width();
        view.surfaceHeight = PaintBox1->height();
        view.hPos = bufferOrigin_.x();
        view.vPos = bufferOrigin_.y();
        ::paintEditor(canvas, doc_, renderInputs_(), view, firstTicketNumber_(), controller_.state);
    }
    bufferValid_ = true;
}

void EditorPage::repaintSurface()
{
    if (RenderBusy())
        return;
    emit checkAllPanelOptions();
    if (!controller_.state.Rescaling) {
        bufferValid_ = false;
        if (PaintBox1->isVisible())
            renderBuffer();
        PaintBox1->update();
    }
    TRuler->update();
    LRuler->update();
}

int32_t EditorPage::hPos() const
{
    return ScrollBox1->horizontalScrollBar()->value();
}

int32_t EditorPage::vPos() const
{
    return ScrollBox1->verticalScrollBar()->value();
}

int32_t EditorPage::scrollBoxWidth() const
{
    return ScrollBox1->width();
}

int32_t EditorPage::scrollBoxHeight() const
{
    return ScrollBox1->height();
}

void EditorPage::setScrollPositions(int32_t h, int32_t v)
{
    ScrollBox1->horizontalScrollBar()->setValue(h);
    ScrollBox1->verticalScrollBar()->setValue(v);
}

void EditorPage::invertOutline(int32_t left, int32_t top, int32_t width, int32_t height)
{
    // Straight onto what the surface shows; the card is not rendered again.
    if (!bufferCurrent())
        return;
    {
        QPainter painter(&EditorBuffer);
        PainterCanvas canvas(painter, &EditorBuffer);
        canvas.invertFrame(left - bufferOrigin_.x(), top - bufferOrigin_.y(), left + width - bufferOrigin_.x(),
                           top + height - bufferOrigin_.y());
    }
    PaintBox1->update();
}

void EditorPage::showCursor(int32_t cursor)
{
    PaintBox1->setCursor(editorCursor(cursor));
}

void EditorPage::showElementMenu(int32_t x, int32_t y)
{
    // PopItUp
    emit elementMenuAboutToShow(doc_.CurrentElement);
    PopupMenu1->popup(PaintBox1->mapToGlobal(QPoint(x, y)));
}

void EditorPage::showBackgroundMenu(int32_t x, int32_t y)
{
    emit backgroundMenuAboutToShow();
    PBoxPopup->popup(PaintBox1->mapToGlobal(QPoint(x, y)));
}

void EditorPage::editText(int32_t slot)
{
    emit textEditRequested(slot);
}

void EditorPage::showTool(EditorTool tool)
{
    if (QAbstractButton *b = Tools->button(int(tool)))
        b->setChecked(true);
}

void EditorPage::focusKeys()
{
    KeyEdit->setFocus(Qt::MouseFocusReason);
}
