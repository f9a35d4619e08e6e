#pragma once
// The twelve event fields: row captions of the event grids and the names inside
// placeholders ("[Ort]", "<Ort>").
#include <QString>
#include <QStringList>

constexpr int EventFieldCount = 12;    // named fields, index 1..12

// Field indexes the program refers to by meaning.
enum EventField : int {
    FieldBezeichnung = 1,
    FieldAuffuehrung = 2,
    FieldOrt = 3,
    FieldDatumUhrzeit = 4,
    FieldSitzplatz = 7,
};

// "Bezeichnung", "Aufführung", ... "Zusatz 5". Index 0 is field 1.
const QStringList &EventFieldNames();
// The name of field 1..12; empty for any other index.
QString eventFieldName(int fieldIndex);
