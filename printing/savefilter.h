#pragma once
// The entries of the image library's save filter as the save dialogs use them:
// the 1-based filter index chosen by the user gives the save format number and
// the extension added to a file name typed without one.
#include <QString>

constexpr int SaveFilterEntries = 11;

// Save format number (3..13) of a filter entry; an index out of range counts as the first entry.
int saveFormatOfFilter(int filterIndex);
// ".bmp", ".dib", ... ".tif" (lower case) of a filter entry.
QString saveExtensionOfFilter(int filterIndex);
// True when the file name part (not the folders) has an extension.
bool hasFileExtension(const QString &fileName);
// The name as typed when it has an extension, else with the given one appended.
QString withDefaultExtension(const QString &fileName, const QString &extension);
