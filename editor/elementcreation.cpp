#include "editor/elementcreation.h"

#include "core/cp1252.h"
#include "core/document.h"
#include "core/pictureloading.h"
#include "core/programfolder.h"
#include "core/prompts.h"
#include "imaging/GrafikRW.h"
#include "render/raster.h"

QString choosePictureFile()
{
    const QString chosen = askOpenFileName(QString(), GetDIBOpenFilter(), ProgramFolder());
    return chosen.isEmpty() ? chosen : SubProgPath(chosen);
}

void showPoolFullMessage()
{
    showMessage(QStringLiteral("Fehler: Kein freies Objekt mehr"), QStringLiteral("Es wurden zuviele Objekte erstellt!"),
                MsgIcon::Information, MsgOk);
}

int createElement(Document &doc, EditorTool tool, int32_t x, int32_t y, const CreationFont &font,
                  double screenDpi, const ImageChooser &chooseImage, const std::function<void()> &beforeChange)
{
    if (!isCreationTool(tool))
        return 0;
    const int slot = doc.pool.firstFreeSlot();
    if (slot == 0) {
        showPoolFullMessage();
        return 0;
    }
    Tobs &e = doc.pool[slot];
    if (tool == EditorTool::Image) {
        const QString chosen = chooseImage ? chooseImage() : QString();
        if (chosen.isEmpty())
            return 0;
        if (beforeChange)
            beforeChange();
        e.Text = toCp1252(chosen);
        e.release();
        if (!loadPictureByRule(e.Dib, e.Text, QString())) {
            e.release();   // drop the blank stand-in picture: the slot stays free
            return 0;
        }
        e.Kind = KindImage;
    } else {
        if (beforeChange)
            beforeChange();
        e.release();
        e.Text.clear();
        e.Kind = tool == EditorTool::Figure ? KindFigure : tool == EditorTool::Text ? KindText : KindBarcode;
    }

    doc.CurrentElement = slot;
    e.KeepAspect = 1;
    e.Shape = 3;   // rectangle
    e.SetPxLeft(x);
    e.SetPxTop(y);
    const PixelScale &s = doc.scale;
    if (e.Kind == KindImage) {
        // An image pixel measures 10000 / dpi DocUnits, quantised through the screen scale.
        const double unit = 10000.0 / screenDpi;
        e.SetPxWidth(truncToInt32(unit * DibWidth(e.Dib) * s.ZoomFactor / s.DocUnitsPerPixel));
        e.SetPxHeight(truncToInt32(unit * DibHeight(e.Dib) * s.ZoomFactor / s.DocUnitsPerPixel));
    } else if (e.Kind == KindBarcode) {
        e.SetPxWidth(100);
        e.SetPxHeight(30);
    } else {
        e.SetPxWidth(50);
        e.SetPxHeight(50);
    }
    e.Color = 0;
    e.FontColor = font.color;
    e.FontHeight = font.height;
    e.FontName = font.name;
    e.FontPitch = font.pitch;
    e.FontStyle = font.style;
    e.FontSize = font.size;
    return slot;
}
