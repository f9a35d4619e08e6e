// OpenDib as a whole: format detection, the own decoders and Qt's readers.
#include "fuzz/fuzzsupport.h"
#include "imaging/GrafikRW.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzSetUp();
    static QTemporaryDir folder;
    // The suffix decides for TGA files, which carry no signature.
    const QString path = folder.filePath(size > 0 && data[0] & 1 ? "input.tga" : "input.img");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    DibImage dib;
    OpenDib(dib, path);
    deldib(dib);
    return 0;
}
