#include "ui/screencentre.h"

#include <QLayout>
#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget &window)
{
    // Take the size the layout gives the window now, not the one it had.
    if (QLayout *layout = window.layout())
        layout->activate();
    if (QScreen *s = window.screen())
        window.move(s->availableGeometry().center() - window.rect().center());
}
