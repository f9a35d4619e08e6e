#pragma once
// Adoption of the layout selected in the wizard's gallery: the card is cleared
// and the layout's elements are created on it.
#include <cstdint>

class Document;
class FontFitter;
class TemplateWizard;
struct PlaceholderInputs;

struct AdoptionInputs {
    const PlaceholderInputs &placeholders;
    int32_t ticketNumber = 0;
    int32_t screenPixelsPerInch = 96;
};

// Creates the elements of the selected layout in the lowest free slots, in
// editor pixels at zoom 1 inside the inner card rectangle, and the background
// in mode 2. Pictures are read again from their files; one that cannot be read
// is reported and left out. Cells naming elements the current list does not
// hold are skipped.
void RenderTemplate(Document &doc, const TemplateWizard &wizard, const AdoptionInputs &inputs, FontFitter &fitter);

// "Vorlage übernehmen": asks whether to save a card that has elements (Cancel
// or a failed save end here), clears the card and runs RenderTemplate. True
// when the card was replaced.
bool adoptTemplate(Document &doc, const TemplateWizard &wizard, const AdoptionInputs &inputs, FontFitter &fitter);
