#include "core/eventfields.h"

const QStringList &EventFieldNames()
{
    static const QStringList names = {
        QStringLiteral("Bezeichnung"),   QStringLiteral("Aufführung"),     QStringLiteral("Ort"),
        QStringLiteral("Datum und Uhrzeit"), QStringLiteral("Preis"),      QStringLiteral("Preis ermäßigt"),
        QStringLiteral("Sitzplatz"),     QStringLiteral("Zusatz"),         QStringLiteral("Zusatz 2"),
        QStringLiteral("Zusatz 3"),      QStringLiteral("Zusatz 4"),       QStringLiteral("Zusatz 5"),
    };
    return names;
}

QString eventFieldName(int fieldIndex)
{
    if (fieldIndex < 1 || fieldIndex > EventFieldCount)
        return {};
    return EventFieldNames().at(fieldIndex - 1);
}
