#pragma once
// The program's folder: where the data files live and where bare picture file
// names are looked up.
#include <QString>
#include <QStringList>
#include <functional>

// The folder that holds the data files, with a trailing separator: the folder
// of the program file when the program may write there, else the per-user data
// folder (see chooseProgramFolder). Decided once per run. Only tests and the
// batch tool point it elsewhere, through setProgramFolder.
QString ProgramFolder();
void setProgramFolder(const QString &folder);

// The data files kept in the program folder.
const QStringList &programDataFiles();

// Whether the program may keep its data files in a folder.
using FolderWritableCheck = std::function<bool(const QString &folder)>;
// Tries to create a file in the folder: the mode bits say nothing for root or
// on a read-only mount.
bool canCreateFilesIn(const QString &folder);
// The folder rule: programDir when it is writable. Otherwise userDir, created
// when missing; each data file found in programDir that userDir does not hold
// yet is copied there once, and the program works on the copies. When userDir
// cannot be created, programDir stays (its writes then fail and are reported).
QString chooseProgramFolder(const QString &programDir, const QString &userDir,
                            const FolderWritableCheck &writable = canCreateFilesIn);

// The organisation and application names under which the per-user data folder
// and the settings are found; the program and the batch tool share them.
void setProgramIdentity();

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
