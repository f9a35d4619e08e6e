// resave: reads a design and writes it again with the program's writer.
#include "batch/batchcommand.h"
#include "batch/designloading.h"
#include "core/designcommands.h"
#include "core/document.h"

static int runResave(const QStringList &args)
{
    if (args.size() != 2)
        return batchUsageError(QStringLiteral("resave IN.etr OUT.etr"));
    Document doc;
    if (!openDesignForBatch(doc, args[0]))
        return BatchFailed;
    return DesignCommands::Saveit(doc, args[1]) ? BatchOk : BatchFailed;
}

static BatchCommandRegistration registration({QStringLiteral("resave"), QStringLiteral("resave IN.etr OUT.etr"), runResave});
