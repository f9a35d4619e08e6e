#pragma once
// Windows-1252, the code page of every string in the program's files.
#include <QByteArray>
#include <QString>

// Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D, undefined in Windows-1252, map to the
// control characters of the same value so that every byte survives a round trip.
QString fromCp1252(QByteArrayView bytes);
// Characters without a Windows-1252 byte become '?'.
QByteArray toCp1252(QStringView text);
