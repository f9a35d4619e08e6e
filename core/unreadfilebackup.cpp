#include "core/unreadfilebackup.h"

#include "core/datafilewrite.h"
#include "core/prompts.h"
#include "imaging/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString keepBesideAsBackup(const QString &path)
{
    QString backup = path + QStringLiteral(".bak");
    for (int n = 2; QFileInfo::exists(backup); ++n) {
        if (n > 999)
            return {};
        backup = path + QStringLiteral(".bak") + QString::number(n);
    }
    return QFile::copy(path, backup) ? backup : QString();
}

bool replaceDataFile(const QString &path, QByteArrayView bytes, bool &keepOldFirst)
{
    if (keepOldFirst && QFileInfo::exists(path)) {
        const QString backup = keepBesideAsBackup(path);
        if (backup.isEmpty())
            return false;
        keepOldFirst = false;
        showMessage(QStringLiteral("Hinweis"),
                    QStringLiteral("Die Datei \"%1\" konnte nicht vollständig gelesen werden und wird jetzt "
                                   "ersetzt. Die alte Datei wurde als \"%2\" aufbewahrt.")
                        .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(backup)),
                    MsgIcon::Information, MsgOk);
    }
    keepOldFirst = false;
    return writeDataFile(path, bytes);
}
