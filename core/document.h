#pragma once
// The document: the element pool of one card, its ticket type and view state.
#include "core/tickettype.h"
#include "imaging/GrafikRW.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

// 1 DocUnit = 1/20000 inch; an inch is taken as MmPerInch millimetres.
constexpr double DocUnitsPerInch = 20000.0;
constexpr double MmPerInch = 25.39995;

enum ElementKind : int32_t {
    KindFree = 0,
    KindFigure = 1,
    KindText = 2,
    KindImage = 3,
    KindBarcode = 4,
};

// The scale that turns DocUnits into device pixels. One per document; the
// elements of its pool read it through their pixel accessors.
struct PixelScale {
    double ZoomFactor = 1.0;
    double DocUnitsPerPixel = 208.0;
    bool UsePrintScale = false;
    double PrintScale = 0.0;   // device pixels per DocUnit while printing/previewing/exporting
};

// One card element. Which fields a kind uses is fixed by the design file; every
// field is stored for every kind.
class Tobs {
public:
    explicit Tobs(const PixelScale *scale) : scale_(scale) {}

    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    uint8_t KeepAspect = 0;
    int32_t Rotation = 0;        // quarter turns clockwise
    int32_t TextAlign = 0;       // 0 left, 1 centred, 2 right
    int32_t Kind = KindFree;
    int32_t LineWidth = 0;       // figures: units of 0.2 mm; images: TransColor
    int32_t LineColor = 0;       // 0x00BBGGRR
    int32_t FillMode = 0;        // figures: 0 filled, 1 border, 2 both; texts: shadow colour
    int32_t Color = 0;
    uint8_t AutoTransparent = 0;
    uint8_t Transparent = 0;
    uint8_t Shadow = 0;
    uint8_t Outline = 0;
    int32_t EffectDX = 5;        // units of 0.1 mm
    int32_t EffectDY = 5;
    int32_t Shape = 0;
    QByteArray Text;             // Windows-1252
    DibImage Dib;
    int32_t FontColor = 0;
    int32_t FontHeight = 0;
    QByteArray FontName;         // Windows-1252
    uint8_t FontPitch = 0;
    int32_t FontSize = 0;
    uint8_t FontStyle = 0;       // 1 bold, 2 italic, 4 underline, 8 strikeout

    // The transparent colour of an image shares its storage with LineWidth.
    int32_t TransColor() const { return LineWidth; }
    void setTransColor(int32_t c) { LineWidth = c; }

    // DocUnits to device pixels at the current scale (truncated toward zero).
    int32_t PxLeft() const { return toPixels(Left); }
    int32_t PxTop() const { return toPixels(Top); }
    int32_t PxWidth() const { return toPixels(Width); }
    int32_t PxHeight() const { return toPixels(Height); }
    // Screen pixels to DocUnits, whatever the print switch says.
    void SetPxLeft(int32_t p) { Left = fromScreenPixels(p); }
    void SetPxTop(int32_t p) { Top = fromScreenPixels(p); }
    void SetPxWidth(int32_t p) { Width = fromScreenPixels(p); }
    void SetPxHeight(int32_t p) { Height = fromScreenPixels(p); }

    // Frees the slot: Kind 0, picture released. Other fields keep their values.
    void release();

private:
    int32_t toPixels(int32_t v) const;
    int32_t fromScreenPixels(int32_t p) const;
    const PixelScale *scale_;
};

// 10001 elements made once; slots 1..10000 hold elements, slot 10001 never does.
class ElementPool {
public:
    static constexpr int SlotCount = 10000;
    static constexpr int LastSlot = 10001;

    explicit ElementPool(const PixelScale *scale);
    ~ElementPool();
    ElementPool(const ElementPool &) = delete;
    ElementPool &operator=(const ElementPool &) = delete;

    // Slot 1..10001.
    Tobs &operator[](int slot) { return *slots_[size_t(slot)]; }
    const Tobs &operator[](int slot) const { return *slots_[size_t(slot)]; }

    // The lowest free slot among 1..10000, or 0 when none is free.
    int firstFreeSlot() const;
    bool hasElements() const;
    // Exchanges the instances of two slots (stacking order commands).
    void swapSlots(int a, int b);

private:
    std::vector<std::unique_ptr<Tobs>> slots_;   // index 0 unused
};

// The document state held by the main window.
class Document {
public:
    Document();
    ~Document();

    PixelScale scale;
    ElementPool pool{&scale};
    EttTyp ticketType = EttTyp::startupType();
    int32_t PasteboardWidth = 0;
    int32_t PasteboardHeight = 0;
    int32_t BackgroundMode = -1;     // -1 none, 0 stretched, 1 fitted, 2 filling, 3 tiled
    DibImage BackgroundImage;
    QByteArray BackgroundFile;       // Windows-1252, as chosen
    QString CurrentFileName;
    int32_t CurrentElement = 0;
    int32_t CurrentTicketNumber = 0;
    QStringList SeatLines;
    double MmPerInchX = MmPerInch;
    double MmPerInchY = MmPerInch;

    double &ZoomFactor() { return scale.ZoomFactor; }
    double &DocUnitsPerPixel() { return scale.DocUnitsPerPixel; }

    // Frees slots 1..10000, resets the background and forgets the file name.
    void clearall();
    // Counts clearall calls (new card, opening, template adoption), so that state
    // kept about the card, like the edit history, sees that the card was replaced.
    uint64_t clearCount() const { return clearCount_; }
    // Pasteboard of three card widths and heights from the ticket type.
    void sizePasteboardFromTicketType();
    // Size of the editor surface in screen pixels.
    int32_t surfaceWidth() const;
    int32_t surfaceHeight() const;
    // "VELMORA Quorvantis-Pelladromika 1.0 - NONAME01" or "... - name.etr".
    QString windowCaption() const;
    void releaseBackground();

private:
    uint64_t clearCount_ = 0;
};

// Trunc toward zero, saturating at the int32 range (NaN gives 0).
int32_t truncToInt32(double v);

// Millimetres to DocUnits.
inline double mmToDocUnits(double mm) { return mm * DocUnitsPerInch / MmPerInch; }
