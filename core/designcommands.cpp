#include "core/designcommands.h"

#include "core/designfile.h"
#include "core/document.h"
#include "core/programfolder.h"
#include "core/prompts.h"
#include "imaging/atomicfile.h"

#include <QFile>
#include <QFileInfo>

namespace DesignCommands {

bool Saveit(Document &doc, const QString &path)
{
    // The old file is replaced only once the new content is completely written.
    const FileWriteResult written = writeFileAtomicallyReporting(path, writeDesign(doc));
    if (written.status == FileWriteStatus::NotCreated) {
        showMessage(QStringLiteral("Fehler: Datei konnte nicht erstellt werden"),
                    QStringLiteral("Beim Erstellen der Datei ist ein Fehler aufgetreten!"),
                    MsgIcon::Information, MsgOk);
        return false;
    }
    if (!written.ok()) {
        showMessage(QStringLiteral("Fehler: Datei konnte nicht geschrieben werden"),
                    QStringLiteral("Beim Schreiben der Datei ist ein Fehler aufgetreten (%1). "
                                   "Die Eintrittskarte wurde nicht gespeichert.")
                        .arg(written.reason),
                    MsgIcon::Information, MsgOk);
        return false;
    }
    doc.CurrentFileName = path;
    return true;
}

bool SaveItemClick(Document &doc)
{
    if (!doc.CurrentFileName.isEmpty())
        return Saveit(doc, doc.CurrentFileName);
    return Speichernunter1Click(doc);
}

static bool existsForReadWrite(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadWrite | QIODevice::ExistingOnly);
}

bool Speichernunter1Click(Document &doc)
{
    const QString path = askSaveFileName(QStringLiteral("Speichern unter"), FileFilter, ProgramFolder(),
                                         QStringLiteral("etr"));
    if (path.isEmpty())
        return false;
    if (existsForReadWrite(path)) {
        const int answer = showMessage(QStringLiteral("Vorhandene Datei Überschreiben?"),
                                       QStringLiteral("Die Datei existiert schon, soll Sie überschrieben werden?"),
                                       MsgIcon::Question, MsgYes | MsgNo);
        if (answer != MsgYes)
            return false;
    }
    return Saveit(doc, path);
}

bool askSaveFirst(Document &doc, const QString &caption)
{
    const int answer = showMessage(caption, QStringLiteral("Wollen Sie vorher speichern?"), MsgIcon::Question,
                                   MsgYes | MsgNo | MsgCancel);
    if (answer == MsgYes)
        return SaveItemClick(doc);
    return answer == MsgNo;
}

static void reportForeignFile()
{
    showMessage(QStringLiteral("Dateikennung falsch"),
                QStringLiteral("Die Datei ist keine Eintrittskarte im Format von %1!").arg(QString::fromLatin1(ProgramTitle)),
                MsgIcon::Information, MsgOk);
}

OpenOutcome OpenItNow(Document &doc, const QString &path)
{
    if (doc.pool.hasElements() && !askSaveFirst(doc, QStringLiteral("Eintrittskarte öffnen")))
        return OpenOutcome::Cancelled;

    QFile file(path);
    // Unbuffered, so that reading the identification reads no more than it.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        showMessage(QStringLiteral("Fehler: Datei konnte nicht geöffnet werden"),
                    QStringLiteral("Beim Öffnen der Datei ist ein Fehler aufgetreten!"), MsgIcon::Information,
                    MsgOk);
        return OpenOutcome::Failed;
    }
    // A foreign file is refused on its identification, without reading the rest.
    QByteArray bytes = file.read(designMagic().size());
    if (bytes != designMagic()) {
        reportForeignFile();
        return OpenOutcome::Failed;
    }
    bytes += file.readAll();
    file.close();

    const DesignReadResult result = readDesign(bytes, doc, QFileInfo(path).absolutePath() + QLatin1Char('/'));
    switch (result.status) {
    case DesignReadResult::Status::BadMagic:
        reportForeignFile();
        return OpenOutcome::Failed;
    case DesignReadResult::Status::DamagedHeader:
        showMessage(QStringLiteral("Fehler: Datei beschädigt"),
                    QStringLiteral("Die Datei konnte nicht gelesen werden, sie ist unvollständig. "
                                   "Es wurde nichts geladen; die Eintrittskarte bleibt unverändert."),
                    MsgIcon::Information, MsgOk);
        return OpenOutcome::Failed;
    case DesignReadResult::Status::DamagedRecords:
        // The card stays untitled so that saving cannot overwrite the damaged
        // file with the part that could be read.
        showMessage(QStringLiteral("Fehler: Datei beschädigt"),
                    QStringLiteral("Beim Öffnen der Datei ist ein Fehler aufgetreten! Die Datei ist "
                                   "beschädigt oder unvollständig; nur die lesbaren Objekte wurden geladen."),
                    MsgIcon::Information, MsgOk);
        return OpenOutcome::Opened;
    case DesignReadResult::Status::Ok:
        break;
    }
    doc.CurrentFileName = path;
    return OpenOutcome::Opened;
}

OpenOutcome OpenItemClick(Document &doc)
{
    const QString path = askOpenFileName(QStringLiteral("Öffnen"), FileFilter, ProgramFolder(),
                                         QStringLiteral(".etr"));
    if (path.isEmpty())
        return OpenOutcome::Cancelled;
    return OpenItNow(doc, path);
}

}
