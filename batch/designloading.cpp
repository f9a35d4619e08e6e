#include "batch/designloading.h"

#include "core/designcommands.h"
#include "core/designfile.h"
#include "core/document.h"

#include <QFile>
#include <QFileInfo>

bool openDesignForBatch(Document &doc, const QString &path)
{
    // The design commands report failures through the prompt seam, which writes
    // them to standard error when there is no window.
    if (DesignCommands::OpenItNow(doc, QFileInfo(path).absoluteFilePath()) != DesignCommands::OpenOutcome::Opened)
        return false;
    // A damaged file opens with what could be read, untitled: not a success here.
    return !doc.CurrentFileName.isEmpty();
}
