#pragma once
// What the element menu and the property panel show for the current element.
// Both are recomputed from the element each time; nothing is written back.
#include <cstdint>

class Document;

constexpr int32_t ShapeCount = 10;
// Shapes 6..9 are lines: no border colour and no fill.
inline bool isLineShape(int32_t shape) { return shape > 5; }

struct ElementMenuState {
    bool color = false;          // "&Farbe..."
    bool font = false;           // "&Schriftart..."
    bool textItems = false;      // "&Texteffekte..." and the three alignment items
    bool imageItems = false;     // "Transparen&z...", "Se&itenverhältnis beibehalten"
    bool rotation = false;       // both rotation items
    bool shapes = false;         // the ten shape items
    int32_t checkedAlign = -1;   // alignment item checked (texts only), -1 none
    bool keepAspectChecked = false;
    int32_t checkedShape = -1;   // shape item checked, -1 none
};

ElementMenuState elementMenuState(const Document &doc);

enum class PanelPage { None, Figur, Text, Bild, Allgemein };

struct PanelState {
    bool figur = false, text = false, bild = false, allgemein = false;   // visible tabs
    PanelPage active = PanelPage::None;
    int32_t shape = -1;                 // radio button checked on "Figur", -1 none
    bool borderAndFillEnabled = true;   // "Umrandungsfarbe..." and the fill buttons
    int32_t fillMode = -1;              // fill radio button checked, -1 none
    int32_t lineWidth = 1;              // shown in LinieEd, within 1..20
    int32_t textAlign = -1;
    bool keepAspect = true;             // "Nicht verzerren"
};

constexpr int32_t MinLineWidth = 1;
constexpr int32_t MaxLineWidth = 20;

// CheckAllPanelOptions: the panel for the current element.
PanelState panelState(const Document &doc);
