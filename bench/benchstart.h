#pragma once
// What every benchmark does before it creates its application object: run
// without a display unless one was asked for, with a private runtime folder.
#include "core/runtimedir.h"

#include <QByteArray>
#include <QtGlobal>

inline void prepareHeadlessBenchmark()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ensureRuntimeDir();
}
