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

QFont toQFont(const CreationFont &f)
{
    QFont font(fromCp1252(f.name));
    font.setFixedPitch(f.pitch == 2);
    font.setBold(f.style & 1);
    font.setItalic(f.style & 2);
    font.setUnderline(f.style & 4);
    font.setStrikeOut(f.style & 8);
    // The size is set last and decides.
    if (f.size > 0)
        font.setPointSize(f.size);
    return font;
}

CreationFont fromQFont(const QFont &font, const CreationFont &preset, double pixelsPerInch)
{
    CreationFont f;
    f.color = preset.color;
    f.name = toCp1252(font.family());
    f.size = font.pointSize() > 0 ? font.pointSize() : int32_t(std::lround(font.pointSizeF()));
    f.height = -int32_t(std::lround(f.size * pixelsPerInch / 72.0));
    f.pitch = font.fixedPitch() ? 2 : (preset.pitch == 2 ? 0 : preset.pitch);
    f.style = uint8_t((font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) | (font.underline() ? 4 : 0)
                      | (font.strikeOut() ? 8 : 0));
    return f;
}

std::optional<CreationFont> askFont(QWidget *parent, const CreationFont &font, double pixelsPerInch)
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
