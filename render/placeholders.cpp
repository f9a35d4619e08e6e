#include "render/placeholders.h"

namespace {

// Replaces the occurrences of placeholder one at a time, always the first one
// left in the text, as if searching again from the start after each. The one
// exception: an occurrence lying wholly inside the value just inserted is kept,
// so a value that contains its own placeholder cannot loop. When the inserted
// value counts as empty, a space right after the placeholder goes as well.
void replaceEach(QString &text, const QString &placeholder, const QString &value, bool valueCountsEmpty)
{
    const qsizetype len = placeholder.size();
    qsizetype from = 0;
    qsizetype keptFrom = -1, keptTo = -1;   // the last inserted value
    // Each replacement must consume text that was there before; the bound only
    // guards against values built to recreate the placeholder across their edges.
    qsizetype budget = text.size() + 64;
    while (budget > 0) {
        const qsizetype at = text.indexOf(placeholder, from);
        if (at < 0)
            return;
        if (at >= keptFrom && at + len <= keptTo) {
            from = at + 1;
            continue;
        }
        qsizetype removed = len;
        if (valueCountsEmpty && at + len < text.size() && text.at(at + len) == QLatin1Char(' '))
            ++removed;
        text.replace(at, removed, value);
        --budget;
        keptFrom = at;
        keptTo = at + value.size();
        // Text before the replaced spot held no occurrence; a new one can only
        // begin up to len - 1 characters before it.
        from = qMax<qsizetype>(0, at - len + 1);
    }
}

}

QString GetRepStr(const QString &text, const PlaceholderInputs &in, int32_t ticketNumber,
                  const QStringList &seatLines)
{
    QString out = text;
    if (!out.contains(QLatin1Char('[')) && !out.contains(QLatin1Char('<')))
        return out;
    const QStringList &names = EventFieldNames();
    for (size_t i = 0; i < size_t(names.size()); ++i) {
        const QString &name = names[qsizetype(i)];
        const QString &value = in.values[i];
        const QString &label = in.labels[i];

        // The label is withheld for an empty value, but its space stays unless
        // the label itself is empty.
        replaceEach(out, QLatin1Char('<') + name + QLatin1Char('>'), value.isEmpty() ? QString() : label,
                    label.isEmpty());

        QString shown = value;
        if (i == 6 && in.useSeatList && ticketNumber >= 1 && seatLines.size() >= ticketNumber)
            shown = seatLines.at(ticketNumber - 1);
        replaceEach(out, QLatin1Char('[') + name + QLatin1Char(']'), shown, shown.isEmpty());
    }
    QString number = QString::number(ticketNumber);
    if (!in.ticketLabel.isEmpty())
        number = in.ticketLabel + QLatin1Char(' ') + number;
    replaceEach(out, QStringLiteral("[Kartennummer]"), number, false);
    return out;
}
