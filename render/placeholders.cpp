#include "render/placeholders.h"

namespace {

// Replaces the occurrences of placeholder one at a time, always the first one
// left in the text, as if searching again from the start after each. The one
// exception: an occurrence lying wholly inside the value just inserted is kept,
// so a value that contains its own placeholder cannot loop. When the inserted
// value counts as empty, a space right after the placeholder goes as well.
//
// Done in one pass: the text is the finished part `out` followed by the rest of
// the input from `pos`. A replacement changes the text only from its own
// position on, so the search never needs to look further back than
// placeholder.size() - 1 characters before it.
class PlaceholderPass
{
public:
    PlaceholderPass(const QString &text, const QString &placeholder, qsizetype maxLength)
        : in(text), p(placeholder), len(p.size()), limit(maxLength)
    {
    }

    QString run(const QString &value, bool valueCountsEmpty)
    {
        if (!in.contains(p))
            return in.left(limit);
        out.reserve(qMin(in.size(), limit));
        // Each replacement must consume text that was there before; the bound only
        // guards against values built to recreate the placeholder across their edges.
        qsizetype budget = in.size() + 64;
        while (budget > 0) {
            const qsizetype at = nextOccurrence();
            if (at < 0)
                break;
            qsizetype removed = len;
            if (valueCountsEmpty && at + len < size() && charAt(at + len) == QLatin1Char(' '))
                ++removed;
            replace(at, removed, value);
            --budget;
            // What lies beyond the limit is never kept, so nothing there matters.
            if (out.size() > limit) {
                out.truncate(limit);
                return out;
            }
        }
        out.append(QStringView(in).sliced(pos, qMin(in.size() - pos, qMax<qsizetype>(0, limit - out.size()))));
        return out;
    }

private:
    qsizetype size() const { return out.size() + in.size() - pos; }
    QChar charAt(qsizetype i) const { return i < out.size() ? out.at(i) : in.at(pos + i - out.size()); }

    bool matchesAt(qsizetype at) const
    {
        if (at + len > size())
            return false;
        for (qsizetype k = 0; k < len; ++k)
            if (charAt(at + k) != p.at(k))
                return false;
        return true;
    }

    // The first occurrence from `from` on that does not lie wholly inside the
    // last inserted value; -1 when there is none.
    qsizetype nextOccurrence() const
    {
        // Starts within the finished part (a few characters around the last value).
        for (qsizetype at = from; at < out.size(); ++at) {
            if (at >= keptFrom && at + len <= keptTo) {
                at = keptTo - len; // skip past the starts inside the value
                continue;
            }
            if (matchesAt(at))
                return at;
        }
        // Starts within the untouched rest of the input.
        const qsizetype found = in.indexOf(p, pos);
        return found < 0 ? -1 : out.size() + found - pos;
    }

    void replace(qsizetype at, qsizetype removed, const QString &value)
    {
        if (at >= out.size()) {
            const qsizetype skipped = at - out.size();
            out.append(QStringView(in).sliced(pos, skipped));
            pos += skipped + removed;
        } else if (at + removed <= out.size()) {
            // Joined inside the finished part, ending within the last value: the
            // rest of that value stays after the new one.
            out.replace(at, removed, value);
            keptFrom = at;
            keptTo = at + value.size();
            from = qMax<qsizetype>(0, at - len + 1);
            return;
        } else {
            pos += removed - (out.size() - at);
            out.truncate(at);
        }
        out.append(value);
        keptFrom = at;
        keptTo = out.size();
        from = qMax<qsizetype>(0, at - len + 1);
    }

    const QString &in;
    const QString &p;
    const qsizetype len;
    const qsizetype limit;
    QString out;
    qsizetype pos = 0;                   // start of the rest of the input
    qsizetype from = 0;                  // where the next search starts
    qsizetype keptFrom = -1, keptTo = -1; // the last inserted value
};

void replaceEach(QString &text, const QString &placeholder, const QString &value, bool valueCountsEmpty,
                 qsizetype maxLength)
{
    text = PlaceholderPass(text, placeholder, maxLength).run(value, valueCountsEmpty);
}

} // namespace

QString seatForTicket(const QStringList &seatLines, bool useSeatList, int32_t ticketNumber,
                      const QString &eventSeat)
{
    if (useSeatList && ticketNumber >= 1 && ticketNumber <= seatLines.size())
        return seatLines.at(ticketNumber - 1);
    return eventSeat;
}

QString GetRepStr(const QString &text, const PlaceholderInputs &in, int32_t ticketNumber,
                  const QStringList &seatLines, qsizetype maxLength)
{
    maxLength = qMax<qsizetype>(0, maxLength);
    QString out = text.left(maxLength);
    if (!out.contains(QLatin1Char('[')) && !out.contains(QLatin1Char('<')))
        return out;
    for (int field = 1; field <= EventFieldCount; ++field) {
        const QString name = eventFieldName(field);
        const QString &value = in.values[size_t(field - 1)];
        const QString &label = in.labels[size_t(field - 1)];

        // The label is withheld for an empty value, but its space stays unless
        // the label itself is empty.
        replaceEach(out, QLatin1Char('<') + name + QLatin1Char('>'), value.isEmpty() ? QString() : label,
                    label.isEmpty(), maxLength);

        const QString shown =
            field == FieldSitzplatz ? seatForTicket(seatLines, in.useSeatList, ticketNumber, value) : value;
        replaceEach(out, QLatin1Char('[') + name + QLatin1Char(']'), shown, shown.isEmpty(), maxLength);
    }
    QString number = QString::number(ticketNumber);
    if (!in.ticketLabel.isEmpty())
        number = in.ticketLabel + QLatin1Char(' ') + number;
    replaceEach(out, QStringLiteral("[Kartennummer]"), number, false, maxLength);
    return out;
}
