#pragma once
// The page "Veranstaltungen": the event database and its editing controls. The
// widgets mirror the EventSession and hand every user action to it.
#include "events/eventsession.h"
#include "imaging/GrafikRW.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPainter;
class QPushButton;
class QTabWidget;
class QTableWidget;
class TNewAdrForm;
class TSDIAppForm;
struct PlaceholderInputs;

class EventsPage : public QWidget {
    Q_OBJECT
public:
    explicit EventsPage(TSDIAppForm *form, QWidget *parent = nullptr);
    ~EventsPage() override;

    // Start-up (main window creation): grids, loading the event database and
    // preselecting the default event.
    void formCreate();
    // First showing of the main window: loads the start-up event into the edit grid.
    void ChangeAktName();
    // Closing the main window: stores the event database (a failure is reported).
    bool saveAllNames();
    // Main window destruction: releases the events.
    void FreeAllNames();

    EventSession &session() { return session_; }
    const EventSession &session() const { return session_; }
    TNewAdrForm *newAdrForm() const { return newAdrForm_; }

    // The current event's values (as the edit grid shows them) and the labels.
    void fillPlaceholderInputs(PlaceholderInputs &inputs) const;

    // User actions.
    void AdrListClick();
    void AdrCombo1Change();
    void AdrCombo2Change();
    void NewAdrBtnClick();
    void DelAdrBtnClick();
    void StdAdrCheckClick();
    void AdrListDblClick();
    void FilenameEdit1Change();
    void logoNameTyped();
    void chooseLogoFile();
    // Shows one of the inner pages whose tab is hidden ("Auswahl", "Logo",
    // "Beschriftung"); its tab hides again once the user leaves it.
    void revealPage(QWidget *page);

    // Draws the logo preview into an area of the given size.
    void PaintBox3Paint(QPainter &painter, const QSize &area);

    // Inner pages and controls, named as in the window layout.
    QTabWidget *PageControl2;
    QWidget *AuswahlPage, *BearbeitenPage, *LogoPage, *BeschriftungPage;
    QListWidget *AdrList;
    QCheckBox *StdAdrCheck;
    QComboBox *AdrCombo1, *AdrCombo2;
    QPushButton *NewAdrBtn, *DelAdrBtn;
    QPushButton *ShowListBtn, *ShowLogoBtn, *ShowLabelsBtn, *ShowTemplatesBtn;
    QTableWidget *StringGrid1, *StringGrid2;
    QLineEdit *FilenameEdit1;
    QWidget *PaintBox3;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildAuswahlPage();
    QWidget *buildBearbeitenPage();
    QWidget *buildLogoPage();
    QWidget *buildBeschriftungPage();
    // Writes open cell editors into the grids so that no typed text is lost.
    void commitGridEdits();
    // Makes the widgets show the session's state, without running their handlers.
    void showSession();
    void showChooserItems();
    void showLabels();

    TSDIAppForm *form_;
    EventSession session_;
    TNewAdrForm *newAdrForm_;
    DibImage logo_;
    bool syncing_ = false;
};

// The placeholder inputs of the main window as they stand: the current event's
// values and labels from this page, ticket-number text, seat switch and seat
// list from the page "Einstellungen/Sitzplätze". The renderer's callers put
// them into CardRenderInputs::placeholders before every drawing.
PlaceholderInputs currentPlaceholderInputs(const TSDIAppForm &form);
