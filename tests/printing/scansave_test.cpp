#include "printing/scansave.h"

#include "core/programfolder.h"
#include "tests/support/failingsave.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString SaveFailed = QStringLiteral("Fehler: Datei konnte nicht gespeichert werden!");

// A small 24-bit "scan" with a few coloured pixels.
DibImage makeScan()
{
    DibImage image;
    newdib(image, 8, 5, 24);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 8; ++x)
            setpixel(image, x, y, (x * 30) | (y * 40) << 8 | 0x800000);
    return image;
}

// Answers the quality question and counts how often it was asked.
struct QualityAnswer {
    std::optional<int> quality;
    int asked = 0;
    JpegQualityAsker asker()
    {
        return [this] {
            ++asked;
            return quality;
        };
    }
};

} // namespace

TEST(ScanSave, NameAndFormatFollowTheFilterEntryUnlessAnExtensionWasTyped)
{
    struct Case {
        const char *typed;
        int filter;
        const char *saved;
        QByteArray magic;
        int qualityAsked;
    };
    const Case cases[] = {
        {"scan", 6, "scan.JPG", "\xFF\xD8\xFF", 1},
        {"scan", 5, "scan.JIF", "\xFF\xD8\xFF", 1},
        {"scan", 1, "scan.BMP", "BM", 0},
        {"scan", 11, "scan.TIF", "II*", 0},
        {"bild.jpg", 1, "bild.jpg", "BM", 0},           // typed extension kept, format from the entry
        {"bild.xyz", 3, "bild.xyz", "GIF8", 0},
        {"ordner.neu/scan", 8, "ordner.neu/scan.PCX", "\x0A", 0},   // a dot in a folder is no extension
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed + std::string(" / ") + std::to_string(c.filter));
        TestFolder folder;
        QDir(folder.path()).mkpath(QStringLiteral("ordner.neu"));
        ScriptedPrompts prompts;
        prompts.chooseFile(folder.file(QString::fromLatin1(c.typed)), c.filter);
        QualityAnswer quality{42};
        SetJPEGQual(75);

        DibImage scan = makeScan();
        saveScannedImage(scan, quality.asker());

        ASSERT_EQ(prompts.seen().size(), 1u) << "no message after a good save";
        const Prompt &dialog = prompts.last();
        EXPECT_EQ(dialog.kind, Prompt::Kind::SaveFile);
        EXPECT_TRUE(dialog.caption.isEmpty());
        EXPECT_EQ(dialog.directory, ProgramFolder());
        EXPECT_EQ(dialog.filter, GetDIBSaveFilter());
        EXPECT_EQ(folder.read(QString::fromLatin1(c.saved)).left(c.magic.size()), c.magic);
        EXPECT_EQ(quality.asked, c.qualityAsked);
        EXPECT_EQ(JPEGQual(), c.qualityAsked ? 42 : 75);
        EXPECT_TRUE(scan.isEmpty()) << "the scan is released";
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).filter(QStringLiteral("scan")).size(),
                  QString::fromLatin1(c.saved).startsWith(QLatin1String("scan")) ? 1 : 0);
    }
}

TEST(ScanSave, CancellingTheFileOrQualityQuestionSavesNothing)
{
    TestFolder folder;
    {
        ScriptedPrompts prompts;
        prompts.chooseFile(QString(), 6);
        QualityAnswer quality{50};
        DibImage scan = makeScan();
        saveScannedImage(scan, quality.asker());
        EXPECT_EQ(quality.asked, 0);
        EXPECT_TRUE(scan.isEmpty());
    }
    for (int jpegEntry : {5, 6}) {
        ScriptedPrompts prompts;
        prompts.chooseFile(folder.file(QStringLiteral("scan")), jpegEntry);
        QualityAnswer quality{std::nullopt};
        DibImage scan = makeScan();
        saveScannedImage(scan, quality.asker());
        EXPECT_EQ(quality.asked, 1);
        EXPECT_EQ(prompts.seen().size(), 1u) << "cancelling is not reported";
        EXPECT_TRUE(scan.isEmpty());
    }
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).filter(QStringLiteral("scan")).isEmpty());
}

TEST(ScanSave, ReplacesAReadOnlyFileAndLiftsItsMark)
{
    TestFolder folder;
    folder.write(QStringLiteral("alt.bmp"), "old contents");
    const QString target = folder.file(QStringLiteral("alt.bmp"));
    ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    ScriptedPrompts prompts;
    prompts.chooseFile(target, 1);
    DibImage scan = makeScan();
    saveScannedImage(scan, {});

    EXPECT_EQ(prompts.last().confirmOverwrite, true) << "replacing a file is asked about first";
    const QByteArray saved = folder.read(QStringLiteral("alt.bmp"));
    EXPECT_TRUE(saved.startsWith("BM"));
    EXPECT_TRUE(QFile::permissions(target) & QFile::WriteOwner);
}

TEST(ScanSave, AFailedSaveIsReportedAndLeavesTheTargetAsItWas)
{
    TestFolder folder;
    // A folder cannot be replaced by a picture; its read-only mark stays.
    QDir(folder.path()).mkdir(QStringLiteral("belegt.BMP"));
    const QString occupied = folder.file(QStringLiteral("belegt.BMP"));
    const QFile::Permissions readOnlyFolder = QFile::ReadOwner | QFile::ExeOwner;
    ASSERT_TRUE(QFile::setPermissions(occupied, readOnlyFolder));
    const QString targets[] = {folder.file(QStringLiteral("fehlt/scan")), folder.file(QStringLiteral("belegt"))};
    for (const QString &typed : targets) {
        SCOPED_TRACE(typed.toStdString());
        ScriptedPrompts prompts;
        prompts.chooseFile(typed, 1).answer(MsgOk);
        DibImage scan = makeScan();
        saveScannedImage(scan, {});

        ASSERT_EQ(prompts.seen().size(), 2u);
        const Prompt &message = prompts.last();
        EXPECT_EQ(message.kind, Prompt::Kind::Message);
        EXPECT_TRUE(message.caption.isEmpty());
        EXPECT_EQ(message.text, SaveFailed);
        EXPECT_EQ(message.icon, MsgIcon::Information);
        EXPECT_EQ(message.buttons, MsgOk);
        EXPECT_TRUE(scan.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("fehlt/scan.BMP"))));
    EXPECT_EQ(QFile::permissions(occupied) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), readOnlyFolder);
    QFile::setPermissions(occupied, readOnlyFolder | QFile::WriteOwner);
}

TEST(ScanSave, AScanWithoutPictureIsIgnoredWithoutAQuestion)
{
    TestFolder folder;
    ScriptedPrompts prompts;   // any prompt would fail the test
    QualityAnswer quality{60};
    WMUser2(quintptr(987654), quality.asker());
    DibImage empty;
    saveScannedImage(empty, quality.asker());
    EXPECT_TRUE(prompts.seen().empty());
    EXPECT_EQ(quality.asked, 0);
}

TEST(ScanSave, FailedSavesAreReportedAndKeepTheOldFile)
{
    for (const SaveFailure failure : AllSaveFailures) {
        TestFolder folder;
        const QString target = folder.file(QStringLiteral("scan.BMP"));
        FailingSave failing(failure, target);
        ScriptedPrompts prompts;
        prompts.chooseFile(target, 1).answer(MsgOk);
        DibImage scan = makeScan();
        saveScannedImage(scan, {});
        ASSERT_EQ(prompts.seen().size(), 2u) << saveFailureName(failure);
        EXPECT_EQ(prompts.last().text, SaveFailed);
        EXPECT_EQ(prompts.last().icon, MsgIcon::Information);
        EXPECT_TRUE(scan.isEmpty());
        EXPECT_TRUE(failing.previousIntact()) << saveFailureName(failure);
    }
}
