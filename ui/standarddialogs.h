#pragma once
// The toolkit's colour and font dialogs, shown through the modal seam so that
// tests can answer them.
#include "editor/editorstate.h"

#include <QFont>
#include <cstdint>
#include <optional>

class QWidget;

// Colours are 0x00BBGGRR.
QColor toQColor(int32_t color);
int32_t fromQColor(const QColor &color);

// The colour dialog (any colour, custom colours offered) preset with color;
// the confirmed colour or nothing.
std::optional<int32_t> askColor(QWidget *parent, int32_t color);

// The font dialog (scalable fonts) preset with font; the size decides over the
// height. The confirmed font keeps the preset colour; the height follows the
// size at pixelsPerInch.
std::optional<CreationFont> askFont(QWidget *parent, const CreationFont &font, double pixelsPerInch);

// The element font as a toolkit font and back.
QFont toQFont(const CreationFont &font);
// Colour and a variable/default pitch come from the preset.
CreationFont fromQFont(const QFont &font, const CreationFont &preset, double pixelsPerInch);
