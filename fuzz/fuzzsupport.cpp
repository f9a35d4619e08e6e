#include "fuzz/fuzzsupport.h"

#include "core/programfolder.h"
#include "core/prompts.h"
#include "core/runtimedir.h"

#include <QGuiApplication>
#include <QTemporaryDir>

void fuzzSetUp()
{
    static bool ready = false;
    if (ready)
        return;
    ready = true;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ensureRuntimeDir();
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    // Pictures named by a design are looked up in an empty program folder.
    static QTemporaryDir folder;
    setProgramFolder(folder.path());
    setPromptHandler([](const Prompt &) { return PromptAnswer{MsgOk, {}, 1}; });
}
