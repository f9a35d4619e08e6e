#include "templates/templatewizard.h"

#include "core/programfolder.h"
#include "core/prompts.h"

namespace {
const char *const FieldTexts[7] = {
    "[Bezeichnung]", "[Aufführung]", "[Ort]", "[Datum und Uhrzeit]", "[Preis]", "[Preis ermäßigt]", "[Kartennummer]",
};

// Reads a picture file; false (and nothing held) when no image results.
bool openPicture(DibImage &picture, const QString &path)
{
    OpenDib(picture, path);
    if (picture.Bits)
        return true;
    deldib(picture);
    picture = DibImage{};
    return false;
}

void releasePicture(DibImage &picture)
{
    deldib(picture);
    picture = DibImage{};
}
}

QString templateSelectionCaption(int32_t count, int32_t possible)
{
    return QStringLiteral("Dies ist eine zufällige Auswahl von %1 Karten aus %2 möglichen Karten").arg(count).arg(possible);
}

QString templateSeatText(bool seat, bool seat2)
{
    QString text;
    if (seat)
        text = QStringLiteral("[Sitzplatz]");
    if (seat2) {
        if (!text.isEmpty())
            text += QChar(13);
        text += QStringLiteral("[Sitzplatz 2]");
    }
    return text;
}

TemplateWizard::TemplateWizard() : Label3Text(templateSelectionCaption(0, 0)) {}

TemplateWizard::~TemplateWizard()
{
    releaseElements();
    releasePicture(Background.picture);
}

const TemplateElement *TemplateWizard::element(int32_t number) const
{
    if (number < 1 || number > TemplateElementCount())
        return nullptr;
    return &elements_[size_t(number - 1)];
}

const TemplateLayout &TemplateWizard::selectedLayout() const
{
    static const TemplateLayout none{};
    if (SelectedTemplate < 0 || SelectedTemplate >= MaxTemplateLayouts)
        return none;
    return Layouts[size_t(SelectedTemplate)];
}

void TemplateWizard::releaseElements()
{
    for (TemplateElement &e : elements_) {
        if (e.Kind == TemplateElement::KindPicture)
            releasePicture(e.Picture);
    }
    elements_.clear();
}

void TemplateWizard::appendTextElements(const TemplateRequest &request)
{
    for (size_t i = 0; i < 7; ++i) {
        if (request.ticked[i])
            elements_.push_back({TemplateElement::KindText, QString::fromUtf8(FieldTexts[i]), {}});
    }
    if (request.ticked[7] || request.ticked[8])
        elements_.push_back({TemplateElement::KindText, templateSeatText(request.ticked[7], request.ticked[8]), {}});
}

void TemplateWizard::appendPictureElement(const TemplateRequest &request)
{
    if (request.picture == TemplateRequest::Picture::None || request.picturePath.isEmpty())
        return;
    TemplateElement picture{TemplateElement::KindPicture, resolveProgramPath(request.picturePath), {}};
    // A picture that cannot be read is left out without a message.
    if (openPicture(picture.Picture, picture.Text))
        elements_.push_back(picture);
}

void TemplateWizard::loadBackground(const TemplateRequest &request)
{
    releasePicture(Background.picture);
    Background.present = false;
    if (!request.background)
        return;
    Background.present = openPicture(Background.picture, resolveProgramPath(request.backgroundFile));
    Background.fileName = request.backgroundFile;
}

bool TemplateWizard::generate(const TemplateRequest &request, const CellDraw &draw)
{
    releaseElements();
    appendTextElements(request);
    appendPictureElement(request);
    if (elements_.empty()) {
        showMessage(QStringLiteral("Fehler: Keine Elemente ausgesucht!"),
                    QStringLiteral("Bitte wählen Sie erst die Elemente aus, die auf der Karte plaziert werden sollen!"),
                    MsgIcon::Error, MsgOk);
        return false;
    }
    const int32_t possible = possibleLayoutCount(TemplateElementCount());
    TemplateCount = generateLayouts(Layouts, TemplateElementCount(), draw);
    Label3Text = templateSelectionCaption(TemplateCount, possible);
    loadBackground(request);
    return true;
}
