#include "toolrun.h"

#include "core/designfile.h"
#include "core/document.h"

#include <QProcess>

ToolRun runTool(const QStringList &args, const QProcessEnvironment &environment)
{
    QProcess p;
    p.setProcessEnvironment(environment);
    p.start(qEnvironmentVariable("PD_BINARY_DIR") + QStringLiteral("/batch/pelladromika-batch"), args);
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

QByteArray barcodeDesign()
{
    Document doc;
    doc.ticketType.MarginLeft = 10;
    doc.ticketType.MarginTop = 15;
    doc.ticketType.PitchX = 95;
    doc.sizePasteboardFromTicketType();
    Tobs &bar = doc.pool[1];
    bar.Kind = KindBarcode;
    bar.Left = int32_t(mmToDocUnits(90 + 5));
    bar.Top = int32_t(mmToDocUnits(55 + 10));
    bar.Width = int32_t(mmToDocUnits(80));
    bar.Height = int32_t(mmToDocUnits(30));
    return writeDesign(doc);
}
