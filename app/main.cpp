// The program: one main window with its dialogs.
#include "ui/Sdimain.h"
#include "ui/applicationidentity.h"
#include "ui/promptdialogs.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    setApplicationIdentity();
    TSDIAppForm window;
    installDialogPrompts(&window);
    window.showAtKeptPlacement();
    return app.exec();
}
