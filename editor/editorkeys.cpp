#include "editor/editorkeys.h"

#include "core/document.h"
#include "core/prompts.h"

int32_t nextElementUpward(const Document &doc)
{
    const int32_t start = doc.CurrentElement;
    if (start < 1 || start > ElementPool::SlotCount)
        return 0;
    int32_t slot = start;
    do {
        slot = slot >= ElementPool::SlotCount ? 1 : slot + 1;
    } while (slot != start && doc.pool[slot].Kind == KindFree);
    return slot;
}

bool deleteCurrentElement(Document &doc, const std::function<void()> &beforeChange)
{
    const int32_t slot = doc.CurrentElement;
    if (slot < 1 || slot > ElementPool::SlotCount)
        return false;
    if (showMessage(QStringLiteral("Element löschen"), QStringLiteral("Wollen Sie das Element löschen?"),
                    MsgIcon::Question, MsgYes | MsgNo)
        != MsgYes)
        return false;
    if (beforeChange)
        beforeChange();
    doc.pool[slot].release();
    doc.CurrentElement = 0;
    return true;
}
