#pragma once
// Runs pelladromika-batch and collects what it wrote.
#include <QByteArray>
#include <QProcessEnvironment>
#include <QStringList>

struct ToolRun {
    int exitCode = -1;
    QByteArray out, err;
};

ToolRun runTool(const QStringList &args, const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());
