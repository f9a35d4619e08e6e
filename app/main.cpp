// The program: one main window with its dialogs. An optional argument names a
// design file to open at start-up (the desktop entry passes the file a user
// double-clicked).
#include "core/germanqttexts.h"
#include "core/programfolder.h"
#include "ui/Sdimain.h"
#include "ui/applicationidentity.h"
#include "ui/promptdialogs.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    setApplicationIdentity();
    QApplication::setDesktopFileName(QStringLiteral("de.velmora.Pelladromika"));
    installGermanQtTexts();
    // Decide the data folder (and create the per-user one) before anything reads it.
    ProgramFolder();
    TSDIAppForm window;
    installDialogPrompts(&window);
    const QStringList args = QApplication::arguments();
    if (args.size() > 1)
        window.setStartupFile(QFileInfo(args.at(1)).absoluteFilePath());
    window.showAtKeptPlacement();
    return app.exec();
}
