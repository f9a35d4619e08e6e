#pragma once
// Runs pelladromika-batch and collects what it wrote; a design for its print commands.
#include <QByteArray>
#include <QProcessEnvironment>
#include <QStringList>

struct ToolRun {
    int exitCode = -1;
    QByteArray out, err;
};

ToolRun runTool(const QStringList &args, const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

// A design of 2 × 5 tickets (margins 10 and 15 mm) carrying their number as a barcode.
QByteArray barcodeDesign();
