#include "ui/screencentre.h"

#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget &window)
{
    if (QScreen *s = window.screen())
        window.move(s->availableGeometry().center() - window.rect().center());
}
