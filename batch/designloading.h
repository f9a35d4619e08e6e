#pragma once
// Opens a design for the batch tool with the program's own reader and messages.
#include <QString>

class Document;

// True when the design was read completely; otherwise the reader's German
// message has been written to standard error.
bool openDesignForBatch(Document &doc, const QString &path);
