#include "ui/Sdimain.h"

#include "core/designcommands.h"
#include "core/programfolder.h"
#include "core/programrandom.h"
#include "core/prompts.h"
#include "core/tickettype.h"
#include "imaging/TwainIO2.h"
#include "imaging/imagingnotifier.h"
#include "printing/cardexport.h"
#include "printing/scansave.h"
#include "templates/defaultlayout.h"
#include "ui/AboutBoxUnit.h"
#include "ui/EditMenu.h"
#include "ui/EditorPage.h"
#include "ui/ElementEditor.h"
#include "ui/EventsPage.h"
#include "ui/JpegQFUnit.h"
#include "ui/KeptSettings.h"
#include "ui/NewETypFUnit.h"
#include "ui/PageControl.h"
#include "ui/PrintPage.h"
#include "ui/ScannerSelectDialog.h"
#include "ui/SettingsPage.h"
#include "ui/TemplatePage.h"
#include "ui/modal.h"
#include "ui/neuunit.h"
#include "ui/screencentre.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>


bool TSDIAppForm::ExitConfirmed = false;

static const char PlacementKey[] = "TSDIAppForm.Placement";

TSDIAppForm::TSDIAppForm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TSDIAppForm"));
    FormCreate();
}

TSDIAppForm::~TSDIAppForm()
{
    // FormDestroy: the event database is stored (unless closing already did);
    // the pool and the background picture are released with the document.
    storeSettings();
    storeEventDatabase();
    eventsPage_->FreeAllNames();
}

void TSDIAppForm::storeEventDatabase()
{
    if (eventsStored_)
        return;
    eventsStored_ = true;
    eventsPage_->saveAllNames();
}

void TSDIAppForm::FormCreate()
{
    seedProgramRandom(quint32(QDateTime::currentMSecsSinceEpoch()));
    buildPages();
    buildMenus();

    newETypForm_ = new TNewETypForm(this);
    neuForm_ = new TneuForm(newETypForm_, &doc_.ticketType, this);
    aboutBox_ = new TAboutBox(this);
    jpegQForm_ = new TJPEGQForm(this);

    doc_.ticketType = EttTyp::startupType();
    showTicketTypeSummary();
    doc_.scale.ZoomFactor = 1.0;
    const int dpi = screenDpi();
    doc_.scale.DocUnitsPerPixel = double(20000 / std::max(1, dpi));
    doc_.BackgroundMode = -1;
    doc_.clearall();
    updateCaption();
    doc_.sizePasteboardFromTicketType();
    editorPage_->sizeSurface();
    editorPage_->repaintSurface();

    // The image and scanner libraries report progress to the progress bar.
    installScannerUi(this);
    connect(&ImagingNotifier::instance(), &ImagingNotifier::progress, this, [this](int percent) {
        ProgressBar1->setValue(percent);
        ProgressBar1->repaint();
    });
    connect(&ImagingNotifier::instance(), &ImagingNotifier::scanFinished, this, [this](quintptr handle) {
        WMUser2(handle, jpegQualityAsker(*jpegQForm_));
    });

    eventsPage_->formCreate();
    settingsPage_->generateIfEmpty();
    // The preview shows each ticket's number label and seat: edits count at once.
    connect(settingsPage_->SitzplatzMemo, &QPlainTextEdit::textChanged, printPage_, &PrintPage::repaintPreview);
    connect(settingsPage_->BezEd, &QLineEdit::textChanged, printPage_, &PrintPage::repaintPreview);
    connect(settingsPage_->SitzplatzCheck, &QCheckBox::toggled, printPage_, &PrintPage::repaintPreview);

    // New cards start from the default layout, shaped by two settings.
    setDefaultLayout([this](Document &doc) {
        LoadTemplate(doc, screenDpi(), {settingsPage_->KarteRechtsCheck->isChecked(), settingsPage_->UseSitzCheck->isChecked()});
    });

    Timer2 = new QTimer(this);
    Timer2->setSingleShot(true);
    Timer2->setInterval(100);
    connect(Timer2, &QTimer::timeout, this, &TSDIAppForm::Timer2Timer);
    resize(1000, 720);
}

void TSDIAppForm::buildPages()
{
    PageControl1 = new PageControl;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    eventsPage_ = new EventsPage(this);
    templatePage_ = new TemplatePage(doc_, TemplatePageInputs{[this] { return renderInputs(); },
                                                              [this] { return eventsPage_->FilenameEdit1->text(); },
                                                              [this] { return firstTicketNumber(); }});
    connect(templatePage_, &TemplatePage::templateAdopted, this, [this] {
        documentReplaced();
        PageControl1->setCurrentWidget(editorPage_);
    });
    connect(templatePage_, &TemplatePage::adoptionCancelled, this, &TSDIAppForm::updateCaption);
    editorPage_ = new EditorPage(doc_, [this] { return renderInputs(); }, [this] { return firstTicketNumber(); });
    editorPage_->controller().history = &history_;
    connect(editorPage_->NewFileBtn, &QToolButton::clicked, this, &TSDIAppForm::Neu1Click);
    connect(editorPage_->OpenFileBtn, &QToolButton::clicked, this, &TSDIAppForm::OpenItemClick);
    connect(editorPage_->SaveFileBtn, &QToolButton::clicked, this, [this] { SaveItemClick(); });
    elementEditor_ = new ElementEditor(doc_, {this, editorPage_->PageControl3, editorPage_->PopupMenu1, editorPage_->PBoxPopup},
                                       editorPage_->controller().state.font, [this] { editorPage_->repaintSurface(); });
    elementEditor_->pixelsPerInch = editorPage_->controller().screenDpi;
    elementEditor_->connectTo(*editorPage_);
    elementEditor_->history = &history_;
    printPage_ = new PrintPage(this);
    settingsPage_ = new SettingsPage(this);
    PageControl1->addTab(eventsPage_, QStringLiteral("Veranstaltungen"));
    PageControl1->addTab(templatePage_, QStringLiteral("Vorlagen Assistent"));
    PageControl1->addTab(editorPage_, QStringLiteral("Editor"));
    PageControl1->addTab(printPage_, QStringLiteral("Drucken"));
    PageControl1->addTab(settingsPage_, QStringLiteral("Einstellungen/Sitzplätze"));
    PageControl1->setTabVisible(PageControl1->indexOf(templatePage_), false);
    PageControl1->setCurrentWidget(eventsPage_);

    auto *infoPanel = new QWidget;
    infoPanel->setObjectName(QStringLiteral("InfoPanelArea"));
    InfoPanel = new QLabel;
    InfoPanel->setObjectName(QStringLiteral("InfoPanel"));
    ProgressBar1 = new QProgressBar;
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setMaximumWidth(200);
    auto *infoLayout = new QHBoxLayout(infoPanel);
    infoLayout->setContentsMargins(6, 2, 6, 2);
    infoLayout->addWidget(InfoPanel, 1);
    infoLayout->addWidget(ProgressBar1);

    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(PageControl1, 1);
    layout->addWidget(infoPanel);
    setCentralWidget(central);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
}

QAction *TSDIAppForm::menuItem(QMenu *menu, const QString &caption, const QString &hint, const char *name)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    a->setStatusTip(hint);
    return a;
}

void TSDIAppForm::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&Datei"));
    connect(menuItem(file, QStringLiteral("&Neu..."), QStringLiteral("Neue Datei erstellen"), "Neu1"),
            &QAction::triggered, this, &TSDIAppForm::Neu1Click);
    connect(menuItem(file, QStringLiteral("&Vorlagen Assistent..."), QStringLiteral("Schlägt zufällige Layouts aus den gewählten Feldern vor"), "VorlagenAssistent1"),
            &QAction::triggered, this, &TSDIAppForm::showTemplateWizard);
    connect(menuItem(file, QStringLiteral("Ö&ffnen..."), QStringLiteral("Öffnet eine Visitenkarte"), "OpenItem"),
            &QAction::triggered, this, &TSDIAppForm::OpenItemClick);
    connect(menuItem(file, QStringLiteral("&Speichern"), QStringLiteral("Speichert die Vistenkarte"), "SaveItem"),
            &QAction::triggered, this, [this] { SaveItemClick(); });
    connect(menuItem(file, QStringLiteral("Speichern &unter..."), QStringLiteral("Speichert die Visitenkarte unter einem neuen Namen"), "SaveAs"),
            &QAction::triggered, this, [this] { Speichernunter1Click(); });
    file->addSeparator();
    connect(menuItem(file, QStringLiteral("Scanner auswählen..."), QStringLiteral("Läßt sie den aktiven Scanner auswählen"), "ScannerSelectItem"),
            &QAction::triggered, this, [this] { TWAIN_SelectScanner(this); });
    connect(menuItem(file, QStringLiteral("Bild einscannen..."), QStringLiteral("Läßt sie ein Bild einscannen und speichern"), "ScanItem"),
            &QAction::triggered, this, [this] { TWAIN_ScanImage(this); });
    file->addSeparator();
    QAction *setup = menuItem(file, QStringLiteral("Drucker &einrichten..."), QStringLiteral("Richtet den Drucker ein"), "PrintSetupItem");
    setup->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
    connect(setup, &QAction::triggered, printPage_, &PrintPage::PrintSetupClick);
    connect(menuItem(file, QStringLiteral("Drucker &kalibrieren..."), QStringLiteral("Kalibriert den Drucker"), "Druckerkalibrieren1"),
            &QAction::triggered, printPage_, &PrintPage::Druckerkalibrieren1Click);
    QAction *print = menuItem(file, QStringLiteral("&Drucken..."), QStringLiteral("Druckt die Visitenkarte"), "PrintItem");
    print->setShortcut(QKeySequence(QStringLiteral("Ctrl+D")));
    connect(print, &QAction::triggered, printPage_, &PrintPage::PrintClick);
    file->addSeparator();
    connect(menuItem(file, QStringLiteral("&Beenden"), QStringLiteral("Beendet das Programm"), "ExitItem"),
            &QAction::triggered, this, &TSDIAppForm::ExitItemClick);

    editMenu_ = new EditMenu(menuBar()->addMenu(QStringLiteral("&Bearbeiten")), editorPage_, editorPage_->KeyEdit, doc_,
                             history_, {[this] { return renderInputs(); }, [this] { return firstTicketNumber(); },
                                        [this] { repaintViews(); }});
    // Every change of the card or the selection ends in an editor paint.
    connect(editorPage_, &EditorPage::checkAllPanelOptions, editMenu_, &EditMenu::updateActions);

    QMenu *settings = menuBar()->addMenu(QStringLiteral("&Einstellungen"));
    QAction *background = menuItem(settings, QStringLiteral("&Hintergrundbild..."), QStringLiteral("Ändert die Einstellungen des Hintergrundbildes"), "Hintergrundbild1");
    background->setShortcut(QKeySequence(QStringLiteral("Ctrl+H")));
    connect(background, &QAction::triggered, elementEditor_, &ElementEditor::Hintergrundbild1Click);
    connect(menuItem(settings, QStringLiteral("Eintrittskartenformat..."), QStringLiteral("Verändert die Einstellungen der Größe und der Abstände"), "Etikettenformat1"),
            &QAction::triggered, this, &TSDIAppForm::Etikettenformat1Click);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    connect(menuItem(help, QStringLiteral("Inf&o..."), QStringLiteral("Zeigt Informationen über das Programm"), "Info1"),
            &QAction::triggered, this, &TSDIAppForm::InfoClick);
}

void TSDIAppForm::showTemplateWizard()
{
    PageControl1->setCurrentWidget(templatePage_);
}

void TSDIAppForm::showAtKeptPlacement()
{
    QSettings settings;
    const QByteArray placement = settings.value(QLatin1String(PlacementKey)).toByteArray();
    if (placement.isEmpty() || !restoreGeometry(placement)) {
        centreOnScreen(*this);
    }
    show();
    // Ask for activation: the start-up step follows the first activation, and a
    // desktop without a window manager would never activate the window by itself.
    activateWindow();
}

void TSDIAppForm::showEvent(QShowEvent *event)
{
    if (!shownOnce_) {
        shownOnce_ = true;
        // The kept control values come back before the window's own show step.
        restoreKeptSettings(this);
        FormShow();
    }
    QMainWindow::showEvent(event);
}

void TSDIAppForm::FormShow()
{
    eventsPage_->ChangeAktName();
}

bool TSDIAppForm::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        FormActivate();
    return QMainWindow::event(e);
}

void TSDIAppForm::FormActivate()
{
    if (StartupNewDone || StartupArmed)
        return;
    StartupArmed = true;
    Timer2->start();
}

void TSDIAppForm::Timer2Timer()
{
    Timer2->stop();
    if (startupFile_.isEmpty() || !OpenItNow(startupFile_)) {
        AutoTemplate = true;
        Neu1Click();
        AutoTemplate = false;
    }
    StartupNewDone = true;
}

void TSDIAppForm::Neu1Click()
{
    if (StartupNewDone) {
        const bool goOn = DesignCommands::askSaveFirst(doc_, QStringLiteral("Neue Eintrittskarte"));
        // A save answered with Yes has named the card, even when the command stops later.
        updateCaption();
        if (!goOn)
            return;
    }
    if (runModal(*neuForm_) != QDialog::Accepted)
        return;
    doc_.clearall();
    updateCaption();
    showTicketTypeSummary();
    doc_.sizePasteboardFromTicketType();
    editorPage_->sizeSurface();
    editorPage_->centreSurface();
    bool placeLayout = AutoTemplate;
    if (!AutoTemplate)
        placeLayout = showMessage(QStringLiteral("Vorlage"), QStringLiteral("Wollen Sie die Vorlage für neue Karten laden?"),
                                  MsgIcon::Question, MsgYes | MsgNo | MsgCancel)
            == MsgYes;
    if (placeLayout && defaultLayout_) {
        defaultLayout_(doc_);
        // The layout brings back the start-up scale.
        editorPage_->sizeSurface();
        editorPage_->centreSurface();
    }
    repaintViews();
}

void TSDIAppForm::OpenItemClick()
{
    if (DesignCommands::OpenItemClick(doc_) == DesignCommands::OpenOutcome::Opened)
        documentReplaced();
    else
        updateCaption();   // the save question may have saved the card under a name
}

bool TSDIAppForm::OpenItNow(const QString &path)
{
    const bool opened = DesignCommands::OpenItNow(doc_, path) == DesignCommands::OpenOutcome::Opened;
    if (opened)
        documentReplaced();
    else
        updateCaption();   // the save question may have saved the card under a name
    return opened;
}

bool TSDIAppForm::SaveItemClick()
{
    const bool saved = DesignCommands::SaveItemClick(doc_);
    updateCaption();
    return saved;
}

bool TSDIAppForm::Speichernunter1Click()
{
    const bool saved = DesignCommands::Speichernunter1Click(doc_);
    updateCaption();
    return saved;
}

void TSDIAppForm::documentReplaced()
{
    updateCaption();
    showTicketTypeSummary();
    editorPage_->sizeSurface();
    repaintViews();
    editorPage_->centreSurface();
}

void TSDIAppForm::ExitItemClick()
{
    if (!DesignCommands::askSaveFirst(doc_, QStringLiteral("Programm beenden"))) {
        updateCaption();
        return;
    }
    ExitConfirmed = true;
    close();
}

void TSDIAppForm::closeEvent(QCloseEvent *event)
{
    if (!ExitConfirmed && !DesignCommands::askSaveFirst(doc_, QStringLiteral("Programm beenden"))) {
        updateCaption();
        event->ignore();
        return;
    }
    storeSettings();
    // A failed write of the event database is reported before the window goes away.
    storeEventDatabase();
    event->accept();
}

void TSDIAppForm::Etikettenformat1Click()
{
    newETypForm_->setFields(TicketTypeFields::fromType(doc_.ticketType));
    if (runModal(*newETypForm_) != QDialog::Accepted)
        return;
    newETypForm_->fields().applyTo(doc_.ticketType);
    showTicketTypeSummary();
    doc_.sizePasteboardFromTicketType();
    editorPage_->sizeSurface();
    repaintViews();
}

CardRenderInputs TSDIAppForm::renderInputs() const
{
    CardRenderInputs inputs;
    inputs.placeholders = currentPlaceholderInputs(*this);
    if (QScreen *s = screen())
        inputs.screenPixelsPerInch = inputs.fontPixelsPerInch = s->logicalDotsPerInchX();
    return inputs;
}

int TSDIAppForm::screenDpi() const
{
    return screen() ? int(screen()->logicalDotsPerInchX()) : 96;
}

int32_t TSDIAppForm::firstTicketNumber() const
{
    return printPage_->FirstKartenNrEd->value();
}

void TSDIAppForm::EMailBtnClick()
{
    ::EMailBtnClick(doc_, renderInputs(), firstTicketNumber(), defaultPrinterResolution());
    repaintViews();
}

void TSDIAppForm::InfoClick()
{
    runModal(*aboutBox_);
}

void TSDIAppForm::showTicketTypeSummary()
{
    InfoPanel->setText(ticketTypeSummary(doc_.ticketType));
}

void TSDIAppForm::repaintViews()
{
    editorPage_->repaintSurface();
    printPage_->repaintPreview();
}

void TSDIAppForm::updateCaption()
{
    setWindowTitle(doc_.windowCaption());
}

void TSDIAppForm::storeSettings()
{
    QSettings settings;
    settings.setValue(QLatin1String(PlacementKey), saveGeometry());
    storeKeptSettings(this);
}
