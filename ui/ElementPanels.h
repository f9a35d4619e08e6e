#pragma once
// The property pages "Figur", "Text", "Bild" and "Allgemein" of the editor's
// panel PageControl3. They only show controls; ElementEditor connects them to
// the commands.
#include "editor/elementstate.h"

#include <QObject>
#include <array>

class QButtonGroup;
class QCheckBox;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QWidget;

class ElementPanels : public QObject {
    Q_OBJECT
public:
    // Adds the pages to the panel, which owns them.
    explicit ElementPanels(QTabWidget *pageControl);

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

    QTabWidget *PageControl3;

private:
    QWidget *blank_;   // shown while no element is selected
};

// The menu caption of a shape by code.
const char *shapeMenuCaption(int32_t shape);
