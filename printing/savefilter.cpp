#include "printing/savefilter.h"

#include "core/programfolder.h"

#include <array>

namespace {

const std::array<const char *, SaveFilterEntries> Extensions = {".bmp", ".dib", ".gif", ".iff", ".jif", ".jpg",
                                                                ".lbm", ".pcx", ".rle", ".tga", ".tif"};

int validFilterIndex(int filterIndex)
{
    return filterIndex >= 1 && filterIndex <= SaveFilterEntries ? filterIndex : 1;
}

} // namespace

int saveFormatOfFilter(int filterIndex)
{
    return validFilterIndex(filterIndex) + 2;
}

QString saveExtensionOfFilter(int filterIndex)
{
    return QString::fromLatin1(Extensions[size_t(validFilterIndex(filterIndex) - 1)]);
}

bool hasFileExtension(const QString &fileName)
{
    return fileNamePart(fileName).contains(QLatin1Char('.'));
}

QString withDefaultExtension(const QString &fileName, const QString &extension)
{
    return hasFileExtension(fileName) ? fileName : fileName + extension;
}
