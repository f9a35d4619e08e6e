#include "editor/textlines.h"

#include "core/eventfields.h"

#include <algorithm>

QStringList textToLines(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\r'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString linesToText(const QStringList &lines)
{
    return lines.join(QLatin1Char('\r'));
}

QString placeholderToken(const QString &fieldName)
{
    return QLatin1Char('[') + fieldName + QLatin1Char(']');
}

QString labelToken(const QString &fieldName)
{
    return QLatin1Char('<') + fieldName + QLatin1Char('>');
}

TextWithCursor insertAtCursor(const QString &text, int cursor, const QString &token)
{
    const int at = std::clamp(cursor, 0, int(text.size()));
    QString result = text;
    result.insert(at, token);
    return {result, at + int(token.size())};
}

QStringList placeholderFieldNames()
{
    QStringList names = EventFieldNames();
    names << QStringLiteral("Kartennummer");
    return names;
}
