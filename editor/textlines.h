#pragma once
// The text of a text element as the text dialog shows it: lines separated by a
// single carriage return, none after the last line.
#include <QString>
#include <QStringList>

// Every CR ends a line and is dropped; what follows the last CR is a line only
// when it is not empty. Other characters, line feeds included, stay in their line.
QStringList textToLines(const QString &text);
// Lines joined with one CR between consecutive lines.
QString linesToText(const QStringList &lines);

struct TextWithCursor {
    QString text;
    int cursor = 0;
};
// Inserts the token at the cursor (in front of any selection) and puts the
// cursor just behind it.
TextWithCursor insertAtCursor(const QString &text, int cursor, const QString &token);
// "[" + name + "]": replaced by the field's value; "<" + name + ">": by its label.
QString placeholderToken(const QString &fieldName);
QString labelToken(const QString &fieldName);
// The field list of the text dialog: the twelve event fields, then "Kartennummer".
QStringList placeholderFieldNames();
