// Test entry point: a headless application object for every test program.
#include "core/runtimedir.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    if (qEnvironmentVariableIsEmpty("PD_SOURCE_DIR"))
        qputenv("PD_SOURCE_DIR", PD_SOURCE_DIR_VALUE);
    if (qEnvironmentVariableIsEmpty("PD_BINARY_DIR"))
        qputenv("PD_BINARY_DIR", PD_BINARY_DIR_VALUE);
    ensureRuntimeDir();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("VELMORA-Test"));
    QApplication::setApplicationName(QStringLiteral("Quorvantis-Pelladromika-Test"));
    // Never touch the user's real settings, whatever a test forgets.
    QTemporaryDir settingsDir;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
