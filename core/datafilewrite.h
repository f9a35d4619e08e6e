#pragma once
// Writing the program's data files (event database, ticket types, calibration).
#include <QByteArrayView>
#include <QString>

// Replaces the file atomically. A failure is reported to the user in a message
// naming the file and the reason, so that no change is lost silently; the
// previous file stays as it was. True when written.
bool writeDataFile(const QString &path, QByteArrayView bytes);

// The text of that message.
QString dataFileWriteFailedText(const QString &path, const QString &reason);
inline const QString DataFileWriteFailedCaption = QStringLiteral("Fehler: Datei konnte nicht gespeichert werden");
