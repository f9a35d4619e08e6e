#include "ui/EventsPage.h"

#include "core/pictureloading.h"
#include "core/programfolder.h"
#include "core/prompts.h"
#include "events/logopreview.h"
#include "render/placeholders.h"
#include "render/raster.h"
#include "ui/NewAdrFUnit.h"
#include "ui/SettingsPage.h"
#include "ui/Sdimain.h"
#include "ui/modal.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int GridRows = 13;         // the heading row and one row per field
constexpr int CaptionColumnWidth = 200;
constexpr int GridRowHeight = 24;

// A two-column grid whose heading row and caption column are fixed.
class EventGrid : public QTableWidget {
public:
    explicit EventGrid(const QString &name) : QTableWidget(GridRows, 2)
    {
        setObjectName(name);
        horizontalHeader()->hide();
        verticalHeader()->hide();
        verticalHeader()->setMinimumSectionSize(GridRowHeight);
        verticalHeader()->setDefaultSectionSize(GridRowHeight);
        setColumnWidth(0, CaptionColumnWidth);
        setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                        | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
        const QBrush fixedBrush = palette().button();
        auto fixed = [&](int row, int column, const QString &text) {
            auto *item = new QTableWidgetItem(text);
            item->setFlags(Qt::ItemIsEnabled);
            item->setBackground(fixedBrush);
            setItem(row, column, item);
        };
        fixed(0, 0, QStringLiteral("Feld"));
        fixed(0, 1, QStringLiteral("Inhalt"));
        for (int row = 1; row < GridRows; ++row) {
            fixed(row, 0, eventFieldName(row));
            setItem(row, 1, new QTableWidgetItem);
        }
        setCurrentCell(1, 1);
    }

    // Hands the text of an open cell editor to the grid and closes the editor.
    void commitEdit()
    {
        if (state() != QAbstractItemView::EditingState)
            return;
        // The view keeps the open editor with the cell being edited.
        QWidget *editor = indexWidget(currentIndex());
        if (!editor)
            return;
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }

    void setValue(int row, const QString &text)
    {
        if (item(row, 1)->text() != text)
            item(row, 1)->setText(text);
    }
};

EventGrid *asGrid(QTableWidget *grid)
{
    return static_cast<EventGrid *>(grid);
}

// The logo preview area; the page draws into it.
class LogoPreview : public QWidget {
public:
    explicit LogoPreview(EventsPage *page) : page_(page)
    {
        setObjectName(QStringLiteral("PaintBox3"));
        // The workspace colour of the window system.
        QPalette p = palette();
        p.setColor(QPalette::Window, QColor(0xAB, 0xAB, 0xAB));
        setPalette(p);
        setAutoFillBackground(true);
        setMinimumSize(200, 150);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        page_->PaintBox3Paint(painter, size());
    }

private:
    EventsPage *page_;
};

QPushButton *button(const QString &caption, const QString &name, const QString &hint = {})
{
    auto *b = new QPushButton(caption);
    b->setObjectName(name);
    if (!hint.isEmpty()) {
        b->setToolTip(hint);
        b->setStatusTip(hint);
    }
    return b;
}

void setItems(QComboBox *combo, const QStringList &items)
{
    combo->clear();
    combo->addItems(items);
}
}

EventsPage::EventsPage(TSDIAppForm *form, QWidget *parent)
    : QWidget(parent), form_(form), newAdrForm_(new TNewAdrForm(this))
{
    setObjectName(QStringLiteral("EventsPage"));
    PageControl2 = new QTabWidget;
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->addTab(AuswahlPage = buildAuswahlPage(), QStringLiteral("Auswahl"));
    PageControl2->addTab(BearbeitenPage = buildBearbeitenPage(), QStringLiteral("Bearbeiten"));
    PageControl2->addTab(LogoPage = buildLogoPage(), QStringLiteral("Logo"));
    PageControl2->addTab(BeschriftungPage = buildBeschriftungPage(), QStringLiteral("Beschriftung"));
    PageControl2->setCurrentWidget(BearbeitenPage);
    for (QWidget *hidden : {AuswahlPage, LogoPage, BeschriftungPage})
        PageControl2->setTabVisible(PageControl2->indexOf(hidden), false);
    connect(PageControl2, &QTabWidget::currentChanged, this, [this] {
        // A page reached through its button hides its tab again once left.
        for (QWidget *hidden : {AuswahlPage, LogoPage, BeschriftungPage}) {
            if (PageControl2->currentWidget() != hidden)
                PageControl2->setTabVisible(PageControl2->indexOf(hidden), false);
        }
        if (PageControl2->currentWidget() == LogoPage)
            PaintBox3->update();
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(PageControl2);
    showSession();
}

EventsPage::~EventsPage()
{
    deldib(logo_);
    logo_ = DibImage{};
}

QWidget *EventsPage::buildAuswahlPage()
{
    auto *page = new QWidget;
    AdrList = new QListWidget;
    AdrList->setAccessibleName(QStringLiteral("Veranstaltungsliste"));
    AdrList->setObjectName(QStringLiteral("AdrList"));
    StdAdrCheck = new QCheckBox(QStringLiteral("Standartadresse"));
    StdAdrCheck->setObjectName(QStringLiteral("StdAdrCheck"));
    connect(AdrList, &QListWidget::currentRowChanged, this, [this] {
        if (!syncing_)
            AdrListClick();
    });
    connect(AdrList, &QListWidget::itemDoubleClicked, this, [this] { AdrListDblClick(); });
    connect(StdAdrCheck, &QCheckBox::toggled, this, [this] {
        if (!syncing_)
            StdAdrCheckClick();
    });
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(AdrList, 1);
    layout->addWidget(StdAdrCheck);
    return page;
}

QWidget *EventsPage::buildBearbeitenPage()
{
    auto *page = new QWidget;
    AdrCombo1 = new QComboBox;
    AdrCombo1->setAccessibleName(QStringLiteral("Veranstaltung"));
    AdrCombo1->setObjectName(QStringLiteral("AdrCombo1"));
    AdrCombo1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    NewAdrBtn = button(QStringLiteral("&Neue Veranstaltung"), QStringLiteral("NewAdrBtn"),
                       QStringLiteral("Fügt der Datenbank eine Adresse hinzu"));
    DelAdrBtn = button(QStringLiteral("Veranstaltung löschen"), QStringLiteral("DelAdrBtn"),
                       QStringLiteral("Löscht eine Adresse aus der Datenbank"));
    // The inner pages without a tab are reached through these buttons.
    ShowListBtn = button(QStringLiteral("Liste..."), QStringLiteral("ShowListBtn"),
                         QStringLiteral("Zeigt die Liste aller Veranstaltungen und die Standardveranstaltung"));
    ShowLogoBtn = button(QStringLiteral("Logo..."), QStringLiteral("ShowLogoBtn"),
                         QStringLiteral("Zeigt das Logo der Veranstaltung"));
    ShowLabelsBtn = button(QStringLiteral("Beschriftungen..."), QStringLiteral("ShowLabelsBtn"),
                           QStringLiteral("Zeigt die Beschriftungen der Felder"));
    ShowTemplatesBtn = button(QStringLiteral("Vorlagen Assistent..."), QStringLiteral("ShowTemplatesBtn"),
                              QStringLiteral("Schlägt zufällige Layouts aus den gewählten Feldern vor"));
    StringGrid1 = new EventGrid(QStringLiteral("StringGrid1"));
    StringGrid1->setAccessibleName(QStringLiteral("Felder der Veranstaltung"));
    StringGrid1->viewport()->installEventFilter(this);

    connect(AdrCombo1, &QComboBox::currentIndexChanged, this, [this] {
        if (!syncing_)
            AdrCombo1Change();
    });
    connect(NewAdrBtn, &QPushButton::clicked, this, [this] { NewAdrBtnClick(); });
    connect(DelAdrBtn, &QPushButton::clicked, this, [this] { DelAdrBtnClick(); });
    connect(ShowListBtn, &QPushButton::clicked, this, [this] { revealPage(AuswahlPage); });
    connect(ShowLogoBtn, &QPushButton::clicked, this, [this] { revealPage(LogoPage); });
    connect(ShowLabelsBtn, &QPushButton::clicked, this, [this] { revealPage(BeschriftungPage); });
    connect(ShowTemplatesBtn, &QPushButton::clicked, this, [this] { AdrListDblClick(); });
    connect(StringGrid1, &QTableWidget::cellChanged, this, [this](int row, int column) {
        if (!syncing_ && column == 1 && row >= 1 && row <= EventFieldCount)
            session_.Grid[size_t(row - 1)] = StringGrid1->item(row, 1)->text();
    });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(NewAdrBtn);
    buttons->addWidget(DelAdrBtn);
    buttons->addStretch(1);
    buttons->addWidget(ShowListBtn);
    buttons->addWidget(ShowLogoBtn);
    buttons->addWidget(ShowLabelsBtn);
    buttons->addWidget(ShowTemplatesBtn);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(AdrCombo1);
    layout->addLayout(buttons);
    layout->addWidget(StringGrid1, 1);
    return page;
}

QWidget *EventsPage::buildLogoPage()
{
    auto *page = new QWidget;
    AdrCombo2 = new QComboBox;
    AdrCombo2->setAccessibleName(QStringLiteral("Veranstaltung"));
    AdrCombo2->setObjectName(QStringLiteral("AdrCombo2"));
    AdrCombo2->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    FilenameEdit1 = new QLineEdit;
    FilenameEdit1->setObjectName(QStringLiteral("FilenameEdit1"));
    auto *browse = new QToolButton;
    browse->setObjectName(QStringLiteral("FilenameEdit1Browse"));
    browse->setText(QStringLiteral("..."));
    PaintBox3 = new LogoPreview(this);

    connect(AdrCombo2, &QComboBox::currentIndexChanged, this, [this] {
        if (!syncing_)
            AdrCombo2Change();
    });
    connect(FilenameEdit1, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (syncing_)
            return;
        // Keystrokes are taken as they stand; a whole name (set by the program,
        // pasted or dropped: more than one character at once) is tidied at once.
        if (FilenameEdit1->isModified() && text.size() - session_.LogoFile.size() <= 1)
            logoNameTyped();
        else
            FilenameEdit1Change();
    });
    connect(FilenameEdit1, &QLineEdit::editingFinished, this, [this] {
        if (FilenameEdit1->isModified())
            FilenameEdit1Change();
    });
    connect(browse, &QToolButton::clicked, this, [this] { chooseLogoFile(); });

    auto *fileRow = new QHBoxLayout;
    auto *fileLabel = new QLabel(QStringLiteral("Dateiname:"));
    fileLabel->setBuddy(FilenameEdit1);
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(FilenameEdit1, 1);
    fileRow->addWidget(browse);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(AdrCombo2);
    layout->addLayout(fileRow);
    layout->addWidget(PaintBox3, 1);
    return page;
}

QWidget *EventsPage::buildBeschriftungPage()
{
    auto *page = new QWidget;
    StringGrid2 = new EventGrid(QStringLiteral("StringGrid2"));
    StringGrid2->setAccessibleName(QStringLiteral("Beschriftungen der Felder"));
    StringGrid2->viewport()->installEventFilter(this);
    connect(StringGrid2, &QTableWidget::cellChanged, this, [this](int row, int column) {
        if (!syncing_ && column == 1 && row >= 1 && row <= EventFieldCount)
            session_.db.FieldLabels[size_t(row - 1)] = StringGrid2->item(row, 1)->text();
    });
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(StringGrid2);
    return page;
}

bool EventsPage::eventFilter(QObject *watched, QEvent *event)
{
    // Column 0 keeps 200 pixels; column 1 fills the rest of the client width.
    if (event->type() == QEvent::Resize) {
        for (QTableWidget *grid : {StringGrid1, StringGrid2}) {
            if (watched == grid->viewport()) {
                grid->setColumnWidth(0, CaptionColumnWidth);
                grid->setColumnWidth(1, std::max(0, static_cast<QResizeEvent *>(event)->size().width() - CaptionColumnWidth));
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void EventsPage::formCreate()
{
    session_.formCreate();
    showSession();
}

void EventsPage::ChangeAktName()
{
    commitGridEdits();
    session_.ChangeAktName();
    showSession();
}

bool EventsPage::saveAllNames()
{
    commitGridEdits();
    return session_.SaveAllNames();
}

void EventsPage::FreeAllNames()
{
    session_.FreeAllNames();
}

void EventsPage::fillPlaceholderInputs(PlaceholderInputs &inputs) const
{
    inputs.eventCurrent = session_.substitutionActive();
    for (int i = 1; i <= EventFieldCount; ++i) {
        inputs.values[size_t(i - 1)] = session_.gridValue(i);
        inputs.labels[size_t(i - 1)] = session_.fieldLabel(i);
    }
}

void EventsPage::AdrListClick()
{
    commitGridEdits();
    session_.chooserPicked(EventSession::Chooser::AdrList, AdrList->currentRow());
    showSession();
}

void EventsPage::AdrCombo1Change()
{
    commitGridEdits();
    session_.chooserPicked(EventSession::Chooser::AdrCombo1, AdrCombo1->currentIndex());
    showSession();
}

void EventsPage::AdrCombo2Change()
{
    commitGridEdits();
    session_.chooserPicked(EventSession::Chooser::AdrCombo2, AdrCombo2->currentIndex());
    showSession();
}

void EventsPage::NewAdrBtnClick()
{
    commitGridEdits();
    newAdrForm_->CheckBox1->setChecked(false);
    newAdrForm_->Edit2->clear();
    newAdrForm_->Edit1->clear();
    if (runModal(*newAdrForm_) != QDialog::Accepted)
        return;
    session_.addEvent(newAdrForm_->Edit1->text(), newAdrForm_->Edit2->text(), newAdrForm_->CheckBox1->isChecked());
    showSession();
}

void EventsPage::DelAdrBtnClick()
{
    commitGridEdits();
    if (session_.DelAdrBtnClick())
        showSession();
}

void EventsPage::StdAdrCheckClick()
{
    session_.StdAdrCheckClick(StdAdrCheck->isChecked());
}

void EventsPage::AdrListDblClick()
{
    if (form_)
        form_->showTemplateWizard();
}

void EventsPage::FilenameEdit1Change()
{
    const QString typed = FilenameEdit1->text();
    const QString tidy = session_.FilenameEdit1Change(typed);
    FilenameEdit1->setModified(false);
    if (tidy != typed)
        FilenameEdit1->setText(tidy);   // runs this handler again, which changes nothing
    if (PageControl2->currentWidget() == LogoPage)
        PaintBox3->update();
}

void EventsPage::logoNameTyped()
{
    session_.logoNameTyped(FilenameEdit1->text());
    if (PageControl2->currentWidget() == LogoPage)
        PaintBox3->update();
}

void EventsPage::chooseLogoFile()
{
    const QString chosen = askOpenFileName(QString(), GetDIBOpenFilter(), ProgramFolder());
    if (!chosen.isEmpty())
        FilenameEdit1->setText(chosen);
}

void EventsPage::revealPage(QWidget *page)
{
    commitGridEdits();
    PageControl2->setTabVisible(PageControl2->indexOf(page), true);
    PageControl2->setCurrentWidget(page);
}

void EventsPage::PaintBox3Paint(QPainter &painter, const QSize &area)
{
    if (session_.LogoReloadPending) {
        session_.LogoReloadPending = false;
        deldib(logo_);
        logo_ = DibImage{};
        if (!session_.LogoFile.isEmpty())
            OpenDib(logo_, locatePictureFile(session_.LogoFile));
    }
    if (logo_.isEmpty())
        return;
    const QRect place = logoPreviewRect(DibWidth(logo_), DibHeight(logo_), area.width(), area.height());
    if (place.isEmpty())
        return;
    QPainterCanvasTarget target(painter);
    DrawDIB(target, place.x(), place.y(), place.width(), place.height(), logo_, 0, 0, DibWidth(logo_),
            DibHeight(logo_), true, SRCCOPY, true);
}

void EventsPage::commitGridEdits()
{
    if (FilenameEdit1->isModified())
        FilenameEdit1Change();   // a name still being typed ends here
    asGrid(StringGrid1)->commitEdit();
    asGrid(StringGrid2)->commitEdit();
}

void EventsPage::showChooserItems()
{
    QStringList listItems;
    for (int i = 0; i < AdrList->count(); ++i)
        listItems << AdrList->item(i)->text();
    if (listItems != session_.AdrListItems) {
        AdrList->clear();
        AdrList->addItems(session_.AdrListItems);
    }
    QStringList combo1, combo2;
    for (int i = 0; i < AdrCombo1->count(); ++i)
        combo1 << AdrCombo1->itemText(i);
    for (int i = 0; i < AdrCombo2->count(); ++i)
        combo2 << AdrCombo2->itemText(i);
    if (combo1 != session_.AdrCombo1Items)
        setItems(AdrCombo1, session_.AdrCombo1Items);
    if (combo2 != session_.AdrCombo2Items)
        setItems(AdrCombo2, session_.AdrCombo2Items);
}

void EventsPage::showLabels()
{
    for (int row = 1; row <= EventFieldCount; ++row)
        asGrid(StringGrid2)->setValue(row, session_.fieldLabel(row));
}

void EventsPage::showSession()
{
    syncing_ = true;
    const QSignalBlocker blockList(AdrList), blockCombo1(AdrCombo1), blockCombo2(AdrCombo2),
        blockCheck(StdAdrCheck), blockGrid1(StringGrid1), blockGrid2(StringGrid2), blockFile(FilenameEdit1);
    showChooserItems();
    AdrList->setCurrentRow(session_.AdrListIndex);
    if (session_.AdrListIndex < 0)
        AdrList->clearSelection();
    AdrCombo1->setCurrentIndex(session_.AdrCombo1Index);
    AdrCombo2->setCurrentIndex(session_.AdrCombo2Index);
    StdAdrCheck->setChecked(session_.StdAdrChecked);
    for (int row = 1; row <= EventFieldCount; ++row)
        asGrid(StringGrid1)->setValue(row, session_.gridValue(row));
    showLabels();
    if (FilenameEdit1->text() != session_.LogoFile)
        FilenameEdit1->setText(session_.LogoFile);
    syncing_ = false;
    if (session_.LogoReloadPending && PageControl2->currentWidget() == LogoPage)
        PaintBox3->update();
}

PlaceholderInputs currentPlaceholderInputs(const TSDIAppForm &form)
{
    PlaceholderInputs inputs;
    if (form.eventsPage())
        form.eventsPage()->fillPlaceholderInputs(inputs);
    if (form.settingsPage())
        form.settingsPage()->fillPlaceholderInputs(inputs);
    return inputs;
}
