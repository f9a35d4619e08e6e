#include "printing/scansave.h"

#include "core/programfolder.h"
#include "core/prompts.h"
#include "imaging/TwainIO2.h"
#include "printing/savefilter.h"

#include <QFile>

namespace {

bool hasPixelRows(const DibImage &image)
{
    return !image.isEmpty() && image.Info && image.Info->header.biHeight != 0;
}

void release(DibImage &image)
{
    deldib(image);
    image = DibImage{};
}

// Lifts a read-only mark of an existing target so that it can be replaced;
// returns the permissions it had (nothing when it did not exist or was writable).
std::optional<QFile::Permissions> makeWritable(const QString &fileName)
{
    QFile target(fileName);
    if (!target.exists())
        return std::nullopt;
    // Only the stored bits: the "User" flags describe the caller's access and
    // would set the owner's bits when written back.
    const QFile::Permissions before =
        target.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    if (before & QFile::WriteOwner)
        return std::nullopt;
    target.setPermissions(before | QFile::WriteOwner);
    return before;
}

} // namespace

QString scanExtension(int filterIndex)
{
    return saveExtensionOfFilter(filterIndex).toUpper();
}

QString withScanExtension(const QString &fileName, int filterIndex)
{
    return withDefaultExtension(fileName, scanExtension(filterIndex));
}

bool isJpegFilterEntry(int filterIndex)
{
    return filterIndex == 5 || filterIndex == 6;
}

void saveScannedImage(DibImage &image, const JpegQualityAsker &askQuality)
{
    if (!hasPixelRows(image)) {
        release(image);
        return;
    }

    Prompt request;
    request.filter = GetDIBSaveFilter();
    request.directory = ProgramFolder();
    // Replacing a file (even a read-only one) is never done without asking.
    request.confirmOverwrite = true;
    const PromptAnswer answer = askSaveFile(request);
    if (answer.fileName.isEmpty()) {
        release(image);
        return;
    }

    const QString fileName = withScanExtension(answer.fileName, answer.filterIndex);
    if (isJpegFilterEntry(answer.filterIndex)) {
        const std::optional<int> quality = askQuality ? askQuality() : std::nullopt;
        if (!quality) {
            release(image);
            return;
        }
        SetJPEGQual(*quality);
    }

    const std::optional<QFile::Permissions> readOnlyBefore = makeWritable(fileName);
    if (SaveDib(image, fileName, saveFormatOfFilter(answer.filterIndex)) != 1) {
        // The old file is still there: it keeps its read-only mark.
        if (readOnlyBefore)
            QFile::setPermissions(fileName, *readOnlyBefore);
        showMessage(QString(), QStringLiteral("Fehler: Datei konnte nicht gespeichert werden!"),
                    MsgIcon::Information, MsgOk);
    }
    release(image);
}

void WMUser2(quintptr imageHandle, const JpegQualityAsker &askQuality)
{
    DibImage image;
    GetScanedDib(image, imageHandle);
    saveScannedImage(image, askQuality);
}
