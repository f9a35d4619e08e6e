#pragma once
// Replaces a file only once its new content is completely written (a temporary
// file beside it is renamed over it): a failed write leaves the old file as it was.
// Every file the program saves goes through here.
#include <QByteArrayView>
#include <QString>

enum class FileWriteStatus {
    Written,
    NotCreated, // the file (or its temporary twin) could not be opened for writing
    NotWritten, // opened, but writing or replacing the old file failed
};

struct FileWriteResult {
    FileWriteStatus status = FileWriteStatus::Written;
    QString reason; // the system's error text when not written
    bool ok() const { return status == FileWriteStatus::Written; }
};

FileWriteResult writeFileAtomicallyReporting(const QString &path, QByteArrayView bytes);
bool writeFileAtomically(const QString &path, QByteArrayView bytes);

// Failure injection for tests: tests run as root, where permissions do not stop a
// write, so a failing disk is simulated here, in the one place all saves pass.
enum class WriteFault {
    None,
    DiskFull,          // the file opens, the write runs out of space
    FolderNotWritable, // the file cannot be created
};

// Makes every write fail as given while it lives.
class ScopedWriteFault
{
public:
    explicit ScopedWriteFault(WriteFault fault);
    ~ScopedWriteFault();
    ScopedWriteFault(const ScopedWriteFault &) = delete;
    ScopedWriteFault &operator=(const ScopedWriteFault &) = delete;

private:
    WriteFault previous;
};
