#include "editor/pictures.h"

#include "core/cp1252.h"
#include "core/document.h"
#include "core/pictureloading.h"
#include "render/raster.h"

namespace {
// LoadDIBit puts a blank picture in place of an unreadable one; here an
// unreadable file must leave nothing behind.
bool loadOrReport(DibImage &picture, const QString &chosenFile)
{
    if (LoadDIBit(picture, chosenFile))
        return true;
    deldib(picture);
    picture = DibImage{};
    reportUnreadablePicture(chosenFile);
    return false;
}
}

bool loadElementPicture(Tobs &element, const QString &chosenFile)
{
    element.Text = toCp1252(chosenFile);
    element.Dib = DibImage{};
    return loadOrReport(element.Dib, chosenFile);
}

namespace Background {

void open(Document &doc, const std::optional<QString> &chosenFile)
{
    clear(doc);
    if (!chosenFile)
        return;
    doc.BackgroundFile = toCp1252(*chosenFile);
    if (!loadOrReport(doc.BackgroundImage, *chosenFile))
        doc.BackgroundFile.clear();
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
