#pragma once
// TSDIAppForm: the main window. It owns the document and every page and
// dialog, and forwards the user's commands to the subsystems.
#include "core/document.h"
#include "editor/edithistory.h"
#include "render/cardrenderer.h"

#include <QMainWindow>
#include <functional>

class EditMenu;
class EditorPage;
class ElementEditor;
class EventsPage;
class PrintPage;
class QAction;
class QLabel;
class QProgressBar;
class QTabWidget;
class QTimer;
class SettingsPage;
class TAboutBox;
class TJPEGQForm;
class TNewETypForm;
class TemplatePage;
class TneuForm;

class TSDIAppForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TSDIAppForm(QWidget *parent = nullptr);
    ~TSDIAppForm() override;

    // Shows the window at its kept placement, centred the first time.
    void showAtKeptPlacement();
    // A design named on the command line: the start-up step opens it instead
    // of the new-card step, which runs only when opening it fails.
    void setStartupFile(const QString &path) { startupFile_ = path; }

    Document &document() { return doc_; }
    EditHistory &history() { return history_; }
    EditMenu *editMenu() const { return editMenu_; }
    EventsPage *eventsPage() const { return eventsPage_; }
    SettingsPage *settingsPage() const { return settingsPage_; }
    EditorPage *editorPage() const { return editorPage_; }
    ElementEditor *elementEditor() const { return elementEditor_; }
    PrintPage *printPage() const { return printPage_; }
    TemplatePage *templatePage() const { return templatePage_; }
    TneuForm *neuForm() const { return neuForm_; }
    TNewETypForm *newETypForm() const { return newETypForm_; }
    QTabWidget *pages() const { return PageControl1; }
    QLabel *infoPanel() const { return InfoPanel; }
    QProgressBar *progressBar() const { return ProgressBar1; }

    // What the renderer reads besides the document: placeholder values from the
    // event and settings pages, and the screen's resolution.
    CardRenderInputs renderInputs() const;
    // The first ticket number of the run (print page), shown by the editor and the export.
    int32_t firstTicketNumber() const;
    // The screen's horizontal pixels per inch.
    int screenDpi() const;

    // The default layout for new cards; placed by the new-card command when set.
    void setDefaultLayout(std::function<void(Document &)> layout) { defaultLayout_ = std::move(layout); }

    // Commands.
    void Neu1Click();
    void OpenItemClick();
    bool SaveItemClick();
    bool Speichernunter1Click();
    // True when the design was opened.
    bool OpenItNow(const QString &path);
    void ExitItemClick();
    void Etikettenformat1Click();
    void InfoClick();
    void EMailBtnClick();
    // Opens the page "Vorlagen Assistent", whose tab is not shown.
    void showTemplateWizard();

    // Window events, also reachable for tests.
    void FormActivate();
    void Timer2Timer();

    // Refreshes caption, status line, editor size and both views after the
    // document was replaced.
    void documentReplaced();
    void showTicketTypeSummary();
    void repaintViews();

    bool StartupArmed = false;
    bool StartupNewDone = false;
    bool AutoTemplate = false;
    static bool ExitConfirmed;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void buildMenus();
    void buildPages();
    QAction *menuItem(QMenu *menu, const QString &caption, const QString &hint, const char *name);
    void storeSettings();
    // Writes the event database once, reporting a failure while the window is still shown.
    void storeEventDatabase();
    void updateCaption();

    Document doc_;
    EditHistory history_{doc_};
    EditMenu *editMenu_ = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QLabel *InfoPanel = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    EventsPage *eventsPage_ = nullptr;
    TemplatePage *templatePage_ = nullptr;
    EditorPage *editorPage_ = nullptr;
    ElementEditor *elementEditor_ = nullptr;
    PrintPage *printPage_ = nullptr;
    SettingsPage *settingsPage_ = nullptr;
    TNewETypForm *newETypForm_ = nullptr;
    TneuForm *neuForm_ = nullptr;
    TAboutBox *aboutBox_ = nullptr;
    TJPEGQForm *jpegQForm_ = nullptr;
    QTimer *Timer2 = nullptr;
    bool shownOnce_ = false;
    bool eventsStored_ = false;
    QString startupFile_;
    std::function<void(Document &)> defaultLayout_;
};
