#include "ui/ElementEditor.h"

#include "core/cp1252.h"
#include "core/document.h"
#include "editor/editorkeys.h"
#include "editor/edithistory.h"
#include "editor/elementcommands.h"
#include "editor/elementstate.h"
#include "ui/BMPOpenFUnit.h"
#include "ui/EditorPage.h"
#include "ui/EffektFUnit.h"
#include "ui/ElementPanels.h"
#include "ui/TranspFUnit.h"
#include "ui/bkgndunit.h"
#include "ui/modal.h"
#include "ui/standarddialogs.h"
#include "ui/txtFunit.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

namespace {
const char *const ShapeHints[ShapeCount] = {
    "Das Objekt ist ein Kreis", "Das Objekt ist eine Ellipse", "Das Objekt ist ein Quadrat",
    "Das Objekt ist ein Rechteck", "Das Objekt ist ein abgerundetes Quadrat",
    "Das Objekt ist ein abgerundetes Rechteck", "Das Objekt ist eine horizontale Linie",
    "Das Objekt ist eine vertikale Linie", "", "",
};
const char *const ShapeActionNames[ShapeCount] = {
    "KreisM", "EllipseM", "QuadratM", "RechteckM", "Rund1M", "Rund2M",
    "Liniehorizontal1", "Linievertikal1", "Lnieschrghoch1", "Linieschrgrunter1",
};
const char *const AlignActionNames[3] = {"Linksbnig1", "Zentriert1", "Rechtsbndig1"};

QAction *item(QMenu *menu, const char *caption, const char *hint, const char *name)
{
    QAction *a = menu->addAction(QString::fromUtf8(caption));
    a->setObjectName(QLatin1String(name));
    a->setStatusTip(QString::fromUtf8(hint));
    return a;
}
}

ElementEditor::ElementEditor(Document &doc, const Places &places, CreationFont &fontDialogFont,
                             std::function<void()> paint)
    : QObject(places.dialogParent), PopupMenu1(places.elementMenu), PBoxPopup(places.backgroundMenu), doc_(doc),
      dialogParent_(places.dialogParent), fontDialogFont_(fontDialogFont), paint_(std::move(paint)),
      panels_(new ElementPanels(places.pageControl))
{
    TxtForm = new TTxtForm(dialogParent_);
    EffektForm = new TEffektForm(dialogParent_);
    TransForm = new TTransForm(dialogParent_);
    BMPOpenForm = new TBMPOpenForm(dialogParent_);
    bkgndform = new Tbkgndform(doc, *BMPOpenForm, dialogParent_);
    buildMenus();
    connectPanels();
    CheckAllPanelOptions();
}

ElementEditor::~ElementEditor() = default;

void ElementEditor::connectTo(EditorPage &page)
{
    connect(&page, &EditorPage::checkAllPanelOptions, this, &ElementEditor::CheckAllPanelOptions);
    connect(&page, &EditorPage::elementMenuAboutToShow, this, &ElementEditor::prepareElementMenu);
    connect(&page, &EditorPage::textEditRequested, this, &ElementEditor::EditTextNow);
    connect(page.BackgroundBtn, &QToolButton::clicked, this, &ElementEditor::Hintergrundbild1Click);
    page.BackgroundBtn->setEnabled(true);
    page.controller().chooseImage = [this] { return chooseImageFile().value_or(QString()); };
}

void ElementEditor::buildMenus()
{
    QMenu *m = PopupMenu1;
    QAction *del = item(m, "&Löschen...", "Löscht das Objekt", "Lschen1");
    del->setShortcut(QKeySequence(Qt::Key_Delete));
    connect(del, &QAction::triggered, this, &ElementEditor::deleteClick);
    m->addSeparator();
    connect(item(m, "Nach &vorne", "Bringt das Objekt nach vorne, so daß es immer sichtbar ist", "Nachvorne1"),
            &QAction::triggered, this, &ElementEditor::frontClick);
    connect(item(m, "Nach &hinten", "Bringt das Objekt nach hinten, also hinter alle anderen Objekte", "NachHinen1"),
            &QAction::triggered, this, &ElementEditor::backClick);
    m->addSeparator();
    connect(item(m, "&Farbe...", "Ändert die Farbe das Objekts", "FarbeM"), &QAction::triggered, this,
            &ElementEditor::colorClick);
    connect(item(m, "&Schriftart...", "Ändert die Schriftart", "SchriftartM"), &QAction::triggered, this,
            &ElementEditor::fontClick);
    connect(item(m, "&Texteffekte...", "", "Texteffekte1"), &QAction::triggered, this,
            &ElementEditor::Texteffekte1Click);
    m->addSeparator();
    const char *const alignCaptions[3] = {"Linksbündig", "Zentriert", "Rechtsbündig"};
    for (int32_t a = 0; a < 3; ++a) {
        QAction *act = item(m, alignCaptions[a], "", AlignActionNames[a]);
        act->setCheckable(true);
        connect(act, &QAction::triggered, this, [this, a] { setAlign(a); });
    }
    m->addSeparator();
    connect(item(m, "Transparen&z...", "", "Transparenz1"), &QAction::triggered, this,
            &ElementEditor::Transparenz1Click);
    QAction *aspect = item(m, "Se&itenverhältnis beibehalten",
                           "Hiermit wird das Bild nicht verzerrt, sollte immer an sein", "SverhM");
    aspect->setCheckable(true);
    connect(aspect, &QAction::triggered, this, &ElementEditor::toggleKeepAspect);
    m->addSeparator();
    connect(item(m, "Nach links rotieren", "", "Nachlinksrotieren1"), &QAction::triggered, this,
            &ElementEditor::rotateLeft);
    connect(item(m, "Nach rechts rotieren", "", "Nachrechtsrotieren1"), &QAction::triggered, this,
            &ElementEditor::rotateRight);
    m->addSeparator();
    auto *shapes = new QActionGroup(m);
    shapes->setExclusive(true);
    for (int32_t code = 0; code < ShapeCount; ++code) {
        QAction *act = item(m, shapeMenuCaption(code), ShapeHints[code], ShapeActionNames[code]);
        act->setCheckable(true);
        shapes->addAction(act);
        connect(act, &QAction::triggered, this, [this, code] { setShape(code); });
    }

    connect(item(PBoxPopup, "&Hintergrundbild...", "Ändert die Einstellungen des Hintergrundbildes",
                 "PBoxHintergrundbild1"),
            &QAction::triggered, this, &ElementEditor::Hintergrundbild1Click);
}

void ElementEditor::connectPanels()
{
    ElementPanels *p = panels_;
    connect(p->Shapes, &QButtonGroup::idClicked, this, &ElementEditor::setShape);
    connect(p->FillModes, &QButtonGroup::idClicked, this, &ElementEditor::setFillMode);
    connect(p->Alignments, &QButtonGroup::idClicked, this, &ElementEditor::setAlign);
    connect(p->LinieEd, &QSpinBox::valueChanged, this, &ElementEditor::setLineWidth);
    connect(p->SVerhCheck, &QCheckBox::clicked, this, &ElementEditor::setKeepAspect);
    const std::pair<QPushButton *, void (ElementEditor::*)()> buttons[] = {
        {p->ColorBtn, &ElementEditor::colorClick},       {p->UColorBtn, &ElementEditor::lineColorClick},
        {p->EnterTextBtn, &ElementEditor::EditTextNow},  {p->Color2Btn, &ElementEditor::colorClick},
        {p->FontBtn, &ElementEditor::fontClick},         {p->TextFXBtn, &ElementEditor::Texteffekte1Click},
        {p->TextRotLeftBtn, &ElementEditor::rotateLeft}, {p->TextRotRightBtn, &ElementEditor::rotateRight},
        {p->RotLeftBtn, &ElementEditor::rotateLeft},     {p->RotRightBtn, &ElementEditor::rotateRight},
        {p->TranspBtn, &ElementEditor::Transparenz1Click}, {p->Del1Btn, &ElementEditor::deleteClick},
        {p->Front1Btn, &ElementEditor::frontClick},      {p->Back1Btn, &ElementEditor::backClick},
    };
    for (const auto &[b, slot] : buttons)
        connect(b, &QPushButton::clicked, this, slot);
}

QAction *ElementEditor::action(const char *name) const
{
    for (QMenu *menu : {PopupMenu1, PBoxPopup})
        if (QAction *a = menu->findChild<QAction *>(QLatin1String(name)))
            return a;
    return nullptr;
}

bool ElementEditor::hasCurrent() const
{
    return doc_.CurrentElement >= 1 && doc_.CurrentElement <= ElementPool::SlotCount;
}

namespace {
// The step a change of the card is undone as.
QString stepName(const char *what)
{
    static const std::pair<const char *, const QString *> names[] = {
        {"front", &StepName::ToFront},   {"back", &StepName::ToBack},      {"colour", &StepName::Color},
        {"border colour", &StepName::BorderColor}, {"font", &StepName::Font}, {"shape", &StepName::Shape},
        {"fill", &StepName::Fill},        {"line width", &StepName::LineWidth}, {"alignment", &StepName::Align},
        {"rotation", &StepName::Rotate},  {"aspect", &StepName::KeepAspect}, {"text", &StepName::EnterText},
        {"effects", &StepName::TextEffects}, {"transparency", &StepName::Transparency},
    };
    for (const auto &[key, name] : names)
        if (qstrcmp(key, what) == 0)
            return *name;
    return QString::fromUtf8(what);
}
}

template <typename Command>
void ElementEditor::change(const char *what, Command &&command)
{
    if (!hasCurrent())
        return;
    EditStep step(history, stepName(what));
    if (beforeCardChange)
        beforeCardChange(QString::fromUtf8(what));
    if (std::forward<Command>(command)())
        paint_();
}

void ElementEditor::CheckAllPanelOptions()
{
    panels_->showState(panelState(doc_));
}

void ElementEditor::prepareElementMenu()
{
    const ElementMenuState s = elementMenuState(doc_);
    action("FarbeM")->setEnabled(s.color);
    action("SchriftartM")->setEnabled(s.font);
    action("Texteffekte1")->setEnabled(s.textItems);
    for (int32_t a = 0; a < 3; ++a) {
        QAction *act = action(AlignActionNames[a]);
        act->setEnabled(s.textItems);
        act->setChecked(s.checkedAlign == a);
    }
    action("Transparenz1")->setEnabled(s.imageItems);
    action("SverhM")->setEnabled(s.imageItems);
    action("SverhM")->setChecked(s.keepAspectChecked);
    action("Nachlinksrotieren1")->setEnabled(s.rotation);
    action("Nachrechtsrotieren1")->setEnabled(s.rotation);
    for (int32_t code = 0; code < ShapeCount; ++code) {
        QAction *act = action(ShapeActionNames[code]);
        act->setEnabled(s.shapes);
        act->setChecked(s.checkedShape == code);
    }
}

void ElementEditor::deleteClick()
{
    EditStep step(history, StepName::Delete);
    // The question comes first; only a confirmed deletion is a change.
    const auto notify = [this] {
        if (beforeCardChange)
            beforeCardChange(QStringLiteral("delete"));
    };
    if (deleteCurrentElement(doc_, notify))
        paint_();
}

void ElementEditor::frontClick() { change("front", [this] { return ElementCommands::bringToFront(doc_); }); }
void ElementEditor::backClick() { change("back", [this] { return ElementCommands::sendToBack(doc_); }); }

void ElementEditor::colorClick()
{
    if (!hasCurrent())
        return;
    if (auto c = askColor(dialogParent_, doc_.pool[doc_.CurrentElement].Color))
        change("colour", [&] { return ElementCommands::setColor(doc_, *c); });
}

void ElementEditor::lineColorClick()
{
    if (!hasCurrent())
        return;
    if (auto c = askColor(dialogParent_, doc_.pool[doc_.CurrentElement].LineColor))
        change("border colour", [&] { return ElementCommands::setLineColor(doc_, *c); });
}

void ElementEditor::fontClick()
{
    if (!hasCurrent())
        return;
    const CreationFont preset = ElementCommands::fontOf(doc_.pool[doc_.CurrentElement]);
    // The dialog keeps the preset font even when cancelled, and new elements
    // take it; the size decides the height.
    fontDialogFont_ = fromQFont(toQFont(preset), preset, pixelsPerInch);
    const std::optional<CreationFont> chosen = askFont(dialogParent_, preset, pixelsPerInch);
    if (!chosen)
        return;
    fontDialogFont_ = *chosen;
    change("font", [&] { return ElementCommands::setFont(doc_, *chosen); });
}

void ElementEditor::setShape(int32_t shape)
{
    change("shape", [&] { return ElementCommands::setShape(doc_, shape); });
}

void ElementEditor::setFillMode(int32_t fillMode)
{
    change("fill", [&] { return ElementCommands::setFillMode(doc_, fillMode); });
}

void ElementEditor::setLineWidth(int32_t width)
{
    change("line width", [&] { return ElementCommands::setLineWidth(doc_, width); });
}

void ElementEditor::setAlign(int32_t align)
{
    change("alignment", [&] { return ElementCommands::setTextAlign(doc_, align); });
}

void ElementEditor::rotateLeft() { change("rotation", [this] { return ElementCommands::rotateLeft(doc_); }); }
void ElementEditor::rotateRight() { change("rotation", [this] { return ElementCommands::rotateRight(doc_); }); }

void ElementEditor::toggleKeepAspect()
{
    change("aspect", [this] { return ElementCommands::toggleKeepAspect(doc_); });
}

void ElementEditor::setKeepAspect(bool keep)
{
    change("aspect", [&] { return ElementCommands::setKeepAspect(doc_, keep); });
}

void ElementEditor::EditTextNow()
{
    if (!hasCurrent())
        return;
    TxtForm->setElementText(doc_.pool[doc_.CurrentElement].Text);
    if (runModal(*TxtForm) == QDialog::Accepted)
        change("text", [this] { return ElementCommands::setText(doc_, TxtForm->elementText()); });
}

void ElementEditor::Texteffekte1Click()
{
    if (!hasCurrent())
        return;
    EffektForm->setEffects(ElementCommands::effectsOf(doc_));
    if (runModal(*EffektForm) == QDialog::Accepted)
        change("effects", [this] { return ElementCommands::setEffects(doc_, EffektForm->effects()); });
}

void ElementEditor::Transparenz1Click()
{
    if (!hasCurrent())
        return;
    TransForm->setTransparency(ElementCommands::transparencyOf(doc_));
    if (runModal(*TransForm) == QDialog::Accepted)
        change("transparency", [this] { return ElementCommands::setTransparency(doc_, TransForm->transparency()); });
}

void ElementEditor::Hintergrundbild1Click()
{
    EditStep step(history, StepName::Background);
    // The dialog edits the document's background directly: one change as a whole.
    if (beforeCardChange)
        beforeCardChange(QStringLiteral("background"));
    bkgndform->showDocumentMode();
    runModal(*bkgndform);
    paint_();
}

std::optional<QString> ElementEditor::chooseImageFile()
{
    return ::chooseImageFile(*BMPOpenForm);
}
