#include "templates/templateadoption.h"

#include "core/cp1252.h"
#include "core/designcommands.h"
#include "core/document.h"
#include "render/placeholders.h"
#include "core/pictureloading.h"
#include "render/raster.h"
#include "templates/cardframe.h"
#include "templates/fontfitting.h"
#include "templates/templatewizard.h"

namespace {
constexpr int FirstAdoptedFontSize = 100;
constexpr int BackgroundFilling = 2;

// Places an element's box: pixel values go through the screen's inch into
// the mutators, which store them in DocUnits.
class BoxPlacer {
public:
    BoxPlacer(const Document &doc, int32_t screenPixelsPerInch)
        : perPixel_(20000.0 / std::max(1, screenPixelsPerInch) * doc.scale.ZoomFactor / doc.scale.DocUnitsPerPixel)
    {
    }
    void place(Tobs &t, int32_t left, int32_t top, int32_t right, int32_t bottom) const
    {
        t.SetPxLeft(convert(left));
        t.SetPxWidth(convert(right - left + 1));
        t.SetPxTop(convert(top));
        t.SetPxHeight(convert(bottom - top + 1));
    }

private:
    int32_t convert(int32_t p) const { return truncToInt32(perPixel_ * p); }
    double perPixel_;
};

void createText(Tobs &t, const TemplateElement &e, const CellBox &cell, int column, const AdoptionInputs &inputs,
                FontFitter &fitter, const BoxPlacer &placer)
{
    const QString expanded = GetRepStr(e.Text, inputs.placeholders, inputs.ticketNumber, inputs.placeholders.seatList);
    const int size = fitter.fit(expanded, cell, FirstAdoptedFontSize);
    t.Kind = KindText;
    t.Text = toCp1252(e.Text);
    t.FontColor = 0;
    t.FontHeight = size;
    t.FontName = QByteArrayLiteral("Arial");
    t.FontPitch = 0;
    t.FontStyle = 0;
    t.FontSize = size;
    placer.place(t, cell.x0, cell.y0, cell.x1, cell.y1);
    t.TextAlign = column;
}

void createPicture(Tobs &t, const TemplateElement &e, const CellBox &cell, int column, int row,
                   const BoxPlacer &placer)
{
    // The wizard's copy fixes the placement; the element reads its own.
    const PicturePlace fitted = placePictureInCell(cell, column, row, DibWidth(e.Picture), DibHeight(e.Picture));
    t.Kind = KindImage;
    t.Text = toCp1252(e.Text);
    t.KeepAspect = 1;
    t.Transparent = 0;
    placer.place(t, fitted.x, fitted.y, cell.x1, cell.y1);
    t.Dib = DibImage{};
    if (!LoadDIBit(t.Dib, e.Text)) {
        reportUnreadablePicture(e.Text);
        t.release();
    }
}

void adoptBackground(Document &doc, const TemplateWizard &wizard)
{
    if (!wizard.Background.present)
        return;
    doc.BackgroundMode = BackgroundFilling;
    doc.BackgroundFile = toCp1252(wizard.Background.fileName);
    if (!LoadDIBit(doc.BackgroundImage, wizard.Background.fileName)) {
        reportUnreadablePicture(wizard.Background.fileName);
        doc.BackgroundFile.clear();
    }
}
}

void RenderTemplate(Document &doc, const TemplateWizard &wizard, const AdoptionInputs &inputs, FontFitter &fitter)
{
    const CardFrame frame = prepareCardFrame(doc, inputs.screenPixelsPerInch);
    const BoxPlacer placer(doc, inputs.screenPixelsPerInch);
    const TemplateLayout &layout = wizard.selectedLayout();
    const LayoutCellBoxes cells = LayoutCells(layout, frame.inner, frame.margin);
    wizard.forEachPlacedElement(layout, [&](int column, int row, const TemplateElement &e) {
        const int slot = doc.pool.firstFreeSlot();
        if (slot == 0)
            return;
        Tobs &t = doc.pool[slot];
        const CellBox &cell = cells[size_t(column)][size_t(row)];
        if (e.Kind == TemplateElement::KindText)
            createText(t, e, cell, column, inputs, fitter, placer);
        else
            createPicture(t, e, cell, column, row, placer);
    });
    adoptBackground(doc, wizard);
}

bool adoptTemplate(Document &doc, const TemplateWizard &wizard, const AdoptionInputs &inputs, FontFitter &fitter)
{
    if (doc.pool.hasElements() && !DesignCommands::askSaveFirst(doc, QStringLiteral("Vorlage in den Editor übernehmen")))
        return false;
    doc.clearall();
    RenderTemplate(doc, wizard, inputs, fitter);
    return true;
}
