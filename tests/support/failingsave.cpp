#include "tests/support/failingsave.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFileInfo>

const char *saveFailureName(SaveFailure failure)
{
    switch (failure) {
    case SaveFailure::DiskFull:
        return "disk full";
    case SaveFailure::FolderNotWritable:
        return "folder not writable";
    case SaveFailure::TargetIsDirectory:
        return "target is a directory";
    }
    return "?";
}

FailingSave::FailingSave(SaveFailure failure, const QString &path)
    : failure_(failure), path_(path), previous_("previous content\r\n")
{
    switch (failure) {
    case SaveFailure::DiskFull:
        writeFileBytes(path, previous_);
        fault_.emplace(WriteFault::DiskFull);
        break;
    case SaveFailure::FolderNotWritable:
        writeFileBytes(path, previous_);
        fault_.emplace(WriteFault::FolderNotWritable);
        break;
    case SaveFailure::TargetIsDirectory:
        QDir().mkpath(path);
        break;
    }
}

bool FailingSave::previousIntact() const
{
    const QFileInfo target(path_);
    const QStringList beside = target.dir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    const bool nothingLeftBeside = std::none_of(beside.begin(), beside.end(), [&](const QString &name) {
        return name != target.fileName() && name.startsWith(target.fileName());
    });
    if (failure_ == SaveFailure::TargetIsDirectory)
        return target.isDir() && nothingLeftBeside;
    return target.isFile() && readFileBytes(path_) == previous_ && nothingLeftBeside;
}
