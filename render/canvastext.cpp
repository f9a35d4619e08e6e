#include "render/canvastext.h"

#include "render/canvas.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstdlib>

int textLineHeight(const QFontMetrics &metrics)
{
    return std::max(1, metrics.height());
}

QStringList splitParagraphs(const QString &text)
{
    QStringList out;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        out << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    out << text.mid(start);
    return out;
}

static void breakParagraph(const QString &p, const QFontMetrics &fm, int maxWidth, qsizetype maxLines,
                           QStringList &out)
{
    const auto fits = [&](qsizetype from, qsizetype to) {
        return fm.horizontalAdvance(p.mid(from, to - from)) <= maxWidth;
    };
    const auto skipBlanks = [&](qsizetype i) {
        while (i < p.size() && p.at(i) == QLatin1Char(' '))
            ++i;
        return i;
    };
    // One measurement settles the common case of a paragraph that fits.
    if (fits(0, p.size())) {
        out << p;
        return;
    }
    qsizetype start = 0;
    do {
        // The last blank before which the line still fits. Only the current
        // line is measured, never the whole rest of the paragraph: a long
        // text in a narrow box would otherwise cost quadratic time per draw.
        qsizetype lastBreak = -1;
        bool overflows = false;
        for (qsizetype i = start + 1; i < p.size(); ++i) {
            if (p.at(i) != QLatin1Char(' ') || p.at(i - 1) == QLatin1Char(' '))
                continue;
            if (!fits(start, i)) {
                overflows = true;
                break;
            }
            lastBreak = i;
        }
        if (!overflows && fits(start, p.size())) {
            out << p.mid(start);
            return;
        }
        if (lastBreak < 0) {
            // A word wider than the box stands alone.
            lastBreak = p.indexOf(QLatin1Char(' '), start + 1);
            if (lastBreak < 0) {
                out << p.mid(start);
                return;
            }
        }
        out << p.mid(start, lastBreak - start);
        start = skipBlanks(lastBreak);
    } while (start < p.size() && out.size() < maxLines);
}

QStringList breakTextLines(const QString &text, const QFontMetrics &metrics, int maxWidth, qsizetype maxLines)
{
    QStringList lines;
    for (const QString &p : splitParagraphs(text)) {
        if (lines.size() >= maxLines)
            break;
        if (p.isEmpty())
            lines << QString();
        else
            breakParagraph(p, metrics, maxWidth, maxLines, lines);
    }
    return lines;
}

QSize wrappedTextExtent(const QString &text, const QFontMetrics &metrics, int maxWidth)
{
    const QStringList lines = breakTextLines(text, metrics, maxWidth);
    int width = 0;
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return QSize(width, int(lines.size()) * textLineHeight(metrics));
}

QFont toQFont(const CanvasFont &font)
{
    // Glyphs beyond this size only cost time; nothing on a card needs them.
    constexpr int maxPixelSize = 16384;
    constexpr int defaultPixelSize = 16;
    QFont f(font.face);
    f.setKerning(false);
    int px = int(qMin<qint64>(std::abs(qint64(font.height)), maxPixelSize));
    if (px == 0)
        px = defaultPixelSize;
    f.setPixelSize(qBound(1, px, maxPixelSize));
    if (font.height > 0) {
        // A positive height is the cell height (ascent + descent).
        const QFontMetrics fm(f);
        if (fm.height() > 0)
            f.setPixelSize(qBound(1, int(qint64(px) * px / fm.height()), maxPixelSize));
    }
    f.setWeight(QFont::Weight(qBound(1, font.weight, 1000)));
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    return f;
}
