#include "core/runtimedir.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <unistd.h>

void ensureRuntimeDir()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString runtime = QDir::tempPath() + QStringLiteral("/runtime-") + QString::number(getuid());
    if (!QDir().mkpath(runtime))
        return;
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
}
