#include "ui/ElementPanels.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
struct ShapeNames {
    const char *menu;
    const char *radio;
};
const ShapeNames ShapeCaptions[ShapeCount] = {
    {"&Kreis", "Kreis"},
    {"&Ellipse", "Ellipse"},
    {"&Quadrat", "Quadrat"},
    {"&Rechteck", "Rechteck"},
    {"&Quadrat &abgerundet", "Quadrat abgerundet"},
    {"Rechteck a&bgerundet", "Rechteck abgerundet"},
    {"Linie &horizontal", "Linie horizontal"},
    {"Linie &vertikal", "Linie vertikal"},
    {"Linie schräg hoch", "Linie schräg hoch"},
    {"Linie schräg runter", "Linie schräg runter"},
};

template <typename W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QPushButton *button(const char *caption, const char *name)
{
    auto *b = named(new QPushButton(QString::fromUtf8(caption)), name);
    b->setAutoDefault(false);
    return b;
}

QRadioButton *radio(const char *caption, const char *name)
{
    return named(new QRadioButton(QString::fromUtf8(caption)), name);
}

// A page whose controls stack from the top.
QVBoxLayout *pageLayout(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    return layout;
}
}

const char *shapeMenuCaption(int32_t shape) { return ShapeCaptions[shape].menu; }

ElementPanels::ElementPanels(QTabWidget *pageControl) : QObject(pageControl), PageControl3(pageControl)
{

    FigurSheet = named(new QWidget, "FigurSheet");
    QVBoxLayout *figur = pageLayout(FigurSheet);
    Shapes = new QButtonGroup(this);
    for (int32_t code = 0; code < ShapeCount; ++code) {
        const QByteArray name = "RadioButton" + QByteArray::number(code + 1);
        ShapeRadios[size_t(code)] = radio(ShapeCaptions[code].radio, name.constData());
        Shapes->addButton(ShapeRadios[size_t(code)], code);
        figur->addWidget(ShapeRadios[size_t(code)]);
    }
    ColorBtn = button("Farbe...", "ColorBtn");
    UColorBtn = button("Umrandungsfarbe...", "UColorBtn");
    FilledCheck = radio("Ausgefüllt", "FilledCheck");
    BorderCheck = radio("Nur Umrandung", "BorderCheck");
    FilledBorderCheck = radio("Gefüllt und Umrandung", "FilledBorderCheck");
    FillModes = new QButtonGroup(this);
    FillModes->addButton(FilledCheck, 0);
    FillModes->addButton(BorderCheck, 1);
    FillModes->addButton(FilledBorderCheck, 2);
    LinieEd = named(new QSpinBox, "LinieEd");
    LinieEd->setRange(MinLineWidth, MaxLineWidth);
    LinieEd->setSingleStep(1);
    LinieEd->setValue(1);
    auto *lineLabel = new QLabel(QStringLiteral("Linienstärke:"));
    lineLabel->setBuddy(LinieEd);
    for (QWidget *w : std::initializer_list<QWidget *>{ColorBtn, UColorBtn, FilledCheck, BorderCheck,
                                                       FilledBorderCheck, lineLabel, LinieEd})
        figur->addWidget(w);
    figur->addStretch();

    TextSheet = named(new QWidget, "TextSheet");
    QVBoxLayout *text = pageLayout(TextSheet);
    EnterTextBtn = button("Text eingeben...", "EnterTextBtn");
    Color2Btn = button("Farbe...", "Color2Btn");
    FontBtn = button("Schriftart...", "FontBtn");
    TextFXBtn = button("Texteffekte...", "TextFXBtn");
    Leftalign = radio("Linksbündig", "Leftalign");
    CenterAlign = radio("Zentriert", "CenterAlign");
    RightAlign = radio("Rechtsbündig", "RightAlign");
    Alignments = new QButtonGroup(this);
    Alignments->addButton(Leftalign, 0);
    Alignments->addButton(CenterAlign, 1);
    Alignments->addButton(RightAlign, 2);
    TextRotLeftBtn = button("Nach links rotieren", "TextRotLeftBtn");
    TextRotRightBtn = button("Nach rechts rotieren", "TextRotRightBtn");
    for (QWidget *w : std::initializer_list<QWidget *>{EnterTextBtn, Color2Btn, FontBtn, TextFXBtn, Leftalign,
                                                       CenterAlign, RightAlign, TextRotLeftBtn, TextRotRightBtn})
        text->addWidget(w);
    text->addStretch();

    BildSheet = named(new QWidget, "BildSheet");
    QVBoxLayout *bild = pageLayout(BildSheet);
    SVerhCheck = named(new QCheckBox(QStringLiteral("Nicht verzerren")), "SVerhCheck");
    SVerhCheck->setChecked(true);
    RotLeftBtn = button("Nach links rotieren", "RotLeftBtn");
    RotRightBtn = button("Nach rechts rotieren", "RotRightBtn");
    TranspBtn = button("Transparenz...", "TranspBtn");
    for (QWidget *w : std::initializer_list<QWidget *>{SVerhCheck, RotLeftBtn, RotRightBtn, TranspBtn})
        bild->addWidget(w);
    bild->addStretch();

    AllgemeinSheet = named(new QWidget, "AllgemeinSheet");
    QVBoxLayout *allgemein = pageLayout(AllgemeinSheet);
    Del1Btn = button("Löschen...", "Del1Btn");
    Front1Btn = button("Nach vorne", "Front1Btn");
    Back1Btn = button("Nach hinten", "Back1Btn");
    for (QWidget *w : std::initializer_list<QWidget *>{Del1Btn, Front1Btn, Back1Btn})
        allgemein->addWidget(w);
    allgemein->addStretch();

    PageControl3->addTab(FigurSheet, QStringLiteral("Figur"));
    PageControl3->addTab(TextSheet, QStringLiteral("Text"));
    PageControl3->addTab(BildSheet, QStringLiteral("Bild"));
    PageControl3->addTab(AllgemeinSheet, QStringLiteral("Allgemein"));
    blank_ = named(new QWidget, "NoElementSheet");
    PageControl3->addTab(blank_, QString());
    showState(PanelState{});
}

void ElementPanels::showState(const PanelState &s)
{
    // Setting the controls must not run their change actions.
    const QSignalBlocker quiet(LinieEd);
    QTabWidget *tabs = PageControl3;
    tabs->setTabVisible(tabs->indexOf(FigurSheet), s.figur);
    tabs->setTabVisible(tabs->indexOf(TextSheet), s.text);
    tabs->setTabVisible(tabs->indexOf(BildSheet), s.bild);
    tabs->setTabVisible(tabs->indexOf(AllgemeinSheet), s.allgemein);
    tabs->setTabVisible(tabs->indexOf(blank_), false);

    const auto check = [](QButtonGroup *group, int id) {
        if (QAbstractButton *b = group->button(id)) {
            b->setChecked(true);
            return;
        }
        // No valid value: no button of the group is checked.
        group->setExclusive(false);
        for (QAbstractButton *b : group->buttons())
            b->setChecked(false);
        group->setExclusive(true);
    };
    if (s.figur) {
        check(Shapes, s.shape);
        UColorBtn->setEnabled(s.borderAndFillEnabled);
        for (QAbstractButton *b : FillModes->buttons())
            b->setEnabled(s.borderAndFillEnabled);
        if (s.borderAndFillEnabled)
            check(FillModes, s.fillMode);
        LinieEd->setValue(s.lineWidth);
    }
    if (s.text)
        check(Alignments, s.textAlign);
    if (s.bild)
        SVerhCheck->setChecked(s.keepAspect);

    switch (s.active) {
    case PanelPage::Figur: tabs->setCurrentWidget(FigurSheet); break;
    case PanelPage::Text: tabs->setCurrentWidget(TextSheet); break;
    case PanelPage::Bild: tabs->setCurrentWidget(BildSheet); break;
    case PanelPage::Allgemein: tabs->setCurrentWidget(AllgemeinSheet); break;
    case PanelPage::None: tabs->setCurrentWidget(blank_); break;
    }
}
