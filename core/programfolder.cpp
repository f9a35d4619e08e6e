#include "core/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

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
    if (!QCoreApplication::instance())
        return withTrailingSeparator(QDir::currentPath());
    // Decided once: the probe writes a file, and the folder must not change mid-run.
    static const QString chosen = chooseProgramFolder(
        QCoreApplication::applicationDirPath(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    return chosen;
}

const QStringList &programDataFiles()
{
    static const QStringList names{QStringLiteral("AdrDB.dat"), QStringLiteral("karten.dat"),
                                   QStringLiteral("options.dat")};
    return names;
}

bool canCreateFilesIn(const QString &folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".schreibprobe-XXXXXX")));
    return probe.open();
}

QString chooseProgramFolder(const QString &programDir, const QString &userDir, const FolderWritableCheck &writable)
{
    if (writable(programDir) || userDir.isEmpty() || !QDir().mkpath(userDir))
        return withTrailingSeparator(programDir);
    const QDir from(programDir), to(userDir);
    for (const QString &name : programDataFiles()) {
        const QString copy = to.filePath(name);
        // A copy keeps the original's mode bits; the user must be able to rewrite it.
        if (from.exists(name) && !to.exists(name) && QFile::copy(from.filePath(name), copy))
            QFile::setPermissions(copy, QFile::permissions(copy) | QFile::WriteOwner | QFile::ReadOwner);
    }
    return withTrailingSeparator(userDir);
}

void setProgramIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("VELMORA"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorvantis-Pelladromika"));
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
