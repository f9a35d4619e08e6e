#include "ui/applicationidentity.h"

#include <QGuiApplication>

void setApplicationIdentity()
{
    QGuiApplication::setOrganizationName(QStringLiteral("VELMORA"));
    QGuiApplication::setApplicationName(QStringLiteral("Quorvantis-Pelladromika"));
    QGuiApplication::setApplicationDisplayName(QString());
}

QString defaultMessageCaption()
{
    return QGuiApplication::applicationName();
}
