#include "tests/support/sanetestbackend.h"
#include "tests/support/testsupport.h"

#include <QTemporaryDir>
#include <dlfcn.h>

namespace {

// SANE unloads a backend in sane_exit; a leak report taken at process exit
// would then show the backend's frames as "<unknown module>", which no
// suppression can name. Opening it once more with RTLD_NODELETE keeps it.
void keepTestBackendLoaded()
{
    static const bool kept = [] {
        for (const char *dir : {"/usr/lib/x86_64-linux-gnu/sane", "/usr/lib/aarch64-linux-gnu/sane", "/usr/lib/sane"}) {
            const QByteArray path = QByteArray(dir) + "/libsane-test.so.1";
            if (dlopen(path.constData(), RTLD_NOW | RTLD_NODELETE))
                return true;
        }
        return false;
    }();
    Q_UNUSED(kept);
}

} // namespace

void configureSaneTestBackend(bool withTestBackend, const QByteArray &testConf)
{
    static QTemporaryDir dir;
    static const bool pointed = [] {
        qputenv("SANE_CONFIG_DIR", dir.path().toLocal8Bit());
        return true;
    }();
    Q_UNUSED(pointed);
    keepTestBackendLoaded();
    writeFileBytes(dir.filePath("dll.conf"), withTestBackend ? "test\n" : "");
    writeFileBytes(dir.filePath("test.conf"), testConf);
}
