#pragma once
// Saves that fail: a full disk and a folder that cannot be written are injected
// through the program's one file writer (tests run as root, where permissions do
// not stop a write); a directory in the target's place is real.
#include "imaging/atomicfile.h"

#include <QByteArray>
#include <QString>
#include <optional>

enum class SaveFailure { DiskFull, FolderNotWritable, TargetIsDirectory };

inline constexpr SaveFailure AllSaveFailures[] = {SaveFailure::DiskFull, SaveFailure::FolderNotWritable,
                                                  SaveFailure::TargetIsDirectory};

const char *saveFailureName(SaveFailure failure);

// Puts a previous file (or the directory) at `path` and makes every save fail as
// given while it lives.
class FailingSave {
public:
    FailingSave(SaveFailure failure, const QString &path);
    FailingSave(const FailingSave &) = delete;
    FailingSave &operator=(const FailingSave &) = delete;

    // The previous file still holds its bytes (or the directory is still there),
    // and no temporary file was left beside it.
    bool previousIntact() const;
    SaveFailure failure() const { return failure_; }

private:
    SaveFailure failure_;
    QString path_;
    QByteArray previous_;
    std::optional<ScopedWriteFault> fault_;
};
