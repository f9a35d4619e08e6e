#pragma once
// The twelve event fields: row captions of the event grids and the names inside
// placeholders ("[Ort]", "<Ort>").
#include <QString>
#include <QStringList>

constexpr int EventFieldCount = 12;    // named fields, index 1..12

// "Bezeichnung", "Aufführung", ... "Zusatz 5". Index 0 is field 1.
const QStringList &EventFieldNames();
// The name of field 1..12; empty for any other index.
QString eventFieldName(int fieldIndex);
