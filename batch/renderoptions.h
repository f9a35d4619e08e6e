#pragma once
// Options shared by the commands that draw tickets: integers, and the
// placeholder values (--event, --bez, --seat-list, --seat-check) filled as the
// main window fills them.
#include "printing/sheetlayout.h"
#include "render/cardrenderer.h"

#include <QStringList>

class Document;

// Pops "--name N"; false on a malformed or missing value (value untouched when absent).
bool takeInt(QStringList &args, const QString &name, int &value);

// Pops the placeholder options and fills inputs. Returns BatchOk, or the
// status of the usage error or failure already reported.
int takeRenderInputs(QStringList &args, const QString &usage, CardRenderInputs &inputs);

// Pops the run options --used, --count, --first, --page and --cut (0 or 1);
// false on a malformed value. The values are clamped later, as the print page does.
bool takeRunOptions(QStringList &args, PrintRun &run);

// The rest of a drawing command's arguments: the placeholder options, then
// exactly DESIGN and OUT; the design is opened into doc. BatchOk, or the
// status of the error already reported.
int takeDesignArguments(QStringList &args, const QString &usage, CardRenderInputs &inputs, Document &doc);
