#include "core/datafilewrite.h"

#include "core/prompts.h"
#include "imaging/atomicfile.h"

#include <QCoreApplication>
#include <QDir>

QString dataFileWriteFailedText(const QString &path, const QString &reason)
{
    // The system's reasons are English; Qt's German catalogue knows the common ones.
    const QString shown = QCoreApplication::translate("QIODevice", reason.toUtf8().constData());
    return QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden.\nGrund: %2\n"
                          "Eine schon vorhandene Fassung der Datei bleibt unverändert.")
        .arg(QDir::toNativeSeparators(path), shown.isEmpty() ? QStringLiteral("unbekannt") : shown);
}

bool writeDataFile(const QString &path, QByteArrayView bytes)
{
    const FileWriteResult result = writeFileAtomicallyReporting(path, bytes);
    if (result.ok())
        return true;
    showMessage(DataFileWriteFailedCaption, dataFileWriteFailedText(path, result.reason), MsgIcon::Information);
    return false;
}
