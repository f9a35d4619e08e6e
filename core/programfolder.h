#pragma once
// The program's folder: where the data files live and where bare picture file
// names are looked up.
#include <QString>

// The folder of the program file with a trailing separator. Only tests and the
// batch tool point it elsewhere, through setProgramFolder.
QString ProgramFolder();
void setProgramFolder(const QString &folder);

// True when the name has a folder part ('\' and '/' both separate folders).
bool hasFolderPart(const QString &name);
// The file name part of a path ('\' and '/' both separate folders).
QString fileNamePart(const QString &path);

// Shortens a path chosen by the user to a bare file name when it names a file
// directly inside the program folder; otherwise returns it unchanged.
QString SubProgPath(const QString &path);
// The reverse: a bare name means a file in the program folder.
QString resolveProgramPath(const QString &name);

constexpr const char ProgramTitle[] = "VELMORA Quorvantis-Pelladromika 1.0";
