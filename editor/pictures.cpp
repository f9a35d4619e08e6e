#include "editor/pictures.h"

#include "core/cp1252.h"
#include "core/document.h"
#include "core/pictureloading.h"

namespace Background {

void open(Document &doc, const std::optional<QString> &chosenFile)
{
    clear(doc);
    if (!chosenFile)
        return;
    doc.BackgroundFile = toCp1252(*chosenFile);
    if (!loadPictureByRule(doc.BackgroundImage, doc.BackgroundFile, QString())) {
        // No blank stand-in: an unreadable file leaves no background.
        doc.releaseBackground();
        doc.BackgroundFile.clear();
    }
}

void clear(Document &doc)
{
    doc.releaseBackground();
    doc.BackgroundFile.clear();
}

void close(Document &doc, int32_t checkedMode)
{
    if (!doc.BackgroundImage.isEmpty()) {
        doc.BackgroundMode = checkedMode;
        return;
    }
    doc.BackgroundMode = -1;
    doc.BackgroundFile.clear();
}

}
