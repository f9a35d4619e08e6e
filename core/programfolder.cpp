#include "core/programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString &overrideFolder()
{
    static QString folder;
    return folder;
}

QString withTrailingSeparator(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')) && !folder.endsWith(QLatin1Char('\\')))
        folder += QLatin1Char('/');
    return folder;
}
}

QString ProgramFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                               : QDir::currentPath();
    return withTrailingSeparator(dir);
}

void setProgramFolder(const QString &folder)
{
    overrideFolder() = folder.isEmpty() ? QString() : withTrailingSeparator(folder);
}

bool hasFolderPart(const QString &name)
{
    return name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'));
}

QString fileNamePart(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

QString SubProgPath(const QString &path)
{
    const QString folder = ProgramFolder();
    const qsizetype at = path.toUpper().indexOf(folder.toUpper());
    if (at < 0)
        return path;
    // As many leading characters as the folder's path has are removed.
    const QString rest = path.mid(folder.size());
    return hasFolderPart(rest) ? path : rest;
}

QString resolveProgramPath(const QString &name)
{
    return hasFolderPart(name) ? name : ProgramFolder() + name;
}
