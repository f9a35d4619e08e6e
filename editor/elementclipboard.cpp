#include "editor/elementclipboard.h"

#include "core/bytes.h"
#include "core/designfile.h"
#include "core/document.h"
#include "core/pictureloading.h"
#include "editor/elementcreation.h"
#include "editor/sharedpicture.h"
#include "render/canvaspainter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QMimeData>
#include <QPainter>

namespace {

// Clipboard data from elsewhere is not trusted: an element record is a few
// hundred bytes, its text a few lines.
constexpr qsizetype MaxElementBytes = 1024 * 1024;

QString designFolderOf(const Document &doc)
{
    return doc.CurrentFileName.isEmpty() ? QString() : QFileInfo(doc.CurrentFileName).absolutePath() + QLatin1Char('/');
}

bool isElementKind(int32_t kind)
{
    return kind >= KindFigure && kind <= KindBarcode;
}

// Where the card lies on the pasteboard, in DocUnits.
struct CardBox {
    int64_t left, top, right, bottom;
};

CardBox cardBoxOf(const Document &doc)
{
    return {doc.PasteboardWidth / 3, doc.PasteboardHeight / 3, 2 * int64_t(doc.PasteboardWidth) / 3,
            2 * int64_t(doc.PasteboardHeight) / 3};
}

} // namespace

QByteArray encodeElement(const Document &doc, int slot)
{
    ByteWriter w;
    w.raw(designMagic());
    writeElementRecord(w, slot, doc.pool[slot]);
    w.zstring(designFolderOf(doc).toUtf8());
    return w.take();
}

bool decodeElement(QByteArrayView bytes, Tobs &element, QString *designFolder)
{
    const QByteArray magic = designMagic();
    if (bytes.size() > MaxElementBytes || !bytes.startsWith(magic))
        return false;
    ByteReader r(bytes.sliced(magic.size()));
    r.i32(); // the slot it was copied from
    if (!readElementFields(r, element) || !isElementKind(element.Kind))
        return false;
    const QByteArray folder = r.zstring();
    if (designFolder)
        *designFolder = r.failed() ? QString() : QString::fromUtf8(folder);
    return true;
}

QImage renderElementPicture(const Document &doc, int slot, const CardRenderInputs &inputs, int32_t ticketNumber)
{
    // The element alone in a card of its own, drawn as the export draws.
    Document single;
    Tobs &element = single.pool[1];
    if (!decodeElement(encodeElement(doc, slot), element))
        return {};
    element.Dib = SharedPicture(doc.pool[slot].Dib).share();
    single.CurrentTicketNumber = ticketNumber;
    single.scale.UsePrintScale = true;
    single.scale.PrintScale = ElementPicturePixelsPerInch / DocUnitsPerInch;

    const int32_t width = std::max(1, element.PxWidth());
    const int32_t height = std::max(1, element.PxHeight());
    if (width > MaxDibSide || height > MaxDibSide)
        return {};
    QImage picture(width, height, QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    picture.fill(Qt::white);
    QPainter painter(&picture);
    PainterCanvas canvas(painter, &picture);
    const double scale = single.scale.PrintScale;
    DrawVCart(canvas, single, inputs, truncToInt32(single.PasteboardWidth * scale),
              truncToInt32(single.PasteboardHeight * scale), element.PxLeft(), element.PxTop(), scale, true);
    return picture;
}

QMimeData *elementMimeData(const Document &doc, int slot, const CardRenderInputs &inputs, int32_t ticketNumber)
{
    auto *data = new QMimeData;
    data->setData(ElementMimeType, encodeElement(doc, slot));
    const QImage picture = renderElementPicture(doc, slot, inputs, ticketNumber);
    if (!picture.isNull()) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        data->setData(QStringLiteral("image/png"), png);
        data->setImageData(picture);
    }
    return data;
}

bool holdsElement(const QMimeData *data)
{
    return data && data->hasFormat(ElementMimeType);
}

void placePastedElement(Tobs &element, const Document &doc)
{
    const int64_t offset = truncToInt32(mmToDocUnits(PasteOffsetMm));
    const CardBox card = cardBoxOf(doc);
    const int64_t left = int64_t(element.Left) + offset;
    const int64_t top = int64_t(element.Top) + offset;
    const bool onCard = left >= card.left && top >= card.top && left + element.Width <= card.right
        && top + element.Height <= card.bottom;
    if (onCard) {
        element.Left = int32_t(left);
        element.Top = int32_t(top);
        return;
    }
    element.Left = truncToInt32(double(card.left + card.right - element.Width) / 2);
    element.Top = truncToInt32(double(card.top + card.bottom - element.Height) / 2);
}

namespace {
// The element of the bytes into the lowest free slot; an image element takes
// the given picture, or reads its own again when there is none.
int addElement(Document &doc, QByteArrayView bytes, const DibImage *picture)
{
    Tobs check(&doc.scale);
    if (!decodeElement(bytes, check))
        return 0;
    const int slot = doc.pool.firstFreeSlot();
    if (slot == 0) {
        showPoolFullMessage();
        return 0;
    }
    Tobs &element = doc.pool[slot];
    element.release();
    QString designFolder;
    decodeElement(bytes, element, &designFolder);
    placePastedElement(element, doc);
    if (picture)
        element.Dib = dibShare(*picture);
    else if (element.Kind == KindImage)
        reloadElementPicture(element, designFolder.isEmpty() ? designFolderOf(doc) : designFolder);
    doc.CurrentElement = slot;
    return slot;
}
}

int pasteElement(Document &doc, QByteArrayView bytes)
{
    return addElement(doc, bytes, nullptr);
}

int duplicateElement(Document &doc, int slot)
{
    // The copy shares the picture already in memory, turned as it is.
    return addElement(doc, encodeElement(doc, slot), &doc.pool[slot].Dib);
}

void removeElement(Document &doc, int slot)
{
    doc.pool[slot].release();
    if (doc.CurrentElement == slot)
        doc.CurrentElement = 0;
}
