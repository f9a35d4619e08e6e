#include "editor/elementstate.h"

#include "core/document.h"

#include <algorithm>

namespace {
const Tobs *currentElement(const Document &doc)
{
    const int slot = doc.CurrentElement;
    if (slot < 1 || slot > ElementPool::SlotCount)
        return nullptr;
    return &doc.pool[slot];
}

int32_t inRangeOrNone(int32_t value, int32_t count)
{
    return value >= 0 && value < count ? value : -1;
}
}

ElementMenuState elementMenuState(const Document &doc)
{
    ElementMenuState m;
    const Tobs *e = currentElement(doc);
    if (!e)
        return m;
    const int32_t kind = e->Kind;
    m.color = kind == KindFigure || kind == KindText;
    m.font = m.textItems = kind == KindText;
    m.imageItems = kind == KindImage;
    m.rotation = kind == KindText || kind == KindImage;
    m.shapes = kind == KindFigure;
    if (kind == KindText)
        m.checkedAlign = inRangeOrNone(e->TextAlign, 3);
    m.keepAspectChecked = e->KeepAspect == 1;
    m.checkedShape = inRangeOrNone(e->Shape, ShapeCount);
    return m;
}

PanelState panelState(const Document &doc)
{
    PanelState p;
    const Tobs *e = currentElement(doc);
    if (!e)
        return p;
    p.allgemein = true;
    p.active = PanelPage::Allgemein;
    switch (e->Kind) {
    case KindFigure:
        p.figur = true;
        p.active = PanelPage::Figur;
        p.shape = inRangeOrNone(e->Shape, ShapeCount);
        p.borderAndFillEnabled = !isLineShape(e->Shape);
        if (p.borderAndFillEnabled)
            p.fillMode = inRangeOrNone(e->FillMode, 3);
        p.lineWidth = std::clamp(e->LineWidth, MinLineWidth, MaxLineWidth);
        break;
    case KindText:
        p.text = true;
        p.active = PanelPage::Text;
        p.textAlign = inRangeOrNone(e->TextAlign, 3);
        break;
    case KindImage:
        p.bild = true;
        p.active = PanelPage::Bild;
        p.keepAspect = e->KeepAspect != 0;
        break;
    default:
        break;
    }
    return p;
}
