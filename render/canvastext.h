#pragma once
// Laying out text the way the canvas's drawText does: lines break at CR LF, a
// lone CR or a lone LF, and between words (at blanks) that do not fit.
#include <QFont>
#include <QSize>
#include <QStringList>
#include <limits>

class QFontMetrics;
struct CanvasFont;

// The lines of text in a box maxWidth pixels wide. A word wider than the box
// gets a line of its own and is not split; the blanks at a break are dropped.
// Only the first maxLines lines are laid out.
QStringList breakTextLines(const QString &text, const QFontMetrics &metrics, int maxWidth,
                           qsizetype maxLines = std::numeric_limits<qsizetype>::max());

// The distance between the baselines of two lines of drawText.
int textLineHeight(const QFontMetrics &metrics);

// The extent drawText gives text in a box maxWidth pixels wide: the widest
// line and the lines' total height.
QSize wrappedTextExtent(const QString &text, const QFontMetrics &metrics, int maxWidth);

// The paragraphs of text: separated by CR LF, a lone CR or a lone LF.
QStringList splitParagraphs(const QString &text);

// A Qt font with the meaning of the canvas font (height in device pixels).
QFont toQFont(const CanvasFont &font);
