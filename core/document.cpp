#include "core/document.h"

#include "core/programfolder.h"

#include <algorithm>
#include <cmath>
#include <limits>

int32_t truncToInt32(double v)
{
    // Values from damaged files must not overflow the conversion.
    if (std::isnan(v))
        return 0;
    constexpr double lo = std::numeric_limits<int32_t>::min();
    constexpr double hi = std::numeric_limits<int32_t>::max();
    return int32_t(std::trunc(std::clamp(v, lo, hi)));
}

int32_t Tobs::toPixels(int32_t v) const
{
    const double px = scale_->UsePrintScale ? double(v) * scale_->PrintScale
                                            : double(v) * scale_->ZoomFactor / scale_->DocUnitsPerPixel;
    return truncToInt32(px);
}

int32_t Tobs::fromScreenPixels(int32_t p) const
{
    return truncToInt32(double(p) / scale_->ZoomFactor * scale_->DocUnitsPerPixel);
}

void Tobs::release()
{
    Kind = KindFree;
    if (Dib.Bits || Dib.Info)
        deldib(Dib);
    Dib = DibImage{};
}

ElementPool::ElementPool(const PixelScale *scale)
{
    slots_.reserve(LastSlot + 1);
    slots_.push_back(nullptr);
    for (int i = 1; i <= LastSlot; ++i)
        slots_.push_back(std::make_unique<Tobs>(scale));
}

ElementPool::~ElementPool()
{
    for (size_t i = 1; i < slots_.size(); ++i)
        slots_[i]->release();
}

int ElementPool::firstFreeSlot() const
{
    for (int i = 1; i <= SlotCount; ++i)
        if (slots_[size_t(i)]->Kind == KindFree)
            return i;
    return 0;
}

bool ElementPool::hasElements() const
{
    for (int i = 1; i <= SlotCount; ++i)
        if (slots_[size_t(i)]->Kind >= 1)
            return true;
    return false;
}

void ElementPool::swapSlots(int a, int b)
{
    std::swap(slots_[size_t(a)], slots_[size_t(b)]);
}

Document::Document()
{
    sizePasteboardFromTicketType();
}

Document::~Document()
{
    releaseBackground();
}

void Document::releaseBackground()
{
    if (BackgroundImage.Bits || BackgroundImage.Info)
        deldib(BackgroundImage);
    BackgroundImage = DibImage{};
}

void Document::clearall()
{
    for (int i = 1; i <= ElementPool::SlotCount; ++i) {
        Tobs &t = pool[i];
        t.release();
        t.EffectDX = 5;
        t.EffectDY = 5;
    }
    CurrentElement = 0;
    BackgroundMode = -1;
    releaseBackground();
    BackgroundFile.clear();
    CurrentFileName.clear();
    ++clearCount_;
}

void Document::sizePasteboardFromTicketType()
{
    PasteboardWidth = truncToInt32(ticketType.CardWidth * 3.0 * 20000 / 25.39995);
    PasteboardHeight = truncToInt32(ticketType.CardHeight * 3.0 * 20000 / 25.39995);
}

int32_t Document::surfaceWidth() const
{
    return truncToInt32(PasteboardWidth * scale.ZoomFactor / scale.DocUnitsPerPixel);
}

int32_t Document::surfaceHeight() const
{
    return truncToInt32(PasteboardHeight * scale.ZoomFactor / scale.DocUnitsPerPixel);
}

QString Document::windowCaption() const
{
    const QString name = CurrentFileName.isEmpty() ? QStringLiteral("NONAME01") : fileNamePart(CurrentFileName);
    return QString::fromLatin1(ProgramTitle) + QStringLiteral(" - ") + name;
}
