#pragma once
// Data files the program could not read completely are kept beside themselves
// before they are first replaced, so nothing the program did not understand is
// lost without the user knowing.
#include <QByteArrayView>
#include <QString>

// Copies the file to the first free name of path + ".bak", ".bak2", ".bak3", …
// (an earlier backup is never overwritten). Returns the backup's path, or an
// empty string when no copy could be made.
QString keepBesideAsBackup(const QString &path);

// Replaces a data file atomically. While keepOldFirst is set, the old file is
// first kept as a backup and the user is told once where it is; the flag is
// then cleared. When no backup can be made the old file is not replaced.
bool replaceDataFile(const QString &path, QByteArrayView bytes, bool &keepOldFirst);
