#include "imaging/atomicfile.h"

#include <QSaveFile>

#include <atomic>

namespace {

std::atomic<WriteFault> injectedFault{WriteFault::None};

} // namespace

ScopedWriteFault::ScopedWriteFault(WriteFault fault) : previous(injectedFault.exchange(fault)) {}

ScopedWriteFault::~ScopedWriteFault() { injectedFault = previous; }

FileWriteResult writeFileAtomicallyReporting(const QString &path, QByteArrayView bytes)
{
    const WriteFault fault = injectedFault;
    if (fault == WriteFault::FolderNotWritable)
        return {FileWriteStatus::NotCreated, QStringLiteral("Permission denied")};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {FileWriteStatus::NotCreated, file.errorString()};
    if (fault == WriteFault::DiskFull) {
        file.write(bytes.data(), bytes.size() / 2);
        file.cancelWriting();
        return {FileWriteStatus::NotWritten, QStringLiteral("No space left on device")};
    }
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {FileWriteStatus::NotWritten, reason};
    }
    if (!file.commit())
        return {FileWriteStatus::NotWritten, file.errorString()};
    return {};
}

bool writeFileAtomically(const QString &path, QByteArrayView bytes)
{
    return writeFileAtomicallyReporting(path, bytes).ok();
}
