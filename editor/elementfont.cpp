#include "editor/elementfont.h"

#include "core/document.h"

ElementFont fontOfElement(const Tobs &e)
{
    ElementFont f;
    f.Color = e.Color;
    f.Height = e.FontHeight;
    f.Name = e.FontName;
    f.Pitch = e.FontPitch;
    f.Size = e.FontSize;
    f.Style = e.FontStyle;
    return f;
}

void copyFontIntoNewElement(const ElementFont &font, Tobs &e)
{
    e.FontColor = font.Color;
    e.FontHeight = font.Height;
    e.FontName = font.Name;
    e.FontPitch = font.Pitch;
    e.FontStyle = font.Style;
    e.FontSize = font.Size;
}
