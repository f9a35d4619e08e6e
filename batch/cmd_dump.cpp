// dump: a design as JSON.
#include "batch/batchcommand.h"
#include "batch/designloading.h"
#include "batch/jsonwriter.h"
#include "batch/tickettypejson.h"
#include "core/cp1252.h"
#include "core/document.h"

namespace {
void writePicture(JsonWriter &json, const DibImage &dib)
{
    if (dib.isEmpty() || !dib.Info) {
        json.null();
        return;
    }
    json.beginObject();
    json.key("width").value(int64_t(dib.Info->header.biWidth));
    json.key("height").value(int64_t(dib.Info->header.biHeight));
    json.key("bits").value(int64_t(dib.Info->header.biBitCount));
    json.endObject();
}

void writeElement(JsonWriter &json, int slot, const Tobs &t)
{
    json.beginObject();
    json.key("Slot").value(int64_t(slot));
    json.key("Left").value(int64_t(t.Left));
    json.key("Top").value(int64_t(t.Top));
    json.key("Width").value(int64_t(t.Width));
    json.key("Height").value(int64_t(t.Height));
    json.key("KeepAspect").value(int64_t(t.KeepAspect));
    json.key("Kind").value(int64_t(t.Kind));
    json.key("Color").value(int64_t(t.Color));
    json.key("Shape").value(int64_t(t.Shape));
    json.key("TextAlign").value(int64_t(t.TextAlign));
    json.key("LineColor").value(int64_t(t.LineColor));
    json.key("FillMode").value(int64_t(t.FillMode));
    json.key("Shadow").value(int64_t(t.Shadow));
    json.key("Outline").value(int64_t(t.Outline));
    json.key("EffectDX").value(int64_t(t.EffectDX));
    json.key("EffectDY").value(int64_t(t.EffectDY));
    json.key("Transparent").value(int64_t(t.Transparent));
    json.key("AutoTransparent").value(int64_t(t.AutoTransparent));
    json.key("LineWidth").value(int64_t(t.LineWidth));
    json.key("Rotation").value(int64_t(t.Rotation));
    json.key("Text").value(fromCp1252(t.Text));
    json.key("FontColor").value(int64_t(t.FontColor));
    json.key("FontHeight").value(int64_t(t.FontHeight));
    json.key("FontName").value(fromCp1252(t.FontName));
    json.key("FontPitch").value(int64_t(t.FontPitch));
    json.key("FontSize").value(int64_t(t.FontSize));
    json.key("FontStyle").value(int64_t(t.FontStyle));
    json.key("Image");
    writePicture(json, t.Dib);
    json.endObject();
}
}

QByteArray designAsJson(const Document &doc)
{
    JsonWriter json;
    json.beginObject();
    json.key("TicketType");
    writeTicketType(json, doc.ticketType);
    json.key("PasteboardWidth").value(int64_t(doc.PasteboardWidth));
    json.key("PasteboardHeight").value(int64_t(doc.PasteboardHeight));
    json.key("BackgroundMode").value(int64_t(doc.BackgroundMode));
    json.key("BackgroundFile").value(fromCp1252(doc.BackgroundFile));
    json.key("ZoomFactor").value(doc.scale.ZoomFactor);
    json.key("DocUnitsPerPixel").value(doc.scale.DocUnitsPerPixel);
    json.key("Background");
    writePicture(json, doc.BackgroundImage);
    json.key("Elements").beginArray();
    for (int slot = 1; slot <= ElementPool::SlotCount; ++slot) {
        const Tobs &t = doc.pool[slot];
        if (t.Kind > 0)
            writeElement(json, slot, t);
    }
    json.endArray();
    json.endObject();
    return json.take();
}

static int runDump(const QStringList &args)
{
    if (args.size() != 1)
        return batchUsageError(QStringLiteral("dump DESIGN.etr"));
    Document doc;
    if (!openDesignForBatch(doc, args[0]))
        return BatchFailed;
    batchPrint(designAsJson(doc) + '\n');
    return BatchOk;
}

static BatchCommandRegistration registration({QStringLiteral("dump"), QStringLiteral("dump DESIGN.etr"), runDump});
