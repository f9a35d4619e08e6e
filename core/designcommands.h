#pragma once
// The commands that lead to the design file: save, save as and open, with
// their questions and messages.
#include <QString>

class Document;

namespace DesignCommands {

inline const QString FileFilter = QStringLiteral("Eintrittskarten|*.etr");

// Writes the document to path; reports failures. True when written.
bool Saveit(Document &doc, const QString &path);
// Save: to the current file when one is known, else save as.
bool SaveItemClick(Document &doc);
// Save as: asks for a name and whether to overwrite an existing file.
bool Speichernunter1Click(Document &doc);

enum class OpenOutcome { Opened, Cancelled, Failed };
// Replaces the document by the file's content, after the save question.
OpenOutcome OpenItNow(Document &doc, const QString &path);
// Asks for a file, then opens it.
OpenOutcome OpenItemClick(Document &doc);

// The question asked before a command replaces the document: Yes saves first.
// Returns false when the command must stop (Cancel, or a failed save).
bool askSaveFirst(Document &doc, const QString &caption);

}
