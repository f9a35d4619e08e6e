#include "core/designfile.h"

#include "core/bytes.h"
#include "core/document.h"
#include "core/pictureloading.h"
#include "core/programfolder.h"

QByteArray designMagic()
{
    return QByteArray(ProgramTitle, sizeof ProgramTitle); // 35 characters and the zero byte
}

void writeElementRecord(ByteWriter &w, int slot, const Tobs &t)
{
    w.i32(slot);
    w.i32(t.Left);
    w.i32(t.Top);
    w.i32(t.Width);
    w.i32(t.Height);
    w.u8(t.KeepAspect);
    w.i32(t.Kind);
    w.i32(t.Color);
    w.i32(t.Shape);
    w.i32(t.TextAlign);
    w.i32(t.LineColor);
    w.i32(t.FillMode);
    w.u8(t.Shadow);
    w.u8(t.Outline);
    w.i32(t.EffectDX);
    w.i32(t.EffectDY);
    w.u8(t.Transparent);
    w.u8(t.AutoTransparent);
    w.i32(t.LineWidth);
    w.i32(t.Rotation);
    w.zstring(t.Text);
    w.i32(t.FontColor);
    w.i32(t.FontHeight);
    w.zstring(t.FontName);
    w.u8(t.FontPitch);
    w.i32(t.FontSize);
    w.u8(t.FontStyle);
}

QByteArray writeDesign(const Document &doc)
{
    ByteWriter w;
    w.raw(designMagic());
    w.raw(doc.ticketType.toBytes());
    w.i32(doc.PasteboardWidth);
    w.i32(doc.PasteboardHeight);
    w.i32(doc.BackgroundMode);
    w.zstring(doc.BackgroundFile);
    w.f64(doc.scale.ZoomFactor);
    w.f64(doc.scale.DocUnitsPerPixel);
    for (int slot = 1; slot <= ElementPool::SlotCount; ++slot) {
        const Tobs &t = doc.pool[slot];
        if (t.Kind > 0)
            writeElementRecord(w, slot, t);
    }
    w.i32(ElementPool::LastSlot);
    return w.take();
}

bool readElementFields(ByteReader &r, Tobs &t)
{
    t.Left = r.i32();
    t.Top = r.i32();
    t.Width = r.i32();
    t.Height = r.i32();
    t.KeepAspect = r.u8();
    t.Kind = r.i32();
    t.Color = r.i32();
    t.Shape = r.i32();
    t.TextAlign = r.i32();
    t.LineColor = r.i32();
    t.FillMode = r.i32();
    t.Shadow = r.u8();
    t.Outline = r.u8();
    t.EffectDX = r.i32();
    t.EffectDY = r.i32();
    t.Transparent = r.u8();
    t.AutoTransparent = r.u8();
    t.LineWidth = r.i32();
    t.Rotation = r.i32();
    t.Text = r.zstring();
    t.FontColor = r.i32();
    t.FontHeight = r.i32();
    t.FontName = r.zstring();
    t.FontPitch = r.u8();
    t.FontSize = r.i32();
    t.FontStyle = r.u8();
    return !r.failed();
}

namespace {
struct Header {
    EttTyp type;
    int32_t pasteboardWidth = 0;
    int32_t pasteboardHeight = 0;
    int32_t backgroundMode = -1;
    QByteArray backgroundFile;
    double zoom = 1;
    double docUnitsPerPixel = 208;
};

bool readHeader(ByteReader &r, Header &h)
{
    QByteArray typeBytes(EttTyp::RecordSize, '\0');
    r.raw(typeBytes.data(), size_t(typeBytes.size()));
    h.type.fromBytes(typeBytes);
    h.pasteboardWidth = r.i32();
    h.pasteboardHeight = r.i32();
    h.backgroundMode = r.i32();
    h.backgroundFile = r.zstring();
    h.zoom = r.f64();
    h.docUnitsPerPixel = r.f64();
    return !r.failed();
}

// Image pictures are loaded as soon as a whole record was read, through the
// design's shared pictures (decoded once per file, within one memory budget).
bool readRecord(ByteReader &r, Tobs &t, DesignPictures &pictures)
{
    if (!readElementFields(r, t))
        return false;
    if (t.Kind == KindImage) {
        t.release();
        t.Kind = KindImage;
        pictures.load(t.Dib, t.Text, t.Rotation);
    }
    return true;
}
}

DesignReadResult readDesign(QByteArrayView bytes, Document &doc, const QString &designFolder)
{
    DesignReadResult result;
    if (bytes.size() < designMagic().size() || bytes.first(designMagic().size()) != designMagic()) {
        result.status = DesignReadResult::Status::BadMagic;
        return result;
    }
    ByteReader r(bytes.sliced(designMagic().size()));
    Header h;
    if (!readHeader(r, h)) {
        result.status = DesignReadResult::Status::DamagedHeader;
        return result;
    }

    doc.clearall();
    DesignPictures pictures(designFolder);
    doc.ticketType = h.type;
    doc.PasteboardWidth = h.pasteboardWidth;
    doc.PasteboardHeight = h.pasteboardHeight;
    doc.BackgroundMode = h.backgroundMode;
    doc.BackgroundFile = h.backgroundFile;
    if (doc.BackgroundMode != -1 && !doc.BackgroundFile.isEmpty())
        pictures.load(doc.BackgroundImage, doc.BackgroundFile);
    doc.scale.ZoomFactor = h.zoom;
    doc.scale.DocUnitsPerPixel = h.docUnitsPerPixel;

    for (;;) {
        const int32_t slot = r.i32();
        if (r.failed() || slot < 1) {
            result.status = DesignReadResult::Status::DamagedRecords;
            break;
        }
        if (slot > ElementPool::SlotCount)
            break;
        Tobs &t = doc.pool[slot];
        if (!readRecord(r, t, pictures)) {
            // An incomplete record is not kept.
            t.release();
            result.status = DesignReadResult::Status::DamagedRecords;
            break;
        }
    }
    return result;
}
