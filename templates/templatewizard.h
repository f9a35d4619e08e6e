#pragma once
// The template wizard's state and its generation: the element list built from
// the user's choices, up to 100 distinct random layouts and the background.
#include "imaging/GrafikRW.h"
#include "templates/templatelayouts.h"

#include <QString>
#include <array>
#include <vector>

struct TemplateElement {
    enum : int32_t { KindText = 1, KindPicture = 2 };
    int32_t Kind = KindText;
    // A text element's placeholder text; a picture element's full file path.
    QString Text;
    // Loaded for a picture element.
    DibImage Picture;
};

struct TemplateBackground {
    bool present = false;
    DibImage picture;
    // The name as it stood in the edit when the picture was read.
    QString fileName;
};

// What the wizard's controls say when "Vorlagen berechnen" is pressed.
struct TemplateRequest {
    // Ele1Check..Ele9Check: the seven field texts, "Sitzplatz", "Sitzplatz 2".
    std::array<bool, 9> ticked{};
    enum class Picture { None, Logo, Graphic };
    Picture picture = Picture::None;
    // The logo file name of the current event, or the picture file edit's text.
    QString picturePath;
    bool background = false;
    QString backgroundFile;
};

class TemplateWizard {
public:
    TemplateWizard();
    ~TemplateWizard();
    TemplateWizard(const TemplateWizard &) = delete;
    TemplateWizard &operator=(const TemplateWizard &) = delete;

    // "Vorlagen berechnen": replaces the element list, the layouts and the
    // background. Without any element it shows its message and returns false,
    // leaving the layouts, the count and the caption as they were.
    bool generate(const TemplateRequest &request, const CellDraw &draw);

    int32_t TemplateElementCount() const { return int32_t(elements_.size()); }
    // Element 1..TemplateElementCount, or null for any other number (a layout
    // of an earlier generation may name elements that are gone).
    const TemplateElement *element(int32_t number) const;

    TemplateLayouts Layouts{};
    int32_t TemplateCount = 0;
    int32_t SelectedTemplate = 0;
    TemplateBackground Background;
    // The caption of Label3.
    QString Label3Text;

    // The layout at the selection; layouts never generated are empty.
    const TemplateLayout &selectedLayout() const;

    // Calls f(column, row, element) for every cell of the layout that names an
    // element of the current list, column by column and row by row. Cells that
    // name elements an earlier generation had are skipped.
    template <typename F>
    void forEachPlacedElement(const TemplateLayout &layout, F &&f) const
    {
        for (int column = 0; column < 3; ++column) {
            for (int row = 0; row < 3; ++row) {
                if (const TemplateElement *e = element(layout[size_t(column)][size_t(row)]))
                    f(column, row, *e);
            }
        }
    }

private:
    void releaseElements();
    void appendTextElements(const TemplateRequest &request);
    void appendPictureElement(const TemplateRequest &request);
    void loadBackground(const TemplateRequest &request);

    std::vector<TemplateElement> elements_;
};

// "Dies ist eine zufällige Auswahl von <count> Karten aus <possible> möglichen Karten".
QString templateSelectionCaption(int32_t count, int32_t possible);
// The seat text of Ele8Check and Ele9Check; empty when neither is ticked.
QString templateSeatText(bool seat, bool seat2);
