#pragma once
// PageControl3: the property pages "Figur", "Text", "Bild" and "Allgemein" of
// the editor. It only shows controls; ElementEditor connects them to the commands.
#include "editor/elementstate.h"

#include <QTabWidget>
#include <array>

class QButtonGroup;
class QCheckBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

class ElementPanels : public QTabWidget {
    Q_OBJECT
public:
    explicit ElementPanels(QWidget *parent = nullptr);

    // Shows the pages that fit and sets their controls, without running any
    // control's change action.
    void showState(const PanelState &state);

    QWidget *FigurSheet, *TextSheet, *BildSheet, *AllgemeinSheet;
    // "Figur"
    std::array<QRadioButton *, ShapeCount> ShapeRadios;   // RadioButton1..10, by shape code
    QButtonGroup *Shapes;
    QPushButton *ColorBtn, *UColorBtn;
    QRadioButton *FilledCheck, *BorderCheck, *FilledBorderCheck;
    QButtonGroup *FillModes;
    QSpinBox *LinieEd;
    // "Text"
    QPushButton *EnterTextBtn, *Color2Btn, *FontBtn, *TextFXBtn;
    QRadioButton *Leftalign, *CenterAlign, *RightAlign;
    QButtonGroup *Alignments;
    QPushButton *TextRotLeftBtn, *TextRotRightBtn;
    // "Bild"
    QCheckBox *SVerhCheck;
    QPushButton *RotLeftBtn, *RotRightBtn, *TranspBtn;
    // "Allgemein"
    QPushButton *Del1Btn, *Front1Btn, *Back1Btn;

private:
    QWidget *blank_;   // shown while no element is selected
};

// The menu caption of a shape by code.
const char *shapeMenuCaption(int32_t shape);
