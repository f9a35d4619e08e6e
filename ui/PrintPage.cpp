#include "ui/PrintPage.h"

#include "core/prompts.h"
#include "printing/printjob.h"
#include "printing/sheetpreview.h"
#include "render/cardrenderer.h"
#include "ui/KalibrateUnit1.h"
#include "ui/Sdimain.h"
#include "ui/modal.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The paint box of the preview: its paint event is the page's VPaintPaint.
class PreviewSurface : public QWidget {
public:
    explicit PreviewSurface(PrintPage *page) : page_(page) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        page_->VPaintPaint(painter);
    }

private:
    PrintPage *page_;
};

QSpinBox *runField(const char *name, int min, int max, int value, const QString &tip)
{
    auto *e = new QSpinBox;
    e->setObjectName(QLatin1String(name));
    e->setRange(min, max);
    e->setValue(value);
    e->setToolTip(tip);
    e->setStatusTip(tip);
    return e;
}

QToolButton *toolButton(const QString &caption, const QString &tip, const char *name)
{
    auto *b = new QToolButton;
    b->setObjectName(QLatin1String(name));
    b->setText(caption);
    b->setToolTip(tip.isEmpty() ? caption : tip);
    b->setStatusTip(tip);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

// Milliseconds between two looks at the user's input during a print run.
constexpr qint64 EventsInterval = 40;

} // namespace

PrintPage::PrintPage(TSDIAppForm *form, QWidget *parent)
    : QWidget(parent), PreviewDpi(InitialPreviewDpi), form_(form)
{
    const PrintRun initial;
    UsedED = runField("UsedED", 0, MaxUsedED, initial.UsedED, QStringLiteral("Schon bedruckte Positionen festlegen"));
    KopiesED = runField("KopiesED", 1, MaxKopiesED, initial.KopiesED, QStringLiteral("Anzahl der Kopien festlegen"));
    FirstKartenNrEd = runField("FirstKartenNrEd", 1, MaxFirstKartenNr, initial.FirstKartenNrEd, QString());
    PageEd = runField("PageEd", 1, MaxPageEd, initial.PageEd, QString());
    SchneidBtn = new QCheckBox(QStringLiteral("Schneidelinien"));
    SchneidBtn->setObjectName(QStringLiteral("SchneidBtn"));
    ZoominBtn = new QPushButton(QStringLiteral("Vergrößern"));
    ZoominBtn->setObjectName(QStringLiteral("ZoominBtn"));
    ZoominBtn->setToolTip(QStringLiteral("Vergrößert die Druckvorschau"));
    ZoomOutBtn = new QPushButton(QStringLiteral("Verkleinern"));
    ZoomOutBtn->setObjectName(QStringLiteral("ZoomOutBtn"));
    ZoomOutBtn->setToolTip(QStringLiteral("Verkleinert die Druckvorschau"));

    auto *settings = new QFormLayout;
    settings->addRow(QStringLiteral("Schon benutzte:"), UsedED);
    settings->addRow(QStringLiteral("Kartenanzahl:"), KopiesED);
    settings->addRow(QStringLiteral("Gezeigte Seite:"), PageEd);
    settings->addRow(QStringLiteral("1. Kartennummer:"), FirstKartenNrEd);
    settings->addRow(SchneidBtn);
    settings->addRow(ZoominBtn);
    settings->addRow(ZoomOutBtn);
    runPanel_ = new QWidget;
    runPanel_->setLayout(settings);
    runPanel_->setFixedWidth(220);

    SetupBtn = toolButton(QStringLiteral("Einrichten"), QStringLiteral("Richtet den Drucker ein"), "SetupBtn");
    PrintBtn = toolButton(QStringLiteral("Drucken"), QStringLiteral("Druckt die Vistenkarte"), "PrintBtn");
    FormatBtn = toolButton(QStringLiteral("Kartenformat"), QStringLiteral("Verändert die Einstellungen der Größe und der Abstände"), "FormatBtn");
    EMailBtn = toolButton(QStringLiteral("eMail Export"), QStringLiteral("Speichert die Visitenkarte als Bitmap"), "EMailBtn");
    CalibrateBtn = toolButton(QStringLiteral("Kalibrieren"), QString(), "CalibrateBtn");
    CancelPrintBtn = new QPushButton(QStringLiteral("Druck abbrechen"));
    CancelPrintBtn->setObjectName(QStringLiteral("CancelPrintBtn"));
    CancelPrintBtn->setToolTip(QStringLiteral("Bricht den Druck nach der laufenden Karte ab"));
    CancelPrintBtn->setVisible(false);
    auto *bar = new QToolBar;
    bar->setObjectName(QStringLiteral("PrintToolBar"));
    bar->setAccessibleName(QStringLiteral("Druckfunktionen"));
    for (QToolButton *b : {SetupBtn, PrintBtn, FormatBtn, EMailBtn, CalibrateBtn})
        bar->addWidget(b);
    // The toolkit's button for buttons that do not fit.
    if (auto *more = bar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("Weitere Schaltflächen"));

    VPaint = new PreviewSurface(this);
    VPaint->setObjectName(QStringLiteral("VPaint"));
    VPaint->setAccessibleName(QStringLiteral("Druckvorschau"));
    PreviewArea = new QScrollArea;
    PreviewArea->setObjectName(QStringLiteral("PreviewArea"));
    PreviewArea->setAccessibleName(QStringLiteral("Druckvorschau"));
    PreviewArea->setBackgroundRole(QPalette::Dark);
    PreviewArea->setWidget(VPaint);
    PreviewArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *top = new QHBoxLayout;
    top->addWidget(bar, 1);
    top->addWidget(CancelPrintBtn);
    auto *right = new QVBoxLayout;
    right->addLayout(top);
    right->addWidget(PreviewArea, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(runPanel_);
    layout->addLayout(right, 1);

    // Made once at start-up: reads the calibration from options.dat.
    KalForm = new TKalForm(form);
    KalForm->testPrint = [this] { printTestRectangle(); };

    connect(FormatBtn, &QToolButton::clicked, form, &TSDIAppForm::Etikettenformat1Click);
    connect(EMailBtn, &QToolButton::clicked, form, &TSDIAppForm::EMailBtnClick);
    connect(SetupBtn, &QToolButton::clicked, this, &PrintPage::PrintSetupClick);
    connect(PrintBtn, &QToolButton::clicked, this, &PrintPage::PrintClick);
    connect(CalibrateBtn, &QToolButton::clicked, this, &PrintPage::Druckerkalibrieren1Click);
    connect(ZoominBtn, &QPushButton::clicked, this, &PrintPage::ZoominBtnClick);
    connect(ZoomOutBtn, &QPushButton::clicked, this, &PrintPage::ZoomOutBtnClick);
    connect(CancelPrintBtn, &QPushButton::clicked, this, &PrintPage::cancelPrinting);
    repaintPreview();
    connect(UsedED, &QSpinBox::valueChanged, this, [this] { clampFields(true); });
    connect(KopiesED, &QSpinBox::valueChanged, this, [this] { clampFields(false); });
    connect(PageEd, &QSpinBox::valueChanged, this, [this] { clampFields(false); });
    connect(SchneidBtn, &QCheckBox::toggled, this, &PrintPage::repaintPreview);
    // The editor shows the first ticket of the run.
    connect(FirstKartenNrEd, &QSpinBox::valueChanged, form, &TSDIAppForm::repaintViews);
    // Closing the window waits for the end of a running print job.
    form->installEventFilter(this);
}

PrintPage::~PrintPage() = default;

void PrintPage::repaintPreview()
{
    // An empty surface is never painted, so the size is set here too.
    if (!printing_)
        VPaint->resize(previewSize(previewDeviceOf(selectedPrinter()), PreviewDpi));
    VPaint->update();
}

PrintRun PrintPage::run() const
{
    PrintRun r;
    r.UsedED = UsedED->value();
    r.KopiesED = KopiesED->value();
    r.FirstKartenNrEd = FirstKartenNrEd->value();
    r.PageEd = PageEd->value();
    r.SchneidBtn = SchneidBtn->isChecked();
    return r;
}

void PrintPage::setRun(const PrintRun &r)
{
    const QSignalBlocker b1(UsedED), b2(KopiesED), b3(FirstKartenNrEd), b4(PageEd), b5(SchneidBtn);
    UsedED->setValue(r.UsedED);
    KopiesED->setValue(r.KopiesED);
    FirstKartenNrEd->setValue(r.FirstKartenNrEd);
    PageEd->setValue(r.PageEd);
    SchneidBtn->setChecked(r.SchneidBtn);
}

void PrintPage::clampFields(bool usedToo)
{
    PrintRun r = run();
    if (usedToo)
        clampRun(r, form_->document().ticketType);
    else
        clampPage(r, form_->document().ticketType);
    setRun(r);
    repaintPreview();
}

void PrintPage::ZoominBtnClick()
{
    PreviewDpi = zoomedIn(PreviewDpi);
    repaintPreview();
}

void PrintPage::ZoomOutBtnClick()
{
    PreviewDpi = zoomedOut(PreviewDpi);
    repaintPreview();
}

QPrinter *PrintPage::selectedPrinter()
{
    if (!printer_ && !QPrinterInfo::availablePrinters().isEmpty())
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!printer_)
        return nullptr;
    // A printer object without an installed printer can still write a file chosen in the setup.
    if (printer_->outputFormat() == QPrinter::PdfFormat && printer_->outputFileName().isEmpty())
        return nullptr;
    return printer_.get();
}

void PrintPage::VPaintPaint(QPainter &painter)
{
    // A paint request during a render or a print run is dropped.
    if (RenderBusy() || printing_)
        return;
    PrintRun r = run();
    clampRun(r, form_->document().ticketType);
    setRun(r);
    const PreviewDevice device = previewDeviceOf(selectedPrinter());
    warnIfNotSquare(device.dpiX, device.dpiY);
    const QSize size = previewSize(device, PreviewDpi);
    // A new size repaints the surface later.
    if (VPaint->size() != size) {
        VPaint->resize(size);
        return;
    }
    paintPreview(painter, size, form_->document(), form_->renderInputs(), r, PreviewDpi);
}

void PrintPage::PrintSetupClick()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer_.get(), form_);
    dialog.setObjectName(QStringLiteral("PrintSetupDialog"));
    runModal(dialog);
    repaintPreview();
}

QPrinter *PrintPage::printerOrPdfFile(std::unique_ptr<QPrinter> &pdf)
{
    if (QPrinter *printer = selectedPrinter())
        return printer;
    // No printer installed: the run goes into a PDF file.
    const QString name = askSaveFileName(QStringLiteral("Eintrittskarten in PDF-Datei drucken"),
                                         QStringLiteral("PDF-Dateien (*.pdf)|*.pdf"), QString(),
                                         QStringLiteral("pdf"));
    if (name.isEmpty())
        return nullptr;
    pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    setUpPdfPrinter(*pdf, name, PreviewDevice{}.dpiX);
    return pdf.get();
}

void PrintPage::setPrintingState(bool printing)
{
    printing_ = printing;
    cancelRequested_ = false;
    runPanel_->setEnabled(!printing);
    for (QToolButton *b : {SetupBtn, PrintBtn, FormatBtn, EMailBtn, CalibrateBtn})
        b->setEnabled(!printing);
    form_->menuBar()->setEnabled(!printing);
    form_->pages()->tabBar()->setEnabled(!printing);
    CancelPrintBtn->setVisible(printing);
    form_->progressBar()->setValue(0);
    eventsClock_.start();
}

bool PrintPage::reportProgress(int32_t done, int32_t total)
{
    const int percent = int(int64_t(done) * 100 / std::max(1, total));
    if (form_->progressBar()->value() != percent)
        form_->progressBar()->setValue(percent);
    // Look at the user's input now and then, so that the run can be cancelled.
    if (eventsClock_.elapsed() >= EventsInterval) {
        QCoreApplication::processEvents();
        eventsClock_.restart();
    }
    return !cancelRequested_;
}

void PrintPage::PrintClick()
{
    if (printing_)
        return;
    std::unique_ptr<QPrinter> pdf;
    QPrinter *printer = printerOrPdfFile(pdf);
    if (!printer)
        return;
    PrintRun r = run();
    setPrintingState(true);
    const PrintOutcome outcome =
        printRun(*printer, form_->document(), form_->renderInputs(), r, KalForm->calibration(),
                 [this](int32_t done, int32_t total) { return reportProgress(done, total); });
    setPrintingState(false);
    setRun(r);
    if (!outcome.cancelled && (!outcome.started || outcome.failed))
        showMessage(QStringLiteral("Fehler"), printFailedText(),
                    MsgIcon::Information);
    form_->repaintViews();
}

void PrintPage::printTestRectangle()
{
    std::unique_ptr<QPrinter> pdf;
    if (QPrinter *printer = printerOrPdfFile(pdf); printer && !::printTestRectangle(*printer))
        showMessage(QStringLiteral("Fehler"), printFailedText(),
                    MsgIcon::Information);
}

void PrintPage::Druckerkalibrieren1Click()
{
    ::Druckerkalibrieren1Click(*KalForm);
}

bool PrintPage::eventFilter(QObject *watched, QEvent *event)
{
    if (printing_ && watched == form_ && event->type() == QEvent::Close) {
        event->ignore();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
