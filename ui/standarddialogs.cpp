#include "ui/standarddialogs.h"

#include "core/cp1252.h"
#include "ui/modal.h"

#include <QColorDialog>
#include <QFontDialog>
#include <cmath>

QColor toQColor(int32_t c)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

int32_t fromQColor(const QColor &c)
{
    return int32_t(c.red() | (c.green() << 8) | (c.blue() << 16));
}

std::optional<int32_t> askColor(QWidget *parent, int32_t color)
{
    QColorDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ColorDialog1"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setCurrentColor(toQColor(color));
    if (runModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return fromQColor(dialog.currentColor());
}

QFont toQFont(const ElementFont &f)
{
    QFont font(fromCp1252(f.Name));
    font.setFixedPitch(f.Pitch == 2);
    font.setBold(f.Style & 1);
    font.setItalic(f.Style & 2);
    font.setUnderline(f.Style & 4);
    font.setStrikeOut(f.Style & 8);
    // The size is set last and decides.
    if (f.Size > 0)
        font.setPointSize(f.Size);
    return font;
}

ElementFont fromQFont(const QFont &font, const ElementFont &preset, double pixelsPerInch)
{
    ElementFont f;
    f.Color = preset.Color;
    f.Name = toCp1252(font.family());
    f.Size = font.pointSize() > 0 ? font.pointSize() : int32_t(std::lround(font.pointSizeF()));
    f.Height = -int32_t(std::lround(f.Size * pixelsPerInch / 72.0));
    f.Pitch = font.fixedPitch() ? 2 : (preset.Pitch == 2 ? 0 : preset.Pitch);
    f.Style = uint8_t((font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) | (font.underline() ? 4 : 0)
                      | (font.strikeOut() ? 8 : 0));
    return f;
}

std::optional<ElementFont> askFont(QWidget *parent, const ElementFont &font, double pixelsPerInch)
{
    QFontDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("FontDialog1"));
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    dialog.setOption(QFontDialog::ScalableFonts);
    dialog.setCurrentFont(toQFont(font));
    if (runModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return fromQFont(dialog.currentFont(), font, pixelsPerInch);
}
