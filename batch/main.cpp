// pelladromika-batch: the program's own code paths without a window.
#include "batch/batchcommand.h"
#include "core/programfolder.h"
#include "core/runtimedir.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

static int usage()
{
    std::fprintf(stderr, "usage: pelladromika-batch [--program-folder DIR] COMMAND ARGS...\ncommands:\n");
    for (const BatchCommand &c : batchCommands())
        std::fprintf(stderr, "  %s\n", c.usage.toUtf8().constData());
    return BatchUsage;
}

int main(int argc, char **argv)
{
    // Fonts and images need a GUI application, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Keep standard error for the program's own messages.
    ensureRuntimeDir();
    QGuiApplication app(argc, argv);
    // Without --program-folder the data folder follows the program's own rule.
    setProgramIdentity();

    QStringList args = app.arguments().mid(1);
    if (!args.isEmpty() && args.first() == QLatin1String("--program-folder")) {
        if (args.size() < 2)
            return usage();
        setProgramFolder(QDir(args.at(1)).absolutePath());
        args = args.mid(2);
    }
    if (args.isEmpty())
        return usage();
    const QString name = args.takeFirst();
    for (const BatchCommand &c : batchCommands()) {
        if (c.name == name)
            return c.run(args);
    }
    return usage();
}
