#include "toolrun.h"

#include <QProcess>

ToolRun runTool(const QStringList &args, const QProcessEnvironment &environment)
{
    QProcess p;
    p.setProcessEnvironment(environment);
    p.start(qEnvironmentVariable("PD_BINARY_DIR") + QStringLiteral("/batch/pelladromika-batch"), args);
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}
