// The program: one main window with its dialogs.
#include "ui/Sdimain.h"
#include "ui/promptdialogs.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("VELMORA"));
    QApplication::setApplicationName(QStringLiteral("Quorvantis-Pelladromika"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvantis-Pelladromika"));
    TSDIAppForm window;
    installDialogPrompts(&window);
    window.showAtKeptPlacement();
    return app.exec();
}
