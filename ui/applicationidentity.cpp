#include "ui/applicationidentity.h"

#include "core/programfolder.h"

#include <QGuiApplication>

void setApplicationIdentity()
{
    setProgramIdentity();
    QGuiApplication::setApplicationDisplayName(QString());
}

QString defaultMessageCaption()
{
    return QGuiApplication::applicationName();
}
